#pragma once
// Key events the module sends to the host with trigger_key_event, named by their role.
#include <cstdint>
#include <iterator>

namespace vk {

enum class Key : int32_t {
    door_close_aux = 0x10002,  // sent with door_close while a door reads open during the easy start
    gyro_error_reset = 0x10020,  // sent while the gyro unit is on and gyro_error is beyond +/-50
    emerg_flaps_up = 0x1003B,    // emergency flap lever up, with red pressure
    emerg_flaps_down = 0x10043,  // emergency flap lever down, with red pressure
    elevator_step_nose_up = 0x10048,    // single elevator step nose-up in the flare
    aileron_centre = 0x1004C,           // ailerons to neutral without hydraulic power
    elevator_step_nose_down = 0x10050,  // single elevator step nose-down in the flare
    com_1_knob_1_dec = 0x10064,         // com channel 1 knob 1 decrease
    com_1_knob_1_inc = 0x10065,         // com channel 1 knob 1 increase
    com_1_knob_2_dec = 0x10066,         // com channel 1 knob 2 decrease
    com_1_knob_2_inc = 0x10067,         // com channel 1 knob 2 increase
    nav_1_knob_1_dec = 0x10068,         // nav set 1 knob 1 decrease
    nav_1_knob_1_inc = 0x10069,         // nav set 1 knob 1 increase
    nav_1_knob_2_dec = 0x1006A,         // nav set 1 knob 2 decrease
    nav_1_knob_2_inc = 0x1006B,         // nav set 1 knob 2 increase
    nav_2_knob_1_dec = 0x1006C,         // nav set 2 knob 1 decrease
    nav_2_knob_1_inc = 0x1006D,         // nav set 2 knob 1 increase
    nav_2_knob_2_dec = 0x1006E,         // nav set 2 knob 2 decrease
    nav_2_knob_2_inc = 0x1006F,         // nav set 2 knob 2 increase
    adf_1_knob_1_inc = 0x10070,         // ADF 1 knob 1 increase
    adf_1_knob_2_inc = 0x10071,         // ADF 1 knob 2 increase
    adf_1_knob_3_inc = 0x10072,         // ADF 1 knob 3 increase
    transponder_digit_1_inc = 0x10073,  // transponder first digit increase
    transponder_digit_2_inc = 0x10074,  // transponder second digit increase
    transponder_digit_3_inc = 0x10075,  // transponder third digit increase
    transponder_digit_4_inc = 0x10076,  // transponder fourth digit increase
    clock_set_area_1 = 0x10079,         // clock setting, upper left area (setting mode only)
    clock_set_area_2 = 0x1007A,         // clock setting, upper right area (setting mode only)
    clock_set_area_3 = 0x1007B,         // clock setting, lower left area (setting mode only)
    clock_set_area_4 = 0x1007C,         // clock setting, lower right area (setting mode only)
    adf_1_knob_1_dec = 0x10082,         // ADF 1 knob 1 decrease
    adf_1_knob_2_dec = 0x10083,         // ADF 1 knob 2 decrease
    adf_1_knob_3_dec = 0x10084,         // ADF 1 knob 3 decrease
    rudder_centre = 0x10099,     // rudder back to neutral on the ground without steering pressure
    elevator_set = 0x1009E,      // elevator position; value 0 or a computed position
    aileron_set = 0x1009F,       // aileron position; value 8000, -8000 or computed (turn knob)
    rudder_set = 0x100A0,        // rudder position; value 0 or computed (yaw channel)
    nav_course_set = 0x100B4,    // navigation course, value in whole degrees 0..359
    ap_pitch_hold_on = 0x100BE,  // sent once when pitch hold engages
    parking_brake_toggle = 0x100D8,     // parking brake
    flaps_extend_step = 0x100DE,        // flaps one step down
    flaps_retract_step = 0x100DF,       // flaps one step up
    airbrakes_set = 0x100FA,            // airbrakes set, value 7000
    ap_disengage = 0x100FF,             // host autopilot disengage
    ap_engage = 0x10100,                // host autopilot engage
    ap_localizer_mode = 0x1010D,        // localizer mode
    ap_heading_hold_on = 0x1010F,       // host heading hold on
    ap_heading_hold_off = 0x10111,      // host heading hold off
    ap_host_nav_mode = 0x10113,         // navigation mode on the host navigation source
    ap_nav_hold_clear = 0x10115,        // clears the host navigation hold, with ap_nav_hold_off
    ap_approach_holds_clear = 0x10116,  // clears the two host approach holds
    ap_heading_hold_clear = 0x10117,    // clears the host heading hold
    ap_lateral_hold_clear = 0x10119,    // clears the host lateral hold
    ap_nav_hold_off = 0x1011B,          // host navigation hold off
    power_setting_1_set = 0x1011C,      // engine 1 power setting held in an engine 1 fire; computed
    nav_1_power_off = 0x10128,          // nav set 1 power off
    nav_2_power_off = 0x10129,          // nav set 2 power off
    adf_1_power_off = 0x1012C,          // ADF 1 power off
    nav_1_power_on = 0x1012D,           // nav set 1 power on
    nav_2_power_on = 0x1012E,           // nav set 2 power on
    adf_1_power_on = 0x10131,           // ADF 1 power on
    auto_coordination_off = 0x101A0,  // auto-coordination off; second autopilot panel, on disengage
    auto_coordination_on = 0x101A1,   // auto-coordination on; second autopilot panel, on engage
    fuel_selector_1_none = 0x101A3,   // engine 1 fuel selector to 0, no tank
    fuel_selector_1_tank_2 = 0x101A5,   // engine 1 fuel selector to 2
    fuel_selector_1_tank_3 = 0x101A6,   // engine 1 fuel selector to 3
    fuel_selector_1_tank_4 = 0x101A7,   // engine 1 fuel selector to 4
    fuel_selector_1_tank_5 = 0x101A8,   // engine 1 fuel selector to 5
    throttle_1_inc = 0x101AC,           // throttle 1 forward
    throttle_1_dec = 0x101AE,           // throttle 1 back
    throttle_1_idle = 0x101AF,          // throttle 1 to idle
    throttle_2_inc = 0x101B1,           // throttle 2 forward
    throttle_2_dec = 0x101B3,           // throttle 2 back
    throttle_2_idle = 0x101B4,          // throttle 2 to idle
    fuel_control_1_on = 0x101BF,        // engine 1 fuel control on
    fuel_control_1_off = 0x101C3,       // engine 1 fuel control off
    fuel_control_2_on = 0x101C4,        // engine 2 fuel control on
    fuel_control_2_off = 0x101C8,       // engine 2 fuel control off
    ap_vs_target_set = 0x101F4,         // host vertical-speed target, ft/min; value computed or 0
    cold_start_setup = 0x101F5,         // sent with value 125 on each frame of the cold start-up
    altimeter_setting_set = 0x101F8,    // altimeter setting, value in sixteenths of a hPa
    ap_heading_target_set = 0x101FA,    // host selected heading, value in degrees
    nav_light_b_on = 0x10204,           // navigation light B on
    nav_light_b_off = 0x10205,          // navigation light B off
    panel_light_on = 0x10208,           // host panel light on
    panel_light_off = 0x10209,          // host panel light off
    landing_lights_on = 0x1020B,        // landing lights on
    landing_lights_off = 0x1020C,       // landing lights off
    airbrakes_extend = 0x10210,         // airbrakes extend
    airbrakes_retract = 0x10211,        // airbrakes retract
    pitot_heat_on = 0x10218,            // host pitot heat on
    pitot_heat_off = 0x10219,           // host pitot heat off
    gear_up = 0x1021F,                  // gear up
    gear_down = 0x10220,                // gear down
    ap_supply_off = 0x1022E,            // autopilot supply switched off while engaged
    ap_altitude_target_set = 0x1024C,   // host target altitude, ft; value computed, 0 or 69000
    beacon_light_toggle = 0x102BF,      // beacon light toggle
    taxi_light_toggle = 0x102C0,        // taxi light toggle
    battery_switch_on = 0x102C1,        // host battery switch on, once
    elec_master_switch_on = 0x102C2,    // host electrical master switch on, once
    gyro_unit_switch_on = 0x102F5,      // host attitude gyro unit switch on, once
    starter_1 = 0x102FC,                // engine 1 starter, every frame of a start
    starter_2 = 0x102FD,                // engine 2 starter, every frame of a start
    flaps_standby_step = 0x10305,       // host flap event of the standby flap logic
    brake_loss_toggle = 0x10306,        // host brake event of the brake-loss logic
    engine_failure_1 = 0x10309,         // engine 1 failure: value 1 fails it, value 0 toggles it
    engine_failure_2 = 0x1030A,         // engine 2 failure, value 1
    generator_switch_1_on = 0x1033B,    // host generator 1 switch on, once
    generator_switch_2_on = 0x1033C,    // host generator 2 switch on, once
    shed_light_a_off = 0x10348,         // host light A off without generator supply
    shed_light_b_off = 0x10349,         // host light B off without generator supply
    nacelle_light_toggle = 0x1034A,     // nacelle light toggle
    nav_light_a_toggle = 0x1034B,       // navigation light A toggle
    door_close = 0x10355,               // sent while a door reads open during the easy start
    com_2_knob_1_dec = 0x10384,         // com channel 2 knob 1 decrease
    com_2_knob_1_inc = 0x10385,         // com channel 2 knob 1 increase
    com_2_knob_2_dec = 0x10386,         // com channel 2 knob 2 decrease
    com_2_knob_2_inc = 0x10388,         // com channel 2 knob 2 increase
    transponder_digit_1_dec = 0x10397,  // transponder first digit decrease
    transponder_digit_2_dec = 0x10398,  // transponder second digit decrease
    transponder_digit_3_dec = 0x10399,  // transponder third digit decrease
    transponder_digit_4_dec = 0x1039A,  // transponder fourth digit decrease
    adf_1_knob_3_fine_dec = 0x1039D,    // ADF 1 knob 3 decrease, fine mode
    adf_1_knob_3_fine_inc = 0x1039E,    // ADF 1 knob 3 increase, fine mode
    nav_select_a_on = 0x1039F,          // nav selector state A on
    nav_select_b_on = 0x103A0,          // nav selector state B on
    nav_select_both_toggle = 0x103A1,   // nav selector state for both sets, toggle
    marker_audio_set = 0x103AE,         // host marker audio, value 1 on, 0 off
    engine_anti_ice_1_set = 0x103B8,    // engine 1 anti-ice, value 1 on, 0 off
    engine_anti_ice_2_set = 0x103B9,    // engine 2 anti-ice, value 1 on, 0 off
    fuel_valve_1_toggle = 0x103BE,      // engine 1 fuel valve toggle
    fuel_valve_2_toggle = 0x103BF,      // engine 2 fuel valve toggle
    panel_window_toggle = 0x103CA,      // panel window toggle, value the panel ident
    panel_window_open = 0x103CB,        // panel window open, value the panel ident
    panel_window_close = 0x103CC,       // panel window close, value the panel ident
    atc_window_show = 0x103D1,          // ATC window shown
    atc_window_hide = 0x103D2,          // ATC window hidden
    fuel_selector_2_none = 0x103D4,     // engine 2 fuel selector to 0, no tank
    fuel_selector_2_tank_2 = 0x103D6,   // engine 2 fuel selector to 2
    fuel_selector_2_tank_3 = 0x103D7,   // engine 2 fuel selector to 3
    fuel_selector_2_tank_4 = 0x103D8,   // engine 2 fuel selector to 4
    fuel_selector_2_tank_5 = 0x103D9,   // engine 2 fuel selector to 5
    adf_2_knob_1_inc = 0x103F0,         // ADF 2 knob 1 increase
    adf_2_knob_2_inc = 0x103F1,         // ADF 2 knob 2 increase
    adf_2_knob_3_inc = 0x103F2,         // ADF 2 knob 3 increase
    adf_2_knob_1_dec = 0x103F4,         // ADF 2 knob 1 decrease
    adf_2_knob_2_dec = 0x103F5,         // ADF 2 knob 2 decrease
    adf_2_knob_3_dec = 0x103F6,         // ADF 2 knob 3 decrease
    adf_2_knob_3_fine_inc = 0x103FA,    // ADF 2 knob 3 increase, fine mode
    adf_2_knob_3_fine_dec = 0x103FB,    // ADF 2 knob 3 decrease, fine mode
    cabin_light_off = 0x10413,          // host cabin light off without generator supply
};

inline constexpr Key kAllKeys[] = {
    Key::door_close_aux,
    Key::gyro_error_reset,
    Key::emerg_flaps_up,
    Key::emerg_flaps_down,
    Key::elevator_step_nose_up,
    Key::aileron_centre,
    Key::elevator_step_nose_down,
    Key::com_1_knob_1_dec,
    Key::com_1_knob_1_inc,
    Key::com_1_knob_2_dec,
    Key::com_1_knob_2_inc,
    Key::nav_1_knob_1_dec,
    Key::nav_1_knob_1_inc,
    Key::nav_1_knob_2_dec,
    Key::nav_1_knob_2_inc,
    Key::nav_2_knob_1_dec,
    Key::nav_2_knob_1_inc,
    Key::nav_2_knob_2_dec,
    Key::nav_2_knob_2_inc,
    Key::adf_1_knob_1_inc,
    Key::adf_1_knob_2_inc,
    Key::adf_1_knob_3_inc,
    Key::transponder_digit_1_inc,
    Key::transponder_digit_2_inc,
    Key::transponder_digit_3_inc,
    Key::transponder_digit_4_inc,
    Key::clock_set_area_1,
    Key::clock_set_area_2,
    Key::clock_set_area_3,
    Key::clock_set_area_4,
    Key::adf_1_knob_1_dec,
    Key::adf_1_knob_2_dec,
    Key::adf_1_knob_3_dec,
    Key::rudder_centre,
    Key::elevator_set,
    Key::aileron_set,
    Key::rudder_set,
    Key::nav_course_set,
    Key::ap_pitch_hold_on,
    Key::parking_brake_toggle,
    Key::flaps_extend_step,
    Key::flaps_retract_step,
    Key::airbrakes_set,
    Key::ap_disengage,
    Key::ap_engage,
    Key::ap_localizer_mode,
    Key::ap_heading_hold_on,
    Key::ap_heading_hold_off,
    Key::ap_host_nav_mode,
    Key::ap_nav_hold_clear,
    Key::ap_approach_holds_clear,
    Key::ap_heading_hold_clear,
    Key::ap_lateral_hold_clear,
    Key::ap_nav_hold_off,
    Key::power_setting_1_set,
    Key::nav_1_power_off,
    Key::nav_2_power_off,
    Key::adf_1_power_off,
    Key::nav_1_power_on,
    Key::nav_2_power_on,
    Key::adf_1_power_on,
    Key::auto_coordination_off,
    Key::auto_coordination_on,
    Key::fuel_selector_1_none,
    Key::fuel_selector_1_tank_2,
    Key::fuel_selector_1_tank_3,
    Key::fuel_selector_1_tank_4,
    Key::fuel_selector_1_tank_5,
    Key::throttle_1_inc,
    Key::throttle_1_dec,
    Key::throttle_1_idle,
    Key::throttle_2_inc,
    Key::throttle_2_dec,
    Key::throttle_2_idle,
    Key::fuel_control_1_on,
    Key::fuel_control_1_off,
    Key::fuel_control_2_on,
    Key::fuel_control_2_off,
    Key::ap_vs_target_set,
    Key::cold_start_setup,
    Key::altimeter_setting_set,
    Key::ap_heading_target_set,
    Key::nav_light_b_on,
    Key::nav_light_b_off,
    Key::panel_light_on,
    Key::panel_light_off,
    Key::landing_lights_on,
    Key::landing_lights_off,
    Key::airbrakes_extend,
    Key::airbrakes_retract,
    Key::pitot_heat_on,
    Key::pitot_heat_off,
    Key::gear_up,
    Key::gear_down,
    Key::ap_supply_off,
    Key::ap_altitude_target_set,
    Key::beacon_light_toggle,
    Key::taxi_light_toggle,
    Key::battery_switch_on,
    Key::elec_master_switch_on,
    Key::gyro_unit_switch_on,
    Key::starter_1,
    Key::starter_2,
    Key::flaps_standby_step,
    Key::brake_loss_toggle,
    Key::engine_failure_1,
    Key::engine_failure_2,
    Key::generator_switch_1_on,
    Key::generator_switch_2_on,
    Key::shed_light_a_off,
    Key::shed_light_b_off,
    Key::nacelle_light_toggle,
    Key::nav_light_a_toggle,
    Key::door_close,
    Key::com_2_knob_1_dec,
    Key::com_2_knob_1_inc,
    Key::com_2_knob_2_dec,
    Key::com_2_knob_2_inc,
    Key::transponder_digit_1_dec,
    Key::transponder_digit_2_dec,
    Key::transponder_digit_3_dec,
    Key::transponder_digit_4_dec,
    Key::adf_1_knob_3_fine_dec,
    Key::adf_1_knob_3_fine_inc,
    Key::nav_select_a_on,
    Key::nav_select_b_on,
    Key::nav_select_both_toggle,
    Key::marker_audio_set,
    Key::engine_anti_ice_1_set,
    Key::engine_anti_ice_2_set,
    Key::fuel_valve_1_toggle,
    Key::fuel_valve_2_toggle,
    Key::panel_window_toggle,
    Key::panel_window_open,
    Key::panel_window_close,
    Key::atc_window_show,
    Key::atc_window_hide,
    Key::fuel_selector_2_none,
    Key::fuel_selector_2_tank_2,
    Key::fuel_selector_2_tank_3,
    Key::fuel_selector_2_tank_4,
    Key::fuel_selector_2_tank_5,
    Key::adf_2_knob_1_inc,
    Key::adf_2_knob_2_inc,
    Key::adf_2_knob_3_inc,
    Key::adf_2_knob_1_dec,
    Key::adf_2_knob_2_dec,
    Key::adf_2_knob_3_dec,
    Key::adf_2_knob_3_fine_inc,
    Key::adf_2_knob_3_fine_dec,
    Key::cabin_light_off,
};
static_assert(std::size(kAllKeys) == 151);

}  // namespace vk
