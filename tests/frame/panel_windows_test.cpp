// Acting on panel windows, the gear and doors cycle, the ATC window and the
// toggle-zone helper.
#include "frame/panel_windows.h"
#include "frame/toggle_zone.h"
#include "host/effects/panels.h"
#include "panels/panels_support.h"

namespace vktest {
namespace {

using vk::Key;
using vk::Window;

TEST_F(LinkedHost, WindowsAreToggledByServiceOrKeyAndOpenedOrClosedByKey) {
    size_t m = host.mark();
    vk::toggle_window(Window::clock, vk::WindowBy::service);
    EXPECT_TRUE(host.window_open(10130));
    EXPECT_TRUE(keys_since(host, m).empty());  // the service sends no key event

    vk::toggle_window(Window::clock, vk::WindowBy::key_event);
    EXPECT_FALSE(host.window_open(10130));
    EXPECT_EQ(keys_since(host, m), KeyList{key(Key::panel_window_toggle, 10130)});

    // Opening an open window and closing a closed one leave it as it is.
    m = host.mark();
    vk::open_window(Window::overview);
    vk::open_window(Window::overview);
    EXPECT_TRUE(host.window_open(10510));
    vk::close_window(Window::overview);
    vk::close_window(Window::overview);
    EXPECT_FALSE(host.window_open(10510));
    EXPECT_EQ(keys_since(host, m),
              (KeyList{key(Key::panel_window_open, 10510), key(Key::panel_window_open, 10510),
                       key(Key::panel_window_close, 10510), key(Key::panel_window_close, 10510)}));
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

TEST_F(LinkedHost, AtcWindowAlternatesBetweenShowAndHide) {
    const size_t m = host.mark();
    vk::switch_atc_window();
    EXPECT_TRUE(host.model<vkhost::AtcWindow>().shown);
    vk::switch_atc_window();
    EXPECT_FALSE(host.model<vkhost::AtcWindow>().shown);
    EXPECT_EQ(vk::panel.atc_shown, 0);
    EXPECT_EQ(keys_since(host, m), (KeyList{key(Key::atc_window_show), key(Key::atc_window_hide)}));
}

TEST_F(LinkedHost, AZoneIsShownOnPreUpdateWhileTheZonesAreVisible) {
    vk::GaugeHeader* zone = host.gauge("toggle_pan_clock");
    EXPECT_FALSE(host.shown("toggle_pan_clock", 0));
    vk::panel.toggles_visible = 1;
    vk::toggle_zone_callback(zone, static_cast<int32_t>(vk::Service::install), 0);
    EXPECT_FALSE(host.shown("toggle_pan_clock", 0));  // only pre-update shows it
    vk::toggle_zone_callback(zone, static_cast<int32_t>(vk::Service::pre_update), 0);
    EXPECT_TRUE(host.shown("toggle_pan_clock", 0));
    vk::panel.toggles_visible = 0;
    vk::toggle_zone_callback(zone, static_cast<int32_t>(vk::Service::pre_update), 0);
    EXPECT_FALSE(host.shown("toggle_pan_clock", 0));

    // Two windows toggled together, in order.
    const size_t m = host.mark();
    vk::toggle_windows<vk::WindowBy::key_event, Window::start, Window::tadg_battery>(nullptr, 0);
    EXPECT_EQ(keys_since(host, m), (KeyList{key(Key::panel_window_toggle, 10090),
                                            key(Key::panel_window_toggle, 10100)}));
    EXPECT_TRUE(host.window_open(10090) && host.window_open(10100));
}

}  // namespace
}  // namespace vktest
