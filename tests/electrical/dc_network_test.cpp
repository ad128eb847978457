// Generators, their ammeters, the buses, the DC voltmeter and the one-time
// synchronisation of the host's electrical switches.
#include <functional>

#include "dc_fixture.h"

namespace vktest {
namespace {

using vk::elec;

struct Inhibitor {
    const char* name;
    std::function<void(vkhost::TestHost&)> apply;
    bool both;  // keeps both generators off line
};

class GeneratorInhibitor : public DcPanel, public ::testing::WithParamInterface<Inhibitor> {};

TEST_P(GeneratorInhibitor, KeepsItsGeneratorOffLine) {
    place();
    engines(30, 30);  // above 20 for the generators, below 40 for ground power
    frames(2);
    ASSERT_TRUE(elec.gen1_on && elec.gen2_on);
    GetParam().apply(host);
    frames(2);
    EXPECT_FALSE(elec.gen1_on);
    EXPECT_EQ(elec.gen2_on, !GetParam().both);
    EXPECT_EQ(elec.gen1_amps, 0);
}

INSTANTIATE_TEST_SUITE_P(
    DcPanel, GeneratorInhibitor,
    ::testing::Values(
        Inhibitor{"EngineAt20",
                  [](vkhost::TestHost& h) { h.set(id(vk::Var::engine_speed_1), 20.0); }, false},
        Inhibitor{"HostElecFailure",
                  [](vkhost::TestHost& h) { h.set_int(id(vk::Var::elec_failed), 1); }, true},
        Inhibitor{"Trip", [](vkhost::TestHost&) { vk::elec.gen1_tripped = 1; }, false},
        Inhibitor{"GroundPowerOnDc",
                  [](vkhost::TestHost& h) {
                      h.click("elec_mas_sw_vk", 0);   // master to ground power
                      h.click("elec_bus_gen_vk", 0);  // ask for it
                  },
                  true},
        Inhibitor{"SwitchOff",
                  [](vkhost::TestHost& h) {
                      h.click("elec_breaker_vk", 1);
                      h.click("elec_breaker_vk", 1);
                  },
                  false},
        Inhibitor{"HpLeverShut", [](vkhost::TestHost&) { vk::eng.left_hp_lever_open = 0; }, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DcPanel, GeneratorAmmetersShareTheLoad) {
    place({"tadg_sw_vk", "elec_bus_bat_vk"});
    struct Row {
        double speed_2;
        bool tadg;
        uint16_t line_load;
        uint8_t gen1, gen2;
    };
    const Row rows[] = {{60, true, 0, 25, 25},   {0, true, 0, 45, 0},    {60, true, 170, 12, 12},
                        {0, true, 170, 24, 0},   {60, false, 0, 22, 22}, {0, false, 0, 40, 0},
                        {60, false, 90, 12, 12}, {0, false, 90, 24, 0}};
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "engine 2 " << r.speed_2 << ", tadg " << r.tadg
                                        << ", line load " << r.line_load);
        if (!r.tadg && elec.tadg_lever) tadg_off();
        engines(60, r.speed_2);
        elec.line2_amps = r.line_load;  // the alternator lines' own gauges are not placed
        frames(2);
        EXPECT_EQ(elec.gen1_amps, r.gen1);
        EXPECT_EQ(elec.gen2_amps, r.gen2);
    }
    engines(0, 0);
    frames(1);
    EXPECT_EQ(elec.gen1_amps + elec.gen2_amps, 0);
}

TEST_F(DcPanel, ShedBusNeedsBothGeneratorsAndAirborneOrExtraPower) {
    place();
    engines(60, 60);
    frames(2);
    EXPECT_TRUE(elec.gen_bus_powered && elec.dc_bus1_powered && elec.dc_bus2_powered);
    EXPECT_FALSE(elec.shed_bus_powered);  // on the ground
    EXPECT_FALSE(host.shown("elec_bus_gen_vk", 4));
    elec.alt1_available = elec.alt2_available = 1;  // both alternators on their lines
    frames(1);
    EXPECT_TRUE(elec.shed_bus_powered);
    EXPECT_TRUE(host.shown("elec_bus_gen_vk", 4));
    elec.alt1_available = elec.alt2_available = 0;
    host.set(id(vk::Var::on_ground), 0.0);
    frames(1);
    EXPECT_TRUE(elec.shed_bus_powered);
    engines(60, 0);  // one generator is not enough, even airborne
    frames(1);
    EXPECT_FALSE(elec.shed_bus_powered);
    EXPECT_TRUE(elec.radio2_bus_powered && elec.gen_bus_powered);
    EXPECT_TRUE(host.shown("elec_bus_gen_vk", 3));
    EXPECT_FALSE(host.shown("elec_bus_gen_vk", 2));
}

TEST_F(DcPanel, ColdAircraftWithOnlyAlternatorTwoFeedsTheEssentialBus) {
    place();
    master(0);  // cold: no battery
    frames(1);
    EXPECT_FALSE(elec.ess_bus_powered || elec.dc_bus1_powered || elec.dc_bus2_powered);
    elec.alt2_available = 1;  // engine 2 running, its alternator on its line
    frames(1);
    EXPECT_TRUE(elec.ess_bus_powered);
    EXPECT_TRUE(elec.dc_bus1_powered);   // line 2 crosses to DC bus 1 ...
    EXPECT_FALSE(elec.dc_bus2_powered);  // ... but DC bus 2 needs TR 2
    elec.tr2_on = 1;
    frames(1);
    EXPECT_TRUE(elec.dc_bus2_powered);
    EXPECT_FALSE(elec.main_bus_powered || elec.bat_bus_powered || elec.gen_supply_on);
    elec.alt2_available = elec.tr2_on = 0;
    frames(1);
    EXPECT_FALSE(elec.ess_bus_powered);
    EXPECT_EQ(elec.extinguisher_bus_latched, 1);  // never cleared
}

TEST_F(DcPanel, DcVoltmeterReadsTheSelectedSourceAndZeroWhileTested) {
    place();
    engines(60, 0);
    frames(2);
    const int expected[] = {28, 28, 0, 24, 24, 24};
    for (uint8_t sel = 0; sel < 6; ++sel) {
        elec.dc_volt_selector = sel;  // the selector's own gauge is not placed
        frames(1);
        EXPECT_EQ(elec.dc_volts, expected[sel]) << "position " << int{sel};
    }
    elec.dc_volt_test = 12;  // its push button held
    frames(1);
    EXPECT_EQ(elec.dc_volts, 0);
    engines(0, 0);
    master(1);
    frames(2);
    EXPECT_EQ(elec.dc_volts, 0);
    elec.dc_volt_test = 0;
    frames(1);
    EXPECT_EQ(elec.dc_volts, 0);  // position 5 reads the battery at the master switch
}

TEST_F(DcPanel, HostSwitchesAreTurnedOnOnceEachAndThenLeftAlone) {
    place();
    const size_t start = host.mark();
    frames(5);
    EXPECT_EQ(sent(start, vk::Key::battery_switch_on), 1);
    EXPECT_EQ(sent(start, vk::Key::elec_master_switch_on), 1);
    EXPECT_EQ(sent(start, vk::Key::gyro_unit_switch_on), 1);
    EXPECT_EQ(sent(start, vk::Key::generator_switch_1_on), 0);  // no generator yet
    EXPECT_EQ(host.get(id(vk::Var::battery_switch)), 1.0);
    EXPECT_EQ(elec.host_switches_synced, 0);
    engines(60, 60);
    frames(5);
    EXPECT_EQ(sent(start, vk::Key::generator_switch_1_on), 1);
    EXPECT_EQ(sent(start, vk::Key::generator_switch_2_on), 1);
    EXPECT_EQ(elec.host_switches_synced, 1);
    host.set(id(vk::Var::battery_switch), 0.0);  // the crew turns the host's one off
    frames(20);
    EXPECT_EQ(sent(start, vk::Key::battery_switch_on), 1);
    EXPECT_EQ(host.keys_since(start).size(), 5u);
}

}  // namespace
}  // namespace vktest
