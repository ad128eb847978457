// The battery: its current from the switches and generators, its charge over
// simulated time at each rate, and a clock that leaps forward or back.
#include "dc_fixture.h"

namespace vktest {
namespace {

using vk::elec;

TEST_F(DcPanel, TadgLoadDrainsOneUnitPerSecondUntilTheBusesDrop) {
    place({"elec_bus_bat_vk"});  // master at battery, selector normal, TADG on
    frames(1);
    EXPECT_EQ(elec.battery_amps, -50);
    EXPECT_EQ(elec.bat_norm_amps, -50);
    EXPECT_EQ(elec.bat_stby_amps, -50);
    seconds(100);
    EXPECT_EQ(elec.battery_charge, 1700);
    host.run_frames(1799 * 18 - static_cast<int>(host.frame()));  // t = 1799.0 s
    EXPECT_EQ(elec.battery_charge, 1);
    EXPECT_TRUE(elec.main_bus_powered && elec.bat_bus_powered && elec.ess_bus_powered);
    seconds(1);  // t = 1800 s: flat
    EXPECT_EQ(elec.battery_charge, 0);
    EXPECT_FALSE(elec.main_bus_powered || elec.bat_bus_powered || elec.ess_bus_powered);
    EXPECT_FALSE(elec.radio1_bus_powered || host.shown("elec_bus_bat_vk", 8));
    EXPECT_EQ(elec.battery_amps, -50);  // still drawn while connected
    EXPECT_EQ(elec.extinguisher_bus_latched, 1);
}

TEST_F(DcPanel, IdleDrainFallsEveryThreeSecondsThenDropsToZeroPastTheCapacity) {
    place({"tadg_sw_vk", "elec_bus_bat_vk"});
    tadg_off();
    frames(1);
    EXPECT_EQ(elec.battery_amps, -10);
    seconds(30);
    EXPECT_EQ(elec.battery_charge, 1790);
    host.run_frames(1800 * 18 - static_cast<int>(host.frame()));
    EXPECT_EQ(elec.battery_charge, 1200);
    EXPECT_TRUE(elec.main_bus_powered);
    seconds(1);  // 1801 s: past the capacity
    EXPECT_EQ(elec.battery_charge, 0);
    EXPECT_FALSE(elec.main_bus_powered);
}

TEST_F(DcPanel, StarterOnStandbyDrawsThreeUnitsPerSecondBelowZero) {
    place({"commut_batt_vk", "elec_bus_bat_vk"});
    host.click("commut_batt_vk", 2);  // from normal straight to standby: refused
    EXPECT_EQ(elec.battery_selector, 1);
    host.click("commut_batt_vk", 1);
    host.click("commut_batt_vk", 2);  // through off
    EXPECT_EQ(elec.battery_selector, 2);
    vk::eng.right_start_light = 1;  // engine 2's starter draws current
    frames(1);
    EXPECT_EQ(elec.battery_amps, -120);
    EXPECT_EQ(elec.bat_stby_amps, -120);
    EXPECT_TRUE(host.shown("commut_batt_vk", 1));
    seconds(100);
    EXPECT_EQ(elec.battery_charge, 1500);
    EXPECT_TRUE(elec.bat_bus_powered);
    EXPECT_FALSE(elec.main_bus_powered);  // standby feeds the battery bus only
    seconds(500);
    EXPECT_EQ(elec.battery_charge, 0);
    EXPECT_FALSE(elec.bat_bus_powered);
    host.run_frames(1800 * 18 - static_cast<int>(host.frame()));
    EXPECT_EQ(elec.battery_charge, -3600);
    seconds(1);
    EXPECT_EQ(elec.battery_charge, 0);
}

TEST_F(DcPanel, ChargesFromTheGeneratorsUpToTheCapacityAndNoFurther) {
    place({"elec_bus_bat_vk"});
    seconds(100);  // discharged to 1700 at -50
    engines(60, 60);
    frames(1);
    // The current still follows the generators of the frame before.
    EXPECT_TRUE(elec.gen1_on && elec.gen2_on);
    EXPECT_EQ(elec.battery_amps, -50);
    frames(1);
    EXPECT_EQ(elec.battery_amps, 50);
    seconds(20);
    EXPECT_EQ(elec.battery_charge, 1720);
    seconds(40);  // within 50 of full: the current is what is left to fill
    EXPECT_EQ(elec.battery_charge, 1760);
    EXPECT_EQ(elec.battery_amps, 40);
    host.jump_clock(10);
    for (int f = 0; f < 18 * 60; ++f) {
        frames(1);
        ASSERT_LE(elec.battery_charge, 1800) << "frame " << f;
        ASSERT_GE(elec.battery_amps, 0) << "frame " << f;
    }
    EXPECT_EQ(elec.battery_charge, 1800);
    EXPECT_EQ(elec.battery_amps, 0);
}

TEST_F(DcPanel, ClockLeapsNeitherWrapNorOverflowTheCharge) {
    place({"elec_mas_sw_vk", "elec_bus_bat_vk"});
    seconds(100);  // 1700
    engines(60, 60);
    seconds(5);
    EXPECT_EQ(elec.battery_amps, 50);
    master(0);  // battery disconnected while its charge phase stays open
    seconds(1);
    EXPECT_EQ(elec.battery_amps, 0);
    host.jump_clock(100000);  // time acceleration: 28 hours in a frame
    seconds(1);
    master(2);
    for (int f = 0; f < 36; ++f) {
        frames(1);
        ASSERT_GE(elec.battery_charge, 1700) << "wrapped round at frame " << f;
        ASSERT_LE(elec.battery_charge, 1800) << "above the capacity at frame " << f;
    }
    EXPECT_EQ(elec.battery_charge, 1800);

    engines(0, 0);  // a discharge starts at the present clock
    seconds(10);
    EXPECT_EQ(elec.battery_charge, 1790);
    host.jump_clock(-3600);  // the clock set back below the phase start
    seconds(2);
    EXPECT_LE(elec.battery_phase_elapsed_s, 2u);  // not about four billion
    EXPECT_GE(elec.battery_charge, 1798);
    EXPECT_TRUE(elec.main_bus_powered);
    seconds(5);
    EXPECT_EQ(elec.battery_charge, 1800 - static_cast<int>(elec.battery_phase_elapsed_s));
}

TEST_F(DcPanel, SelectorOffLeavesTheBatteryBusAndReadsNoCapacity) {
    place({"tadg_sw_vk", "commut_batt_vk", "elec_bus_bat_vk"});
    host.click("commut_batt_vk", 1);
    seconds(10);
    EXPECT_EQ(elec.battery_capacity, 0u);
    EXPECT_EQ(elec.battery_charge, 890);  // a discharge counts down from 900
    EXPECT_TRUE(elec.bat_bus_powered);
    EXPECT_FALSE(elec.main_bus_powered || elec.battery_on_main);
    EXPECT_TRUE(elec.ess_bus_powered);  // fed from the battery bus
    EXPECT_TRUE(host.shown("elec_bus_bat_vk", 5));
    EXPECT_FALSE(host.shown("elec_bus_bat_vk", 6));
    EXPECT_EQ(elec.bat_stby_amps, 0);  // the standby ammeter is not in circuit

    host.click("elec_bus_bat_vk", 1);  // essential bus from the main bus
    frames(1);
    EXPECT_FALSE(elec.ess_bus_powered);
    EXPECT_TRUE(host.shown("elec_bus_bat_vk", 2) && !host.shown("elec_bus_bat_vk", 1));
    EXPECT_FALSE(host.shown("tadg_sw_vk", 5));  // the TADG off lamp needs the bus
    host.click("commut_batt_vk", 0);
    frames(1);
    EXPECT_TRUE(elec.ess_bus_powered && elec.main_bus_powered);
    for (int k : {5, 6, 7, 8, 9}) EXPECT_TRUE(host.shown("elec_bus_bat_vk", k)) << k;
    EXPECT_FALSE(host.shown("elec_bus_bat_vk", 3) || host.shown("elec_bus_bat_vk", 4));
}

}  // namespace
}  // namespace vktest
