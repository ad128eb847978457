// The DC panels' own logic: ground power, generator trips with their lamps
// and reset, the master switch and AC voltmeter, and the TADG switch.
#include "dc_fixture.h"

namespace vktest {
namespace {

using vk::elec;

constexpr const char* kExtPower = "airport_extpwr_connected";

TEST_F(DcPanel, GroundPowerConnectsOnlyWhenParkedWithAnEngineBelow40) {
    place();
    EXPECT_EQ(host.tooltip(host.gauge("elec_bus_gen_vk")),
              "ask to connect/disconnect ground power unit");
    engines(55, 30);  // one engine below 40 is enough
    host.click("elec_bus_gen_vk", 0);
    frames(1);
    EXPECT_TRUE(elec.gpu_connected);
    EXPECT_FALSE(elec.gpu_on_dc);  // master still at battery
    EXPECT_EQ(host.named(kExtPower), 1.0);
    master(1);
    frames(1);
    EXPECT_TRUE(elec.gpu_on_dc && elec.gen_supply_on && elec.shed_bus_powered);
    EXPECT_FALSE(elec.gen1_on || elec.battery_connected);
    EXPECT_TRUE(host.shown("elec_bus_gen_vk", 1) && host.shown("elec_mas_sw_vk", 6));
    EXPECT_TRUE(host.shown("elec_mas_sw_vk", 1));  // exactly one master position shown
    EXPECT_FALSE(host.shown("elec_mas_sw_vk", 2) || host.shown("elec_mas_sw_vk", 3));

    host.provide_named(kExtPower, 0.5);  // the airport's own value
    frames(3);
    EXPECT_EQ(host.named(kExtPower), 0.5);  // written on a change only

    engines(55, 45);  // both at 40 or more: dropped, request and all
    frames(1);
    EXPECT_FALSE(elec.gpu_connected || elec.gpu_request || elec.gpu_on_dc);
    EXPECT_EQ(host.named(kExtPower), 0.0);
    engines(0, 0);
    frames(1);
    EXPECT_FALSE(elec.gpu_connected);  // the request has gone with it

    host.set(id(vk::Var::velocity_longitudinal), 2.5);  // rolling
    host.click("elec_bus_gen_vk", 0);
    frames(1);
    EXPECT_FALSE(elec.gpu_connected || elec.gpu_request);
    host.set(id(vk::Var::velocity_longitudinal), 3.0);  // the sum is what counts
    host.set(id(vk::Var::velocity_lateral), -1.5);
    host.click("elec_bus_gen_vk", 0);
    frames(1);
    EXPECT_TRUE(elec.gpu_connected);

    host.set(id(vk::Var::on_ground), 0.0);  // airborne: refused, the airport left alone
    host.set(id(vk::Var::radio_height), 2.5);
    host.provide_named(kExtPower, 1.0);
    frames(1);
    EXPECT_FALSE(elec.gpu_available || elec.gpu_connected || elec.gpu_request);
    EXPECT_EQ(host.named(kExtPower), 1.0);
    host.set(id(vk::Var::radio_height), 2.0);  // within 2 m counts as on the ground
    frames(1);
    EXPECT_TRUE(elec.gpu_available);
    EXPECT_EQ(host.named(kExtPower), 0.0);
}

TEST_F(DcPanel, GeneratorTripLightsTheLampsUntilSwitchedOffAndReset) {
    place();
    engines(60, 60);
    frames(2);
    elec.gen1_tripped = 1;  // set by the failure panel
    frames(1);
    EXPECT_FALSE(elec.gen1_on);
    EXPECT_TRUE(host.shown("elec_breaker_vk", 9));
    EXPECT_FALSE(host.shown("elec_breaker_vk", 10));
    EXPECT_TRUE(host.shown("elec_break_reset_vk", 4));
    EXPECT_EQ(elec.gen1_fault_memory, 2);
    EXPECT_EQ(elec.elec_warning, 1);

    host.click("elec_break_reset_vk", 0);  // a reset before acknowledging: remembered again
    frames(1);
    EXPECT_EQ(elec.gen1_fault_memory, 2);
    EXPECT_TRUE(host.shown("elec_break_reset_vk", 4));
    frames(11);
    EXPECT_TRUE(host.shown("elec_break_reset_vk", 1));  // held over for 12 frames in all
    frames(1);
    EXPECT_TRUE(host.shown("elec_break_reset_vk", 2));

    generator_off(1);
    frames(1);
    EXPECT_EQ(elec.gen1_tripped, 2);
    EXPECT_FALSE(host.shown("elec_breaker_vk", 9));
    EXPECT_TRUE(host.shown("elec_breaker_vk", 3) && host.shown("elec_breaker_vk", 7));
    EXPECT_FALSE(host.shown("elec_breaker_vk", 1) || host.shown("elec_breaker_vk", 5));
    EXPECT_TRUE(host.shown("elec_break_reset_vk", 4));  // memory kept
    EXPECT_EQ(elec.elec_warning, 0);

    host.click("elec_break_reset_vk", 0);
    frames(1);
    EXPECT_EQ(elec.gen1_fault_memory, 0);
    EXPECT_FALSE(host.shown("elec_break_reset_vk", 4));
    frames(11);
    host.click("elec_break_reset_vk", 1);  // the other side
    frames(1);
    EXPECT_TRUE(host.shown("elec_break_reset_vk", 3));
    frames(11);
    host.hold("elec_break_reset_vk", 0, 30);  // held: it stays over as long
    EXPECT_TRUE(host.shown("elec_break_reset_vk", 1));
    frames(12);
    EXPECT_TRUE(host.shown("elec_break_reset_vk", 2));
}

TEST_F(DcPanel, GuardedGeneratorSwitchAndLampTests) {
    place();
    frames(1);
    EXPECT_TRUE(host.shown("elec_breaker_vk", 2));
    host.click("elec_breaker_vk", 3);  // generator 2 upper: opens the guard
    frames(1);
    EXPECT_TRUE(host.shown("elec_breaker_vk", 4) && host.shown("elec_breaker_vk", 6));
    EXPECT_FALSE(host.shown("elec_breaker_vk", 2));
    host.click("elec_breaker_vk", 3);  // closes it again, switch on
    EXPECT_EQ(elec.gen2_guard_open, 0);
    EXPECT_EQ(elec.gen2_switch, 1);

    host.click("elec_breaker_vk", 5);      // generator 2 lamp test
    host.click("elec_break_reset_vk", 2);  // generator 1 memory lamp test
    frames(1);
    EXPECT_TRUE(host.shown("elec_breaker_vk", 10) && host.shown("elec_break_reset_vk", 4));
    EXPECT_EQ(elec.elec_warning, 1);
    host.click("elec_break_reset_vk", 0);  // clears generator 1's test and the warning
    frames(1);
    EXPECT_FALSE(host.shown("elec_break_reset_vk", 4));
    EXPECT_TRUE(host.shown("elec_breaker_vk", 10));  // still held until switched off
    generator_off(2);
    frames(1);
    EXPECT_FALSE(host.shown("elec_breaker_vk", 10));
    EXPECT_EQ(elec.gen2_fault_test, 0);
    EXPECT_EQ(elec.elec_warning, 0);
}

TEST_F(DcPanel, TadgSwitchGuardSupplyAndGyroReset) {
    place();
    host.set(id(vk::Var::gyro_error), 60.0);
    size_t start = host.mark();
    frames(3);
    EXPECT_EQ(sent(start, vk::Key::gyro_error_reset), 1);  // the host re-centres it at once
    EXPECT_EQ(host.get(id(vk::Var::gyro_error)), 0.0);

    host.click("tadg_sw_vk", 1);  // upper, unit on: only opens the guard
    EXPECT_EQ(elec.tadg_guard_open, 1);
    tadg_off();  // lower: already open, so the first click switches off
    EXPECT_EQ(elec.tadg_lever, 0);
    host.set(id(vk::Var::gyro_error), -70.0);
    start = host.mark();
    frames(1);
    EXPECT_FALSE(elec.tadg_switch);
    EXPECT_EQ(sent(start, vk::Key::gyro_error_reset), 0);
    EXPECT_TRUE(host.shown("tadg_sw_vk", 5) && host.shown("tadg_sw_vk", 2));
    EXPECT_TRUE(host.shown("tadg_sw_vk", 1) && !host.shown("tadg_sw_vk", 4));

    host.click("tadg_sw_vk", 1);  // upper, unit off: on, and the guard closes over it
    EXPECT_EQ(elec.tadg_lever, 1);
    EXPECT_EQ(elec.tadg_guard_open, 0);
    frames(1);
    EXPECT_TRUE(elec.tadg_switch);
    EXPECT_EQ(sent(start, vk::Key::gyro_error_reset), 1);
    EXPECT_FALSE(host.shown("tadg_sw_vk", 5));
    EXPECT_TRUE(host.shown("tadg_sw_vk", 3) && host.shown("tadg_sw_vk", 4));

    master(0);  // no essential bus: the unit stops
    frames(2);
    EXPECT_FALSE(elec.tadg_switch);
    EXPECT_FALSE(host.shown("tadg_sw_vk", 5));
    elec.ac_bus1_powered = 1;  // an AC bus alone keeps it running
    frames(1);
    EXPECT_TRUE(elec.tadg_switch);
    EXPECT_EQ(elec.ac_volts, 115);  // and the AC voltmeter, on converter 1, reads it
    host.click("elec_mas_sw_vk", 4);
    frames(1);
    EXPECT_EQ(elec.ac_volts, 0);
    EXPECT_TRUE(host.shown("elec_mas_sw_vk", 5) && !host.shown("elec_mas_sw_vk", 4));
}

}  // namespace
}  // namespace vktest
