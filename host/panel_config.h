#pragma once
// The host's panel configuration, in the simulator's own panel.cfg format:
// which panel windows exist, their idents and sizes, and which gauges each
// window places where.
//
//   [Window Titles]
//   Window00=Main panel
//
//   [Window00]
//   ident=MAIN_PANEL          // or a number, e.g. 10080
//   size_mm=1280,720          // the window's own units: gauge x, y and width use them
//   visible=1                 // open at load
//   gauge00=vkmorl1!morvalde ias_vk, 10, 20, 206   // module!gauge, x, y[, width[, height]]
//
// Blank lines and "//" or ";" comments are skipped. Keys the test host has
// no use for (file=, zorder=, ...) are accepted and ignored; sections other
// than [Window Titles] and [WindowNN] are checked only for their syntax.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vkhost {

// The ident of the main panel window (ident=MAIN_PANEL).
inline constexpr int32_t kMainPanelIdent = 0;

struct PanelGauge {
    std::string module;  // before the '!'
    std::string name;    // after it
    int x = 0, y = 0;
    std::optional<int> width, height;  // in the window's units; absent: the gauge's own size
    int line = 0;
};

struct PanelWindow {
    int number = 0;  // NN of [WindowNN]
    std::string title;
    std::optional<int32_t> ident;
    int size_w = 0, size_h = 0;  // size_mm; 0 when not given
    int position = 0;
    bool visible = false;
    std::vector<PanelGauge> gauges;
    int line = 0;
};

struct PanelConfig {
    std::string file;
    std::vector<PanelWindow> windows;  // in file order

    const PanelWindow* find(int32_t ident) const;
};

struct PanelConfigResult {
    PanelConfig config;
    std::vector<std::string> errors;  // "file:line: what was expected"
    bool ok() const { return errors.empty(); }
};

// Parses the text of a panel.cfg. Never throws on any input; every malformed
// line gives one error naming the file, the line and what was expected.
PanelConfigResult parse_panel_config(std::string_view text, const std::string& file);

// Reads and parses a file; a file that cannot be read gives one error.
PanelConfigResult read_panel_config(const std::string& path);

}  // namespace vkhost
