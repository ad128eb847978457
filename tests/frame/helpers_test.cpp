// The shared mechanics: conversions, switches, spring counters, valves,
// timers, needles and digit drums.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "frame/controls.h"
#include "frame/convert.h"

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

}  // namespace
}  // namespace vktest
