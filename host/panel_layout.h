#pragma once
// Which gauges each panel window places, until the real panel layout is read
// from the panel configuration: a plain table, one entry per window ident,
// plus the main panel, which the simulator places when it loads the aircraft.
#include <cstdint>
#include <string>
#include <vector>

namespace vkhost {

class TestHost;

// The main panel is always open; it has no ident of its own in the module.
inline constexpr int32_t kMainPanel = 0;

struct PanelWindow {
    int32_t ident;
    const char* name;
    std::vector<std::string> gauges;  // names without the "morvalde " prefix
};

// Every window with its gauges, the main panel first. The main panel holds
// every gauge that no other window places (except the debugging display).
const std::vector<PanelWindow>& panel_layout();

// "electrical panel (10080)", or the bare ident for a window not in the table.
std::string window_label(int32_t ident);

// Tells the host which gauges every window places.
void set_panel_layout(TestHost& host);

struct LoadOptions {
    bool choice_screen = false;  // the start-up choice screen (10520) open at load
};

// Loads the aircraft as the simulator does: the layout set, the main panel
// opened (its gauges placed and installed) and, if asked, the choice screen.
void load_aircraft(TestHost& host, LoadOptions options = {});

}  // namespace vkhost
