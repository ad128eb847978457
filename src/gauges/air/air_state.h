#pragma once
// Air systems: cabin pressurization, bleed and pack valves with the cockpit and cabin
// temperatures, ice protection and the primary heat exchangers.
#include <cstdint>

namespace vk {

struct AirState {
    // Cabin pressurization: selectors, cabin altitude, differential, mode and rate, ground valve
    int16_t cabin_alt_selected = 0;     // selected cabin altitude, ft, -1000..10000 by 100
    int16_t cabin_rate_selected = 500;  // selected cabin rate, ft/min, 50..2000 by 50
    float cabin_dial_raw = 0.0f;        // 210 + 2 x (cabin_alt_selected x 0.01)
    float cabin_dial_value = 0.0f;      // controller dial rotation: (raw - 210) x 1.4372
    uint8_t selector_changed = 0;       // a selector was touched; lights the dial
    uint8_t selector_lit = 0;           // the dial light is on
    double selector_lit_since = 0.0;    // tick counter when the dial light came on
    float aircraft_alt = 0.0f;          // aircraft altitude, ft
    float cabin_alt = 0.0f;             // cabin altitude, ft
    uint8_t press_active = 0;           // cabin is (still) held above the aircraft's pressure
    float cabin_diff_psi = 0.0f;        // differential pressure, psi
    uint16_t cabin_diff_shown = 0;      // differential x 1000, truncated, 0 when negative
    uint8_t press_mode = 0;             // 0 normal, 1 above max differential, 2 at max, 3 negative
    int32_t mode_check_time = 0;        // tick at which the 36-tick mode check runs out
    uint8_t mode_check_armed = 0;       // the mode check timer runs
    int16_t cabin_rate = 0;             // cabin rate of change, ft/min, positive climbs
    uint8_t cabin_excess_alt = 0;       // cabin above 10500 ft with the essential bus powered
    uint8_t ground_valve_state = 0;     // ground valve indicator: 0 shut, 1 open, 2 moving
    int32_t ground_valve_due = 0;       // tick at which the 150-tick ground valve timer runs out
    uint8_t ground_valve_timing = 0;    // the ground valve timer runs

    // Air conditioning: main (bleed) and pack valves, zone and duct temperatures
    uint8_t left_main_valve_switch = 1;   // left main valve switch, 1 open
    uint8_t right_main_valve_switch = 1;  // right main valve switch, 1 open
    uint8_t left_main_guard_open = 0;     // guard of the left main valve switch raised
    uint8_t right_main_guard_open = 0;    // guard of the right main valve switch raised
    uint8_t left_bleed_valve = 0;         // left main valve travel, 0 shut..100 open
    uint8_t right_bleed_valve = 0;        // right main valve travel, 0 shut..100 open
    uint8_t left_engine_bleed = 0;        // 1 while engine 1 speed is at least 30 %
    uint8_t right_engine_bleed = 0;       // 1 while engine 2 speed is at least 30 %
    uint8_t left_pack_switch = 1;         // left pack valve switch, 1 on
    uint8_t right_pack_switch = 1;        // right pack valve switch, 1 on
    uint8_t left_pack_valve = 0;          // left pack valve opening, 0 shut..255 open
    uint8_t right_pack_valve = 0;         // right pack valve opening, 0 shut..255 open
    uint8_t landing_pack_hold = 0;        // 1 in flight, 2 from touchdown until below 25 kt, else 0
    uint8_t left_pack_fault[3] = {};      // left pack fault lights: 0 out, 2 lit by test
    uint8_t right_pack_fault[3] = {};     // right pack fault lights: 0 out, 2 lit by test
    uint8_t air_warning = 0;              // a pack fault light is lit
    uint8_t cockpit_temp_knob = 30;       // cockpit temperature selector, 0..80
    uint8_t cabin_temp_knob = 30;         // cabin temperature selector, 0..80
    uint8_t cockpit_temp_mode = 100;      // cockpit: 100 AUTO, 0 OFF, 1..12 COLD/HOT push running
    uint8_t cabin_temp_mode = 100;        // cabin: 100 AUTO, 0 OFF, 1..12 COLD/HOT push running
    uint8_t temp_push_dir = 0;  // last push: 2 cockpit cold, 3 cockpit hot, 4 cabin cold, 5 hot
    uint8_t cockpit_manual_dir = 2;       // last cockpit manual direction: 2 cold, 3 hot
    uint8_t cabin_manual_dir = 4;         // last cabin manual direction: 4 cold, 5 hot
    float cockpit_temp_selected = 15.0f;  // selected cockpit temperature, deg C
    float cabin_temp_selected = 15.0f;    // selected cabin temperature, deg C
    float cockpit_temp = 15.0f;           // cockpit temperature, deg C
    float cabin_temp = 15.0f;             // cabin temperature, deg C
    float cockpit_duct_temp = 15.0f;      // cockpit duct temperature, deg C
    float cabin_duct_temp = 15.0f;        // cabin duct temperature, deg C
    int16_t cockpit_temp_shown = 0;       // cockpit temperature dial value
    int16_t cabin_temp_shown = 0;         // cabin temperature dial value
    int16_t cockpit_duct_shown = 0;       // cockpit duct temperature dial value
    int16_t cabin_duct_shown = 0;         // cabin duct temperature dial value
    uint8_t vent_fog_switch = 0;          // vent/fog switch, 0 or 1, no further effect

    // Ice protection: probe, windshield, engine and wing heat, ice detector, duct overheat
    uint8_t pitot_heat_switch[4] = {};    // pitot 1, pitot 2, stall vane, static ports; 1 on
    uint8_t water_sep_switch = 0;         // water separator switch, 0 or 1, no further effect
    uint8_t windshield_in_switch = 0;     // inner windshield heat: 0 off, 1 or 2 on
    uint8_t windshield_out_switch = 0;    // outer windshield heat: 0 off, 1 or 2 on
    uint8_t left_eng_ai_switch = 0;       // engine 1 anti-ice switch, 1 on
    uint8_t right_eng_ai_switch = 0;      // engine 2 anti-ice switch, 1 on
    uint8_t left_eng_ai_valve = 0;        // engine 1 anti-ice valve travel, 0..100
    uint8_t right_eng_ai_valve = 0;       // engine 2 anti-ice valve travel, 0..100
    uint8_t icing_conditions = 0;         // the ice detector's icing conditions hold
    uint8_t ice_light = 0;                // ice detector light latched
    uint8_t ice_detected = 0;             // ice detected with an engine anti-ice switch off
    int32_t ice_light_due = 0;            // tick at which the 400-tick ice light timer runs out
    uint8_t ice_light_timing = 0;         // the ice light timer runs
    uint8_t left_half_test = 0;           // engine 1 take-off light test counter
    uint8_t right_half_test = 0;          // engine 2 take-off light test counter
    uint8_t wing_test_switch = 1;         // wing ground test switch: 1 normal, 2 test
    uint8_t left_wing_valve_switch = 0;   // left wing anti-ice valve switch, 1 open
    uint8_t right_wing_valve_switch = 0;  // right wing anti-ice valve switch, 1 open
    uint8_t left_wing_valve = 0;          // left wing valve travel, 0..100
    uint8_t right_wing_valve = 0;         // right wing valve travel, 0..100
    int8_t wing_ctrl_mode = 100;          // 100 AUTO, 0 OFF, -12..-1 COLD push, 1..12 HOT push
    float wing_duct_temp = 15.0f;         // wing duct temperature, deg C
    float wing_skin_temp = 15.0f;         // wing skin temperature, deg C
    int16_t wing_duct_shown = 0;          // wing duct dial value
    float wing_skin_shown = 0.0f;         // wing skin dial value
    uint8_t duct_warn_test = 0;           // duct overheat light test counter

    // Primary heat exchangers: controls, valve openings and outlet temperatures
    int8_t left_exchanger_control = 100;     // 0 off, 100 on, 1..12 while turned (springs to 0)
    int8_t right_exchanger_control = 100;    // 0 off, 100 on, 1..12 while turned (springs to 0)
    uint8_t exchanger_turn_direction = 0;    // last turn of either control: 2 left, 3 right
    uint8_t left_exchanger_opening = 0;      // left exchanger valve opening, 0 shut..100 open
    uint8_t right_exchanger_opening = 0;     // right exchanger valve opening, 0 shut..100 open
    float left_exchanger_temp_c = 15.0f;     // left exchanger outlet temperature, deg C
    float right_exchanger_temp_c = 15.0f;    // right exchanger outlet temperature, deg C
    int16_t left_exchanger_temp_shown = 0;   // left thermometer needle value
    int16_t right_exchanger_temp_shown = 0;  // right thermometer needle value
};

extern AirState air;

}  // namespace vk
