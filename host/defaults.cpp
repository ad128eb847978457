#include "host/defaults.h"

#include "frame/host_vars.h"
#include "host/flight.h"
#include "host/ids.h"
#include "host/test_host.h"

namespace vkhost {

namespace {

// Tank levels are fractions of 2^23 (8388608 = full).
constexpr double kFull = 8388608.0;
// 15 degrees C in degrees Rankine.
constexpr double kRankine15C = 518.67;
constexpr double kGearDown = 16383.0;
}  // namespace

void set_parked_defaults(TestHost& h) {
    using vk::Var;
    // Variables the simulator keeps as 32-bit integers.
    h.set_int(id(Var::elec_failed), 0);
    h.set_int(id(Var::fuel_selector_1), 0);
    h.set_int(id(Var::fuel_selector_2), 0);
    h.set_int(id(Var::com_1_frequency), 0x1800);  // 118.00
    h.set_int(id(Var::com_2_frequency), 0x1800);
    h.set_int(id(Var::nav_1_frequency), 0x1000);  // 110.00
    h.set_int(id(Var::nav_2_frequency), 0x1000);
    h.set_int(id(Var::transponder_code), 0x1200);

    // On the ground at sea level on a standard day, parking brake set.
    h.set(id(Var::on_ground), 1.0);
    h.set(id(Var::outside_air_temp), 15.0);
    h.set(id(Var::altimeter_setting_hpa), 1013.25);
    h.set(id(Var::altimeter_setting_inhg), 29.92);
    h.set(id(Var::dme_1_distance), -1.0);
    h.set(id(Var::dme_2_distance), -1.0);
    h.set(id(Var::clock_hour), 12.0);
    h.set(id(Var::parking_brake), 16383.0);

    // Standing still on the ground: no speed, no height, and the airport's
    // ground power add-on present with nothing plugged in.
    h.set(id(Var::velocity_longitudinal), 0.0);
    h.set(id(Var::velocity_lateral), 0.0);
    h.set(id(Var::radio_height), 0.0);
    h.provide_named("airport_extpwr_connected", 0.0);

    // The host's own electrical switches off (the module turns them on once)
    // and the gyro value centred.
    h.set(id(Var::battery_switch), 0.0);
    h.set(id(Var::elec_master_switch), 0.0);
    h.set(id(Var::gyro_unit_switch), 0.0);
    h.set(id(Var::generator_switch_1), 0.0);
    h.set(id(Var::generator_switch_2), 0.0);
    h.set(id(Var::gyro_error), 0.0);

    // Gear down and locked.
    h.set(id(Var::gear_handle), 1.0);
    h.set(id(Var::gear_centre_position), kGearDown);
    h.set(id(Var::gear_left_position), kGearDown);
    h.set(id(Var::gear_right_position), kGearDown);

    // Engines cold (speeds 0 until the engine model runs them), fuel valves open.
    h.set(id(Var::engine_speed_1), 0.0);
    h.set(id(Var::engine_speed_2), 0.0);
    h.set(id(Var::oil_temp_1), kRankine15C);
    h.set(id(Var::oil_temp_2), kRankine15C);
    h.set(id(Var::engine_temp_1), kRankine15C);
    h.set(id(Var::engine_temp_2), kRankine15C);
    h.set(id(Var::fuel_valve_1), 1.0);
    h.set(id(Var::fuel_valve_2), 1.0);

    // Tanks full: two mains and two auxiliaries, no centre tank.
    h.set(id(Var::fuel_weight_per_gallon), 6.7);
    for (Var level : {Var::left_tank_1_level, Var::left_tank_2_level, Var::right_tank_1_level,
                      Var::right_tank_2_level})
        h.set(id(level), kFull);
    h.set(id(Var::left_tank_1_capacity), 300.0);
    h.set(id(Var::right_tank_1_capacity), 300.0);
    h.set(id(Var::left_tank_2_capacity), 1500.0);
    h.set(id(Var::right_tank_2_capacity), 1500.0);
    h.set(id(Var::centre_tank_capacity), 0.0);

    // No instrument failed.
    for (Var failure :
         {Var::machmeter_failed, Var::altimeter_failed, Var::adi_failed_a, Var::adi_failed_b})
        h.set(id(failure), 0.0);

    // The weight of the empty aircraft, its load and the fuel in the tanks.
    h.compute_expression(kTotalWeightExpression, [&h] { return total_weight_kg(h); });
}

}  // namespace vkhost
