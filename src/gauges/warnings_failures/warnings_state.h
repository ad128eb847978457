#pragma once
// Warning lights: announcer requests, warning conditions and latches, crew call switches.
#include <cstdint>

namespace vk {

struct WarnState {
    // Announcer requests: 0 none, 1 pending, 2 announced (the announcer plays the gong, sets 2).
    // Indexed by request number, examined in this order; 0 and 1 are unused:
    //   2 servo warning             9 autopilot disconnect
    //   3 electrical warning       10 hydraulic level warning
    //   4 left fuel temperature    11 left fuel pressure
    //     (4b right: below)        12 right fuel pressure
    //   5 left oil pressure        13 cabin excess altitude
    //   6 right oil pressure       14 examined, raised by nothing
    //   7 red brake pressure       15 pack fault lights
    //   8 ice detected
    uint8_t announce_req[16] = {};  // request flags by number, see above
    uint8_t announce_req_4b = 0;    // request 4b, right fuel temperature, examined after 4a

    // Warning conditions and latches
    uint8_t stall_active = 0;         // stall warning condition
    uint8_t overspeed = 0;            // overspeed condition
    uint8_t green_servo_warning = 0;  // green servo latch: 0 clear, 1 lit, 2 out (yellow took over)
    uint8_t blue_servo_warning = 0;   // blue servo latch: 0 clear, 1 lit, 2 out (yellow took over)
    uint8_t green_level_warning = 0;  // green level latch: 0 clear, 1 lit, 2 acknowledged
    uint8_t blue_level_warning = 0;   // blue level latch: 0 clear, 1 lit, 2 acknowledged
    uint8_t left_oil_warning = 0;     // engine 1 oil pressure low
    uint8_t right_oil_warning = 0;    // engine 2 oil pressure low
    uint8_t left_fuel_press_warning = 0;   // left feed pressure low
    uint8_t right_fuel_press_warning = 0;  // right feed pressure low
    uint8_t left_fuel_temp_warning = 0;    // left fuel temperature out of range or tested
    uint8_t right_fuel_temp_warning = 0;   // right fuel temperature out of range or tested
    uint8_t ice_warning = 0;               // ice detected
    uint8_t red_brake_warning = 0;         // standby brake pressure with the red pump on

    // Crew call switches
    uint8_t crew_call_hi = 0;  // upper crew call switch: 0, 1 or 2
    uint8_t crew_call_lo = 0;  // lower crew call switch: 0 or 1
};

extern WarnState warn;

}  // namespace vk
