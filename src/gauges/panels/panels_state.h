#pragma once
// Panel management state: toggle zones, the cockpit overview, the start-up
// sequence (cold or running aircraft) and the night lighting of the panels.
#include <cstdint>

namespace vk {

struct PanelState {
    // Panel windows, overview, start-up sequence and night lighting
    uint8_t toggles_visible = 0;     // main panel toggle zones drawn (flipped from the AP light)
    uint8_t overview_pin = 2;        // 0 close after a choice, 1 stay open, 2 first use, 10 pinned
    uint8_t overview_hover = 0;      // overview zone under the cursor: 0 none, 1 to 8
    uint8_t geardoors_state = 0;     // step of the gear and doors window cycle: 0, 1, 2
    uint8_t atc_shown = 0;           // ATC window shown
    uint8_t startup_step = 0;        // start-up: 0 not started, 1 to 9 opening, 10 closing, 11 done
    uint8_t startup_choice = 0;      // 0 none, 1 cold aircraft, 2 running aircraft
    uint8_t startup_countdown = 0;   // without the choice screen: frames from 15 to a cold choice
    uint8_t loader_present = 0;      // the start-up choice screen gauge is running
    uint8_t loader_hover = 0;        // choice under the cursor on the choice screen: 0, 1, 2
    uint8_t panel_light_knob = 180;  // panel light knob angle: 180 off, 0 on
    uint8_t panel_light_state = 0;   // lighting sequence: 0 off, 1 and 2 switching off, 3 to 5 on
    uint8_t night_lighting = 0;      // night bitmaps and lit overlays in use
};

extern PanelState panel;

}  // namespace vk
