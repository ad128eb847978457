#pragma once
// Landing gear, doors and stairs, pedestal flight levers and exterior light switches.
#include <cstdint>

namespace vk {

struct GearState {
    // Landing gear and doors: lever, gear lights, horn, door and stairs requests
    uint8_t lever = 0;                 // gear lever: 0 neutral, 1 down, 2 up
    uint8_t unsafe_lights_off = 0;     // gear drive inactive in flight: amber and red lights dark
    int32_t leg_position_now = 0;      // first leg position, 0 up..16383 down, truncated
    int32_t emerg_extension_mark = 0;  // highest first-leg position in an emergency extension
    uint8_t horn_wanted = 0;           // the gear warning condition holds
    uint8_t door_request = 0;          // forward door open requested
    double door_value = 0.0;           // last value read of "forward_door_open"
    uint8_t stairs_request = 0;        // boarding stairs requested
    double stairs_value = 0.0;         // last value read of "airport_stairs_available"
    uint8_t light_test[3] = {};  // doors panel test counters: door, second, ground power light

    // Flight levers: airbrake, flap and parking brake levers, airbrake indication bands
    uint8_t airbrake_lever = 0;       // 0 retracted, 1 extended, 2 asked without green pressure
    float flap_lever_pos = 0.0f;      // flap lever position, 0..5, one unit per detent
    uint8_t flap_standby_state = 0;   // standby flap logic state: 0, 1, 2, 3 or 6
    uint8_t parking_brake_lever = 0;  // 0 released, 1 intermediate, 2 set
    uint16_t airbrake_transit_min = 1000;   // in-transit band start: 1000, 2000 without green
    uint16_t airbrake_extended_min = 8000;  // airbrake position counted as extended

    // Exterior lights: switches, navigation light flashing, landing light motors
    uint8_t nacelle_light_switch = 0;    // nacelle light switch, 1 on
    uint8_t taxi_light_switch = 0;       // taxi light switches (one value for both), 1 on
    uint8_t beacon_switch = 0;           // beacon switch, 1 on
    uint8_t nav_light_switch = 0;        // navigation lights: 0 off, 1 steady, 2 flashing
    uint8_t nav_flash_active = 0;        // flashing is running
    uint8_t nav_flash_started = 0;       // flashing cycle has been started
    uint8_t nav_flash_second_cycle = 0;  // flashing state: second cycle
    int32_t nav_flash_start = 0;         // tick at which flashing started
    int32_t nav_flash_mark = 0;          // tick of the current flashing cycle's start
    int8_t landing_light_motor = 0;      // 100 extending, -100 retracting, counts to 0; 0 stopped
    uint8_t landing_light_switch = 0;    // landing light switch, 1 on
    uint8_t landing_lights_out = 0;      // 1 once extension started with supply, 0 on retraction
};

extern GearState gear;

}  // namespace vk
