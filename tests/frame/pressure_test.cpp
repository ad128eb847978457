// Unsigned pressures that bleed off without wrapping, and dial limits that
// are written back.
#include <gtest/gtest.h>

#include "frame/pressure.h"

namespace vktest {
namespace {

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

}  // namespace
}  // namespace vktest
