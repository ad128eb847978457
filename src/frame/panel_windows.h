#pragma once
// The host's panel windows by ident, and the ways gauges act on them: the
// host's panel_window_toggle service, and the key events that toggle, open
// and close a window with its ident as the value.
#include <cstdint>

namespace vk {

enum class Window : int32_t {
    pedestal = 10040,
    autopilot = 10050,
    hydraulics = 10060,    // hydraulic panel, always with the servo panel
    servos = 10070,        // servo panel
    electrical = 10080,    // electrical panel
    start = 10090,         // start panel, always with the TADG and battery switch panel
    tadg_battery = 10100,  // TADG and battery switch panel
    upper2 = 10110,
    upper3 = 10120,
    clock = 10130,
    gear = 10140,      // gear indicator panel
    doors = 10150,     // doors indicator panel
    pressure = 10160,  // cabin pressure panel
    failures = 10170,  // failures and easy start panel
    gps = 10180,
    overview = 10510,  // the cockpit overview map
    choice = 10520,    // the start-up choice screen
};

constexpr int32_t ident(Window w) {
    return static_cast<int32_t>(w);
}

// How a gauge toggles a window: through the host's panel_window_toggle
// service, or by sending the window-toggle key event.
enum class WindowBy : uint8_t { service, key_event };

void toggle_window(Window w, WindowBy by);
void open_window(Window w);   // key event: opens, or leaves an open window open
void close_window(Window w);  // key event: closes, or leaves a closed window closed

// The gear and doors window cycle of the toggle zone and the overview. On the
// ground each call steps PanelState.geardoors_state: 0 shows the gear
// indicator alone, 1 the doors indicator alone, 2 neither. In the air it
// closes the gear indicator and toggles the doors indicator, leaving the step.
void gear_doors_cycle();

// Shows the host's ATC window when PanelState.atc_shown is 0, hides it
// otherwise, and inverts atc_shown.
void switch_atc_window();

}  // namespace vk
