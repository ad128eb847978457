// The DC voltmeter selector and its button, the flight recorder test and the
// artificial feel failure lamp.
#include <cmath>

#include "host/needle_math.h"
#include "support.h"

namespace vktest {
namespace {

constexpr const char* kSel = "elec_dcvolt_sel_vk";
constexpr const char* kRecorder = "elec_recorder_vk";
constexpr const char* kArtFeel = "elec_artfeelfail_vkm";
enum SelectorArea { kDown, kUp, kButton };

TEST_F(LinkedHost, DcVoltmeterSelectorStepsBetweenItsEndsAndTheKnobFollowsAtOnce) {
    host.place(kSel);
    const int marks[6][2] = {{41, 180}, {25, 140}, {42, 107}, {80, 107}, {98, 140}, {80, 180}};
    auto knob_at = [&](int position) {
        host.run_frames(1);  // no turn limit: one frame is enough
        EXPECT_EQ(vk::elec.dc_volt_selector, position);
        const double want = vkhost::point_angle(59, 141, marks[position][0], marks[position][1]);
        EXPECT_NEAR(std::remainder(host.needle_angle(kSel, 1) - want, 360.0), 0.0, 1e-6);
    };
    host.click(kSel, kDown);  // not below 0
    knob_at(0);
    for (int p = 1; p <= 5; ++p) {
        host.click(kSel, kUp);
        knob_at(p);
    }
    host.click(kSel, kUp);  // not above 5
    knob_at(5);
    host.click(kSel, kDown);
    knob_at(4);
}

TEST_F(LinkedHost, DcVoltmeterButtonRunsTwelveFramesAndHoldsWhileHeld) {
    // The DC voltmeter reads 0 for as long as this counter runs.
    const uint8_t& test = vk::elec.dc_volt_test;
    host.place(kSel);
    host.click(kSel, kButton);
    EXPECT_EQ(test, 12);
    host.run_frames(11);
    EXPECT_EQ(test, 1);
    host.run_frames(1);
    EXPECT_EQ(test, 0);

    host.click(kSel, kButton);  // held: the press, then a repeat every frame
    for (int f = 0; f < 36; ++f) {
        host.run_frames(1);
        ASSERT_GE(test, 10) << "frame " << f;
        host.click(kSel, kButton, vk::kMouseRepeat);
    }
    const int left = test;  // released: runs out from where it stood
    host.run_frames(left - 1);
    EXPECT_EQ(test, 1);
    host.run_frames(1);
    EXPECT_EQ(test, 0);
    EXPECT_EQ(vk::elec.dc_volt_selector, 0);
}

TEST_F(LinkedHost, TestLampsNeedTheEssentialBus) {
    host.place(kRecorder);
    host.place(kArtFeel);
    host.click(kRecorder, 0);
    host.click(kArtFeel, 0);  // refused without the essential bus
    host.run_frames(1);
    EXPECT_FALSE(host.shown(kRecorder, 1));
    EXPECT_EQ(vk::elec.recorder_test, 11);  // the counter runs all the same
    EXPECT_EQ(vk::elec.artfeel_lamp, 0);

    vk::elec.ess_bus_powered = 1;
    host.run_frames(11);
    host.click(kRecorder, 0);
    host.click(kArtFeel, 0);
    int lit = 0;
    for (int f = 0; f < 20; ++f) {
        host.run_frames(1);
        lit += host.shown(kRecorder, 1);
        EXPECT_TRUE(host.shown(kArtFeel, 1));  // latched
    }
    EXPECT_EQ(lit, 11);  // counted down before the lamp is tested: the 12th frame is dark

    vk::elec.ess_bus_powered = 0;
    host.run_frames(1);
    EXPECT_FALSE(host.shown(kArtFeel, 1));
    vk::elec.ess_bus_powered = 1;
    host.run_frames(1);
    EXPECT_TRUE(host.shown(kArtFeel, 1));  // the latch outlives a power cut
    host.click(kArtFeel, 1);
    host.run_frames(1);
    EXPECT_FALSE(host.shown(kArtFeel, 1));
}

}  // namespace
}  // namespace vktest
