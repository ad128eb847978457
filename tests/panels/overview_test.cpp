// The overview strip and the cockpit overview: hover, pin and right click,
// the eight zones with their highlights, the buttons and the close corner.
#include <tuple>

#include "host/effects/panels.h"
#include "panels/panels_support.h"

namespace vktest {
namespace {

using vk::Key;

struct ZoneArea {
    int zone;
    int x, y, w, h;
};

// The zones of the cockpit map.
const ZoneArea kZoneAreas[] = {
    {1, 459, 15, 80, 161}, {2, 340, 82, 119, 95}, {2, 353, 251, 120, 79}, {2, 243, 361, 64, 36},
    {3, 243, 294, 64, 36}, {4, 307, 251, 46, 43}, {5, 144, 251, 44, 79},  {5, 243, 280, 64, 14},
    {6, 144, 81, 196, 95}, {7, 144, 15, 221, 66}, {8, 300, 220, 51, 31},
};

class Overview : public LinkedHost {
  protected:
    Overview() {
        host.place("panel_display");
        host.place("panel_overview");
        overview = host.gauge("panel_overview");
    }
    // Moves the cursor to (x, y) of the overview and draws a frame.
    void hover(int x, int y) {
        host.click_at(overview, x, y, vk::kMouseMove);
        host.run_frames(1);
    }
    int lit_overlay() {
        int lit = 0;
        for (int k = 1; k <= 8; ++k)
            if (host.shown("panel_overview", k)) lit = lit ? -1 : k;  // -1: more than one
        return lit;
    }
    vk::GaugeHeader* overview;
};

TEST_F(Overview, TheStripOpensTheOverviewUnlessARightClickPinnedIt) {
    const vk::MouseRect* strip = host.area(host.gauge("panel_display"), 0);
    EXPECT_EQ(strip->flags, 0xA0400000u);
    EXPECT_EQ(host.tooltip(host.gauge("panel_display")), "display overview panel");
    EXPECT_EQ(vk::panel.overview_pin, 2);

    size_t m = host.mark();
    host.click("panel_display", 0, vk::kMouseMove);
    EXPECT_TRUE(host.window_open(10510));
    EXPECT_EQ(vk::panel.overview_pin, 0);  // first use over
    host.click("panel_display", 0, vk::kMouseLeft);
    EXPECT_EQ(vk::panel.overview_pin, 0);
    host.click("panel_display", 0, vk::kMouseRight);
    EXPECT_EQ(vk::panel.overview_pin, 10);
    host.click("panel_display", 0, vk::kMouseMove);  // pinned: nothing more
    EXPECT_EQ(keys_since(host, m), KeyList{key(Key::panel_window_open, 10510)});

    host.click("panel_display", 0, vk::kMouseLeft);
    EXPECT_EQ(vk::panel.overview_pin, 0);
    host.close_window(10510);
    host.click("panel_display", 0, vk::kMouseMove);
    EXPECT_TRUE(host.window_open(10510));
}

TEST_F(Overview, EachZoneLightsItsOwnOverlayAndNothingLightsAroundThem) {
    for (const ZoneArea& z : kZoneAreas) {
        SCOPED_TRACE(::testing::Message() << "zone " << z.zone << " at " << z.x << "," << z.y);
        for (auto [dx, dy] : {std::pair{0, 0}, {z.w - 1, z.h - 1}}) {
            hover(z.x + dx, z.y + dy);
            EXPECT_EQ(vk::panel.overview_hover, z.zone);
            EXPECT_EQ(lit_overlay(), z.zone);
        }
    }
    for (auto [x, y] : {std::pair{10, 200},
                        {200, 5},
                        {400, 50},
                        {250, 200},
                        {200, 300},
                        {520, 300},
                        {400, 340},
                        {300, 430},
                        {330, 310}}) {
        hover(459, 15);
        hover(x, y);
        EXPECT_EQ(lit_overlay(), 0) << x << "," << y;
    }
}

TEST_F(Overview, AZoneClickActsOnItsWindowsAndClosesTheOverviewUnlessKeptOpen) {
    host.open_window(10510);
    vk::panel.overview_pin = 0;
    hover(170, 280);  // zone 5
    size_t m = host.mark();
    EXPECT_TRUE(host.click_at(overview, 170, 280, vk::kMouseLeft));
    EXPECT_EQ(keys_since(host, m),
              (KeyList{key(Key::panel_window_toggle, 10090), key(Key::panel_window_toggle, 10100),
                       key(Key::panel_window_close, 10510)}));
    EXPECT_TRUE(host.window_open(10090) && host.window_open(10100));
    EXPECT_FALSE(host.window_open(10510));
    EXPECT_EQ(vk::panel.overview_hover, 0);

    // Pinned by a right click on the strip, then left open on purpose.
    host.click("panel_display", 0, vk::kMouseMove);
    host.click("panel_display", 0, vk::kMouseRight);
    for (uint8_t pin : {10, 1}) {
        if (pin == 1) vk::panel.overview_pin = 1;
        m = host.mark();
        host.click_at(overview, 470, 100, vk::kMouseLeft);  // zone 1
        EXPECT_EQ(keys_since(host, m), KeyList{key(Key::panel_window_toggle, 10080)});
        EXPECT_TRUE(host.window_open(10510));
        EXPECT_EQ(vk::panel.overview_pin, pin);
    }

    host.click_at(overview, 310, 230, vk::kMouseLeft);  // zone 8: the gear and doors cycle
    EXPECT_TRUE(host.window_open(10140));
    EXPECT_EQ(vk::panel.geardoors_state, 1);
}

TEST_F(Overview, ButtonsCloseTheOverviewAfterUseAndTheCornerUnpinsIt) {
    vk::panel.overview_pin = 0;
    for (auto [x, window] : {std::pair{200, 10130}, {310, 10170}}) {
        host.open_window(10510);
        host.click_at(overview, x, 420, vk::kMouseLeft);
        EXPECT_TRUE(host.window_open(window));
        EXPECT_FALSE(host.window_open(10510));
    }
    host.click_at(overview, 260, 420, vk::kMouseLeft);
    EXPECT_TRUE(host.model<vkhost::AtcWindow>().shown);
    vk::panel.overview_pin = 10;
    host.open_window(10510);
    host.click_at(overview, 260, 420, vk::kMouseLeft);
    EXPECT_FALSE(host.model<vkhost::AtcWindow>().shown);
    EXPECT_TRUE(host.window_open(10510));

    host.click_at(overview, 20, 20, vk::kMouseLeft);  // the corner closes even when pinned
    EXPECT_FALSE(host.window_open(10510));
    EXPECT_EQ(vk::panel.overview_pin, 10);
    vk::panel.overview_pin = 1;
    host.click_at(overview, 20, 20, vk::kMouseLeft);
    EXPECT_EQ(vk::panel.overview_pin, 0);
}

}  // namespace
}  // namespace vktest
