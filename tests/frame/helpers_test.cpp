// The shared mechanics: conversions, angles, switches and their pictures,
// spring counters, valves, pressures, timers, needles and digit drums.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

#include "frame/controls.h"
#include "frame/convert.h"
#include "frame/gauge_parts.h"
#include "frame/numbers.h"
#include "frame/panel_display.h"
#include "frame/pressure.h"
#include "gauges/state.h"

namespace vktest {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(Convert, SaturatesInsteadOfOverflowing) {
    EXPECT_EQ(vk::to_u8(kNaN), 0);
    EXPECT_EQ(vk::to_u8(-1.0), 0);
    EXPECT_EQ(vk::to_u8(255.9), 255);
    EXPECT_EQ(vk::to_u8(1e300), 255);
    EXPECT_EQ(vk::to_i8(-200.0), -128);
    EXPECT_EQ(vk::to_i16(-1.9), -1);  // towards zero
    EXPECT_EQ(vk::to_i32(kInf), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(vk::to_i32(-kInf), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(vk::to_u32(4294967296.0), 4294967295u);
    EXPECT_EQ(vk::to_int<int64_t>(9.3e18), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(vk::to_int<uint64_t>(kNaN), 0u);
    EXPECT_TRUE(vk::flag_set(0x6, 0x2));
    EXPECT_FALSE(vk::flag_set(0x6, 0x9));
}

TEST(Controls, SpringCounterPressHoldRunDownAndLatch) {
    uint8_t c = 0;
    vk::spring_press(c);  // 0 -> 10, then +2 in the same press
    EXPECT_EQ(c, 12);
    vk::spring_press(c);  // never above 12
    EXPECT_EQ(c, 12);
    vk::spring_tick(c);
    vk::spring_press(c);  // held at 11: unchanged
    EXPECT_EQ(c, 11);
    vk::spring_tick(c);
    vk::spring_press(c);  // held at 10: back to 12
    EXPECT_EQ(c, 12);
    for (int i = 0; i < 11; ++i) vk::spring_tick(c);
    EXPECT_TRUE(vk::spring_active(c));
    vk::spring_tick(c);
    EXPECT_FALSE(vk::spring_active(c));
    vk::spring_tick(c);  // stays at 0
    EXPECT_EQ(c, 0);

    uint8_t latched = vk::kSpringLatched;
    vk::spring_tick(latched);
    vk::spring_press(latched);
    EXPECT_EQ(latched, vk::kSpringLatched);
}

TEST(Controls, TwoSidedSpringSwitchHoldsToOneSideAndCentres) {
    int8_t t = 0;
    vk::spring_throw(t, vk::SpringSide::first);
    EXPECT_EQ(t, -12);
    vk::spring_throw(t, vk::SpringSide::second);  // held the other way: ignored
    EXPECT_EQ(t, -12);
    vk::spring_return(t);
    vk::spring_return(t);
    vk::spring_throw(t, vk::SpringSide::first);  // -10 held: -12 again
    EXPECT_EQ(t, -12);
    for (int i = 0; i < 12; ++i) vk::spring_return(t);
    EXPECT_EQ(t, 0);
    vk::spring_return(t);  // centred stays centred
    EXPECT_EQ(t, 0);
    vk::spring_throw(t, vk::SpringSide::second);
    EXPECT_EQ(t, 12);
    vk::spring_return(t);
    EXPECT_EQ(t, 11);
    vk::spring_throw(t, vk::SpringSide::first);
    EXPECT_EQ(t, 11);
}

TEST(Controls, ValveTravelStopsAtItsEndsAndNeedsPower) {
    uint8_t t = 95;
    vk::valve_travel(t, true, true, 10);
    EXPECT_EQ(t, 100);
    vk::valve_travel(t, false, false, 10);  // no power: stays
    EXPECT_EQ(t, 100);
    t = 5;
    vk::valve_travel(t, false, true, 10);
    EXPECT_EQ(t, 0);  // not 251
    uint8_t pack = 250;
    vk::valve_travel(pack, true, true, 10, 255);
    EXPECT_EQ(pack, 255);

    uint16_t pressure = 0;
    vk::decay<uint16_t>(pressure, 15);  // from 0 it stays 0, not 65521
    EXPECT_EQ(pressure, 0);
    pressure = 20;
    vk::decay<uint16_t>(pressure, 15);
    EXPECT_EQ(pressure, 5);
}

TEST(Controls, SwitchesMoveOnlyOnChangeAndGuardsFollowTheirRules) {
    uint8_t pos = 1;
    EXPECT_FALSE(vk::set_switch(pos, 1));
    EXPECT_TRUE(vk::set_switch(pos, 2));
    EXPECT_EQ(pos, 2);

    uint8_t guard = 0, on = 1;
    const vk::GuardedSwitch sw{guard, on};
    sw.click_lower();  // closed guard: opens, switch untouched
    EXPECT_EQ(guard, 1);
    EXPECT_EQ(on, 1);
    sw.click_lower();  // open: switches off
    EXPECT_EQ(on, 0);
    sw.click_upper();  // off: switches on, guard stays open
    EXPECT_EQ(on, 1);
    EXPECT_EQ(guard, 1);
    sw.click_upper();  // on: closes the guard
    EXPECT_EQ(guard, 0);
    EXPECT_EQ(on, 1);
}

TEST(Controls, TimersAndPoweredNeedles) {
    vk::TickTimer t;
    EXPECT_FALSE(t.expired(1000));  // never started
    t.start(100, 30);
    EXPECT_FALSE(t.expired(129));
    EXPECT_TRUE(t.expired(130));
    t.cancel();
    EXPECT_FALSE(t.expired(200));

    double shown = 0.0;
    shown = vk::powered_needle(shown, true, 10.0, 0.0, 4.0);
    EXPECT_DOUBLE_EQ(shown, 4.0);
    shown = vk::powered_needle(shown, true, 5.0, 0.0, 4.0);
    EXPECT_DOUBLE_EQ(shown, 5.0);  // never past the target
    shown = vk::powered_needle(shown, false, 5.0, 0.0, 4.0);
    EXPECT_DOUBLE_EQ(shown, 1.0);  // runs down without power
    EXPECT_DOUBLE_EQ(vk::slew(3.0, kNaN, 1.0), 3.0);
}

// Frames until the drum stands on its target, recording every position.
std::vector<double> roll(vk::DigitDrum& d, int size = 10) {
    std::vector<double> seen;
    for (int i = 0; i < 60 && !(d.shown == d.target && !seen.empty()); ++i)
        seen.push_back(vk::turn_drum(d, size));
    return seen;
}

TEST(DigitDrum, WrapsOnlyBetweenTheTopDigitAndZero) {
    vk::DigitDrum d{9, 0.0};  // 0 -> 9 rolls backwards over the 0
    auto seen = roll(d);
    EXPECT_DOUBLE_EQ(seen.front(), 9.65);
    EXPECT_EQ(d.shown, 9.0);
    EXPECT_LE(seen.size(), 4u);

    d.target = 0;  // 9 -> 0 rolls forwards over the top
    seen = roll(d);
    EXPECT_DOUBLE_EQ(seen.front(), 9.25);
    EXPECT_EQ(d.shown, 0.0);
    for (double s : seen) EXPECT_TRUE(s == 0.0 || s > 9.0) << s;

    d = {0, 8.0};  // 8 -> 0 takes the long way, through 7 .. 1
    seen = roll(d);
    EXPECT_DOUBLE_EQ(seen.front(), 7.75);
    EXPECT_EQ(d.shown, 0.0);
    EXPECT_EQ(seen.size(), 32u);

    vk::DigitDrum five{1, 0.0};  // a two-position drum turns to its "5"
    roll(five, 2);
    EXPECT_EQ(five.shown, 1.0);
}

TEST(DigitDrum, OdometerRollsHigherDrumsOnlyWithTheLastUnit) {
    double p[5];
    vk::odometer(1234.0, p, 5);
    EXPECT_DOUBLE_EQ(p[0], 4.0);
    EXPECT_DOUBLE_EQ(p[1], 3.0);
    EXPECT_DOUBLE_EQ(p[3], 1.0);
    EXPECT_DOUBLE_EQ(p[4], 0.0);

    vk::odometer(9999.5, p, 5);  // everything rolls half-way
    EXPECT_NEAR(p[0], 9.5, 1e-9);
    EXPECT_NEAR(p[1], 9.5, 1e-9);
    EXPECT_NEAR(p[3], 9.5, 1e-9);
    EXPECT_NEAR(p[4], 0.5, 1e-9);

    vk::odometer(1989.5, p, 4);  // the tens roll, the hundreds wait
    EXPECT_NEAR(p[1], 8.5, 1e-9);
    EXPECT_DOUBLE_EQ(p[2], 9.0);

    vk::odometer(kNaN, p, 2);
    EXPECT_DOUBLE_EQ(p[0], 0.0);
    EXPECT_DOUBLE_EQ(p[1], 0.0);
}

TEST(Numbers, AnglesWrapIntoATurnAndNonFiniteValuesFallBack) {
    EXPECT_DOUBLE_EQ(vk::wrap_180(-340.0), 20.0);
    EXPECT_DOUBLE_EQ(vk::wrap_180(190.0), -170.0);
    EXPECT_DOUBLE_EQ(vk::wrap_180(180.0), 180.0);
    EXPECT_DOUBLE_EQ(vk::wrap_180(725.0), 5.0);
    EXPECT_EQ(vk::wrap_180(kNaN), 0.0);
    EXPECT_EQ(vk::wrap_180(kInf), 0.0);

    EXPECT_DOUBLE_EQ(vk::wrap_360(-10.0), 350.0);
    EXPECT_DOUBLE_EQ(vk::wrap_360(360.0), 0.0);
    EXPECT_DOUBLE_EQ(vk::wrap_360(719.5), 359.5);
    EXPECT_LT(vk::wrap_360(-1e-18), 360.0);  // never 360 itself
    EXPECT_EQ(vk::wrap_360(-kInf), 0.0);
    EXPECT_EQ(vk::finite_or(kNaN, 3.0), 3.0);
    EXPECT_EQ(vk::finite_or(-kInf, 3.0), 3.0);
    EXPECT_EQ(vk::finite_or(-2.0, 3.0), -2.0);
}

TEST(Pressure, BleedStopsAtZeroAndDialLimitsAreWrittenBack) {
    uint16_t p = 0;
    EXPECT_TRUE(vk::bleed<uint16_t>(p, 15));
    EXPECT_EQ(p, 0);  // not 65521
    p = 30;
    EXPECT_FALSE(vk::bleed<uint16_t>(p, 15));
    EXPECT_EQ(p, 15);
    p = 29;  // would end at 14, below one step
    EXPECT_TRUE(vk::bleed<uint16_t>(p, 15));

    uint16_t field = 6200;
    EXPECT_EQ(vk::limit_written_back<uint16_t>(field, 5000), 5000.0);
    EXPECT_EQ(field, 5000);
    EXPECT_EQ(vk::limit_written_back<uint16_t>(field, 6000), 5000.0);
}

TEST(PanelParts, GuardedSwitchShowsOneOfItsThreeLooks) {
    vk::ElementHeader e[4] = {vk::icon(1, {}, 0), vk::icon(2, {}, 0), vk::icon(3, {}, 0),
                              vk::icon(4, {}, 0)};
    const vk::GuardedSwitchPictures pictures{&e[0], &e[1], &e[2], &e[3]};
    auto drawn = [&](bool guard_open, bool on) {
        pictures.show(guard_open, on);
        std::set<int> s;
        for (const auto& x : e)
            if (!vk::hidden(&x)) s.insert(x.bitmap_id);
        return s;
    };
    EXPECT_EQ(drawn(false, true), (std::set<int>{1}));
    EXPECT_EQ(drawn(true, true), (std::set<int>{2, 3}));
    EXPECT_EQ(drawn(true, false), (std::set<int>{2, 4}));
    EXPECT_EQ(drawn(false, false), (std::set<int>{2, 4}));  // off always shows the guard open
}

TEST(GaugeParts, SwitchClickMovesOnlyItsFieldToItsPosition) {
    vk::reset_state();
    const auto pump_c_on = vk::switch_to<vk::fuel, &vk::FuelState::left_pump_c_switch, 1>;
    const auto pump_b_auto = vk::switch_to<vk::fuel, &vk::FuelState::left_pump_b_switch, 2>;
    vk::fuel.left_pump_b_switch = 0;
    EXPECT_EQ(pump_c_on(nullptr, vk::kMouseLeft), 0);
    EXPECT_EQ(vk::fuel.left_pump_c_switch, 1);
    EXPECT_EQ(vk::fuel.left_pump_b_switch, 0);
    pump_b_auto(nullptr, vk::kMouseLeft);
    EXPECT_EQ(vk::fuel.left_pump_b_switch, 2);
    EXPECT_EQ(vk::fuel.right_pump_b_switch, 2);  // the other side untouched
    vk::reset_state();
}

}  // namespace
}  // namespace vktest
