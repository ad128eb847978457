// Tank contents from the host's levels and capacities, the tank needles with
// their test sweeps, and the fuel-used counters.
#include <cmath>
#include <limits>

#include "support.h"

namespace vktest {
namespace {

constexpr double kFull = 8388608.0;
// Kilograms of fuel per gallon at the host's default 6.7 lb/gal.
constexpr double kKgPerGallon = 6.7 * 0.453;

class FuelQuantity : public LinkedHost {
  protected:
    FuelQuantity() {
        vk::elec.ac_conv_out_b = 1;
        vk::elec.gen_supply_on = 1;
    }
    void level(vk::Var v, double fraction) { host.set(id(v), fraction * kFull); }
};

TEST_F(FuelQuantity, ContentsFromLevelsAndCapacities) {
    host.place("fuel_qtty_main_left_vk");
    host.place("fuel_qtty_aux_left_vk");
    host.place("fuel_qtty_main_right_vk");
    level(vk::Var::left_tank_2_level, 0.5);  // the larger left tank is the main one
    level(vk::Var::right_tank_1_level, 0.25);
    host.run_frames(1);
    EXPECT_NEAR(vk::fuel.left_main_kg, 0.5 * 1500 * kKgPerGallon, 1e-6);
    EXPECT_NEAR(vk::fuel.left_main_litres, 50.0 * 1500 * 3.84 / 100, 1e-6);
    EXPECT_NEAR(vk::fuel.right_main_kg, 1500 * kKgPerGallon, 1e-6);  // right main untouched
    // The aux dial is graduated for ten times the main formula.
    EXPECT_NEAR(vk::fuel.left_aux_kg, 10 * 300 * kKgPerGallon, 1e-6);

    // Equal capacities: the main gauge shows the second tank, the aux the first.
    host.set(id(vk::Var::left_tank_1_capacity), 1500.0);
    level(vk::Var::left_tank_1_level, 0.2);
    host.run_frames(1);
    EXPECT_NEAR(vk::fuel.left_main_kg, 0.5 * 1500 * kKgPerGallon, 1e-6);
    EXPECT_NEAR(vk::fuel.left_aux_kg, 10 * 0.2 * 1500 * kKgPerGallon, 1e-6);

    // One tank a side: the aux dial shows the centre tank's percent x 100,
    // and keeps its last value while there is no centre tank either.
    host.set(id(vk::Var::left_tank_2_capacity), 0.0);
    host.run_frames(1);
    EXPECT_NEAR(vk::fuel.left_aux_kg, 10 * 0.2 * 1500 * kKgPerGallon, 1e-6);
    host.set(id(vk::Var::centre_tank_capacity), 800.0);
    level(vk::Var::centre_tank_level, 0.3);
    host.run_frames(1);
    EXPECT_NEAR(vk::fuel.left_aux_kg, 3000.0, 1e-6);
    // The main tank is then the first one.
    EXPECT_NEAR(vk::fuel.left_main_kg, 0.2 * 1500 * kKgPerGallon, 1e-6);
}

TEST_F(FuelQuantity, NeedleFollowsOnlyWithConverterAndSweepsOnTest) {
    host.place("fuel_qtty_main_left_vk");
    host.place("fuel_testsw_main_left_vk");
    level(vk::Var::left_tank_2_level, 3000.0 / (1500 * kKgPerGallon));
    vk::elec.ac_conv_out_b = 0;
    host.run_frames(3);
    EXPECT_EQ(vk::fuel.left_main_shown, 0.0);  // frozen without the converter
    vk::elec.ac_conv_out_b = 1;
    host.run_frames(1);
    EXPECT_EQ(vk::fuel.left_main_shown, 500.0);  // far below: 500 a frame
    host.run_frames(6);
    EXPECT_NEAR(vk::fuel.left_main_shown, 3000.0, 1e-9);  // within 100: takes the contents
    EXPECT_NEAR(host.needle_angle("fuel_qtty_main_left_vk", 1), -18.0, 0.5);

    host.click("fuel_testsw_main_left_vk", 0);
    host.run_frames(1);
    EXPECT_NEAR(vk::fuel.left_main_shown, 3100.0, 1e-9);
    host.run_frames(39);
    EXPECT_NEAR(vk::fuel.left_main_shown, 7000.0, 1e-9);
    EXPECT_EQ(vk::fuel.left_main_test_phase, 1);
    host.run_frames(1);
    EXPECT_NEAR(vk::fuel.left_main_shown, 6750.0, 1e-9);
    vk::elec.ac_conv_out_b = 0;  // the sweep waits for the converter
    host.run_frames(5);
    EXPECT_NEAR(vk::fuel.left_main_shown, 6750.0, 1e-9);
    vk::elec.ac_conv_out_b = 1;
    host.run_frames(15);  // 250 a frame, down to 3000 itself ...
    EXPECT_NEAR(vk::fuel.left_main_shown, 3000.0, 1e-9);
    EXPECT_EQ(vk::fuel.left_main_test, 1);
    host.run_frames(1);  // ... then within 100 above the contents: the test ends
    EXPECT_NEAR(vk::fuel.left_main_shown, 3000.0, 1e-9);
    EXPECT_EQ(vk::fuel.left_main_test, 0);
    EXPECT_EQ(vk::fuel.left_main_test_phase, 0);

    // Contents beyond the dial: the needle is held at its top.
    host.set(id(vk::Var::left_tank_2_capacity), 3000.0);
    level(vk::Var::left_tank_2_level, 1.0);
    host.run_frames(20);
    EXPECT_EQ(vk::fuel.left_main_shown, 7000.0);
}

TEST_F(FuelQuantity, AuxTestRisesFasterAndTheRightMainHasNoButton) {
    host.place("fuel_qtty_aux_right_vk");
    host.place("fuel_testsw_aux_right_vk");
    host.run_frames(30);
    const double contents = vk::fuel.right_aux_kg;
    EXPECT_NEAR(vk::fuel.right_aux_shown, contents, 1e-9);
    host.click("fuel_testsw_aux_right_vk", 0);
    host.run_frames(1);
    EXPECT_NEAR(vk::fuel.right_aux_shown, contents + 250.0, 1e-9);
    EXPECT_EQ(host.area(host.gauge("fuel_qtty_main_right_vk"), 0), nullptr);
}

// ---------------------------------------------------------------- fuel used

// Kilograms added per integration step at 14400 lb/h.
constexpr double kStepKg = 1.3407037 * 0.453;

class FuelUsed : public FuelQuantity {
  protected:
    FuelUsed() {
        host.place("fuelused_1_vk");
        host.set(id(vk::Var::fuel_flow_1), 14400.0);
    }
    double drum(int k) { return host.view(host.element("fuelused_1_vk", k)).value_y; }
};

TEST_F(FuelUsed, IntegratesEveryStepOnlyWithSupplyAndResets) {
    // A step is armed on one frame and taken five frames later: three a second.
    host.run_frames(36);
    EXPECT_NEAR(vk::fuel.fuel_used_1_kg, 6 * kStepKg, 1e-9);

    vk::elec.gen_supply_on = 0;
    host.run_frames(36);
    EXPECT_NEAR(vk::fuel.fuel_used_1_kg, 6 * kStepKg, 1e-9);
    vk::elec.gen_supply_on = 1;
    vk::elec.ac_conv_out_b = 0;
    host.run_frames(36);
    EXPECT_NEAR(vk::fuel.fuel_used_1_kg, 6 * kStepKg, 1e-9);
    vk::elec.ac_conv_out_b = 1;

    // A flow that is no number adds nothing and loses nothing.
    host.set(id(vk::Var::fuel_flow_1), std::numeric_limits<double>::quiet_NaN());
    host.run_frames(36);
    EXPECT_NEAR(vk::fuel.fuel_used_1_kg, 6 * kStepKg, 1e-9);

    host.click("fuelused_1_vk", 0);
    host.run_frames(1);
    EXPECT_EQ(vk::fuel.fuel_used_1_kg, 0.0);
    EXPECT_EQ(vk::fuel.fuel_used_1_reset, 0);
    EXPECT_TRUE(host.shown("fuelused_1_vk", 7));  // pressed
    EXPECT_FALSE(host.shown("fuelused_1_vk", 6));
    host.run_frames(9);
    EXPECT_TRUE(host.shown("fuelused_1_vk", 7));  // pressed for ten frames
    host.run_frames(1);
    EXPECT_TRUE(host.shown("fuelused_1_vk", 6));
    EXPECT_FALSE(host.shown("fuelused_1_vk", 7));
}

TEST_F(FuelUsed, KeepsCountingWhenHostTimeStepsBack) {
    host.run_frames(8);  // one step taken, the next pending
    ASSERT_EQ(vk::fuel.fuel_used_1_timing, 1);
    const double before = vk::fuel.fuel_used_1_kg;
    // The host's clock goes back an hour: the pending step is re-armed at
    // once instead of waiting for the clock to come back.
    host.set(id(vk::Var::fuel_used_clock), host.get(id(vk::Var::fuel_used_clock)) - 3600.0);
    host.run_frames(18);
    EXPECT_GE(vk::fuel.fuel_used_1_kg, before + 2 * kStepKg);
    // A jump back by less than a step just waits for it.
    host.run_frames(3);
    const double pending = vk::fuel.fuel_used_1_next_time;
    host.set(id(vk::Var::fuel_used_clock), host.get(id(vk::Var::fuel_used_clock)) - 0.1);
    host.run_frames(1);
    EXPECT_EQ(vk::fuel.fuel_used_1_next_time, pending);
}

TEST_F(FuelUsed, DrumsRollOnlyWhileTheDrumsBelowPassNine) {
    host.set(id(vk::Var::fuel_flow_1), 0.0);
    vk::fuel.fuel_used_1_kg = 9999.95;
    host.run_frames(1);
    EXPECT_NEAR(drum(1), 0.95, 1e-6);  // ten-thousands rolling towards 1
    EXPECT_NEAR(drum(2), 9.95, 1e-6);
    EXPECT_NEAR(drum(5), 9.95, 1e-6);  // units
    vk::fuel.fuel_used_1_kg = 10000.0;
    host.run_frames(1);
    EXPECT_NEAR(drum(1), 1.0, 1e-9);
    EXPECT_NEAR(drum(2), 0.0, 1e-9);
    vk::fuel.fuel_used_1_kg = 1234.5;
    host.run_frames(1);
    EXPECT_NEAR(drum(1), 0.0, 1e-9);
    EXPECT_NEAR(drum(2), 1.0, 1e-9);
    EXPECT_NEAR(drum(3), 2.0, 1e-9);
    EXPECT_NEAR(drum(4), 3.0, 1e-9);
    EXPECT_NEAR(drum(5), 4.5, 1e-9);
    vk::fuel.fuel_used_1_kg = std::numeric_limits<double>::infinity();
    host.run_frames(1);
    EXPECT_EQ(drum(1), 0.0);
}

}  // namespace
}  // namespace vktest
