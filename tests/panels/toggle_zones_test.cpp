// The toggle zones of the main panel: drawn only while the zones are shown,
// each acting on its own windows by the host service or the key event.
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
    EXPECT_EQ(host.tooltip(host.gauge("toggle_pan_clock")), "display/hide clock");
    EXPECT_EQ(host.tooltip(host.gauge("toggle_pan_ped2")), "close pedestal");
    EXPECT_EQ(host.tooltip(host.gauge("toggle_pan_ap")), "display/hide autopilot only");

    EXPECT_TRUE(host.shown("toggle_pan_geardoors", 0));
    host.click("toggle_pan_geardoors", 0);  // the first step of the gear and doors cycle
    EXPECT_TRUE(host.window_open(10140));

    vk::panel.toggles_visible = 0;
    host.run_frames(1);
    for (const Zone& z : kZones) EXPECT_FALSE(host.shown(z.name, 0)) << z.name;
    EXPECT_FALSE(host.shown("toggle_pan_geardoors", 0));
}

}  // namespace
}  // namespace vktest
