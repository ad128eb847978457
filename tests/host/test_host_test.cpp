// The test host driving gauges as the simulator does: needles and their scale
// tables, held knobs, clicks, frames, windows and fresh state between tests.
#include <cmath>
#include <limits>

#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "support.h"

namespace vktest {
namespace {

// A small gauge made for these tests: a needle on a table from 0 to 100 over
// a quarter turn (turning at most 6 degrees a frame), and a knob that steps a
// value by 5 on every call while held.
double needle_input = 0.0;
int knob_value = 0;

double VKCALL needle_value(vk::ElementHeader*) {
    return needle_input;
}
int32_t VKCALL knob_step(const vk::MousePoint*, uint32_t) {
    knob_value += 5;
    return 0;
}

extern vk::GaugeHeader probe;
vk::ScaleEntry kTable[] = {vk::point(0, 50, 0), vk::point(50, 100, 0), vk::point(100, 100, 50)};
constinit vk::Chain probe_elements{
    &probe, vk::image(100),
    vk::needle(110, vk::At{50, 50}, vk::Pivot{2, 40}, kTable, needle_value, 0x3, 6)};
constexpr auto kProbeMouse =
    vk::mouse_list(vk::kNoHelp, vk::area(0, 0, 20, 20, vk::kCursorUp, vk::kMouseKnob, knob_step),
                   vk::area(20, 0, 20, 20, vk::kCursorHand, vk::kMouseLeft, knob_step));
vk::GaugeHeader probe = [] {
    vk::GaugeHeader h = vk::gauge_header(vk::GaugeId::testgauge2k, probe_elements.list,
                                         kProbeMouse.data(), nullptr);
    h.name = "probe";
    return h;
}();

class ProbeGauge : public LinkedHost {
  protected:
    ProbeGauge() {
        needle_input = 0.0;
        knob_value = 0;
        host.place(&probe);
    }
    double angle() { return host.view(probe_elements[1]).angle; }
};

TEST_F(ProbeGauge, NeedleTurnsAtMostItsLimitAndRestsAtTheEndEntryBeyondItsTable) {
    host.run_frames(1);
    EXPECT_NEAR(angle(), 0.0, 1e-9);  // first drawn straight up at 0
    needle_input = 100.0;
    host.run_frames(1);
    EXPECT_NEAR(angle(), 6.0, 1e-9);
    host.run_frames(4);
    EXPECT_NEAR(angle(), 30.0, 1e-9);
    host.run_frames(10);  // 90 degrees in all: there after 15 frames
    EXPECT_NEAR(angle(), 90.0, 1e-9);
    EXPECT_EQ(host.needle_value("testgauge2k", 0), 0.0);  // other gauges untouched
    needle_input = -500.0;
    host.run_frames(20);
    EXPECT_NEAR(angle(), 0.0, 1e-9);
    needle_input = 50.0;
    host.run_frames(20);
    EXPECT_NEAR(angle(), 45.0, 1e-9);
    needle_input = 1e300;
    host.run_frames(20);
    EXPECT_NEAR(angle(), 90.0, 1e-9);
    needle_input = std::numeric_limits<double>::quiet_NaN();
    host.run_frames(20);
    EXPECT_TRUE(std::isfinite(angle()));
}

TEST_F(ProbeGauge, AHeldKnobStepsOncePerRepeatAndAButtonOnlyOnPress) {
    host.hold(&probe, 0, 4);  // press and three repeats
    EXPECT_EQ(knob_value, 20);
    host.hold(&probe, 1, 4);  // no repeat flag: the press alone
    EXPECT_EQ(knob_value, 25);
    EXPECT_TRUE(host.click_at(&probe, 25, 5));
    EXPECT_EQ(knob_value, 30);
    EXPECT_FALSE(host.click_at(&probe, 45, 5));                  // outside every area
    EXPECT_FALSE(host.click_at(&probe, 5, 5, vk::kMouseRight));  // no area takes it
    EXPECT_EQ(knob_value, 30);
}

TEST_F(LinkedHost, DebugGaugeSwitchesBetweenItsSourcesAndBack) {
    host.place("testgauge2k");
    host.set(id(vk::Var::course_deviation), -12.25);
    host.set(id(vk::Var::debug_watch), 7.0);
    vk::air.cabin_diff_psi = 4.5f;
    vk::instr.vsi_fpm = -800.0;
    host.run_frames(1);
    EXPECT_EQ(host.text("testgauge2k", 2), "-12.250000");
    EXPECT_EQ(host.text("testgauge2k", 3), "7.000000");
    EXPECT_EQ(host.text("testgauge2k", 4), "4.500000");
    EXPECT_EQ(host.text("testgauge2k", 5), "-800.000000");
    EXPECT_FALSE(host.shown("testgauge2k", 1));  // the holder stays hidden
    EXPECT_TRUE(host.shown("testgauge2k", 2));

    host.click("testgauge2k", 0);
    host.run_frames(1);
    EXPECT_EQ(host.text("testgauge2k", 2), "1800.000000");  // battery charge
    EXPECT_EQ(host.text("testgauge2k", 3), "1800.000000");  // capacity

    host.click("testgauge2k", 0);
    host.set(id(vk::Var::course_deviation), 2.0);
    host.run_frames(1);
    EXPECT_EQ(host.text("testgauge2k", 2), "2.000000");
    EXPECT_EQ(host.lookups(id(vk::Var::debug_watch)), 3u);  // refreshed by the host each frame
}

TEST_F(LinkedHost, DebugGaugeTextStaysInsideItsBuffer) {
    host.place("testgauge2k");
    host.set(id(vk::Var::course_deviation), 1e300);
    host.set(id(vk::Var::debug_watch), std::numeric_limits<double>::quiet_NaN());
    host.run_frames(1);
    auto* line = &vk::as<vk::StringElement>(host.element("testgauge2k", 2));
    EXPECT_EQ(host.text("testgauge2k", 2).size(), static_cast<size_t>(line->text_size - 1));
    EXPECT_EQ(host.text("testgauge2k", 3), "nan");
}

TEST_F(LinkedHost, StateStartsFreshInEveryTest) {
    // Leaves changes behind; the fixture of the next test must undo them.
    host.place("testgauge2k");
    host.click("testgauge2k", 0);
    vk::elec.master_switch = 0;
    vk::show(host.element("testgauge2k", 1), true);
    EXPECT_EQ(vk::debug.battery_view, 1);
}

TEST_F(LinkedHost, StateStartsFreshInEveryTestToo) {
    EXPECT_EQ(vk::debug.battery_view, 0);
    EXPECT_EQ(vk::elec.master_switch, 2);
    EXPECT_FALSE(host.shown("testgauge2k", 1));
}

TEST_F(LinkedHost, ClockAndWindows) {
    host.run_seconds(2.0);
    EXPECT_EQ(host.frame(), 36u);
    EXPECT_EQ(host.get(id(vk::Var::tick_counter)), 36.0);
    EXPECT_NEAR(host.get(id(vk::Var::sim_clock)), 2.0, 1e-9);

    host.set_window_gauges(10170, {"testgauge2k"});
    EXPECT_FALSE(host.placed(host.gauge("testgauge2k")));
    host.on_key_event(id(vk::Key::panel_window_open), 10170);
    EXPECT_TRUE(host.window_open(10170));
    EXPECT_TRUE(host.placed(host.gauge("testgauge2k")));
    host.on_key_event(id(vk::Key::panel_window_close), 10170);
    EXPECT_FALSE(host.window_open(10170));
    // A gauge keeps running once its window has closed.
    host.set(id(vk::Var::course_deviation), 1.0);
    host.run_frames(1);
    EXPECT_EQ(host.text("testgauge2k", 2), "1.000000");
    EXPECT_THROW(host.set_window_gauges(10170, {"no_such_gauge"}), std::invalid_argument);
}

struct FrameCounter {
    int frames = 0;
    double seconds = 0.0;
};

TEST_F(LinkedHost, ModelStepsRunBeforeTheGaugesAndKeepFreshState) {
    host.effects().add_step([](vkhost::TestHost& h, double dt) {
        ++h.model<FrameCounter>().frames;
        h.model<FrameCounter>().seconds += dt;
        // The gauges of this frame already see what the model wrote.
        h.set(id(vk::Var::course_deviation), h.model<FrameCounter>().frames);
    });
    host.place("testgauge2k");
    host.run_frames(18);
    EXPECT_EQ(host.model<FrameCounter>().frames, 18);
    EXPECT_NEAR(host.model<FrameCounter>().seconds, 1.0, 1e-9);
    EXPECT_EQ(host.text("testgauge2k", 2), "18.000000");
}

}  // namespace
}  // namespace vktest
