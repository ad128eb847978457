// The effects of hydraulic loss on the airbrakes, steering, host brakes and
// flight controls.
#include "host/effects/gear.h"
#include "hydraulics_fixture.h"

namespace vktest {
namespace {

using vk::hyd;
using vk::Key;
using vk::Var;

class HydraulicLoss : public Hydraulics {
  protected:
    // In the cockpit the effects run in the start panel's toggle gauge.
    HydraulicLoss() { host.place("toggle_pan_start"); }
    // Runs frames, checking after each that the module's toggle state and the
    // host's count of brake events agree: 1 exactly while the count is odd.
    void run_checking_brakes(int frames) {
        for (int f = 0; f < frames; ++f) {
            host.run_frames(1);
            ASSERT_EQ(host.model<vkhost::BrakeModel>().loss_toggled(), hyd.brake_loss_toggle == 1)
                << "frame " << host.frame();
        }
    }
};

TEST_F(HydraulicLoss, BrakeToggleStaysInStepWithTheHostOverALongParkedRun) {
    hyd.green_pressure = 2500;  // parked, green available
    const size_t mark = host.mark();
    run_checking_brakes(1000);
    EXPECT_EQ(sent(mark, Key::brake_loss_toggle), 0);

    hyd.green_pressure = 0;  // green and red lost: nothing while parked
    hyd.red_pressure = 949;
    run_checking_brakes(100);
    EXPECT_EQ(sent(mark, Key::brake_loss_toggle), 0);
    set(Var::parking_brake, 0.0);
    run_checking_brakes(100);
    EXPECT_EQ(hyd.brake_loss_toggle, 1);
    EXPECT_EQ(sent(mark, Key::brake_loss_toggle), 1);

    set(Var::brake_left, 5001.0);  // the pilot brakes hard: toggled back once
    run_checking_brakes(100);
    EXPECT_EQ(hyd.brake_loss_toggle, 2);
    EXPECT_EQ(sent(mark, Key::brake_loss_toggle), 2);

    hyd.red_pressure = 950;  // red back: the reset from 2 is silent
    run_checking_brakes(10);
    EXPECT_EQ(hyd.brake_loss_toggle, 0);
    EXPECT_EQ(sent(mark, Key::brake_loss_toggle), 2);

    set(Var::brake_left, 0.0);
    hyd.red_pressure = 0;
    run_checking_brakes(10);
    hyd.green_pressure = 1751;  // green back: the reset from 1 sends
    run_checking_brakes(10);
    EXPECT_EQ(hyd.brake_loss_toggle, 0);
    EXPECT_EQ(sent(mark, Key::brake_loss_toggle), 4);

    set(Var::parking_brake, 16383.0);
    run_checking_brakes(1000);
    EXPECT_EQ(sent(mark, Key::brake_loss_toggle), 4);
}

TEST_F(HydraulicLoss, AirbrakesCloseFallOpenOrBlowBackWithoutGreen) {
    in_flight(200.0);
    hyd.green_pressure = 1750;  // 1750 counts as lost here
    hyd.blue_pressure = 2500;
    set(Var::airbrake_left, 2000.0);
    host.run_frames(20);
    EXPECT_EQ(get(Var::airbrake_left), 0.0);

    set(Var::airbrake_left, 16383.0);
    size_t mark = host.mark();
    host.run_frames(30);  // above 60 kt: pushed back to 7000, sent while above 4000
    EXPECT_EQ(get(Var::airbrake_left), 7000.0);
    EXPECT_EQ(sent(mark, Key::airbrakes_set), 30);
    EXPECT_EQ(host.keys_since(mark).front().value, 7000);

    set(Var::indicated_airspeed, 60.0);  // slow: they fall fully open
    host.run_frames(30);
    EXPECT_EQ(get(Var::airbrake_left), 16383.0);
    mark = host.mark();
    host.run_frames(5);
    EXPECT_EQ(host.keys_since(mark).size(), 0u);

    hyd.green_pressure = 1751;
    set(Var::airbrake_left, 2000.0);
    host.run_frames(5);
    EXPECT_EQ(host.keys_since(mark).size(), 0u);
}

TEST_F(HydraulicLoss, SteeringCentresTheRudderOnlyTaxiingWithoutRed) {
    set(Var::parking_brake, 0.0);
    hyd.blue_pressure = 2500;
    const struct {
        double knots, rudder;
        uint16_t red;
        int centred;
    } kCases[] = {{9.9, 500, 949, 0},  {10.0, 500, 949, 1}, {60.0, -300, 949, 1},
                  {60.1, 500, 949, 0}, {30.0, 0, 949, 0},   {30.0, 500, 950, 0}};
    for (const auto& c : kCases) {
        set(Var::indicated_airspeed, c.knots);
        set(Var::rudder_position, c.rudder);
        hyd.red_pressure = c.red;
        const size_t mark = host.mark();
        host.run_frames(1);
        EXPECT_EQ(sent(mark, Key::rudder_centre), c.centred) << c.knots << " kt, red " << c.red;
    }
}

TEST_F(HydraulicLoss, ServoPowerLostCentresTheControlsOnlyWhileItHolds) {
    in_flight(250.0);
    hyd.blue_pressure = 1750;
    hyd.yellow1_pressure = 1899;
    size_t mark = host.mark();
    host.run_frames(10);  // in flight: all three, every frame
    EXPECT_EQ(hyd.servo_power_lost, 1);
    EXPECT_EQ(sent(mark, Key::aileron_centre), 10);
    EXPECT_EQ(sent(mark, Key::rudder_set), 10);
    EXPECT_EQ(sent(mark, Key::elevator_set), 10);

    hyd.yellow2_pressure = 1900;  // one yellow pump up to pressure powers the servos
    mark = host.mark();
    host.run_frames(10);
    EXPECT_EQ(hyd.servo_power_lost, 0);
    EXPECT_EQ(host.keys_since(mark).size(), 0u);

    // On the ground only deflected surfaces are centred, once each.
    hyd.yellow2_pressure = 0;
    set(Var::on_ground, 1.0);
    set(Var::aileron_position, 0.0);
    set(Var::elevator_position, -800.0);
    set(Var::rudder_position, 0.0);
    mark = host.mark();
    host.run_frames(10);
    EXPECT_EQ(hyd.servo_power_lost, 1);
    EXPECT_EQ(sent(mark, Key::elevator_set), 1);
    EXPECT_EQ(host.keys_since(mark).size(), 1u);

    hyd.green_pressure = 1751;  // green available: never lost
    host.run_frames(1);
    EXPECT_EQ(hyd.servo_power_lost, 0);
}

}  // namespace
}  // namespace vktest
