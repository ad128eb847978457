#pragma once
// Host variables the module reads with lookup_var, named by the role they play here.
#include <cstdint>
#include <iterator>

namespace vk {

enum class Var : int32_t {
    tick_counter = 0x1,       // tick counter, advances 18 times per second
    clock_hour = 0x3,         // clock hour, 0..23
    clock_minute = 0x4,       // clock minute, 0..59
    panel_light = 0xA,        // host panel light, 1.0 on; follows the night lighting
    nav_light_b = 0xB,        // navigation light B, 1.0 on
    pitot_heat = 0xD,         // host pitot heat, 1.0 on
    landing_lights = 0xE,     // landing lights, 1.0 on
    com_1_frequency = 0x17,   // com channel 1 frequency, packed decimal, read as a 32-bit integer
    nav_1_frequency = 0x18,   // nav set 1 frequency, packed decimal, read as a 32-bit integer
    nav_2_frequency = 0x1B,   // nav set 2 frequency, packed decimal, read as a 32-bit integer
    dme_1_distance = 0x1F,    // DME 1 distance, negative when there is none
    dme_2_distance = 0x23,    // DME 2 distance, negative when there is none
    transponder_code = 0x26,  // transponder code, packed decimal, four digits
    adf_1_bearing = 0x27,     // ADF 1 bearing, degrees
    course_deviation = 0x28,  // lateral course deviation of nav receiver 1 (course needle)
    glide_slope_deviation = 0x29,  // glide-slope deviation, positive above the beam
    to_from = 0x2B,                // TO/FROM: 1 TO, 2 FROM
    glide_slope_usable = 0x2C,     // glide slope usable when exactly 1.0
    nav_course = 0x2D,             // selected course, degrees 0..360
    nav_1_flags = 0x2E,  // nav receiver 1 flag bits, read as a 32-bit integer; 0x40, 0x80 localizer
    nav_signal = 0x31,   // navigation signal, 0 or less means none; scales the deviation bands
    on_ground = 0x3C,    // 1.0 on the ground, 0.0 in flight
    indicated_airspeed = 0x3D,       // indicated airspeed, kt
    airspeed_second_pointer = 0x3F,  // second airspeed pointer input; kt = value / 128
    mach = 0x40,                     // Mach input; Machmeter pointer = value / 20 - 5
    vertical_speed = 0x41,           // vertical speed, m/s x 256; ft/min = value / 1.30048
    stall_warning = 0x43,            // stall warning, exactly 1.0 while active
    balance_ball = 0x45,     // balance ball position; lateral balance input of the yaw channel
    turn_rate = 0x46,        // turn rate, turn needle value
    ice_band_height = 0x49,  // height the ice detector tests for the 500..5000 icing band
    altitude = 0x4A,         // altitude, ft
    altimeter_setting_hpa = 0x4B,   // altimeter setting, hPa
    altimeter_setting_inhg = 0x4C,  // altimeter setting, inHg
    pitch = 0x4E,                   // pitch, degrees, negative nose-up
    bank_0_360 = 0x4F,              // bank, degrees 0..360
    bank = 0x50,                    // bank, degrees
    heading = 0x54,                 // heading, degrees 0..360
    gyro_error = 0x55,              // gyro value; beyond +/-50 it is reset with gyro_error_reset
    ap_master = 0x67,               // host autopilot engaged when exactly 1.0
    ap_lateral_hold = 0x68,         // host lateral hold active; cleared with ap_lateral_hold_clear
    ap_nav_hold = 0x69,             // host navigation hold active; cleared with ap_nav_hold_off
    ap_heading_hold = 0x6A,         // host heading hold active; cleared with ap_heading_hold_clear
    ap_hold_unspecified = 0x6B,     // another host autopilot hold; no rule tests it
    ap_altitude_hold = 0x6C,        // host altitude hold active
    ap_approach_hold = 0x6F,  // host approach hold (lateral); cleared with ap_approach_holds_clear
    ap_glide_hold = 0x70,     // host approach hold (vertical); cleared with ap_approach_holds_clear
    ap_go_around_inhibit = 0x73,  // must read 0 for a go-around; non-zero keeps the localizer mode
    power_setting_1 = 0x80,    // engine 1 power setting, host integer scale (compared with 12800)
    power_setting_2 = 0xA3,    // engine 2 power setting, same scale
    machmeter_failed = 0x112,  // Machmeter failure when 1
    altimeter_failed = 0x113,  // altimeter failure when 1
    adi_failed_a = 0x114,      // attitude indicator failure when 1 (shows both ADI flags)
    elec_failed = 0x117,     // read as a 32-bit integer; at 1 no generator comes on line, nav fails
    compass_failed = 0x11A,  // compass failure when 1
    pitot_heat_inhibit = 0x11E,      // must read 0.0 for the pitot heat logic to act
    adi_failed_b = 0x120,            // attitude indicator failure when 1 (shows both ADI flags)
    centre_tank_level = 0x121,       // centre tank level; percent = value / 83886.08
    centre_tank_capacity = 0x122,    // centre tank capacity, gallons
    left_tank_1_level = 0x123,       // first left tank level; percent = value / 83886.08
    left_tank_1_capacity = 0x124,    // first left tank capacity, gallons
    left_tank_2_level = 0x125,       // second left tank level; percent = value / 83886.08
    left_tank_2_capacity = 0x126,    // second left tank capacity, gallons
    right_tank_1_level = 0x129,      // first right tank level; percent = value / 83886.08
    right_tank_1_capacity = 0x12A,   // first right tank capacity, gallons
    right_tank_2_level = 0x12B,      // second right tank level; percent = value / 83886.08
    right_tank_2_capacity = 0x12C,   // second right tank capacity, gallons
    fuel_weight_per_gallon = 0x132,  // fuel weight per gallon, lb
    fuel_selector_1 = 0x133,         // engine 1 fuel selector, read as a 32-bit integer
    aileron_position = 0x139,        // aileron position, 0.0 neutral
    rudder_position = 0x13C,         // rudder position, 0.0 neutral
    elevator_position = 0x13D,       // elevator position, 0.0 neutral
    elevator_trim = 0x13E,           // elevator trim; trim index = value / 2000 + 8
    brake_left = 0x140,              // left brake, 0..16383
    brake_right = 0x141,             // right brake, 0..16383
    parking_brake = 0x143,           // parking brake, 0.0 released
    airbrake_handle = 0x145,         // airbrake handle, above 0.0 extended
    airbrake_left = 0x146,           // left airbrake position, 0..16383
    airbrake_right = 0x147,          // right airbrake position, 0..16383
    flap_handle = 0x148,             // flap handle, 0..16384
    gear_handle = 0x14B,             // gear handle, above 0.0 down
    gear_centre_position = 0x14C,    // centre gear leg, 0 up .. 16383 down
    gear_left_position = 0x14D,      // left gear leg, 0 up .. 16383 down; the gear position
    gear_right_position = 0x14E,     // right gear leg, 0 up .. 16383 down
    outside_air_temp = 0x155,        // outside air temperature, deg C
    total_air_temp = 0x15E,          // total air temperature input; deg C = value x 256
    marker_beacon = 0x162,           // marker beacon: 1.0 outer, 2.0 middle, 3.0 inner
    elec_master_switch = 0x16B,      // host electrical master switch, 1.0 on; turned on once
    battery_switch = 0x16C,          // host battery switch, 1.0 on; turned on once
    beacon_light = 0x170,            // beacon light, 1.0 on
    taxi_light = 0x171,              // taxi light, 1.0 on
    velocity_longitudinal = 0x227,   // velocity along the aircraft's longitudinal axis
    velocity_lateral = 0x228,        // velocity across the aircraft; its sign gives the drift side
    throttle_1 = 0x22E,          // engine 1 throttle lever: 1.0 full, 0.0 idle, negative in reverse
    fuel_control_1 = 0x230,      // engine 1 fuel control; 0.5 or more is fuel on
    oil_temp_1 = 0x231,          // engine 1 oil temperature, deg Rankine
    oil_pressure_1 = 0x232,      // engine 1 oil pressure; dial value = value / 200
    engine_failed_1 = 0x234,     // engine 1 failure state: 1.0 failed, 0.0 running
    generator_switch_1 = 0x235,  // host generator 1 switch, 1.0 on; turned on once
    engine_temp_1 = 0x237,       // engine 1 temperature, deg Rankine
    throttle_2 = 0x238,          // engine 2 throttle lever: 1.0 full, 0.0 idle, negative in reverse
    fuel_control_2 = 0x23A,      // engine 2 fuel control; 0.5 or more is fuel on
    oil_temp_2 = 0x23B,          // engine 2 oil temperature, deg Rankine
    oil_pressure_2 = 0x23C,      // engine 2 oil pressure; dial value = value / 200
    engine_failed_2 = 0x23E,     // engine 2 failure state: 1.0 failed, 0.0 running
    generator_switch_2 = 0x23F,  // host generator 2 switch, 1.0 on; turned on once
    engine_temp_2 = 0x241,       // engine 2 temperature, deg Rankine
    sim_clock = 0x25C,           // simulation clock, s (battery, chronograph, failure timing)
    fuel_used_clock = 0x25F,     // time, s, that paces the fuel-used integration
    radio_height = 0x266,        // height above the ground, m; ft = value x 3.281
    nav_light_a = 0x26B,     // navigation light A, 1.0 on; also selects the pump-panel lamp bitmaps
    shed_light_a = 0x26C,    // host light A shed without generator supply, 1.0 on
    nacelle_light = 0x26D,   // nacelle light, 1.0 on
    shed_light_b = 0x26E,    // host light B shed without generator supply, 1.0 on
    thrust_1 = 0x270,        // engine 1 thrust, percent
    engine_speed_1 = 0x271,  // engine 1 speed, percent
    fuel_flow_1 = 0x27E,     // engine 1 fuel flow, lb/h
    thrust_2 = 0x283,        // engine 2 thrust, percent
    engine_speed_2 = 0x284,  // engine 2 speed, percent
    fuel_flow_2 = 0x291,     // engine 2 fuel flow, lb/h
    gyro_unit_switch = 0x2E4,  // host attitude gyro unit switch, 1.0 on; turned on once
    flap_fraction = 0x338,     // flap value 0..1 stepped by the standby flap logic
    host_nav_source = 0x350,   // host navigation source selected when exactly 1.0
    door_open = 0x364,         // door open value; 0.0 with the doors shut, 1.0 open
    com_2_frequency = 0x366,   // com channel 2 frequency, packed decimal, read as a 32-bit integer
    nav_select_a = 0x36A,  // nav selector state A, 1.0 on; wanted unless state B or both is chosen
    nav_select_b = 0x36B,  // nav selector state B, 1.0 on; wanted with set 2 selected and powered
    nav_select_both = 0x36C,    // nav selector state for both sets, 1.0 on
    nav_1_power = 0x36D,        // nav set 1 power, 1.0 on
    nav_2_power = 0x36E,        // nav set 2 power, 1.0 on
    adf_1_power = 0x370,        // ADF 1 power, 1.0 on
    marker_audio = 0x371,       // marker audio, exactly 1.0 on
    engine_anti_ice_1 = 0x373,  // engine 1 anti-ice, 1.0 on
    engine_anti_ice_2 = 0x374,  // engine 2 anti-ice, 1.0 on
    fuel_valve_1 = 0x37F,       // engine 1 fuel valve: 1.0 open, 0.0 closed
    fuel_valve_2 = 0x380,       // engine 2 fuel valve: 1.0 open, 0.0 closed
    fuel_selector_2 = 0x38A,    // engine 2 fuel selector, read as a 32-bit integer
    flap_angle_left = 0x38B,    // left flap angle, degrees; the flap angle all logic uses
    flap_angle_right = 0x38C,   // right flap angle, degrees

    // Read by the host itself for an element's own source records, not by the
    // module's code: the second line of the debugging display.
    debug_watch = 0x279,  // a host value the debugging display watches
};

inline constexpr Var kAllVars[] = {
    Var::tick_counter,
    Var::clock_hour,
    Var::clock_minute,
    Var::panel_light,
    Var::nav_light_b,
    Var::pitot_heat,
    Var::landing_lights,
    Var::com_1_frequency,
    Var::nav_1_frequency,
    Var::nav_2_frequency,
    Var::dme_1_distance,
    Var::dme_2_distance,
    Var::transponder_code,
    Var::adf_1_bearing,
    Var::course_deviation,
    Var::glide_slope_deviation,
    Var::to_from,
    Var::glide_slope_usable,
    Var::nav_course,
    Var::nav_1_flags,
    Var::nav_signal,
    Var::on_ground,
    Var::indicated_airspeed,
    Var::airspeed_second_pointer,
    Var::mach,
    Var::vertical_speed,
    Var::stall_warning,
    Var::balance_ball,
    Var::turn_rate,
    Var::ice_band_height,
    Var::altitude,
    Var::altimeter_setting_hpa,
    Var::altimeter_setting_inhg,
    Var::pitch,
    Var::bank_0_360,
    Var::bank,
    Var::heading,
    Var::gyro_error,
    Var::ap_master,
    Var::ap_lateral_hold,
    Var::ap_nav_hold,
    Var::ap_heading_hold,
    Var::ap_hold_unspecified,
    Var::ap_altitude_hold,
    Var::ap_approach_hold,
    Var::ap_glide_hold,
    Var::ap_go_around_inhibit,
    Var::power_setting_1,
    Var::power_setting_2,
    Var::machmeter_failed,
    Var::altimeter_failed,
    Var::adi_failed_a,
    Var::elec_failed,
    Var::compass_failed,
    Var::pitot_heat_inhibit,
    Var::adi_failed_b,
    Var::centre_tank_level,
    Var::centre_tank_capacity,
    Var::left_tank_1_level,
    Var::left_tank_1_capacity,
    Var::left_tank_2_level,
    Var::left_tank_2_capacity,
    Var::right_tank_1_level,
    Var::right_tank_1_capacity,
    Var::right_tank_2_level,
    Var::right_tank_2_capacity,
    Var::fuel_weight_per_gallon,
    Var::fuel_selector_1,
    Var::aileron_position,
    Var::rudder_position,
    Var::elevator_position,
    Var::elevator_trim,
    Var::brake_left,
    Var::brake_right,
    Var::parking_brake,
    Var::airbrake_handle,
    Var::airbrake_left,
    Var::airbrake_right,
    Var::flap_handle,
    Var::gear_handle,
    Var::gear_centre_position,
    Var::gear_left_position,
    Var::gear_right_position,
    Var::outside_air_temp,
    Var::total_air_temp,
    Var::marker_beacon,
    Var::elec_master_switch,
    Var::battery_switch,
    Var::beacon_light,
    Var::taxi_light,
    Var::velocity_longitudinal,
    Var::velocity_lateral,
    Var::throttle_1,
    Var::fuel_control_1,
    Var::oil_temp_1,
    Var::oil_pressure_1,
    Var::engine_failed_1,
    Var::generator_switch_1,
    Var::engine_temp_1,
    Var::throttle_2,
    Var::fuel_control_2,
    Var::oil_temp_2,
    Var::oil_pressure_2,
    Var::engine_failed_2,
    Var::generator_switch_2,
    Var::engine_temp_2,
    Var::sim_clock,
    Var::fuel_used_clock,
    Var::radio_height,
    Var::nav_light_a,
    Var::shed_light_a,
    Var::nacelle_light,
    Var::shed_light_b,
    Var::thrust_1,
    Var::engine_speed_1,
    Var::fuel_flow_1,
    Var::thrust_2,
    Var::engine_speed_2,
    Var::fuel_flow_2,
    Var::gyro_unit_switch,
    Var::flap_fraction,
    Var::host_nav_source,
    Var::door_open,
    Var::com_2_frequency,
    Var::nav_select_a,
    Var::nav_select_b,
    Var::nav_select_both,
    Var::nav_1_power,
    Var::nav_2_power,
    Var::adf_1_power,
    Var::marker_audio,
    Var::engine_anti_ice_1,
    Var::engine_anti_ice_2,
    Var::fuel_valve_1,
    Var::fuel_valve_2,
    Var::fuel_selector_2,
    Var::flap_angle_left,
    Var::flap_angle_right,
};
static_assert(std::size(kAllVars) == 138);

}  // namespace vk
