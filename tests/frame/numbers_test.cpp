// Angles brought into a turn, and fallbacks for values that are not finite.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "frame/numbers.h"

namespace vktest {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(Numbers, AnglesWrapIntoATurnAndNonFiniteValuesReadAsNone) {
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
}

TEST(Numbers, NonFiniteValuesFallBack) {
    EXPECT_EQ(vk::finite_or(kNaN, 3.0), 3.0);
    EXPECT_EQ(vk::finite_or(-kInf, 3.0), 3.0);
    EXPECT_EQ(vk::finite_or(-2.0, 3.0), -2.0);
}

}  // namespace
}  // namespace vktest
