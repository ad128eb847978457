#include "host/flight.h"

#include <cmath>

#include "frame/host_vars.h"
#include "host/ids.h"

namespace vkhost {

// ---------------------------------------------------------------- set at once

Flight& Flight::airborne(double altitude_ft, double heading_deg, double ias_kt) {
    FlightModel& m = state();
    m.flying = true;
    m.on_ground = false;
    m.altitude_ft = m.altitude_target_ft = altitude_ft;
    m.heading_deg = m.heading_target_deg = heading_deg;
    m.ias_kt = m.ias_target_kt = ias_kt;
    m.bank_deg = m.bank_target_deg = 0.0;
    m.vs_fpm = m.vs_target_fpm = 0.0;
    m.pitch_deg = m.pitch_target_deg = m.alpha_deg;
    m.lateral = FlightModel::Lateral::bank;
    m.vertical = FlightModel::Vertical::vertical_speed;
    return *this;
}

Flight& Flight::on_ground(double heading_deg) {
    FlightModel& m = state();
    m.flying = true;
    m.on_ground = true;
    m.altitude_ft = m.altitude_target_ft = m.ground_ft;
    m.heading_deg = m.heading_target_deg = heading_deg;
    m.ias_kt = m.ias_target_kt = 0.0;
    m.bank_deg = m.bank_target_deg = 0.0;
    m.vs_fpm = m.vs_target_fpm = 0.0;
    m.pitch_deg = m.pitch_target_deg = 0.0;
    m.lateral = FlightModel::Lateral::bank;
    m.vertical = FlightModel::Vertical::vertical_speed;
    return *this;
}

Flight& Flight::position(double east_m, double north_m) {
    state().east_m = east_m;
    state().north_m = north_m;
    return *this;
}

Flight& Flight::ground_elevation(double ft) {
    FlightModel& m = state();
    m.ground_ft = ft;
    if (m.on_ground || m.altitude_ft < ft) m.altitude_ft = ft;
    return *this;
}

Flight& Flight::temperature(double isa_deviation_c) {
    state().isa_deviation_c = isa_deviation_c;
    return *this;
}

Flight& Flight::wind(double from_deg, double kt) {
    state().wind_from_deg = from_deg;
    state().wind_kt = kt;
    return *this;
}

Flight& Flight::tune(const Ils& ils) {
    state().ils = ils;
    host_.set(id(vk::Var::nav_course), ils.course_deg);
    return *this;
}

Flight& Flight::untune() {
    state().ils.reset();
    for (vk::Var v : {vk::Var::course_deviation, vk::Var::glide_slope_deviation,
                      vk::Var::glide_slope_usable, vk::Var::nav_signal})
        host_.set(id(v), 0.0);
    host_.set_int(id(vk::Var::nav_1_flags), 0);
    host_.set(id(vk::Var::dme_1_distance), -1.0);
    return *this;
}

// ---------------------------------------------------------------- fly

Flight& Flight::bank(double deg, double rate_dps) {
    FlightModel& m = state();
    m.lateral = FlightModel::Lateral::bank;
    m.bank_target_deg = deg;
    m.roll_rate_dps = rate_dps;
    return *this;
}

Flight& Flight::turn_to(double heading_deg, double max_bank_deg) {
    FlightModel& m = state();
    m.lateral = FlightModel::Lateral::heading;
    m.heading_target_deg = heading_deg;
    m.max_bank_deg = std::fabs(max_bank_deg);
    return *this;
}

Flight& Flight::pitch(double deg, double rate_dps) {
    FlightModel& m = state();
    m.vertical = FlightModel::Vertical::pitch;
    m.pitch_target_deg = deg;
    m.pitch_rate_dps = rate_dps;
    return *this;
}

Flight& Flight::vertical_speed(double fpm, double rate_fpm_s) {
    FlightModel& m = state();
    m.vertical = FlightModel::Vertical::vertical_speed;
    m.vs_target_fpm = fpm;
    m.vs_rate_fpm_s = rate_fpm_s;
    return *this;
}

Flight& Flight::climb_to(double altitude_ft, double fpm) {
    FlightModel& m = state();
    m.vertical = FlightModel::Vertical::altitude;
    m.altitude_target_ft = altitude_ft;
    m.vs_target_fpm = std::fabs(fpm);
    return *this;
}

Flight& Flight::airspeed(double kt, double rate_kt_s) {
    state().ias_target_kt = kt;
    state().ias_rate_kt_s = rate_kt_s;
    return *this;
}

// ---------------------------------------------------------------- weight

double total_weight_kg(TestHost& host) {
    using vk::Var;
    // Tank levels are fractions of 2^23; capacities in gallons.
    constexpr Var kTanks[][2] = {{Var::centre_tank_level, Var::centre_tank_capacity},
                                 {Var::left_tank_1_level, Var::left_tank_1_capacity},
                                 {Var::left_tank_2_level, Var::left_tank_2_capacity},
                                 {Var::right_tank_1_level, Var::right_tank_1_capacity},
                                 {Var::right_tank_2_level, Var::right_tank_2_capacity}};
    double gallons = 0.0;
    for (const auto& t : kTanks) gallons += host.get(id(t[0])) / 8388608.0 * host.get(id(t[1]));
    const double fuel_kg = gallons * host.get(id(Var::fuel_weight_per_gallon)) * 0.45359237;
    const AircraftLoad& load = host.model<AircraftLoad>();
    return load.empty_kg + load.payload_kg + fuel_kg;
}

void follow_flight_director(TestHost& host, bool engaged) {
    DirectorPilot& p = host.model<DirectorPilot>();
    p.engaged = engaged;
    p.commanding_frames = 0;
}

}  // namespace vkhost
