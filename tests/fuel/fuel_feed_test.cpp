// The fuel feed: pumps from the bus flags and tank contents, the low-pressure
// latch, the feed pressure frame by frame, the tank each engine is fed from
// and the host selector and valve commands.
#include <string>
#include <vector>

#include "support.h"

namespace vktest {
namespace {

class FuelFeed : public LinkedHost {
  protected:
    FuelFeed() {
        vk::elec.ess_bus_powered = 1;
        vk::elec.main_bus_powered = 1;
        vk::elec.instrument_ac_powered = 1;
    }
    void place_feed() {
        for (const char* g : {"fuel_pumps_lh_vk", "fuel_pumps_rh_vk", "fuel_press_vk",
                              "fuel_valves_lh_vk", "fuel_valves_rh_vk", "fuel_crossfeed_vk"})
            host.place(g);
    }
    int32_t selector_1() const {
        return static_cast<int32_t>(host.get(id(vk::Var::fuel_selector_1)));
    }
    int32_t selector_2() const {
        return static_cast<int32_t>(host.get(id(vk::Var::fuel_selector_2)));
    }
    std::vector<std::string> sounds(size_t mark) const {
        std::vector<std::string> names;
        for (const auto& s : host.sounds_since(mark)) names.push_back(s.name);
        return names;
    }
    void all_left_pumps_off() {
        vk::fuel.left_pump_a_switch = 0;
        vk::fuel.left_pump_b_switch = 0;
        vk::fuel.left_pump_d_switch = 0;
    }
};

TEST_F(FuelFeed, PumpsRunFromTheirBusesAndTheAutomaticOneBelow200Kg) {
    host.place("toggle_pan_start");  // the gauge that loads the sound set
    host.place("fuel_pumps_lh_vk");
    host.run_frames(1);
    // Switches at load: A on, B automatic, C off, D on; the tank holds 200 kg.
    EXPECT_EQ(vk::fuel.left_pump_a_running, 1);
    EXPECT_EQ(vk::fuel.left_pump_b_running, 0);  // exactly 200 kg: not below
    EXPECT_EQ(vk::fuel.left_pump_c_running, 0);
    EXPECT_EQ(vk::fuel.left_pump_d_running, 1);
    EXPECT_TRUE(host.shown("fuel_pumps_lh_vk", 8));   // B drawn down: automatic
    EXPECT_FALSE(host.shown("fuel_pumps_lh_vk", 4));  // A's middle picture never
    vk::fuel.left_main_kg = 199.9;
    host.run_frames(1);
    EXPECT_EQ(vk::fuel.left_pump_b_running, 1);
    EXPECT_TRUE(host.shown("fuel_pumps_lh_vk", 21));  // low level

    const size_t m = host.mark();
    host.click("fuel_pumps_lh_vk", 5);  // pump C on
    host.click("fuel_pumps_lh_vk", 5);  // already on: no second click
    host.click("fuel_pumps_lh_vk", 3);  // pump B off
    host.click("fuel_pumps_lh_vk", 0);  // pump A "on" from its load position 2
    EXPECT_EQ(sounds(m), (std::vector<std::string>{"CLICK", "CLICK", "CLICK"}));
    EXPECT_EQ(vk::fuel.left_pump_a_switch, 1);
    host.run_frames(1);
    EXPECT_EQ(vk::fuel.left_pump_c_running, 1);
    EXPECT_EQ(vk::fuel.left_pump_b_running, 0);
    EXPECT_TRUE(host.shown("fuel_pumps_lh_vk", 7));  // B in the middle
    EXPECT_FALSE(host.shown("fuel_pumps_lh_vk", 8));

    // The essential bus runs A and C, the main bus B and D.
    vk::elec.main_bus_powered = 0;
    host.run_frames(1);
    EXPECT_EQ(vk::fuel.left_pump_a_running + vk::fuel.left_pump_c_running, 2);
    EXPECT_EQ(vk::fuel.left_pump_d_running, 0);
    vk::elec.main_bus_powered = 1;
    vk::elec.ess_bus_powered = 0;
    host.run_frames(1);
    EXPECT_EQ(vk::fuel.left_pump_a_running + vk::fuel.left_pump_c_running, 0);
    EXPECT_EQ(vk::fuel.left_pump_d_running, 1);
    EXPECT_FALSE(host.shown("fuel_pumps_lh_vk", 21));  // low level needs the essential bus

    // Night pictures replace the day ones.
    vk::panel.night_lighting = 1;
    host.run_frames(1);
    EXPECT_FALSE(host.shown("fuel_pumps_lh_vk", 3));
    EXPECT_TRUE(host.shown("fuel_pumps_lh_vk", 13));
}

TEST_F(FuelFeed, LowPressureLatchClearsOnlyAfterPumpDHasRun) {
    host.place("fuel_pumps_rh_vk");
    vk::fuel.right_feed_pressure = 100;
    host.run_frames(1);
    EXPECT_EQ(vk::fuel.right_low_pressure_light, 1);
    EXPECT_TRUE(host.shown("fuel_pumps_rh_vk", 23));
    host.set(id(vk::Var::nav_light_a), 1.0);  // the alternate picture
    host.run_frames(1);
    EXPECT_FALSE(host.shown("fuel_pumps_rh_vk", 23));
    EXPECT_TRUE(host.shown("fuel_pumps_rh_vk", 24));
    vk::elec.main_bus_powered = 0;
    host.run_frames(1);
    EXPECT_FALSE(host.shown("fuel_pumps_rh_vk", 24));  // dark without the main bus
    EXPECT_EQ(vk::fuel.right_pump_d_running, 0);
    // Pressure back, but pump D did not run last frame: the latch holds ...
    vk::fuel.right_feed_pressure = 250;
    vk::elec.main_bus_powered = 1;
    host.run_frames(1);
    EXPECT_EQ(vk::fuel.right_low_pressure_light, 1);
    host.run_frames(1);  // ... until it has.
    EXPECT_EQ(vk::fuel.right_low_pressure_light, 0);
    // With switch D off the latch simply follows the pressure.
    host.click("fuel_pumps_rh_vk", 8);
    vk::fuel.right_feed_pressure = 110;
    host.run_frames(1);
    EXPECT_EQ(vk::fuel.right_low_pressure_light, 1);
    EXPECT_EQ(vk::fuel.right_pump_d_running, 0);
    vk::fuel.right_feed_pressure = 111;
    host.run_frames(1);
    EXPECT_EQ(vk::fuel.right_low_pressure_light, 0);
}

TEST_F(FuelFeed, PressureRisesAndFallsPerFrameAndNeverBelowZero) {
    place_feed();
    host.run_frames(6);
    EXPECT_EQ(vk::fuel.left_feed_pressure, 250);  // A and D: +10 a frame, settled at 250
    EXPECT_EQ(vk::fuel.left_pressure_shown, 250);

    all_left_pumps_off();
    host.set(id(vk::Var::engine_speed_1), 30.0);  // turning: suction, -10 a frame
    host.run_frames(2);
    EXPECT_EQ(vk::fuel.left_feed_pressure, 230);
    host.set(id(vk::Var::engine_speed_1), 20.0);  // not above 20: -3 a frame
    host.run_frames(1);
    EXPECT_EQ(vk::fuel.left_feed_pressure, 227);
    host.set(id(vk::Var::engine_speed_1), 50.0);
    host.run_frames(30);
    EXPECT_EQ(vk::fuel.left_feed_pressure, 0);

    // Pump C alone: +5 a frame, exactly 250 at the end.
    vk::fuel.left_pump_c_switch = 1;
    host.run_frames(1);
    EXPECT_EQ(vk::fuel.left_feed_pressure, 5);
    host.run_frames(60);
    EXPECT_EQ(vk::fuel.left_feed_pressure, 250);

    // Without the instrument supply the needles freeze.
    vk::elec.instrument_ac_powered = 0;
    vk::fuel.left_pump_c_switch = 0;
    host.run_frames(5);
    EXPECT_EQ(vk::fuel.left_feed_pressure, 200);
    EXPECT_EQ(vk::fuel.left_pressure_shown, 250);
    EXPECT_NEAR(host.needle_angle("fuel_press_vk", 1), 0.0, 0.5);  // 250 at the top
}

TEST_F(FuelFeed, CrossfeedCopiesTheOtherSidesPressureInOrder) {
    place_feed();
    host.run_frames(6);
    host.click("fuel_crossfeed_vk", 0);
    EXPECT_EQ(vk::fuel.crossfeed_open, 1);
    all_left_pumps_off();
    vk::fuel.right_feed_pressure = 180;  // the right side then rises by 10
    host.run_frames(1);
    EXPECT_EQ(vk::fuel.left_feed_pressure, 180);  // the right value from before its update
    EXPECT_EQ(vk::fuel.right_feed_pressure, 190);

    // The right side with no pumps copies this frame's left pressure.
    vk::fuel.left_pump_a_switch = 2;
    vk::fuel.right_pump_a_switch = 0;
    vk::fuel.right_pump_b_switch = 0;
    vk::fuel.right_pump_d_switch = 0;
    host.run_frames(1);
    EXPECT_EQ(vk::fuel.left_feed_pressure, 190);
    EXPECT_EQ(vk::fuel.right_feed_pressure, 190);
    EXPECT_TRUE(host.shown("fuel_crossfeed_vk", 3));  // lamp: open
    vk::elec.ess_bus_powered = 0;
    host.run_frames(1);
    EXPECT_FALSE(host.shown("fuel_crossfeed_vk", 3));
    EXPECT_FALSE(host.shown("fuel_crossfeed_vk", 4));
}

struct SelectorCase {
    const char* what;
    double altitude;
    double speed_1;
    int16_t left_pressure;
    bool left_pumps;  // A and D on; C on as well when `pump_c`
    bool pump_c;
    bool left_valve;
    bool crossfeed;
    int32_t host_selector_2;
    int32_t expected;
};

TEST_F(FuelFeed, SelectorChoosesTheTankEngineOneIsFedFrom) {
    const SelectorCase cases[] = {
        {"self-fed by pumps A and D", 0, 45, 250, true, false, true, false, 5, 4},
        {"pump C runs", 0, 45, 250, true, true, true, false, 5, 2},
        {"no pressure, suction below 17000 ft", 16999, 20, 0, false, false, true, false, 5, 4},
        {"no pressure above 17000 ft", 17000, 45, 0, false, false, true, false, 5, 0},
        {"no pressure, engine not turning", 0, 19.9, 0, false, false, true, false, 5, 0},
        {"valve closed", 0, 45, 250, true, false, false, false, 5, 0},
        {"fed across from engine 2's tank 3", 30000, 45, 0, false, false, true, true, 3, 3},
        {"fed across from engine 2's tank 5", 30000, 45, 0, false, false, false, true, 5, 5},
        {"engine 2 on a left tank: none", 30000, 45, 0, false, false, false, true, 4, 0},
    };
    place_feed();
    for (const SelectorCase& c : cases) {
        SCOPED_TRACE(c.what);
        host.set(id(vk::Var::altitude), c.altitude);
        host.set(id(vk::Var::engine_speed_1), c.speed_1);
        host.set_int(id(vk::Var::fuel_selector_2), c.host_selector_2);
        vk::fuel.left_pump_a_switch = vk::fuel.left_pump_d_switch = c.left_pumps;
        vk::fuel.left_pump_b_switch = 0;
        vk::fuel.left_pump_c_switch = c.pump_c;
        vk::fuel.left_lp_valve_switch = vk::fuel.left_lp_valve_open = c.left_valve;
        vk::fuel.crossfeed_open = c.crossfeed;
        vk::fuel.right_pump_c_switch = 1;  // the right side keeps 250 and selector 3
        vk::fuel.left_feed_pressure = c.left_pressure;
        vk::fuel.right_feed_pressure = 250;
        host.run_frames(1);
        EXPECT_EQ(selector_1(), c.expected);
    }
}

TEST_F(FuelFeed, RightSideUsesItsOwnCeilingAndTheLeftPanelsReading) {
    place_feed();
    vk::fuel.right_pump_a_switch = vk::fuel.right_pump_b_switch = vk::fuel.right_pump_d_switch = 0;
    vk::fuel.right_feed_pressure = 0;
    host.set(id(vk::Var::engine_speed_2), 40.0);
    host.set(id(vk::Var::altitude), 18000.0);  // above the left ceiling, below the right one
    host.run_frames(2);
    EXPECT_EQ(selector_2(), 5);  // suction
    host.set(id(vk::Var::altitude), 20000.0);
    host.run_frames(2);
    EXPECT_EQ(selector_2(), 0);

    // With its valve shut, across from engine 1's tank 2 or 4, whichever
    // engine 1 is on.
    vk::fuel.crossfeed_open = 1;
    vk::fuel.right_lp_valve_switch = vk::fuel.right_lp_valve_open = 0;
    vk::fuel.left_pump_c_switch = 1;
    host.run_frames(3);
    EXPECT_EQ(selector_1(), 2);
    EXPECT_EQ(selector_2(), 2);

    // Without the left panel the right one works from the last reading.
    host.unload();
    host.place("fuel_pumps_rh_vk");
    const size_t m = host.mark();
    host.set_int(id(vk::Var::fuel_selector_2), 0);
    host.run_frames(3);
    EXPECT_EQ(sent(m, vk::Key::fuel_selector_2_tank_2), 0);  // still believes it is 2
}

TEST_F(FuelFeed, SelectorEventSentOnceUntilTheHostReadsBack) {
    place_feed();
    const size_t m = host.mark();
    host.run_frames(10);
    EXPECT_EQ(sent(m, vk::Key::fuel_selector_1_tank_4), 1);
    EXPECT_EQ(sent(m, vk::Key::fuel_selector_2_tank_5), 1);
    EXPECT_EQ(selector_1(), 4);
    EXPECT_EQ(selector_2(), 5);
    // Read back as 6 when the host has an unknown value: commanded again.
    host.set_int(id(vk::Var::fuel_selector_1), 1);
    host.run_frames(1);
    EXPECT_EQ(vk::fuel.host_selector_1, 6);
    EXPECT_EQ(sent(m, vk::Key::fuel_selector_1_tank_4), 2);
    host.run_frames(3);
    EXPECT_EQ(sent(m, vk::Key::fuel_selector_1_tank_4), 2);
    EXPECT_EQ(vk::fuel.host_selector_1, 4);
    // Without the essential bus each side counts as self-fed.
    vk::elec.ess_bus_powered = 0;
    vk::fuel.crossfeed_open = 1;
    vk::fuel.left_lp_valve_open = 0;
    host.run_frames(1);
    EXPECT_EQ(selector_1(), 0);
}

TEST_F(FuelFeed, HostValvesFollowTheSwitchesWithTheEssentialBus) {
    host.place("toggle_pan_start");
    place_feed();
    host.run_frames(2);
    const size_t m = host.mark();
    host.click("fuel_valves_lh_vk", 3);  // the second switch down closes the one valve
    host.click("fuel_valves_lh_vk", 1);  // the first one: already down, no sound
    EXPECT_EQ(vk::fuel.left_lp_valve_switch, 0);
    EXPECT_EQ(vk::fuel.left_lp_valve_open, 0);
    EXPECT_EQ(sounds(m), std::vector<std::string>{"CLICK"});
    host.run_frames(5);
    EXPECT_EQ(sent(m, vk::Key::fuel_valve_1_toggle), 1);
    EXPECT_EQ(host.get(id(vk::Var::fuel_valve_1)), 0.0);
    EXPECT_TRUE(host.shown("fuel_valves_lh_vk", 2));
    EXPECT_TRUE(host.shown("fuel_valves_lh_vk", 4));
    EXPECT_TRUE(host.shown("fuel_valves_lh_vk", 6));  // lamps: shut
    EXPECT_TRUE(host.shown("fuel_valves_lh_vk", 8));

    // Crossfeed open with engine 2's valve open: valve 1 opens to feed across.
    host.click("fuel_crossfeed_vk", 0);
    host.run_frames(3);
    EXPECT_EQ(host.get(id(vk::Var::fuel_valve_1)), 1.0);
    EXPECT_TRUE(host.shown("fuel_valves_lh_vk", 6));  // the lamp follows the switch too

    // Without the essential bus nothing is sent and the lamps are dark.
    host.click("fuel_crossfeed_vk", 1);
    vk::elec.ess_bus_powered = 0;
    const size_t dark = host.mark();
    host.run_frames(3);
    EXPECT_EQ(sent(dark, vk::Key::fuel_valve_1_toggle), 0);
    EXPECT_EQ(host.get(id(vk::Var::fuel_valve_1)), 1.0);
    for (int k = 5; k <= 8; ++k) EXPECT_FALSE(host.shown("fuel_valves_lh_vk", k));
    vk::elec.ess_bus_powered = 1;
    host.run_frames(3);
    EXPECT_EQ(host.get(id(vk::Var::fuel_valve_1)), 0.0);
}

}  // namespace
}  // namespace vktest
