// The static converters: converter selection, the standby converter's
// automatic latch, the AC instrument buses, lamps and day/night pictures.
#include <string>

#include "support.h"

namespace vktest {
namespace {

constexpr const char* kConv = "elec_conv_vk";
enum Area { kStbyTo1, kStbyTo0, kStbyTo2, kMainTo1, kMainTo0, kMainTo2, kConv2On, kConv2Off };

class Converters : public LinkedHost {
  protected:
    Converters() {
        host.place(kConv);
        vk::elec.ess_bus_powered = 1;
    }
    // After a frame: main converter output, AC buses, standby state.
    std::string state() {
        host.run_frames(1);
        const vk::ElecState& e = vk::elec;
        EXPECT_EQ(e.ac_conv_out_a, e.ac_conv_out_b);
        EXPECT_EQ(e.ac_conv_out_a, e.instrument_ac_powered);
        EXPECT_EQ(e.ac_bus1_powered, e.ac_bus2_powered);
        return std::to_string(e.ac_conv_out_a) + std::to_string(e.ac_bus1_powered) +
               std::to_string(e.stby_conv_state);
    }
    // Elements shown among 1..20 (pictures, lamps, night copies at +10).
    std::string drawn() {
        std::string s;
        for (int k = 1; k <= 20; ++k)
            if (host.shown(kConv, k)) s += " " + std::to_string(k);
        return s;
    }
};

TEST_F(Converters, StandbyConverterLatchesUntilAMainConverterDeliversAgain) {
    // Generators off, essential bus on the battery, standby automatic.
    host.click(kConv, kStbyTo1);
    EXPECT_EQ(state(), "011");
    EXPECT_EQ(drawn(), " 1 4 7 9 20");  // standby lamp and converter fault lamp

    host.click(kConv, kMainTo0);  // nothing asks for it now: it holds
    vk::elec.gen_supply_on = 1;   // converter 2 runs on its own switch, feeding nothing
    EXPECT_EQ(state(), "011");
    EXPECT_EQ(vk::elec.conv2_state, 1);

    host.click(kConv, kMainTo1);  // converter 1 delivers: the latch lets go
    EXPECT_EQ(state(), "110");
    EXPECT_EQ(drawn(), " 1 4 7");
    host.click(kConv, kMainTo0);
    EXPECT_EQ(state(), "000");  // and stays off at 0

    host.click(kConv, kMainTo2);  // converter 2 as the main one loses its supply
    vk::elec.gen_supply_on = 0;
    EXPECT_EQ(state(), "011");
    vk::elec.ess_bus_powered = 0;  // no essential bus: off, lamps dark
    EXPECT_EQ(state(), "000");
    EXPECT_EQ(drawn(), " 1 6 7");
}

TEST_F(Converters, SelectorsChooseWhichConverterFeedsTheBuses) {
    vk::elec.gen_supply_on = 1;
    EXPECT_EQ(state(), "110");  // converter 1, converter 2 on, standby off
    EXPECT_EQ(vk::elec.conv2_state, 1);

    host.click(kConv, kConv2Off);  // as the main converter, converter 2 ignores its switch
    host.click(kConv, kMainTo2);
    EXPECT_EQ(state(), "110");
    EXPECT_EQ(vk::elec.conv2_state, 2);
    EXPECT_EQ(vk::elec.conv1_on, 0);

    host.click(kConv, kMainTo0);  // at 0 with converter 2 off and no generator: fault
    vk::elec.gen_supply_on = 0;
    EXPECT_EQ(state(), "000");
    EXPECT_EQ(drawn(), " 2 5 8 20");

    host.click(kConv, kStbyTo2);  // the standby converter on feeds both buses
    EXPECT_EQ(state(), "012");
    vk::elec.ess_bus_powered = 0;
    EXPECT_EQ(state(), "000");
}

TEST_F(Converters, NightLightingSwapsEveryPictureForItsNightCopy) {
    host.click(kConv, kStbyTo2);
    host.click(kConv, kMainTo2);
    host.click(kConv, kConv2Off);
    vk::panel.night_lighting = 1;
    state();
    EXPECT_EQ(drawn(), " 10 13 16 18 19 20");  // with the overlay; the fault lamp has no copy

    host.click(kConv, kStbyTo1);  // automatic with the main selector at 0 keeps "on"
    host.click(kConv, kMainTo0);
    host.click(kConv, kConv2On);
    EXPECT_EQ(state(), "012");
    EXPECT_EQ(drawn(), " 10 11 15 17 19 20");
}

}  // namespace
}  // namespace vktest
