// The four hydraulic circuits: engine pumps and their valves, the green level,
// the yellow pumps and the red pump.
#include <algorithm>
#include <cmath>

#include "hydraulics_fixture.h"

namespace vktest {
namespace {

using vk::hyd;
using vk::Var;

TEST_F(Hydraulics, EnginePumpsChargeOvershootSettleAndBleedToZeroForever) {
    host.place("hydrau_gbvalves_vk");
    host.place("hydrau_press_green_vk");
    host.run_frames(300);  // engines stopped from load: nothing, not 65521
    EXPECT_EQ(hyd.green_pressure, 0);
    engines(60.0);
    host.run_frames(85);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(hyd.pump_pressure[k], 2550) << k;
    for (uint16_t expected : {2535, 2520, 2505, 2490, 2500, 2500}) {
        host.run_frames(1);
        EXPECT_EQ(hyd.pump_pressure[0], expected);
    }
    EXPECT_EQ(host.needle_value("hydrau_press_green_vk", 1), 2500.0);

    set(Var::engine_speed_1, std::nan(""));  // engine 2's pumps hold both circuits
    host.run_frames(200);
    EXPECT_EQ(hyd.pump_pressure[0], 0);
    EXPECT_EQ(hyd.pump_pressure[2], 0);
    EXPECT_EQ(hyd.green_pressure, 2500);
    EXPECT_EQ(hyd.blue_pressure, 2500);

    engines(19.9);
    host.run_frames(166);  // 2500 = 166 x 15 + 10: cut to 0 on the 166th frame
    EXPECT_EQ(hyd.pump_pressure[1], 0);
    host.run_frames(1000);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(hyd.pump_pressure[k] + hyd.pump_settled[k], 0) << k;
    EXPECT_EQ(hyd.blue_pressure, 0);
}

TEST_F(Hydraulics, ShutValveCutsItsPumpOnlyOnceTheTravelRunsOut) {
    power(true);
    engines(60.0);
    host.place("toggle_pan_start");  // owns the sound set
    host.place("hydrau_gbvalves_vk");
    host.run_frames(90);
    host.click("hydrau_gbvalves_vk", 1);  // lower half, guard down: raises the guard only
    EXPECT_EQ(hyd.valve_open[0], 1);
    EXPECT_TRUE(host.sounds().empty());
    host.click("hydrau_gbvalves_vk", 1);
    EXPECT_EQ(hyd.valve_open[0], 0);
    EXPECT_EQ(host.sounds().back().name, "CLICK");
    host.run_frames(10);
    EXPECT_EQ(hyd.valve_travel[0], 20);
    EXPECT_EQ(hyd.pump_pressure[0], 2500);
    EXPECT_FALSE(host.shown("hydrau_gbvalves_vk", 1));  // in transit: neither light
    host.run_frames(1);
    EXPECT_EQ(hyd.pump_pressure[0], 2485);
    EXPECT_EQ(hyd.green_pressure, 2500);  // held by pump 1
    host.run_frames(60);
    EXPECT_TRUE(host.shown("hydrau_gbvalves_vk", 2));  // shut light: the travel stays at 0

    power(false);  // no essential bus: reopened, the valve does not move
    host.click("hydrau_gbvalves_vk", 0);
    host.run_frames(5);
    EXPECT_EQ(hyd.valve_travel[0], 0);
    EXPECT_FALSE(host.shown("hydrau_gbvalves_vk", 2));
    host.click("hydrau_gbvalves_vk", 2);  // upper half of an open valve: guard down
    EXPECT_EQ(hyd.valve_guard_open, 0);
    EXPECT_EQ(host.sounds().back().name, "CACHEMETAL");
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
    vk::fail.green_level_fail = 1;
    power(false);  // without its supply the needle stays and the light is dark
    host.run_frames(2);
    EXPECT_EQ(hyd.green_level, 15);
    EXPECT_EQ(hyd.green_level_shown, 60);
    EXPECT_FALSE(host.shown("hydrau_level_vk", 1));
    power(true);
    host.run_frames(1);
    EXPECT_EQ(hyd.green_level_shown, 15);
    EXPECT_TRUE(host.shown("hydrau_level_vk", 1));
    host.run_frames(170);
    EXPECT_EQ(hyd.green_pressure, 0);
    EXPECT_EQ(hyd.blue_pressure, 2500);

    // A light test lasts until its switch goes down, which acknowledges the warning.
    host.click("hydrau_level_vk", 5);
    host.run_frames(1);
    EXPECT_TRUE(host.shown("hydrau_level_vk", 2));
    vk::warn.blue_level_warning = 1;
    host.click("hydrau_level_vk", 3);
    host.run_frames(1);
    EXPECT_FALSE(host.shown("hydrau_level_vk", 2));
    EXPECT_EQ(vk::warn.blue_level_warning, 2);
}

TEST_F(Hydraulics, ALeakDrainsTheGreenLevelOnlyWhileTheFlapsExtend) {
    host.place("hydrau_level_vk");
    vk::fail.green_leak = 1;
    auto flaps = [&](vk::Key k, int steps, int frames) {
        for (int i = 0; i < steps; ++i) host.on_key_event(id(k), 0);
        host.run_frames(frames);
    };
    flaps(vk::Key::flaps_extend_step, 0, 20);  // gear down, flaps in
    EXPECT_EQ(hyd.green_level, 60);
    // Out to 5 degrees: 3 units at each of 1+, 2+, 3+ and 4+ degrees.
    flaps(vk::Key::flaps_extend_step, 1, 160);
    EXPECT_EQ(hyd.green_leak_reserve, 48u);
    EXPECT_EQ(hyd.green_level, 58);             // gear down: reserve + 10 below 50
    flaps(vk::Key::flaps_retract_step, 1, 60);  // in again: free, and the mark clears
    EXPECT_EQ(hyd.green_leak_reserve, 48u);
    flaps(vk::Key::flaps_extend_step, 2, 100);  // to 10 degrees: nine more steps
    EXPECT_EQ(hyd.green_leak_reserve, 21u);
    set(Var::airbrake_left, 16001.0);
    host.run_frames(1);
    EXPECT_EQ(hyd.green_level, 15);
    set(Var::airbrake_left, 0.0);
    flaps(vk::Key::flaps_extend_step, 1, 120);  // to 20: runs dry, never below 0
    EXPECT_EQ(hyd.green_leak_reserve, 0u);
    EXPECT_EQ(hyd.green_level, 15);
}

TEST_F(Hydraulics, YellowPumpStandsInForGreenAndHolds500WhenStopped) {
    host.place("servos_vk");
    host.place("hydrau_pump_yellow_vk");
    host.click("servos_vk", 6);  // selector 0 -> 1
    host.click("servos_vk", 5);  // 1 -> 2: yellow pump 2
    host.run_frames(20);         // no main bus: waits, no pressure
    EXPECT_EQ(hyd.yellow_pump2_state, 3);
    EXPECT_EQ(hyd.yellow2_pressure, 0);
    power(true);
    host.run_frames(83);  // running from the frame power returns: 83 steps of 30
    EXPECT_EQ(hyd.yellow2_pressure, 2490);
    EXPECT_TRUE(host.shown("hydrau_pump_yellow_vk", 3));

    // Green is lost (nothing feeds it here): the pump cycles 2000 to 2500.
    uint16_t low = 65535, high = 0;
    for (int f = 0; f < 1000; ++f) {
        host.run_frames(1);
        low = std::min(low, hyd.yellow2_pressure);
        high = std::max(high, hyd.yellow2_pressure);
    }
    EXPECT_EQ(low, 2000);
    EXPECT_GE(high, 2471);
    EXPECT_LE(high, 2500);
    EXPECT_EQ(hyd.yellow_pressure, hyd.yellow2_pressure);

    // Stopped on selector position 1: bleeds to 500 and holds, even from 515.
    host.click("servos_vk", 6);  // 2 -> 1
    host.run_frames(300);
    EXPECT_EQ(hyd.yellow2_pressure, 500);
    hyd.yellow2_pressure = 515;
    host.run_frames(1);
    EXPECT_EQ(hyd.yellow2_pressure, 500);
    host.click("servos_vk", 7);  // 1 -> 0: bleeds to 0
    host.run_frames(40);
    EXPECT_EQ(hyd.yellow_pressure, 0);
}

TEST_F(Hydraulics, RedPumpSpoolsUpAndPaysForBrakeStrokes) {
    power(true);
    host.place("hydrau_pump_red_vk");
    host.click("hydrau_pump_red_vk", 0);
    host.run_frames(24);
    EXPECT_EQ(hyd.red_charged, 0);  // spool 24: not delivering yet
    host.run_frames(1);
    EXPECT_EQ(hyd.red_charged, 1);  // 2500 already: straight to regulation

    set(Var::parking_brake, 0.0);  // a heavy stroke costs 50 once
    set(Var::brake_left, 9000.0);
    host.run_frames(1);
    EXPECT_EQ(hyd.red_pressure, 2450);
    host.run_frames(3);  // 2465, 2480, 2495, then regulated
    EXPECT_TRUE(host.shown("hydrau_pump_red_vk", 4));
    host.run_frames(1);
    EXPECT_EQ(hyd.red_pressure, 2500);
    set(Var::brake_left, 8000.0);
    host.run_frames(1);
    EXPECT_EQ(hyd.brake_stroke, 0);

    host.click("hydrau_pump_red_vk", 1);  // off: runs down without power too
    power(false);
    host.run_frames(30);
    EXPECT_EQ(hyd.red_pump_spool, 0);
    hyd.green_pressure = 2500;  // pump off: a stroke costs red only without green
    set(Var::brake_left, 9000.0);
    host.run_frames(5);
    EXPECT_EQ(hyd.red_pressure, 2500);
    hyd.green_pressure = 1749;
    hyd.red_pressure = 40;  // less than a stroke left: empties, does not wrap
    host.run_frames(5);
    EXPECT_EQ(hyd.red_pressure, 0);
}

}  // namespace
}  // namespace vktest
