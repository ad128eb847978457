// The test host's engines: starters, light-off, idle, throttle, run-down and
// windmilling, and starvation. Fuel burnt from the selected tanks and the
// selector, valve and fuel control events are exercised through the panels
// by the fuel, lever and end-to-end tests.
#include "host/effects/engines.h"
#include "host/effects/fuel.h"
#include "support.h"

namespace vktest {
namespace {

class EngineModel : public LinkedHost {
  protected:
    // Engine 2 with its fuel control on, on the full second right tank.
    void fuel_engine_2() {
        host.set(id(vk::Var::fuel_control_2), 1.0);
        host.set_int(id(vk::Var::fuel_selector_2), 5);
    }
    // Holds the starter of engine 2 for `frames` frames, as the start panel does.
    void crank_2(int frames) {
        for (int f = 0; f < frames; ++f) {
            host.on_key_event(id(vk::Key::starter_2), 0);
            host.run_frames(1);
        }
    }
    double speed_2() const { return host.get(id(vk::Var::engine_speed_2)); }
    const vkhost::EngineModel::Engine& engine_2() {
        return host.model<vkhost::EngineModel>().engine[1];
    }
};

TEST_F(EngineModel, StarterAloneSpoolsToItsSpeedAndTheEngineRunsDownAfter) {
    host.set(id(vk::Var::engine_speed_2), 7.0);
    host.run_frames(18);
    EXPECT_EQ(speed_2(), 7.0);  // not the model's until a starter turns it
    crank_2(18 * 12);
    EXPECT_NEAR(speed_2(), vkhost::kStarterSpeed, 1e-9);
    EXPECT_FALSE(engine_2().burning);  // no fuel: no light-off
    EXPECT_EQ(host.get(id(vk::Var::fuel_flow_2)), 0.0);
    host.run_frames(18 * 10);
    EXPECT_EQ(speed_2(), 0.0);  // on the ground it stops

    // In flight it windmills instead.
    host.set(id(vk::Var::on_ground), 0.0);
    host.set(id(vk::Var::indicated_airspeed), 150.0);
    host.run_frames(18 * 15);
    EXPECT_NEAR(speed_2(), 150.0 * vkhost::kWindmillPerKnot, 1e-9);
}

TEST_F(EngineModel, WithFuelItLightsOffReachesIdleAndFollowsTheThrottle) {
    fuel_engine_2();
    crank_2(1);
    int frames = 1;
    while (!engine_2().burning && frames < 200) {
        crank_2(1);
        ++frames;
    }
    EXPECT_GE(speed_2(), vkhost::kLightOffSpeed);
    EXPECT_LT(speed_2(), vkhost::kLightOffSpeed + 0.5);  // at once, not at the starter speed
    host.run_frames(18 * 15);  // no more starter: it accelerates by itself
    EXPECT_NEAR(speed_2(), vkhost::kIdleSpeed, 1e-9);
    EXPECT_NEAR(host.get(id(vk::Var::thrust_2)), vkhost::kIdleThrust, 1e-9);
    EXPECT_NEAR(host.get(id(vk::Var::fuel_flow_2)), vkhost::kIdleFuelFlow, 1e-9);
    EXPECT_NEAR(host.get(id(vk::Var::oil_pressure_2)), 90.0 * vkhost::kIdleSpeed, 1e-9);
    EXPECT_NEAR(host.named("rightTurbineRPM").value_or(0.0), 87.0 * vkhost::kIdleSpeed, 1e-9);
    EXPECT_GT(host.get(id(vk::Var::engine_temp_2)), 491.67 + 1.8 * 300.0);  // hot

    for (int i = 0; i < 60; ++i) host.on_key_event(id(vk::Key::throttle_2_inc), 0);
    EXPECT_EQ(host.get(id(vk::Var::throttle_2)), 1.0);  // held at full
    host.run_frames(18 * 12);
    EXPECT_NEAR(speed_2(), 100.0, 1e-9);
    EXPECT_NEAR(host.get(id(vk::Var::fuel_flow_2)), vkhost::kFullFuelFlow, 1e-9);
    host.on_key_event(id(vk::Key::throttle_2_idle), 0);
    for (int i = 0; i < 20; ++i) host.on_key_event(id(vk::Key::throttle_2_dec), 0);
    EXPECT_EQ(host.get(id(vk::Var::throttle_2)), -0.25);  // full reverse at most

    // Engine 1 never started: untouched.
    EXPECT_EQ(host.get(id(vk::Var::engine_speed_1)), 0.0);
    EXPECT_FALSE(host.named("leftTurbineRPM").has_value());
}

TEST_F(EngineModel, StarvesOnAnEmptyTankOrWithoutFuel) {
    fuel_engine_2();
    crank_2(18 * 8);
    host.run_frames(18 * 15);
    ASSERT_TRUE(engine_2().burning);
    const int32_t level = id(vk::Var::right_tank_2_level);

    // An empty tank starves the engine; so does selector 0, a shut valve, a
    // failed engine or the fuel control off.
    host.set(level, 0.0);
    host.run_frames(1);
    EXPECT_FALSE(engine_2().burning);
    EXPECT_EQ(host.get(level), 0.0);
    host.run_frames(18 * 15);
    EXPECT_EQ(speed_2(), 0.0);
    EXPECT_EQ(host.get(id(vk::Var::thrust_2)), 0.0);

    host.set(level, vkhost::kFullLevel);
    EXPECT_TRUE(vkhost::engine_has_fuel(host, 1));
    for (auto [var, value] :
         {std::pair{vk::Var::fuel_valve_2, 0.0}, std::pair{vk::Var::engine_failed_2, 1.0},
          std::pair{vk::Var::fuel_control_2, 0.0}}) {
        const double was = host.get(id(var));
        host.set(id(var), value);
        EXPECT_FALSE(vkhost::engine_has_fuel(host, 1));
        host.set(id(var), was);
    }
    host.set_int(id(vk::Var::fuel_selector_2), 0);
    EXPECT_FALSE(vkhost::engine_has_fuel(host, 1));
}

}  // namespace
}  // namespace vktest
