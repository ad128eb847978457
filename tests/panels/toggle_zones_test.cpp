// The toggle zones of the main panel: drawn only while the zones are shown,
// each acting on its own windows by the host service or the key event; and
// the gear and doors window cycle shared by its zone and the overview.
#include <tuple>

#include "frame/panel_windows.h"
#include "panels/panels_support.h"

namespace vktest {
namespace {

struct Zone {
    const char* name;
    std::vector<int32_t> windows;
    bool by_key;  // the window-toggle key event rather than the host service
};

const Zone kZones[] = {
    {"toggle_pan_start", {10090, 10100}, true}, {"toggle_pan_clock", {10130}, false},
    {"toggle_pan_gps", {10180}, false},         {"toggle_pan_ap", {10050}, true},
    {"toggle_pan_hyd", {10060, 10070}, true},   {"toggle_pan_hyd2", {10060, 10070}, true},
    {"toggle_pan_elec", {10080}, false},        {"toggle_pan_elec2", {10080}, false},
    {"toggle_pan_up2", {10110}, false},         {"toggle_pan_up22", {10110}, false},
    {"toggle_pan_up3", {10120}, false},         {"toggle_pan_up32", {10120}, false},
    {"toggle_pan_ped2", {10040}, false},        {"toggle_pan_pressu", {10160}, false},
    {"toggle_pan_fail", {10170}, true},
};

TEST_F(LinkedHost, EachZoneShowsWithTheZonesAndTogglesItsOwnWindows) {
    for (const Zone& z : kZones) host.place(z.name);
    host.place("toggle_pan_geardoors");
    vk::panel.startup_step = 11;  // the start-up is over: only the zones act
    host.run_frames(1);
    for (const Zone& z : kZones) EXPECT_FALSE(host.shown(z.name, 0)) << z.name;
    vk::panel.toggles_visible = 1;
    host.run_frames(1);

    for (const Zone& z : kZones) {
        SCOPED_TRACE(z.name);
        EXPECT_TRUE(host.shown(z.name, 0));
        EXPECT_FALSE(host.tooltip(host.gauge(z.name)).empty());
        const vk::MouseRect* a = host.area(host.gauge(z.name), 0);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(host.area(host.gauge(z.name), 1), nullptr);  // one area
        EXPECT_EQ(a->flags, vk::kMouseLeft);
        EXPECT_EQ(a->cursor, vk::kCursorHand);

        KeyList expected;
        if (z.by_key)
            for (int32_t w : z.windows) expected.push_back(key(vk::Key::panel_window_toggle, w));
        for (bool open : {true, false}) {
            const size_t m = host.mark();
            host.click(z.name, 0);
            for (int32_t w : z.windows) EXPECT_EQ(host.window_open(w), open) << w;
            EXPECT_EQ(keys_since(host, m), expected);
            EXPECT_TRUE(host.sounds_since(m).empty());
        }
    }
    EXPECT_TRUE(host.shown("toggle_pan_geardoors", 0));
    host.click("toggle_pan_geardoors", 0);  // the first step of the gear and doors cycle
    EXPECT_TRUE(host.window_open(10140));

    vk::panel.toggles_visible = 0;
    host.run_frames(1);
    for (const Zone& z : kZones) EXPECT_FALSE(host.shown(z.name, 0)) << z.name;
    EXPECT_FALSE(host.shown("toggle_pan_geardoors", 0));
}

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
    EXPECT_EQ(keys_since(host, m), (KeyList{key(vk::Key::panel_window_close, 10140),
                                            key(vk::Key::panel_window_toggle, 10150),
                                            key(vk::Key::panel_window_close, 10140),
                                            key(vk::Key::panel_window_toggle, 10150)}));

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
