// Click functions that put a switch of a state record in one position.
#include <gtest/gtest.h>

#include "frame/gauge_parts.h"
#include "gauges/state.h"

namespace vktest {
namespace {

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
