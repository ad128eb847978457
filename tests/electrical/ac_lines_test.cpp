// The alternator network: transformer-rectifiers, AC ground power, the two
// alternator lines with their meter values, the alternator voltmeter and the
// two mimic panels. The essential bus is the DC network's; here it is set.
#include <string>

#include "support.h"

namespace vktest {
namespace {

constexpr const char* kBusAlt = "elec_bus_alt_vkm";
constexpr const char* kBusTr = "elec_bus_tr_vkm";
constexpr const char* kTr[] = {"elec_tr_sw_lh_vkm", "elec_tr_sw_rh_vkm"};
constexpr const char* kGndPwr = "elec_ac_gndpwr_vkm";
constexpr const char* kAltVolt = "elec_ac_altvoltsel_vkm";

class AlternatorNetwork : public LinkedHost {
  protected:
    AlternatorNetwork() {
        for (const char* g : {"elec_alt_lh_vkm", "elec_alt_rh_vkm", kTr[0], kTr[1], kGndPwr,
                              kBusAlt, kBusTr, kAltVolt})
            host.place(g);
        vk::elec.ess_bus_powered = 1;
    }
    // After a frame: "volts/amps volts/amps" of lines 1 and 2.
    std::string lines() {
        host.run_frames(1);
        const vk::ElecState& e = vk::elec;
        return std::to_string(e.line1_volts) + "/" + std::to_string(e.line1_amps) + " " +
               std::to_string(e.line2_volts) + "/" + std::to_string(e.line2_amps);
    }
    std::string lit(const char* gauge, int count) {  // lamps lit, by element number
        std::string s;
        for (int k = 1; k <= count; ++k)
            if (host.shown(gauge, k)) s += std::to_string(k);
        return s;
    }
    void switch_off_tr(int n) {
        host.click(kTr[n], 1);  // the lower half opens the guard ...
        host.click(kTr[n], 1);  // ... then switches off
    }
};

TEST_F(AlternatorNetwork, OnlyEngine2RunningFeedsTheLinesThroughAlternator2) {
    host.set(id(vk::Var::engine_speed_2), 60.0);
    host.run_frames(1);
    EXPECT_EQ(lines(), "28/170 28/90");  // line 1 carries the attitude gyro unit
    EXPECT_EQ(vk::elec.alt1_available, 0);
    EXPECT_EQ(vk::elec.alt_volts + vk::elec.alt_freq_hz, 0);  // the voltmeter reads alternator 1
    host.click(kAltVolt, 1);
    host.run_frames(1);
    EXPECT_EQ(vk::elec.alt_volts, 115);
    EXPECT_EQ(vk::elec.alt_freq_hz, 400);
    EXPECT_EQ(lit(kAltVolt, 2), "2");
    EXPECT_EQ(lit(kBusAlt, 6), "1356");
    EXPECT_EQ(lit(kBusTr, 7), "2346");  // side 1 is fed across from alternator 2

    vk::elec.tadg_switch = 0;
    vk::elec.dc_bus1_powered = vk::elec.dc_bus2_powered = 1;
    EXPECT_EQ(lines(), "28/120 28/90");
    EXPECT_EQ(lit(kBusAlt, 6), "123456");

    switch_off_tr(0);  // line 1 keeps alternator 2 without TR 1;
    switch_off_tr(1);  // line 2 had only alternator 2 through TR 2
    EXPECT_EQ(lines(), "28/120 0/0");
    EXPECT_EQ(lit(kBusTr, 7), "26");

    host.set(id(vk::Var::engine_speed_1), 60.0);  // each alternator feeds the other side
    host.run_frames(1);
    EXPECT_EQ(lines(), "28/120 28/90");
    EXPECT_EQ(lit(kBusTr, 7), "1267");

    vk::elec.alt2_line_switch = 0;
    EXPECT_EQ(lines(), "0/0 28/90");
    EXPECT_EQ(lit(kBusTr, 7), "17");

    vk::elec.ess_bus_powered = 0;  // the lines themselves need no DC bus
    EXPECT_EQ(lines(), "0/0 28/90");
    EXPECT_EQ(lit(kBusTr, 7), "7");
}

TEST_F(AlternatorNetwork, AcGroundPowerNeedsTheUnitAndTrsNeedTheEssentialBus) {
    host.click(kGndPwr, 0);  // on, but no ground power unit
    EXPECT_EQ(lines(), "0/0 0/0");
    EXPECT_EQ(lit(kGndPwr, 3), "1");

    vk::elec.gpu_connected = 1;
    EXPECT_EQ(lines(), "28/170 28/90");
    EXPECT_EQ(lit(kBusTr, 7), "345");  // both TRs on: no cross-feed lamp
    switch_off_tr(0);
    EXPECT_EQ(lines(), "28/170 28/90");
    EXPECT_EQ(lit(kBusTr, 7), "456");
    vk::elec.ess_bus_powered = 0;  // TR 2 drops too; the ground power lamp needs the bus
    host.run_frames(1);
    EXPECT_EQ(vk::elec.tr2_on, 0);
    EXPECT_EQ(lit(kBusTr, 7), "67");
    EXPECT_EQ(lit(kTr[0], 4), "24");                          // open guard, off
    EXPECT_TRUE(host.click_at(host.require(kTr[0]), 65, 1));  // the upper half: on again
    host.run_frames(1);
    EXPECT_EQ(lit(kTr[0], 4), "23");

    vk::elec.gpu_connected = 0;  // the unit goes away: nothing from the next frame
    EXPECT_EQ(lines(), "0/0 0/0");
    vk::elec.gpu_connected = 1;
    host.click(kGndPwr, 2);  // the other side does nothing either
    EXPECT_EQ(lines(), "0/0 0/0");
    EXPECT_EQ(lit(kGndPwr, 3), "3");
}

}  // namespace
}  // namespace vktest
