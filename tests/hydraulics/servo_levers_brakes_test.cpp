// The servo panel, the emergency levers with the flap handle hold, the
// brake dials with the brake squeal, and the test host's gear, flaps and
// control positions that these lean on.
#include "host/effects/gear.h"
#include "hydraulics_fixture.h"

namespace vktest {
namespace {

using vk::hyd;
using vk::Key;
using vk::Var;

TEST_F(Hydraulics, ServoSelectorStepsOnePositionAClickAndLightsShowLowPressure) {
    power(true);
    host.place("toggle_pan_start");  // owns the sound set: the servo panel stays silent
    host.place("servos_vk");
    // Areas 5..9 move the selector to 2, 1, 0, 3, 4, each only from a neighbour.
    const struct {
        int area;
        uint8_t then;
    } kClicks[] = {{5, 0}, {8, 3}, {9, 4}, {6, 4}, {7, 4}, {8, 3}, {7, 0}, {6, 1}, {5, 2}, {9, 2}};
    for (const auto& c : kClicks) {
        host.click("servos_vk", c.area);
        EXPECT_EQ(hyd.servo_selector, c.then) << "area " << c.area;
    }
    EXPECT_TRUE(host.sounds().empty());
    hyd.blue_pressure = 1400;
    hyd.green_pressure = 1401;
    host.run_frames(1);
    EXPECT_TRUE(host.shown("servos_vk", 10));  // the selector picture at 2
    EXPECT_TRUE(host.shown("servos_vk", 2));
    EXPECT_EQ(hyd.blue_servo_low, 1);
    EXPECT_FALSE(host.shown("servos_vk", 4));

    // A pressed button lights its light and leaves the low-pressure flag as it was.
    host.click("servos_vk", 11);
    hyd.blue_pressure = 2500;
    host.run_frames(1);
    EXPECT_TRUE(host.shown("servos_vk", 2));
    EXPECT_EQ(hyd.blue_servo_low, 1);
    host.click("servos_vk", 11);
    host.run_frames(1);
    EXPECT_FALSE(host.shown("servos_vk", 2));
    EXPECT_EQ(hyd.blue_servo_low, 0);

    host.click("servos_vk", 10);  // button 1
    hyd.green_pressure = 0;
    power(false);
    host.run_frames(1);
    EXPECT_FALSE(host.shown("servos_vk", 1));
    EXPECT_FALSE(host.shown("servos_vk", 4));
    EXPECT_EQ(hyd.green_servo_low, 0);
}

TEST_F(Hydraulics, EmergencyLeversActOnlyWithRedPressureAndTheGuardUp) {
    host.place("toggle_pan_start");
    host.place("emerg_lev_vk");
    hyd.red_pressure = 950;
    size_t mark = host.mark();
    host.click("emerg_lev_vk", 1);  // pulled, but red is not above 950
    host.click("emerg_lev_vk", 1);
    EXPECT_EQ(hyd.emerg_gear_lever, 1);
    EXPECT_EQ(sent(mark, Key::gear_down), 0);
    host.run_frames(1);
    EXPECT_TRUE(host.shown("emerg_lev_vk", 2));
    host.click("emerg_lev_vk", 0);
    hyd.red_pressure = 951;
    host.click("emerg_lev_vk", 1);
    EXPECT_EQ(sent(mark, Key::gear_down), 1);

    mark = host.mark();
    host.click("emerg_lev_vk", 4);  // guard down: nothing
    host.click("emerg_lev_vk", 6);
    EXPECT_EQ(hyd.emerg_flap_lever, 0);
    host.click("emerg_lev_vk", 5);  // the middle raises the guard
    EXPECT_EQ(hyd.emerg_flap_guard, 1);
    host.click("emerg_lev_vk", 4);
    host.click("emerg_lev_vk", 6);  // only from neutral
    EXPECT_EQ(hyd.emerg_flap_lever, 1);
    host.click("emerg_lev_vk", 5);
    host.click("emerg_lev_vk", 6);
    EXPECT_EQ(hyd.emerg_flap_lever, 2);
    EXPECT_EQ(sent(mark, Key::emerg_flaps_up), 1);
    EXPECT_EQ(sent(mark, Key::emerg_flaps_down), 1);
    EXPECT_EQ(host.keys_since(mark).size(), 2u);
    EXPECT_TRUE(host.sounds().empty());  // no lever click makes a sound
}

TEST_F(Hydraulics, FlapHandleHoldSendsTheBandsEventAndNothingAtADetentAngle) {
    host.place("emerg_lev_vk");
    hyd.green_pressure = 1749;
    constexpr Key kOut = Key::flaps_extend_step, kIn = Key::flaps_retract_step;
    const struct {
        double angle, handle;
        int out, in;
    } kCases[] = {
        {0.0, 1820, 0, 1},   {2.9, 0, 0, 0},      {3.0, 0, 1, 0},    {4.9, 1821, 0, 0},
        {5.0, 0, 0, 0},      {5.0, 6553, 0, 0},   {5.1, 6553, 0, 1}, {7.9, 1820, 0, 0},
        {8.0, 1820, 1, 0},   {9.9, 6554, 0, 0},   {10.0, 0, 0, 0},   {10.1, 16384, 0, 1},
        {15.0, 6553, 1, 0},  {19.9, 9830, 0, 0},  {20.0, 0, 0, 0},   {20.5, 13107, 0, 1},
        {26.0, 9830, 1, 0},  {31.9, 13108, 0, 0}, {32.0, 0, 0, 0},   {32.5, 16384, 0, 1},
        {39.0, 13107, 1, 0}, {44.9, 16384, 0, 0}, {45.0, 0, 0, 0},   {-1.0, 9830, 0, 0},
    };
    for (const auto& c : kCases) {
        host.model<vkhost::GearModel>().flaps_moving = false;  // hold the flaps where put
        set(Var::flap_angle_left, c.angle);
        set(Var::flap_handle, c.handle);
        const size_t mark = host.mark();
        host.run_frames(1);
        EXPECT_EQ(sent(mark, kOut), c.out) << c.angle << " deg, handle " << c.handle;
        EXPECT_EQ(sent(mark, kIn), c.in) << c.angle << " deg, handle " << c.handle;
    }

    // Green at exactly 1750 counts as available here, unless the guard is up;
    // the lever out of neutral stops the hold.
    set(Var::flap_angle_left, 0.0);
    set(Var::flap_handle, 16384.0);
    hyd.green_pressure = 1750;
    size_t mark = host.mark();
    host.run_frames(1);
    EXPECT_EQ(host.keys_since(mark).size(), 0u);
    hyd.emerg_flap_guard = 1;
    host.run_frames(1);
    EXPECT_EQ(sent(mark, kIn), 1);
    hyd.emerg_flap_lever = 2;
    mark = host.mark();
    host.run_frames(1);
    EXPECT_EQ(host.keys_since(mark).size(), 0u);
}

TEST_F(Hydraulics, FlapHoldBringsTheFlapsBackToTheirDetentAndThenStaysSilent) {
    host.place("emerg_lev_vk");
    hyd.green_pressure = 0;
    for (double angle : {5.0, 10.0}) {
        const double detent = angle == 5.0 ? 1820.0 : 6553.0;
        set(Var::flap_angle_left, angle);
        set(Var::flap_handle, detent);
        const size_t mark = host.mark();
        host.run_frames(300);
        EXPECT_EQ(host.keys_since(mark).size(), 0u) << angle;

        // The crew moves the handle fully in: the flaps start in, the hold
        // steps the handle back out, and the flaps return and stay.
        host.on_key_event(id(Key::flaps_retract_step), 0);
        host.on_key_event(id(Key::flaps_retract_step), 0);
        host.run_frames(300);
        EXPECT_EQ(get(Var::flap_angle_left), angle);
        EXPECT_EQ(get(Var::flap_handle), detent);
        EXPECT_EQ(sent(mark, Key::flaps_retract_step), 2) << angle;  // the crew's two only
        EXPECT_GE(sent(mark, Key::flaps_extend_step), 1) << angle;
        const size_t settled = host.mark();
        host.run_frames(300);
        EXPECT_EQ(host.keys_since(settled).size(), 0u) << angle;
    }
}

TEST_F(Hydraulics, BrakeDialsShowPedalsOrParkingBrakeFromTheirCircuit) {
    power(true);
    host.place("hydrau_brakes_norm_vk");
    host.place("hydrau_brakes_stby_vk");
    hyd.green_pressure = 2500;
    hyd.red_pressure = 2500;
    set(Var::brake_left, 10000.0);
    set(Var::brake_right, 4019.0);
    set(Var::parking_brake, 0.1);  // not above 0.1: the pedals
    host.run_frames(1);
    EXPECT_EQ(hyd.norm_brake_left, 500);
    EXPECT_EQ(hyd.norm_brake_right, 200);
    EXPECT_EQ(hyd.stby_brake_left, 0);  // standby idle while green brakes
    set(Var::parking_brake, 16383.0);
    host.run_frames(1);
    EXPECT_EQ(hyd.norm_brake_right, 819);
    EXPECT_EQ(hyd.stby_brake_left, 819);

    set(Var::parking_brake, 0.0);
    hyd.green_pressure = 1399;  // automatic changeover to standby
    hyd.red_pressure = 1401;
    host.run_frames(1);
    EXPECT_EQ(hyd.norm_brake_left, 0);
    EXPECT_EQ(hyd.stby_brake_left, 500);
    hyd.red_pressure = 1400;
    host.run_frames(1);
    EXPECT_EQ(hyd.stby_brake_left, 0);
    hyd.green_pressure = 2500;  // the parking brake lever out selects standby too
    hyd.red_pressure = 1401;
    vk::gear.parking_brake_lever = 1;
    host.run_frames(1);
    EXPECT_EQ(hyd.stby_brake_right, 200);

    // A pedal beyond the dial: limited to 2000, and the limit kept; a value
    // below the field's range reads 0.
    set(Var::brake_left, 60000.0);
    set(Var::brake_right, -100.0);
    host.run_frames(1);
    EXPECT_EQ(host.needle_value("hydrau_brakes_norm_vk", 2), 2000.0);
    EXPECT_EQ(hyd.norm_brake_left, 2000);
    EXPECT_EQ(hyd.norm_brake_right, 0);

    power(false);  // without supply the dials stay, unless the host brakes are gone
    set(Var::brake_left, 0.0);
    host.run_frames(1);
    EXPECT_EQ(hyd.norm_brake_left, 2000);
    hyd.brake_loss_toggle = 1;
    host.run_frames(1);
    EXPECT_EQ(hyd.norm_brake_left, 0);
    EXPECT_EQ(hyd.stby_brake_right, 0);
}

TEST_F(Hydraulics, BrakesSquealOnlyRollingFrom30KtWithABrakeOn) {
    host.place("toggle_pan_start");  // owns the sound set
    host.place("hydrau_brakes_norm_vk");
    hyd.green_pressure = 2500;
    const struct {
        double knots, left, right, parking, ground;
        bool squeal;
    } kCases[] = {{30.0, 1001, 0, 0.0, 1.0, true},      {29.9, 16383, 16383, 0.0, 1.0, false},
                  {120.0, 1000, 1000, 0.0, 1.0, false}, {120.0, 0, 1001, 0.0, 1.0, true},
                  {120.0, 16383, 0, 0.01, 1.0, false},  {120.0, 16383, 0, 0.0, 0.0, false}};
    for (const auto& c : kCases) {
        set(Var::indicated_airspeed, c.knots);
        set(Var::brake_left, c.left);
        set(Var::brake_right, c.right);
        set(Var::parking_brake, c.parking);
        set(Var::on_ground, c.ground);
        host.run_frames(1);
        EXPECT_EQ(host.sounding("BRAKESSND"), c.squeal) << c.knots << " kt";
    }
}

// ---------------------------------------------------------------- the host's model

TEST_F(Hydraulics, HostModelMovesOnlyAfterAnEventAndSetsControls) {
    in_flight(200.0);
    set(Var::gear_left_position, 5000.0);  // put there directly: stays
    host.run_frames(18);
    EXPECT_EQ(get(Var::gear_left_position), 5000.0);
    host.on_key_event(id(Key::gear_down), 0);
    host.run_frames(18);
    EXPECT_NEAR(get(Var::gear_centre_position), vkhost::kGearDown / vkhost::kGearSeconds, 1e-6);

    set(Var::flap_handle, 8000.0);  // between detents: one step goes to the next one
    host.on_key_event(id(Key::flaps_retract_step), 0);
    EXPECT_EQ(get(Var::flap_handle), 6553.0);
    host.run_frames(18);
    EXPECT_NEAR(get(Var::flap_angle_right), vkhost::kFlapDegreesPerSecond, 1e-9);

    host.on_key_event(id(Key::elevator_set), -200);
    host.on_key_event(id(Key::rudder_set), 150);
    EXPECT_EQ(get(Var::elevator_position), -200.0);
    EXPECT_EQ(get(Var::rudder_position), 150.0);
}

}  // namespace
}  // namespace vktest
