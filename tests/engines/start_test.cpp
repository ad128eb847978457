// Ground starts and in-flight relights: the starter event frame by frame,
// the end of a start, its supply and limits, the relight conditions and
// counters, and the horn buttons of the start panel.

#include "host/effects/engines.h"
#include "support.h"

namespace vktest {
namespace {

class EngineStart : public LinkedHost {
  protected:
    EngineStart() {
        vk::elec.ess_bus_powered = 1;
        vk::elec.main_bus_powered = 1;
        vk::elec.gpu_on_dc = 1;
        host.place("engstart_vk");
        host.place("engstart_lights_vk");
    }
    // Pumps, valves and levers, so that each engine has a tank and fuel on.
    void place_fuel() {
        for (const char* g :
             {"fuel_pumps_lh_vk", "fuel_pumps_rh_vk", "fuel_press_vk", "fuel_valves_lh_vk",
              "fuel_valves_rh_vk", "thr_hpbp_left_vk", "thr_hpbp_right_vk"})
            host.place(g);
        host.run_frames(2);
    }
    void request_start(int engine) {
        host.click("engstart_vk", engine == 1 ? 0 : 2);  // selector
        host.click("engstart_vk", 3);                    // master on
        host.click("engstart_vk", 5);                    // start push-button
    }
    double speed(int engine) const {
        return host.get(id(engine == 1 ? vk::Var::engine_speed_1 : vk::Var::engine_speed_2));
    }
    uint32_t tick() const { return static_cast<uint32_t>(host.get(0x1)); }
};

TEST_F(EngineStart, GroundStartTurnsTheStarterEveryFrameUntilAbove40Percent) {
    place_fuel();
    ASSERT_EQ(vk::fuel.host_selector_2, 5);
    request_start(2);
    const uint32_t first = tick() + 1;
    int frames = 0;
    while (frames < 1000) {
        const size_t m = host.mark();
        host.run_frames(1);
        ++frames;
        // The starter turns on every frame of the start, the last included.
        ASSERT_EQ(sent(m, vk::Key::starter_2), 1) << "frame " << frames;
        if (speed(2) > 40.0) break;
        ASSERT_EQ(vk::eng.right_start_request, 1);
        ASSERT_TRUE(host.shown("engstart_lights_vk", 3));
        ASSERT_TRUE(host.shown("engstart_lights_vk", 4));
        ASSERT_FALSE(host.shown("engstart_lights_vk", 1));
    }
    // It ended on the frame the engine passed 40 %, well inside the limit.
    EXPECT_EQ(vk::eng.right_start_request, 0);
    EXPECT_EQ(vk::eng.right_start_light, 0);
    EXPECT_EQ(vk::eng.right_start_end_tick, first + 990);
    EXPECT_LT(tick(), first + 990);
    const size_t m = host.mark();
    host.run_frames(18 * 5);
    EXPECT_EQ(sent(m, vk::Key::starter_2), 0);
    EXPECT_FALSE(host.shown("engstart_lights_vk", 3));
    EXPECT_NEAR(speed(2), vkhost::kIdleSpeed, 1e-9);  // idle by itself
    EXPECT_EQ(speed(1), 0.0);
    EXPECT_EQ(vk::eng.start_supply_volts, 112);
}

TEST_F(EngineStart, MasterSwitchOffAbortsAStartAtOnce) {
    place_fuel();
    request_start(2);
    host.run_frames(30);
    host.click("engstart_vk", 4);  // master off
    const size_t m = host.mark();
    host.run_frames(1);
    EXPECT_EQ(vk::eng.right_start_request, 0);
    EXPECT_FALSE(host.shown("engstart_lights_vk", 3));
    host.run_frames(18 * 10);
    EXPECT_EQ(sent(m, vk::Key::starter_2), 0);
    EXPECT_EQ(speed(2), 0.0);  // never lit: ran down again
    // Master back on: a new push is needed.
    host.click("engstart_vk", 3);
    host.run_frames(5);
    EXPECT_EQ(sent(m, vk::Key::starter_2), 0);
}

TEST_F(EngineStart, NoTankNoStarterButTheLampForTheWholeLimit) {
    // No pump panel: the host selector read stays 0.
    request_start(1);
    const size_t m = host.mark();
    host.run_frames(1);
    const uint32_t end = vk::eng.left_start_end_tick;
    EXPECT_EQ(end, tick() + 990);
    host.run_frames(static_cast<int>(end - tick()) - 1);
    EXPECT_EQ(vk::eng.left_start_request, 1);
    EXPECT_TRUE(host.shown("engstart_lights_vk", 1));
    host.run_frames(1);
    EXPECT_EQ(vk::eng.left_start_request, 0);
    EXPECT_FALSE(host.shown("engstart_lights_vk", 1));
    EXPECT_EQ(sent(m, vk::Key::starter_1), 0);

    // The speed that ends a start: above 40, not 40 itself.
    request_start(1);
    host.set(id(vk::Var::engine_speed_1), 40.0);
    host.run_frames(3);
    EXPECT_EQ(vk::eng.left_start_request, 1);
    host.set(id(vk::Var::engine_speed_1), 40.1);
    host.run_frames(1);
    EXPECT_EQ(vk::eng.left_start_request, 0);

    // Near the top of the tick range the limit is held at the top, not
    // wrapped round to a tick long past: the start still runs.
    host.set(id(vk::Var::engine_speed_1), 0.0);
    host.jump_clock((4294967296.0 - 500.0 - host.get(0x1)) / 18.0);
    request_start(1);
    host.run_frames(1);
    EXPECT_EQ(vk::eng.left_start_end_tick, UINT32_MAX);
    EXPECT_EQ(vk::eng.left_start_request, 1);
    EXPECT_TRUE(host.shown("engstart_lights_vk", 1));
}

TEST_F(EngineStart, SupplyAndEssentialBusAreNeeded) {
    host.place("engstart_volt_vk");
    vk::elec.battery_selector = 2;  // ground power wins over the battery
    host.run_frames(1);
    EXPECT_EQ(vk::eng.start_supply_volts, 112);
    vk::elec.gpu_on_dc = 0;
    host.run_frames(1);
    EXPECT_EQ(vk::eng.start_supply_volts, 130);
    EXPECT_EQ(host.needle_value("engstart_volt_vk", 1), 130.0);
    vk::elec.battery_charge = 0;
    host.run_frames(1);
    EXPECT_EQ(vk::eng.start_supply_volts, 0);
    request_start(2);  // cancelled on the next frame without supply
    host.run_frames(1);
    EXPECT_EQ(vk::eng.right_start_request, 0);

    vk::elec.battery_charge = 900;
    request_start(2);
    host.run_frames(2);
    EXPECT_EQ(vk::eng.right_start_request, 1);
    EXPECT_TRUE(host.shown("engstart_lights_vk", 3));
    vk::elec.ess_bus_powered = 0;
    host.run_frames(1);
    EXPECT_EQ(vk::eng.right_start_request, 0);
    EXPECT_FALSE(host.shown("engstart_lights_vk", 3));

    // The voltmeter holds its needle at 130 and writes the clamp back.
    host.unload();
    host.place("engstart_volt_vk");
    vk::eng.start_supply_volts = 200;
    host.run_frames(1);
    EXPECT_EQ(vk::eng.start_supply_volts, 130);
}

class Relight : public EngineStart {
  protected:
    Relight() {
        host.set(id(vk::Var::on_ground), 0.0);
        host.set(id(vk::Var::indicated_airspeed), 150.0);
        host.set(id(vk::Var::engine_speed_1), 12.0);
        host.set(id(vk::Var::engine_speed_2), 80.0);
    }
};

TEST_F(Relight, StarterTurnsWhileTheRelightSwitchIsHeldUp) {
    host.set(id(vk::Var::indicated_airspeed), 149.0);
    size_t m = host.mark();
    host.click("eng_relight_vk", 0);
    EXPECT_EQ(vk::eng.left_relight_frames, 20);
    host.run_frames(25);
    EXPECT_EQ(sent(m, vk::Key::starter_1), 0);  // below 150 kt

    host.set(id(vk::Var::indicated_airspeed), 150.0);
    host.set(id(vk::Var::engine_speed_1), 12.0);
    host.set(id(vk::Var::engine_speed_2), 79.9);
    host.click("eng_relight_vk", 0);
    host.run_frames(25);
    EXPECT_EQ(sent(m, vk::Key::starter_1), 0);  // the other engine below 80 %

    host.set(id(vk::Var::engine_speed_2), 80.0);
    host.click("eng_relight_vk", 0);
    m = host.mark();
    host.run_frames(25);
    EXPECT_EQ(sent(m, vk::Key::starter_1), 19);  // the counter's 20 frames, less the last
    EXPECT_EQ(sent(m, vk::Key::starter_2), 0);

    // With the switch panel placed as well the counter runs down twice as fast.
    host.place("eng_relight_vk");
    host.click("eng_relight_vk", 0);
    m = host.mark();
    host.run_frames(25);
    EXPECT_EQ(sent(m, vk::Key::starter_1), 10);
}

TEST_F(Relight, IgnitionButtonHoldsTheCommandWithoutCuttingARelight) {
    size_t m = host.mark();
    host.hold("engstart_vk", 7, 30);              // engine 2's ignition, held
    EXPECT_GE(vk::eng.right_relight_frames, 10);  // held between 10 and 12
    EXPECT_LE(vk::eng.right_relight_frames, 12);
    EXPECT_EQ(sent(m, vk::Key::starter_2), 0);  // engine 1 is not at 80 %
    host.set(id(vk::Var::engine_speed_1), 85.0);
    host.set(id(vk::Var::engine_speed_2), 20.0);
    m = host.mark();
    host.hold("engstart_vk", 7, 30);
    EXPECT_EQ(sent(m, vk::Key::starter_2), 30);
    EXPECT_LE(vk::eng.right_relight_frames, 12);

    host.click("eng_relight_vk", 2);  // switch 2 up: 20 frames
    host.click("engstart_vk", 7);     // a press does not cut it to 12
    EXPECT_EQ(vk::eng.right_relight_frames, 20);
}

TEST_F(Relight, LowerZoneBringsTheSwitchDownThenClosesTheGuard) {
    host.place("toggle_pan_start");  // the gauge that loads the sound set
    host.place("eng_relight_vk");
    const size_t m = host.mark();
    host.click("eng_relight_vk", 0);
    host.run_frames(1);
    EXPECT_TRUE(host.shown("eng_relight_vk", 4));  // up
    EXPECT_FALSE(host.shown("eng_relight_vk", 3));
    host.click("eng_relight_vk", 1);
    EXPECT_EQ(vk::eng.left_relight_frames, 0);
    EXPECT_EQ(vk::eng.left_relight_guard_closed, 0);
    host.run_frames(1);
    EXPECT_TRUE(host.shown("eng_relight_vk", 3));  // down
    EXPECT_TRUE(host.sounds_since(m).empty());
    host.click("eng_relight_vk", 1);
    EXPECT_EQ(vk::eng.left_relight_guard_closed, 1);
    ASSERT_EQ(host.sounds_since(m).size(), 1u);
    EXPECT_EQ(host.sounds_since(m)[0].name, "CACHEMETAL");
    host.run_frames(1);
    for (int k : {1, 3, 4}) EXPECT_FALSE(host.shown("eng_relight_vk", k));
    // Under a closed guard the upper zone only opens it.
    host.click("eng_relight_vk", 0);
    EXPECT_EQ(vk::eng.left_relight_guard_closed, 0);
    EXPECT_EQ(vk::eng.left_relight_frames, 0);
    // A held upper zone tops a short command up by 10 and leaves a longer one.
    vk::eng.left_relight_frames = 5;
    host.click("eng_relight_vk", 0);
    EXPECT_EQ(vk::eng.left_relight_frames, 15);
    host.click("eng_relight_vk", 0);
    EXPECT_EQ(vk::eng.left_relight_frames, 15);
}

TEST_F(EngineStart, HornButtons) {
    host.place("engstart_test_vk");
    vk::warn.overspeed = 1;
    host.click("engstart_test_vk", 0);
    EXPECT_EQ(vk::eng.gear_horn_silenced, 0);  // not while overspeed sounds it
    vk::warn.overspeed = 0;
    host.click("engstart_test_vk", 0);
    EXPECT_EQ(vk::eng.gear_horn_silenced, 1);

    vk::eng.gear_horn_silenced = 0;
    host.click("engstart_test_vk", 1);
    EXPECT_EQ(vk::eng.gear_horn_test, 1);
    EXPECT_EQ(vk::eng.gear_horn_silenced, 0);
    host.click("engstart_test_vk", 1);  // test off: silenced as well
    EXPECT_EQ(vk::eng.gear_horn_test, 0);
    EXPECT_EQ(vk::eng.gear_horn_silenced, 1);
    vk::elec.ess_bus_powered = 0;
    host.click("engstart_test_vk", 1);
    EXPECT_EQ(vk::eng.gear_horn_test, 0);
}

}  // namespace
}  // namespace vktest
