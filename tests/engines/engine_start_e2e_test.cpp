// End to end: a cold aircraft taken by its crew, through the panels only, to
// two running engines on their generators, burning from the right tanks; then
// in flight an engine starved by its pumps switched off and the crossfeed
// closed, and relit.

#include "gauges/engines/engine_sides.h"
#include "host/crew.h"
#include "host/effects/engines.h"
#include "host/effects/fuel.h"
#include "support.h"

namespace vktest {
namespace {

class EngineStartEndToEnd : public LinkedHost {
  protected:
    EngineStartEndToEnd() : crew(host) {
        crew.place_power_plant_panels();
        host.provide_named("airport_extpwr_connected", 0.0);
    }
    double get(vk::Var v) const { return host.get(id(v)); }
    // Starts one engine from the start panel and checks the start frame by
    // frame: the starter turns on every frame of the start until the engine
    // reaches 40 %. The second engine's start may end on ground power
    // dropping off at 40 % rather than on its speed passing 40 %.
    void start_engine(int n) {
        const vk::Var speed = n == 1 ? vk::Var::engine_speed_1 : vk::Var::engine_speed_2;
        const vk::Key starter = n == 1 ? vk::Key::starter_1 : vk::Key::starter_2;
        const vk::Key other = n == 1 ? vk::Key::starter_2 : vk::Key::starter_1;
        const uint8_t& request = n == 1 ? vk::eng.left_start_request : vk::eng.right_start_request;
        crew.start_selector(n);
        crew.press_start();
        const size_t m = host.mark();
        int frames = 0;
        for (;;) {
            const size_t f = host.mark();
            host.run_frames(1);
            ++frames;
            if (!request) break;
            ASSERT_EQ(sent(f, starter), 1) << "engine " << n << ", frame " << frames;
            ASSERT_LT(frames, 990);
        }
        EXPECT_GE(get(speed), vk::kStartEndPercent);
        EXPECT_GE(sent(m, starter), frames - 1);
        EXPECT_EQ(sent(m, other), 0);
        ASSERT_TRUE(crew.wait_until([&] { return get(speed) >= vkhost::kIdleSpeed; }, 10.0));
    }

    vkhost::Crew crew;
};

TEST_F(EngineStartEndToEnd, ColdAircraftToTwoRunningEnginesThenAStarvedEngineRelit) {
    host.run_seconds(1.0);
    EXPECT_EQ(get(vk::Var::engine_speed_1) + get(vk::Var::engine_speed_2), 0.0);

    // Ground power on the DC network powers the buses and the fuel pumps.
    crew.master_switch(1);
    crew.ground_power_button();
    ASSERT_TRUE(crew.wait_until([] { return vk::elec.gpu_on_dc != 0; }, 3.0));
    host.run_seconds(2.0);
    EXPECT_EQ(vk::elec.ess_bus_powered, 1);
    EXPECT_EQ(vk::elec.main_bus_powered, 1);
    EXPECT_EQ(host.named("airport_extpwr_connected"), 1.0);
    EXPECT_EQ(vk::eng.start_supply_volts, 112);
    EXPECT_EQ(vk::fuel.left_pump_a_running + vk::fuel.left_pump_d_running, 2);
    EXPECT_EQ(vk::fuel.left_feed_pressure, 250);
    EXPECT_EQ(get(vk::Var::fuel_selector_1), 4.0);
    EXPECT_EQ(get(vk::Var::fuel_selector_2), 5.0);
    EXPECT_GE(get(vk::Var::fuel_control_1), 0.5);

    // Engine 2 first; ground power keeps the generators off line.
    crew.start_master(true);
    start_engine(2);
    EXPECT_EQ(get(vk::Var::engine_speed_1), 0.0);
    EXPECT_EQ(vk::elec.gen2_on, 0);
    EXPECT_EQ(vk::elec.gpu_on_dc, 1);
    host.run_seconds(2.0);

    // Engine 1: once both pass 40 % ground power drops off and the
    // generators come on line.
    start_engine(1);
    ASSERT_TRUE(crew.wait_until([] { return vk::elec.gen1_on && vk::elec.gen2_on; }, 3.0));
    EXPECT_EQ(vk::elec.gpu_connected, 0);
    EXPECT_EQ(host.named("airport_extpwr_connected"), 0.0);
    crew.master_switch(2);
    crew.start_master(false);
    crew.start_selector(0);
    host.run_seconds(1.0);
    for (uint8_t bus :
         {vk::elec.gen_supply_on, vk::elec.bat_bus_powered, vk::elec.main_bus_powered,
          vk::elec.ess_bus_powered, vk::elec.gen_bus_powered, vk::elec.dc_bus1_powered,
          vk::elec.dc_bus2_powered, vk::elec.radio1_bus_powered, vk::elec.radio2_bus_powered})
        EXPECT_EQ(bus, 1);
    EXPECT_EQ(vk::elec.battery_connected, 1);
    EXPECT_EQ(vk::eng.start_supply_volts, 0);

    // A minute at idle burns from the second tank of each side only.
    const double left_1 = get(vk::Var::left_tank_1_level);
    const double right_1 = get(vk::Var::right_tank_1_level);
    const double left_2 = get(vk::Var::left_tank_2_level);
    const double right_2 = get(vk::Var::right_tank_2_level);
    host.run_seconds(60.0);
    const double minute = vkhost::kIdleFuelFlow / 60.0 / 6.7 / 1500.0 * vkhost::kFullLevel;
    EXPECT_NEAR(left_2 - get(vk::Var::left_tank_2_level), minute, minute * 0.01);
    EXPECT_NEAR(right_2 - get(vk::Var::right_tank_2_level), minute, minute * 0.01);
    EXPECT_EQ(get(vk::Var::left_tank_1_level), left_1);
    EXPECT_EQ(get(vk::Var::right_tank_1_level), right_1);
    EXPECT_NEAR(get(vk::Var::engine_speed_1), vkhost::kIdleSpeed, 1e-9);
    EXPECT_NEAR(get(vk::Var::engine_speed_2), vkhost::kIdleSpeed, 1e-9);

    // In flight above the suction ceiling: with the crossfeed open the left
    // side keeps its pressure from the right pumps; closed, it starves.
    host.set(id(vk::Var::on_ground), 0.0);
    host.set(id(vk::Var::radio_height), 7000.0);
    host.set(id(vk::Var::altitude), 25000.0);
    host.set(id(vk::Var::indicated_airspeed), 250.0);
    for (int f = 0; f < 36; ++f) {
        crew.throttle(2, true, f > 0);
        host.run_frames(1);
    }
    crew.crossfeed(true);
    crew.pump_a(1, false);
    crew.pump_d(1, false);
    host.run_seconds(5.0);
    EXPECT_GE(vk::fuel.left_feed_pressure, 50);
    EXPECT_EQ(get(vk::Var::fuel_selector_1), 4.0);
    EXPECT_TRUE(host.model<vkhost::EngineModel>().engine[0].burning);
    crew.crossfeed(false);
    host.run_seconds(15.0);
    EXPECT_EQ(vk::fuel.left_feed_pressure, 0);
    EXPECT_EQ(get(vk::Var::fuel_selector_1), 0.0);
    EXPECT_FALSE(host.model<vkhost::EngineModel>().engine[0].burning);
    EXPECT_NEAR(get(vk::Var::engine_speed_1), vkhost::kMaxWindmill, 1e-9);
    EXPECT_TRUE(host.model<vkhost::EngineModel>().engine[1].burning);
    EXPECT_GE(get(vk::Var::engine_speed_2), vk::kRelightOther);

    // Pumps back on and the relight switch held up: relit, back to idle.
    crew.pump_a(1, true);
    crew.pump_d(1, true);
    host.run_seconds(2.0);
    EXPECT_EQ(get(vk::Var::fuel_selector_1), 4.0);
    const size_t m = host.mark();
    for (int f = 0; f < 54; ++f) {
        crew.relight_switch_up(1, f > 0);
        host.run_frames(1);
    }
    EXPECT_GE(sent(m, vk::Key::starter_1), 50);
    EXPECT_TRUE(host.model<vkhost::EngineModel>().engine[0].burning);
    EXPECT_TRUE(
        crew.wait_until([&] { return get(vk::Var::engine_speed_1) >= vkhost::kIdleSpeed; }, 20.0));
}

}  // namespace
}  // namespace vktest
