// The gear and doors window cycle shared by its toggle zone and the overview.
#include <tuple>

#include "frame/panel_windows.h"
#include "panels/panels_support.h"

namespace vktest {
namespace {

using vk::Key;

TEST_F(LinkedHost, GearAndDoorsCycleStepsOnTheGroundAndTogglesTheDoorsInTheAir) {
    const auto gear_doors = [&] {
        return std::pair{host.window_open(10140), host.window_open(10150)};
    };
    host.open_window(10150);  // opened by the start-up sequence
    for (auto [step, gear, doors] : {std::tuple{1, true, false}, std::tuple{2, false, true},
                                     std::tuple{0, false, false}, std::tuple{1, true, false}}) {
        vk::gear_doors_cycle();
        EXPECT_EQ(vk::panel.geardoors_state, step);
        EXPECT_EQ(gear_doors(), std::pair(gear, doors)) << "step " << step;
    }

    host.set(id(vk::Var::on_ground), 0.0);
    const size_t m = host.mark();
    vk::gear_doors_cycle();
    EXPECT_EQ(gear_doors(), std::pair(false, true));
    vk::gear_doors_cycle();
    EXPECT_EQ(gear_doors(), std::pair(false, false));
    EXPECT_EQ(vk::panel.geardoors_state, 1);  // the step waits for the ground
    EXPECT_EQ(keys_since(host, m),
              (KeyList{key(Key::panel_window_close, 10140), key(Key::panel_window_toggle, 10150),
                       key(Key::panel_window_close, 10140), key(Key::panel_window_toggle, 10150)}));

    // The gear indicator may leave the step at 2: the next ground click closes both.
    host.set(id(vk::Var::on_ground), 1.0);
    host.open_window(10150);
    vk::panel.geardoors_state = 2;
    vk::gear_doors_cycle();
    EXPECT_EQ(gear_doors(), std::pair(false, false));
    EXPECT_EQ(vk::panel.geardoors_state, 0);
}

}  // namespace
}  // namespace vktest
