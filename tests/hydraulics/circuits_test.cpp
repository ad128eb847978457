// The four hydraulic circuits: engine pumps and their valves, the green level,
// the yellow pumps and the red pump.
#include <algorithm>

#include "hydraulics_fixture.h"

namespace vktest {
namespace {

using vk::hyd;
using vk::Var;

TEST_F(Hydraulics, EnginePumpsChargeWithOvershootThenHold2500) {
    host.place("hydrau_gbvalves_vk");
    host.place("hydrau_press_green_vk");
    engines(60.0);
    host.run_frames(85);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(hyd.pump_pressure[k], 2550) << k;
    for (uint16_t expected : {2535, 2520, 2505, 2490, 2500, 2500}) {
        host.run_frames(1);
        EXPECT_EQ(hyd.pump_pressure[0], expected);
    }
    EXPECT_EQ(hyd.green_pressure, 2500);
    EXPECT_EQ(hyd.blue_pressure, 2500);
    EXPECT_EQ(host.needle_value("hydrau_press_green_vk", 1), 2500.0);

    // Engine 1 below 20 %: its two pumps bleed off, engine 2's hold both circuits.
    set(Var::engine_speed_1, 19.9);
    host.run_frames(200);
    EXPECT_EQ(hyd.pump_pressure[0], 0);
    EXPECT_EQ(hyd.pump_pressure[2], 0);
    EXPECT_EQ(hyd.green_pressure, 2500);
    EXPECT_EQ(hyd.blue_pressure, 2500);
}

TEST_F(Hydraulics, StoppedEnginesLeaveEveryPressureAtZeroForever) {
    power(true);
    for (const char* g : {"hydrau_gbvalves_vk", "hydrau_lowflow_g_vk", "hydrau_lowflow_b_vk",
                          "hydrau_press_green_vk", "hydrau_press_blue_vk"})
        host.place(g);
    host.run_frames(300);  // never charged: nothing to bleed from
    for (int k = 0; k < 4; ++k) EXPECT_EQ(hyd.pump_pressure[k], 0) << k;
    EXPECT_EQ(host.needle_value("hydrau_press_blue_vk", 1), 0.0);
    EXPECT_TRUE(host.shown("hydrau_lowflow_g_vk", 1));
    EXPECT_TRUE(host.shown("hydrau_lowflow_b_vk", 2));
    EXPECT_FALSE(host.shown("hydrau_lowflow_b_vk", 3));  // the spare light is never lit

    engines(60.0);
    host.run_frames(85);  // 2550, the charge peak
    engines(0.0);
    host.run_frames(169);
    EXPECT_EQ(hyd.pump_pressure[1], 15);
    host.run_frames(1);
    EXPECT_EQ(hyd.pump_pressure[1], 0);
    host.run_frames(1000);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(hyd.pump_pressure[k], 0) << k;
        EXPECT_EQ(hyd.pump_settled[k], 0) << k;
    }
    EXPECT_EQ(hyd.green_pressure, 0);
    EXPECT_EQ(hyd.blue_pressure, 0);
}

TEST_F(Hydraulics, ShutValveCutsItsPumpOnlyOnceTheTravelRunsOut) {
    power(true);
    engines(60.0);
    host.place("hydrau_gbvalves_vk");
    host.run_frames(90);
    EXPECT_TRUE(host.shown("hydrau_gbvalves_vk", 1));  // valve 0 open light

    host.click("hydrau_gbvalves_vk", 1);  // lower half with the guard down: raises it
    EXPECT_EQ(hyd.valve_guard_open, 1);
    EXPECT_EQ(hyd.valve_open[0], 1);
    host.click("hydrau_gbvalves_vk", 1);
    EXPECT_EQ(hyd.valve_open[0], 0);

    host.run_frames(10);
    EXPECT_EQ(hyd.valve_travel[0], 20);
    EXPECT_EQ(hyd.pump_pressure[0], 2500);
    EXPECT_FALSE(host.shown("hydrau_gbvalves_vk", 1));  // in transit: neither light
    EXPECT_FALSE(host.shown("hydrau_gbvalves_vk", 2));
    host.run_frames(1);
    EXPECT_EQ(hyd.pump_pressure[0], 2485);
    EXPECT_EQ(hyd.green_pressure, 2500);  // held by pump 1
    host.run_frames(19);
    EXPECT_TRUE(host.shown("hydrau_gbvalves_vk", 2));  // shut light

    // Without the essential bus the valve stays where it is, lights dark.
    power(false);
    host.click("hydrau_gbvalves_vk", 0);  // reopened (upper half of a shut valve)
    host.run_frames(5);
    EXPECT_EQ(hyd.valve_travel[0], 0);
    EXPECT_FALSE(host.shown("hydrau_gbvalves_vk", 2));

    // The upper half of an open valve lowers the raised guard; then its lower
    // half only raises the guard again.
    host.click("hydrau_gbvalves_vk", 2);
    EXPECT_EQ(hyd.valve_guard_open, 0);
    host.click("hydrau_gbvalves_vk", 3);
    EXPECT_EQ(hyd.valve_guard_open, 1);
    EXPECT_EQ(hyd.valve_open[1], 1);
}

TEST_F(Hydraulics, GreenLevelFollowsTheGearAndALevelFailureStopsTheGreenPumps) {
    power(true);
    engines(60.0);
    host.place("hydrau_level_vk");
    host.place("hydrau_gbvalves_vk");
    const struct {
        double gear;
        uint16_t level;
    } kCases[] = {{0, 50}, {2999, 50}, {3000, 52}, {12000, 59}, {12001, 60}};
    for (const auto& c : kCases) {
        set(Var::gear_left_position, c.gear);
        host.run_frames(1);
        EXPECT_EQ(hyd.green_level, c.level) << c.gear;
    }
    host.run_frames(90);
    EXPECT_EQ(hyd.green_level_shown, 60);
    EXPECT_EQ(hyd.green_pressure, 2500);

    vk::fail.green_level_fail = 1;
    host.run_frames(1);
    EXPECT_EQ(hyd.green_level, 15);
    host.run_frames(1);
    EXPECT_TRUE(host.shown("hydrau_level_vk", 1));
    EXPECT_EQ(hyd.green_level_low, 1);
    host.run_frames(170);
    EXPECT_EQ(hyd.green_pressure, 0);
    EXPECT_EQ(hyd.blue_pressure, 2500);

    // A light test lasts until its switch is moved down, which also
    // acknowledges the warning.
    host.click("hydrau_level_vk", 5);
    host.run_frames(1);
    EXPECT_TRUE(host.shown("hydrau_level_vk", 2));
    vk::warn.blue_level_warning = 1;
    host.click("hydrau_level_vk", 3);
    host.run_frames(1);
    EXPECT_FALSE(host.shown("hydrau_level_vk", 2));
    EXPECT_EQ(vk::warn.blue_level_warning, 2);
    EXPECT_TRUE(host.shown("hydrau_level_vk", 6));
}

TEST_F(Hydraulics, ALeakDrainsTheGreenLevelOnlyWhileTheFlapsExtend) {
    host.place("hydrau_level_vk");
    vk::fail.green_leak = 1;
    host.run_frames(20);  // gear down, flaps in
    EXPECT_EQ(hyd.green_leak_reserve, 60u);
    EXPECT_EQ(hyd.green_level, 60);

    // Out to 5 degrees: 3 units each time the flaps pass a whole degree
    // beyond the last mark, at 1+, 2+, 3+ and 4+.
    host.on_key_event(id(vk::Key::flaps_extend_step), 0);
    host.run_frames(60);
    EXPECT_EQ(get(Var::flap_angle_left), 5.0);
    EXPECT_EQ(hyd.green_leak_reserve, 48u);
    EXPECT_EQ(hyd.green_level, 58);  // gear down: reserve + 10 below 50
    host.run_frames(100);            // held still: free
    EXPECT_EQ(hyd.green_leak_reserve, 48u);

    host.on_key_event(id(vk::Key::flaps_retract_step), 0);
    host.run_frames(60);  // retraction is free, and fully in clears the mark
    EXPECT_EQ(hyd.green_leak_reserve, 48u);
    EXPECT_EQ(hyd.leak_flap_mark, 0);

    host.on_key_event(id(vk::Key::flaps_extend_step), 0);
    host.on_key_event(id(vk::Key::flaps_extend_step), 0);
    host.run_frames(100);  // to 10 degrees: nine more steps
    EXPECT_EQ(hyd.green_leak_reserve, 21u);
    EXPECT_EQ(hyd.green_level, 31);
    set(Var::airbrake_left, 16001.0);
    host.run_frames(1);
    EXPECT_EQ(hyd.green_level, 15);
    set(Var::airbrake_left, 0.0);

    host.on_key_event(id(vk::Key::flaps_extend_step), 0);
    host.run_frames(120);  // to 20 degrees: the reserve runs dry, never below 0
    EXPECT_EQ(hyd.green_leak_reserve, 0u);
    EXPECT_EQ(hyd.green_level, 15);
}

TEST_F(Hydraulics, YellowPumpStandsInForGreenAndHolds500WhenStopped) {
    power(true);
    host.place("servos_vk");
    host.place("hydrau_pump_yellow_vk");
    host.click("servos_vk", 6);  // selector 0 -> 1
    host.click("servos_vk", 5);  // 1 -> 2: yellow pump 2
    host.run_frames(1);
    EXPECT_EQ(hyd.yellow_pump2_state, 3);  // from off it first waits a frame
    host.run_frames(83);
    EXPECT_EQ(hyd.yellow_pump2_state, 1);
    EXPECT_EQ(hyd.yellow2_pressure, 2490);  // 83 charge steps of 30
    EXPECT_TRUE(host.shown("hydrau_pump_yellow_vk", 3));

    // Green is lost (nothing feeds it here): the pump cycles 2000 to 2500.
    uint16_t low = 65535, high = 0;
    for (int f = 0; f < 1000; ++f) {
        host.run_frames(1);
        low = std::min(low, hyd.yellow2_pressure);
        high = std::max(high, hyd.yellow2_pressure);
        EXPECT_EQ(hyd.yellow_pressure, hyd.yellow2_pressure);
    }
    EXPECT_EQ(low, 2000);
    EXPECT_GE(high, 2471);
    EXPECT_LE(high, 2500);

    hyd.green_pressure = 2500;  // green back: the pump simply holds 2500
    host.run_frames(1);
    EXPECT_EQ(hyd.yellow2_pressure, 2500);

    // Stopped on selector position 1 with green lost: bleeds to 500 and holds.
    host.click("servos_vk", 6);  // 2 -> 1
    hyd.green_pressure = 0;
    host.run_frames(300);
    EXPECT_EQ(hyd.yellow_pump2_state, 0);
    EXPECT_EQ(hyd.yellow2_pressure, 500);
    hyd.yellow2_pressure = 515;  // exactly on the edge: no sticking there
    host.run_frames(1);
    EXPECT_EQ(hyd.yellow2_pressure, 500);

    // Any other position: it bleeds to 0.
    host.click("servos_vk", 7);  // 1 -> 0
    host.run_frames(40);
    EXPECT_EQ(hyd.yellow2_pressure, 0);
    EXPECT_EQ(hyd.yellow_pressure, 0);
}

TEST_F(Hydraulics, YellowPumpWaitsForTheMainBus) {
    host.place("servos_vk");
    host.place("hydrau_pump_yellow_vk");
    hyd.servo_selector = 4;     // yellow pump 1
    hyd.green_pressure = 2500;  // a stopped pump then keeps its pressure
    host.run_frames(20);
    EXPECT_EQ(hyd.yellow_pump1_state, 3);
    EXPECT_EQ(hyd.yellow1_pressure, 0);
    power(true);
    host.run_frames(1);
    EXPECT_EQ(hyd.yellow_pump1_state, 1);
    EXPECT_EQ(hyd.yellow1_pressure, 30);
    power(false);  // a running pump drops back to waiting
    host.run_frames(1);
    EXPECT_EQ(hyd.yellow_pump1_state, 3);
    EXPECT_EQ(hyd.yellow1_pressure, 30);
}

TEST_F(Hydraulics, RedPumpSpoolsUpAndPaysForBrakeStrokes) {
    power(true);
    host.place("hydrau_pump_red_vk");
    host.place("hydrau_press_red_vk");
    host.click("hydrau_pump_red_vk", 0);
    EXPECT_EQ(hyd.red_pump_switch, 1);
    host.run_frames(24);
    EXPECT_EQ(hyd.red_pump_spool, 24);
    EXPECT_EQ(hyd.red_charged, 0);  // not delivering yet
    host.run_frames(1);
    EXPECT_EQ(hyd.red_charged, 1);  // 2500 already: straight to regulation
    EXPECT_EQ(hyd.red_pressure, 2500);

    // A heavy stroke on the ground with the parking brake off costs 50 once.
    set(Var::parking_brake, 0.0);
    set(Var::brake_left, 9000.0);
    host.run_frames(1);
    EXPECT_EQ(hyd.red_pressure, 2450);
    EXPECT_EQ(hyd.brake_stroke, 2);
    host.run_frames(3);  // 2465, 2480, 2495 ...
    EXPECT_EQ(hyd.red_pressure, 2495);
    EXPECT_TRUE(host.shown("hydrau_pump_red_vk", 4));  // recharging
    host.run_frames(1);                                // ... then regulated
    EXPECT_EQ(hyd.red_pressure, 2500);
    EXPECT_EQ(host.needle_value("hydrau_press_red_vk", 1), 2500.0);
    set(Var::brake_left, 8000.0);
    host.run_frames(1);
    EXPECT_EQ(hyd.brake_stroke, 0);

    // Switched off it runs down without power too.
    host.click("hydrau_pump_red_vk", 1);
    power(false);
    host.run_frames(30);
    EXPECT_EQ(hyd.red_pump_spool, 0);

    // Pump off: a stroke draws on red only while green cannot brake.
    hyd.green_pressure = 2500;
    set(Var::brake_left, 9000.0);
    host.run_frames(5);
    EXPECT_EQ(hyd.brake_stroke, 1);
    EXPECT_EQ(hyd.red_pressure, 2500);
    hyd.green_pressure = 1749;
    host.run_frames(5);
    EXPECT_EQ(hyd.brake_stroke, 2);
    EXPECT_EQ(hyd.red_pressure, 2450);
}

TEST_F(Hydraulics, EmergencyGearExtensionDrawsRedTowards1500) {
    power(true);
    in_flight(180.0);
    host.place("emerg_lev_vk");
    host.place("hydrau_pump_red_vk");
    hyd.red_pump_switch = 1;
    host.run_frames(30);

    const size_t mark = host.mark();
    host.click("emerg_lev_vk", 1);
    EXPECT_EQ(sent(mark, vk::Key::gear_down), 1);
    host.run_frames(19);  // gear in transit: 2500 down by 50 a frame
    EXPECT_EQ(hyd.red_pressure, 1550);
    EXPECT_EQ(hyd.red_phase, 2);
    host.run_frames(1);
    EXPECT_EQ(hyd.red_pressure, 1500);
    host.run_frames(100);
    EXPECT_EQ(hyd.red_pressure, 1500);
    host.run_frames(50);  // gear down: back to 2500 at 15 a frame
    EXPECT_EQ(get(Var::gear_left_position), 16383.0);
    EXPECT_GT(hyd.red_pressure, 1500);
    host.run_frames(100);
    EXPECT_EQ(hyd.red_pressure, 2500);
    EXPECT_EQ(sent(mark, vk::Key::gear_down), 1);
}

}  // namespace
}  // namespace vktest
