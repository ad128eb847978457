#pragma once
// Autopilot and flight director state: the autopilot's modes and laws flown through the host
// autopilot, its disconnect warning, and the flight director mode and pitch reference.
#include <cstdint>

namespace vk {

struct ApState {
    // Autopilot
    uint8_t ready_switch = 0;          // autopilot supply switch on
    uint8_t ready = 0;                 // autopilot may be engaged
    uint8_t engaged_memory = 0;        // engaged since the last disconnect warning
    uint8_t approach_memory = 0;       // approach mode selected since the last disconnect warning
    uint8_t disconnect_state = 0;      // 0 none, 1 disconnect warning, 2 approach-abandon warning
    uint8_t disconnect_after = 0;      // 2 when the last warning ended in approach mode, else 0
    uint8_t pitch_hold = 0;            // pitch attitude hold engaged
    uint8_t alt_hold_a = 0;            // altitude hold A (capture within 1.5 ft)
    uint8_t alt_hold_b = 0;            // altitude hold B (capture within 0.5 ft)
    uint8_t alt_capture = 0;           // 0 not started, 1 capturing, 2 captured
    int32_t held_altitude_ft = 0;      // altitude being held, ft
    int32_t vs_cmd_fpm = 0;            // vertical speed commanded to the host, ft/min
    double pitch_target_deg = 0.0;     // pitch attitude to hold, deg nose-up
    uint8_t pitch_settled = 0;         // pitch error inside +/-0.1 deg, command frozen
    uint8_t hdg_mode = 0;              // heading mode engaged
    uint8_t nav_mode = 0;              // 0 off, 1 VOR, 2 host navigation source, 3 localizer
    uint8_t app_mode = 0;              // approach (glide) mode engaged
    uint8_t turn_knob_active = 0;      // the turn knob commands the bank
    int32_t turn_knob_bank_deg = 0;    // bank commanded by the turn knob, -30..+30 deg
    int32_t aileron_offset = 0;        // aileron trim offset chosen from the commanded bank
    int32_t bank_deg = 0;              // current bank, deg
    uint8_t go_around = 0;             // go-around pitch-up in progress
    uint8_t coordination_engaged = 0;  // the yaw channel may act
    uint8_t yaw_state = 0;             // yaw channel: 0 idle, 1 acting, 2 centring
    int32_t rudder_cmd = 0;            // rudder position sent to the host
    uint8_t wheel_up_clicked = 0;      // pitch wheel drawn turned up
    uint8_t wheel_down_clicked = 0;    // pitch wheel drawn turned down
    uint8_t wheel_timer_on = 0;        // pitch wheel return timer running
    uint32_t wheel_timer_tick = 0;     // tick at which the pitch wheel returns to neutral
    uint8_t off_light_on = 0;          // disconnect light lit
    uint8_t off_light_timing = 0;      // disconnect light period running
    uint32_t off_light_until = 0;      // tick at which the disconnect light period ends

    // Flight director control box
    uint8_t fd_mode = 0;            // 0 off, 1 reverse nav, 2 heading, 3 nav, 4 approach (take-off)
    double fd_pitch_ref_deg = 0.0;  // pitch attitude reference, deg nose-up, -23..+23
};

extern ApState ap;

}  // namespace vk
