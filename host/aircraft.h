#pragma once
// Loading the aircraft as the simulator does: the cockpit's panel
// configuration read, every window given its gauges, the visible windows
// (the main panel) opened and their gauges installed.
#include <cstdint>
#include <string>

namespace vkhost {

class TestHost;

// The cockpit's panel.cfg: $VKMORL1_PANEL, or panel.cfg beside the running
// program (the build copies it there).
std::string default_panel_path();

// Whether the start-up choice screen (10520) is open at load.
enum class ChoiceScreen { closed, open };

// Reads the panel configuration (`panel_path`, or default_panel_path() when
// empty) unless the host already uses one, then opens the choice screen if
// asked. Throws std::runtime_error when the configuration cannot be read or
// has errors, naming the file and line.
void load_aircraft(TestHost& host, ChoiceScreen choice = ChoiceScreen::closed,
                   const std::string& panel_path = {});

// "Electrical panel (10080)" from the window titles of the panel
// configuration in use, or the bare ident for a window it does not name.
std::string window_label(const TestHost& host, int32_t ident);

}  // namespace vkhost
