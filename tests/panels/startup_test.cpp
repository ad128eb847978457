// The start-up sequence run by the failures toggle zone at load: windows
// opened, the choice (crew or countdown), eight frames of cold or running
// settings, one frame closing the windows, then nothing.
#include <algorithm>
#include <tuple>

#include "frame/element.h"
#include "panels/panels_support.h"

namespace vktest {
namespace {

using vk::Key;

const std::vector<int32_t> kOpenedAtFirst = {10040, 10050, 10060, 10070, 10080, 10090, 10100,
                                             10110, 10120, 10130, 10150, 10160, 10180};

// The key events of the start-up itself in the last frame: window actions
// and the cold-aircraft event (other gauges may send their own).
KeyList startup_keys(const vkhost::TestHost& host, size_t mark) {
    KeyList out;
    for (const auto& k : keys_since(host, mark))
        if (k.first == id(Key::cold_start_setup) || k.first == id(Key::panel_window_toggle) ||
            k.first == id(Key::panel_window_open) || k.first == id(Key::panel_window_close))
            out.push_back(k);
    return out;
}

int count(const KeyList& keys, std::pair<int32_t, int32_t> k) {
    return static_cast<int>(std::count(keys.begin(), keys.end(), k));
}

class Startup : public LinkedHost {
  protected:
    // One frame; the start-up's key events of that frame.
    KeyList frame() {
        const size_t m = host.mark();
        host.run_frames(1);
        EXPECT_LE(vk::panel.startup_choice, 2) << "frame " << host.frame();
        return startup_keys(host, m);
    }
};

TEST_F(Startup, ColdOnTheGroundWithoutTheChoiceScreen) {
    load_cockpit(host);
    for (int f = 1; f <= 13; ++f) {
        const KeyList keys = frame();
        EXPECT_EQ(count(keys, key(Key::cold_start_setup, 125)), 0) << f;
        for (int32_t w : kOpenedAtFirst) EXPECT_EQ(count(keys, key(Key::panel_window_open, w)), 1);
    }
    EXPECT_EQ(open_windows(host), kOpenedAtFirst);
    EXPECT_TRUE(host.placed(host.gauge("pedestnight_vk")));  // installed by its window

    for (int f = 14; f <= 21; ++f) {
        const KeyList keys = frame();
        EXPECT_EQ(count(keys, key(Key::cold_start_setup, 125)), 1) << f;
        // The choice comes after the windows of its frame have been opened once more.
        EXPECT_EQ(keys.size(), f == 14 ? 14u : 1u) << f;
        EXPECT_EQ(vk::panel.startup_choice, 1);
        if (f == 16) {  // the crew moves switches in the middle: the next frame puts them back
            vk::elec.master_switch = 2;
            vk::elec.tadg_guard_open = 0;
            vk::fuel.left_pump_b_switch = 1;
            vk::eng.right_hp_lever_open = 1;
            vk::hyd.valve_open[2] = 0;
            vk::air.pitot_heat_switch[3] = 1;
            vk::warn.crew_call_hi = 2;
        }
    }
    EXPECT_EQ(vk::elec.master_switch, 0);
    EXPECT_EQ(vk::elec.tadg_guard_open, 1);
    EXPECT_EQ(vk::fuel.left_pump_b_switch, 0);
    EXPECT_EQ(vk::eng.right_hp_lever_open, 0);
    EXPECT_EQ(vk::hyd.valve_open[2], 1);
    EXPECT_EQ(vk::air.pitot_heat_switch[3], 0);
    EXPECT_EQ(vk::warn.crew_call_hi, 0);
    EXPECT_EQ(vk::fail.easy_start, 0);

    const KeyList closing = frame();
    EXPECT_EQ(closing.size(), 14u);
    EXPECT_EQ(count(closing, key(Key::panel_window_close, 10520)), 0);
    EXPECT_EQ(open_windows(host), std::vector<int32_t>{10080});
    EXPECT_EQ(vk::panel.startup_step, 11);

    for (int f = 0; f < 40; ++f) EXPECT_TRUE(frame().empty());
    // Gauges of closed windows keep running: the pedestal's night overlay is
    // hidden again by its own pre-update.
    vk::show(host.element("pedestnight_vk", 0), true);
    host.run_frames(1);
    EXPECT_FALSE(host.shown("pedestnight_vk", 0));
}

TEST_F(Startup, InFlightTheRunningBranchIsTakenWhateverTheChoice) {
    host.set(id(vk::Var::radio_height), 3000.0);
    host.set(id(vk::Var::on_ground), 0.0);
    vk::air.cabin_alt = 8000.0f;
    load_cockpit(host, vkhost::ChoiceScreen::open);
    frame();
    for (int f = 2; f <= 30; ++f) {
        host.close_window(10520);  // whatever closes it, it comes back
        EXPECT_EQ(count(frame(), key(Key::panel_window_open, 10520)), 1) << f;
        EXPECT_TRUE(host.window_open(10520));
    }
    EXPECT_EQ(vk::panel.startup_step, 0);

    host.click("panload", 0);  // the crew asks for a cold aircraft
    EXPECT_FALSE(host.window_open(10520));
    EXPECT_EQ(vk::panel.startup_choice, 1);
    for (int f = 1; f <= 8; ++f) {
        const KeyList keys = frame();
        EXPECT_EQ(count(keys, key(Key::cold_start_setup, 125)), 0);
        EXPECT_EQ(host.window_open(10080), f < 8) << f;
        EXPECT_TRUE(host.window_open(10170));
    }
    const auto& a = vk::air;
    EXPECT_EQ(std::tuple(a.left_pack_valve, a.right_pack_valve, a.left_bleed_valve,
                         a.right_bleed_valve, a.left_engine_bleed, a.right_engine_bleed),
              std::tuple(255, 255, 100, 100, 1, 1));
    EXPECT_EQ(vk::air.cabin_alt, 0.0f);
    EXPECT_EQ(vk::gear.nav_light_switch, 1);
    EXPECT_EQ(vk::gear.beacon_switch, 1);
    EXPECT_EQ(vk::fail.easy_start, 1);
    EXPECT_EQ(vk::elec.master_switch, 2);  // no cold settings

    const KeyList closing = frame();
    EXPECT_EQ(count(closing, key(Key::panel_window_close, 10520)), 1);
    EXPECT_TRUE(open_windows(host).empty());
    for (int f = 0; f < 20; ++f) EXPECT_TRUE(frame().empty());
}

// The countdown keeps its own count: startup_choice stays 0 (frame() checks
// it never leaves 0 to 2), so a screen appearing late still waits for the crew.
TEST_F(Startup, AChoiceScreenAppearingDuringTheCountdownLightsAndWaitsForTheCrew) {
    load_cockpit(host);
    for (int f = 1; f <= 12; ++f) frame();
    EXPECT_EQ(vk::panel.startup_choice, 0);
    host.open_window(10520);
    for (int f = 13; f <= 60; ++f) frame();
    EXPECT_EQ(vk::panel.startup_step, 0);
    EXPECT_EQ(vk::panel.startup_choice, 0);

    const auto lit = [&] { return std::pair{host.shown("panload", 1), host.shown("panload", 2)}; };
    for (auto [x, y, expected] : {std::tuple{100, 100, std::pair(true, false)},
                                  {400, 100, std::pair(false, true)},
                                  {400, 250, std::pair(false, false)}}) {  // below the choices
        host.click_at(host.gauge("panload"), x, y, vk::kMouseMove);
        host.run_frames(1);
        EXPECT_EQ(lit(), expected) << x << "," << y;
    }
    host.click_at(host.gauge("panload"), 400, 100, vk::kMouseMove);
    EXPECT_TRUE(host.click_at(host.gauge("panload"), 400, 100, vk::kMouseLeft));
    EXPECT_EQ(vk::panel.startup_choice, 2);
    EXPECT_EQ(vk::panel.loader_hover, 0);
    EXPECT_FALSE(host.window_open(10520));
    for (int f = 0; f < 9; ++f) EXPECT_EQ(count(frame(), key(Key::cold_start_setup, 125)), 0);
    EXPECT_EQ(vk::panel.startup_step, 11);
    EXPECT_EQ(vk::fail.easy_start, 1);
    EXPECT_EQ(vk::air.left_pack_valve, 0);  // on the ground: no air settings
    EXPECT_TRUE(open_windows(host).empty());
}

// The crew may click before the screen's gauge has run once: the choice stands.
TEST_F(Startup, ACrewChoiceMadeBeforeTheFirstFrameStands) {
    load_cockpit(host, vkhost::ChoiceScreen::open);
    host.click("panload", 1);
    for (int f = 0; f < 9; ++f) EXPECT_EQ(count(frame(), key(Key::cold_start_setup, 125)), 0);
    EXPECT_EQ(vk::panel.startup_choice, 2);
    EXPECT_EQ(vk::panel.startup_step, 11);
    EXPECT_EQ(vk::fail.easy_start, 1);
}

}  // namespace
}  // namespace vktest
