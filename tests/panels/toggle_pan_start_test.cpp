// The start panel's toggle zone: drawn with the other toggle zones, and a
// click that opens and closes the start and battery panels together.
#include "sound/sound_set.h"
#include "support.h"

namespace vktest {
namespace {

class TogglePanStart : public LinkedHost {
  protected:
    TogglePanStart() { host.place("toggle_pan_start"); }
};

TEST_F(TogglePanStart, ZoneIsDrawnOnlyWhileTheToggleZonesAre) {
    host.run_frames(1);
    EXPECT_FALSE(host.shown("toggle_pan_start", 0));
    vk::panel.toggles_visible = 1;
    host.run_frames(1);
    EXPECT_TRUE(host.shown("toggle_pan_start", 0));
    vk::panel.toggles_visible = 0;
    host.run_frames(1);
    EXPECT_FALSE(host.shown("toggle_pan_start", 0));
    EXPECT_EQ(host.tooltip(host.require("toggle_pan_start")),
              "display/hide start, TADG and battery panels");
}

TEST_F(TogglePanStart, AClickTogglesBothPanelsThroughTheHost) {
    host.run_frames(1);
    const size_t m = host.mark();
    host.click("toggle_pan_start", 0);
    const auto keys = host.keys_since(m);
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0].id, id(vk::Key::panel_window_toggle));
    EXPECT_EQ(keys[0].value, 10090);
    EXPECT_EQ(keys[1].value, 10100);
    EXPECT_TRUE(host.window_open(10090));
    EXPECT_TRUE(host.window_open(10100));
    EXPECT_TRUE(host.sounds_since(m).empty());  // the zone makes no sound

    // The zone works whether or not it is drawn; a second click closes both.
    host.click("toggle_pan_start", 0);
    EXPECT_FALSE(host.window_open(10090));
    EXPECT_FALSE(host.window_open(10100));
}

TEST_F(TogglePanStart, KeyEventsAndSoundsShareOneHistory) {
    vk::play(vk::Sound::click);
    const size_t m = host.mark();
    host.click("toggle_pan_start", 0);
    vk::play(vk::Sound::cachemetal);
    EXPECT_EQ(host.keys_since(m).size(), 2u);
    ASSERT_EQ(host.sounds_since(m).size(), 1u);
    EXPECT_EQ(host.sounds_since(m)[0].name, "CACHEMETAL");
    EXPECT_TRUE(host.keys_since(host.mark()).empty());
}

}  // namespace
}  // namespace vktest
