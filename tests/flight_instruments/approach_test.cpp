// End to end: the host's pilot flies the flight director's bars from a
// 20-degree intercept to 100 ft on an ILS, in approach mode.
#include <algorithm>
#include <cmath>

#include "host/flight.h"
#include "support.h"

namespace vktest {
namespace {

TEST_F(LinkedHost, FlightDirectorFliesTheLocalizerAndGlideSlopeDownToTheRunway) {
    host.place("fdsw_vkm");
    host.place("fdadi_vk");
    vk::elec.ac_bus1_powered = 1;
    vkhost::Flight flight(host);
    // 14 nm out, 3 nm left of runway 27's centreline, below the glide slope.
    flight.airborne(2500.0, 300.0, 180.0).position(14 * 1852.0, -3 * 1852.0);
    flight.tune(vkhost::Ils{270.0}).airspeed(140.0, 1.0);
    host.set(id(vk::Var::throttle_1), 0.5);
    host.set(id(vk::Var::throttle_2), 0.5);
    host.click("fdsw_vkm", 4);
    vkhost::follow_flight_director(host);

    const vk::FlightInstrState& s = vk::instr;
    const vkhost::FlightModel& m = flight.state();
    double on_localizer = -1, armed = -1, captured = -1;
    double worst_localizer = 0, worst_glide = 0, nose_down = 0;
    while (m.altitude_ft > 100.0 && host.frame() < 18 * 600) {
        host.run_frames(1);
        const double t = host.frame() / 18.0;
        if (on_localizer < 0 && s.roll_capture[4] == 1 && s.nav_intercept_angle_deg <= 1 &&
            std::fabs(m.localizer_dev) < 5.0)
            on_localizer = t;
        if (armed < 0 && s.glide_state == 1) armed = t;
        if (captured < 0 && s.glide_state == 2) captured = t;
        if (armed > 0 && captured < 0) nose_down = std::max(nose_down, s.fd_pitch_bar_pos - 6.0);
        if (on_localizer > 0 && t > on_localizer + 30.0)
            worst_localizer = std::max(worst_localizer, std::fabs(m.localizer_dev));
        // Down to 200 m the bars fly the glide law; below, the sampled rate.
        if (captured > 0 && t > captured + 20.0 && m.altitude_ft > 200.0 * 3.281)
            worst_glide = std::max(worst_glide, std::fabs(m.glide_dev));
    }
    ASSERT_LE(m.altitude_ft, 100.0);
    EXPECT_GT(on_localizer, 0.0);
    EXPECT_GT(armed, on_localizer);
    EXPECT_GT(captured, armed);
    EXPECT_GT(nose_down, 0.0);         // armed: the pitch bar called for the descent
    EXPECT_LT(worst_localizer, 10.0);  // under half a dot
    EXPECT_LT(worst_glide, 20.0);
    EXPECT_NEAR(m.heading_deg, 270.0, 2.0);
    EXPECT_NEAR(m.north_m, 0.0, 30.0);  // on the centreline
    EXPECT_GT(m.east_m, 0.0);           // short of the threshold
    EXPECT_LT(m.east_m, 1200.0);
}

}  // namespace
}  // namespace vktest
