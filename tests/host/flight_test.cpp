// The host's flight model: what it leaves alone, how it turns, climbs and
// speeds up, what its ILS receiver reads and the weight it answers (the
// altimeter setting the module sends it is checked with the altimeter).
#include <cmath>
#include <numbers>

#include "frame/host.h"
#include "host/flight.h"
#include "support.h"

namespace vktest {
namespace {

using vk::Var;

TEST_F(LinkedHost, FlightModelLeavesTheVariablesAloneUntilFlown) {
    host.set(id(Var::bank), 12.0);
    host.set(id(Var::indicated_airspeed), 90.0);
    host.run_frames(5);
    EXPECT_EQ(host.get(id(Var::bank)), 12.0);
    vkhost::Flight(host).airborne(3000.0, 90.0, 200.0);
    host.run_frames(1);
    EXPECT_EQ(host.get(id(Var::bank)), 0.0);
    EXPECT_EQ(host.get(id(Var::indicated_airspeed)), 200.0);
    EXPECT_EQ(host.get(id(Var::on_ground)), 0.0);
}

TEST_F(LinkedHost, FlightModelTurnsClimbsAndSpeedsUpToItsTargets) {
    vkhost::Flight flight(host);
    flight.airborne(3000.0, 90.0, 200.0).turn_to(180.0, 25.0).climb_to(5000.0, 1500.0);
    flight.airspeed(250.0, 2.0);
    host.run_seconds(10.0);
    // Banked right (the host's bank is positive to the left), turning right
    // at the rate the bank and the true airspeed give, climbing at 1500.
    EXPECT_DOUBLE_EQ(host.get(id(Var::bank)), -25.0);
    EXPECT_DOUBLE_EQ(host.get(id(Var::bank_0_360)), 335.0);
    const auto& m = flight.state();
    const double rate = 9.80665 * std::tan(25.0 * std::numbers::pi / 180.0) /
                        (m.tas_kt * 0.514444) * 180 / std::numbers::pi;
    const double before = host.get(id(Var::heading));
    host.run_seconds(1.0);
    EXPECT_NEAR(host.get(id(Var::heading)) - before, rate, 0.05);
    EXPECT_NEAR(host.get(id(Var::vertical_speed)), 1500.0 * 1.30048, 1e-6);
    EXPECT_LT(host.get(id(Var::pitch)), -3.0);  // nose up

    host.run_seconds(120.0);
    EXPECT_NEAR(host.get(id(Var::heading)), 180.0, 0.1);
    EXPECT_NEAR(host.get(id(Var::bank)), 0.0, 0.1);
    EXPECT_NEAR(host.get(id(Var::altitude)), 5000.0, 1.0);
    EXPECT_NEAR(host.get(id(Var::vertical_speed)) / 1.30048, 0.0, 5.0);  // levelling off
    EXPECT_EQ(host.get(id(Var::indicated_airspeed)), 250.0);
    EXPECT_GT(host.get(id(Var::mach)) / 20480.0, 0.39);
    EXPECT_GT(host.get(id(Var::total_air_temp)) * 256.0, host.get(id(Var::outside_air_temp)));
    EXPECT_NEAR(host.get(id(Var::radio_height)), host.get(id(Var::altitude)) / 3.281, 1e-9);
}

TEST_F(LinkedHost, IlsReceiverReadsTheSideOfTheBeamAndItsRange) {
    vkhost::Flight flight(host);
    flight.tune(vkhost::Ils{270.0});
    EXPECT_EQ(host.get(id(Var::nav_course)), 270.0);
    // 8 nm out on the approach, 0.2 nm left of the centreline, low.
    flight.airborne(1500.0, 270.0, 150.0).position(8 * 1852.0, -0.2 * 1852.0);
    host.run_frames(1);
    EXPECT_GT(host.get(id(Var::course_deviation)), 0.0);  // the beam is to the right
    EXPECT_LT(host.get(id(Var::glide_slope_deviation)), 0.0);
    EXPECT_EQ(host.get(id(Var::glide_slope_usable)), 1.0);
    EXPECT_GT(host.get(id(Var::nav_signal)), 0.0);
    host.run_frames(1);
    EXPECT_EQ(host.get(id(Var::nav_1_flags)), 0x40);
    EXPECT_NEAR(host.get(id(Var::dme_1_distance)), 8.0 + 3000.0 / 1852.0, 0.05);

    flight.position(8 * 1852.0, 0.2 * 1852.0).airborne(3500.0, 270.0, 150.0);
    host.run_frames(1);
    EXPECT_LT(host.get(id(Var::course_deviation)), 0.0);
    EXPECT_GT(host.get(id(Var::glide_slope_deviation)), 0.0);

    flight.position(15 * 1852.0, 0.0);  // beyond the glide slope's range
    host.run_frames(1);
    EXPECT_EQ(host.get(id(Var::glide_slope_usable)), 0.0);
    EXPECT_EQ(host.get(id(Var::glide_slope_deviation)), 0.0);
    EXPECT_GT(host.get(id(Var::nav_signal)), 0.0);
    flight.position(-5000.0, 0.0);  // past the localizer
    host.run_frames(1);
    EXPECT_EQ(host.get(id(Var::nav_signal)), 0.0);
    EXPECT_EQ(host.get(id(Var::nav_1_flags)), 0);

    // A wind from the right of the nose drifts the aircraft to the left.
    flight.wind(0.0, 30.0);
    host.run_frames(1);
    EXPECT_LT(host.get(id(Var::velocity_lateral)), -1.0);
    flight.untune();
    host.run_frames(1);
    EXPECT_EQ(host.get(id(Var::dme_1_distance)), -1.0);
}

TEST_F(LinkedHost, WeightExpressionAnswersTheAircraftAndItsFuel) {
    // 3600 gallons of 6.7 lb on 38 t of aircraft and payload.
    const double full = 38000.0 + 3600.0 * 6.7 * 0.45359237;
    EXPECT_NEAR(vk::evaluate("(A:TOTAL WEIGHT,kilogram)"), full, 1e-6);
    host.set(id(Var::left_tank_2_level), 8388608.0 / 2);
    host.model<vkhost::AircraftLoad>().payload_kg = 0.0;
    EXPECT_NEAR(vk::evaluate("(A:TOTAL WEIGHT,kilogram)"), full - 8000.0 - 750.0 * 6.7 * 0.45359237,
                1e-6);
    host.set_expression("(A:TOTAL WEIGHT,kilogram)", 61000.0);
    EXPECT_EQ(vk::evaluate("(A:TOTAL WEIGHT,kilogram)"), 61000.0);
}

}  // namespace
}  // namespace vktest
