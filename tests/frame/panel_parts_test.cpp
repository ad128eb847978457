// The pictures of a switch under a guard.
#include <gtest/gtest.h>

#include <set>

#include "frame/panel_display.h"

namespace vktest {
namespace {

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

}  // namespace
}  // namespace vktest
