// The host's side of the panels: loading the aircraft by the cockpit's panel
// configuration, and the lights and ATC window that follow the module's key
// events.
#include "frame/host.h"
#include "host/effects/panels.h"
#include "panels/panels_support.h"

namespace vktest {
namespace {

TEST_F(LinkedHost, LoadingOpensTheMainPanelAndWindowsPlaceTheirGaugesOnFirstOpening) {
    load_cockpit(host);
    EXPECT_EQ(host.open_windows(), std::vector<int32_t>{vkhost::kMainPanelIdent});
    // The start-up sequence and the overview strip run from the main panel.
    for (const char* g : {"toggle_pan_fail", "panel_display", "panelnight_vk", "toggle_pan_clock"})
        EXPECT_TRUE(host.placed(host.gauge(g))) << g;
    EXPECT_FALSE(host.placed(host.gauge("panload")));
    EXPECT_FALSE(host.placed(host.gauge("pedestnight_vk")));
    host.on_key_event(id(vk::Key::panel_window_open), 10040);
    EXPECT_TRUE(host.placed(host.gauge("pedestnight_vk")));
    EXPECT_EQ(vkhost::window_label(host, 10040), "Pedestal (10040)");
    EXPECT_EQ(vkhost::window_label(host, 12345), "12345");
}

TEST_F(LinkedHost, HostLightsAndAtcWindowFollowTheirKeyEvents) {
    const auto send = [&](vk::Key k) { host.on_key_event(id(k), 0); };
    send(vk::Key::panel_light_on);
    EXPECT_EQ(host.get(id(vk::Var::panel_light)), 1.0);
    send(vk::Key::panel_light_off);
    EXPECT_EQ(host.get(id(vk::Var::panel_light)), 0.0);

    host.set(id(vk::Var::shed_light_a), 1.0);
    host.set(id(vk::Var::shed_light_b), 1.0);
    host.set_expression(vkhost::kCabinLightExpression, 1.0);
    send(vk::Key::shed_light_a_off);
    EXPECT_EQ(host.get(id(vk::Var::shed_light_a)), 0.0);
    EXPECT_EQ(host.get(id(vk::Var::shed_light_b)), 1.0);
    send(vk::Key::shed_light_b_off);
    EXPECT_EQ(host.get(id(vk::Var::shed_light_b)), 0.0);
    send(vk::Key::cabin_light_off);
    EXPECT_EQ(vk::evaluate(vkhost::kCabinLightExpression), 0.0);

    send(vk::Key::atc_window_show);
    EXPECT_TRUE(host.model<vkhost::AtcWindow>().shown);
    send(vk::Key::atc_window_hide);
    EXPECT_FALSE(host.model<vkhost::AtcWindow>().shown);
}

}  // namespace
}  // namespace vktest
