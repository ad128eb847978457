// The test host's gear, flaps, airbrakes, brakes and control positions, as the
// hydraulic gauges drive them through key events.
#include "host/effects/gear.h"
#include "hydraulics_fixture.h"

namespace vktest {
namespace {

using vk::Key;
using vk::Var;

TEST_F(Hydraulics, HostGearAndFlapsMoveAtTheirRatesOnlyAfterAnEvent) {
    in_flight(200.0);
    set(Var::gear_left_position, 5000.0);  // put there directly: stays
    host.run_frames(18);
    EXPECT_EQ(get(Var::gear_left_position), 5000.0);

    host.on_key_event(id(Key::gear_down), 0);
    EXPECT_EQ(get(Var::gear_handle), 1.0);
    host.run_frames(18);  // one second
    EXPECT_NEAR(get(Var::gear_centre_position), vkhost::kGearDown / vkhost::kGearSeconds, 1e-6);
    host.run_frames(18 * 8);
    for (Var leg : {Var::gear_centre_position, Var::gear_left_position, Var::gear_right_position})
        EXPECT_EQ(get(leg), 16383.0);
    host.on_key_event(id(Key::gear_up), 0);
    host.run_frames(18 * 8 + 1);
    EXPECT_EQ(get(Var::gear_right_position), 0.0);

    // Flap handle steps from detent to detent; the flaps follow at 2 deg/s.
    const double kHandles[] = {1820, 6553, 9830, 13107, 16384, 16384};
    for (double h : kHandles) {
        host.on_key_event(id(Key::flaps_extend_step), 0);
        EXPECT_EQ(get(Var::flap_handle), h);
    }
    host.run_frames(18);
    EXPECT_NEAR(get(Var::flap_angle_left), vkhost::kFlapDegreesPerSecond, 1e-9);
    host.run_frames(18 * 25);
    EXPECT_EQ(get(Var::flap_angle_left), 45.0);
    EXPECT_EQ(get(Var::flap_angle_right), 45.0);
    set(Var::flap_handle, 8000.0);  // between detents: one step in goes to the next below
    host.on_key_event(id(Key::flaps_retract_step), 0);
    EXPECT_EQ(get(Var::flap_handle), 6553.0);
    EXPECT_DOUBLE_EQ(vkhost::flap_angle_for_handle(8191.5), 15.0);
    host.on_key_event(id(Key::emerg_flaps_up), 0);
    EXPECT_EQ(get(Var::flap_handle), 0.0);
    host.on_key_event(id(Key::emerg_flaps_down), 0);
    EXPECT_EQ(get(Var::flap_handle), 16384.0);
}

TEST_F(Hydraulics, HostAirbrakesBrakesAndControls) {
    host.on_key_event(id(Key::airbrakes_extend), 0);
    host.run_frames(36);
    EXPECT_EQ(get(Var::airbrake_left), 16383.0);
    EXPECT_EQ(get(Var::airbrake_right), 16383.0);
    host.on_key_event(id(Key::airbrakes_set), 7000);
    host.run_frames(36);
    EXPECT_EQ(get(Var::airbrake_handle), 7000.0);
    EXPECT_EQ(get(Var::airbrake_left), 7000.0);
    host.on_key_event(id(Key::airbrakes_retract), 0);
    host.run_frames(36);
    EXPECT_EQ(get(Var::airbrake_left), 0.0);

    auto& brakes = host.model<vkhost::BrakeModel>();
    host.on_key_event(id(Key::brake_loss_toggle), 0);
    EXPECT_TRUE(brakes.loss_toggled());
    host.on_key_event(id(Key::brake_loss_toggle), 0);
    EXPECT_FALSE(brakes.loss_toggled());
    EXPECT_EQ(brakes.loss_events, 2u);

    host.on_key_event(id(Key::parking_brake_toggle), 0);  // parked by default
    EXPECT_EQ(get(Var::parking_brake), 0.0);
    host.on_key_event(id(Key::parking_brake_toggle), 0);
    EXPECT_GT(get(Var::parking_brake), 0.1);

    for (Var v : {Var::aileron_position, Var::rudder_position, Var::elevator_position})
        set(v, 3000.0);
    host.on_key_event(id(Key::aileron_centre), 0);
    host.on_key_event(id(Key::elevator_set), -200);
    host.on_key_event(id(Key::rudder_set), 150);
    EXPECT_EQ(get(Var::aileron_position), 0.0);
    EXPECT_EQ(get(Var::elevator_position), -200.0);
    EXPECT_EQ(get(Var::rudder_position), 150.0);
    host.on_key_event(id(Key::rudder_centre), 0);
    EXPECT_EQ(get(Var::rudder_position), 0.0);
}

}  // namespace
}  // namespace vktest
