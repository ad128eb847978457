// The host's side of the panels: the layout table, loading the aircraft, and
// the lights and ATC window that follow the module's key events.
#include <map>

#include "frame/gauge_table.h"
#include "frame/host.h"
#include "host/effects/panels.h"
#include "panels/panels_support.h"

namespace vktest {
namespace {

TEST(PanelLayout, EveryGaugeButTheDebugDisplaySitsInExactlyOneWindow) {
    std::map<std::string, int> seen;
    for (const auto& w : vkhost::panel_layout())
        for (const auto& g : w.gauges) ++seen[g];
    for (int i = 1; i < vk::kGaugeCount; ++i) {
        const std::string name = std::string(vk::kGaugeInfo[i].name).substr(9);
        EXPECT_EQ(seen[name], 1) << name;
    }
    EXPECT_EQ(seen.count("testgauge2k"), 0u);
    EXPECT_EQ(vkhost::window_label(10080), "electrical panel (10080)");
    EXPECT_EQ(vkhost::window_label(12345), "12345");
}

TEST_F(LinkedHost, LoadingPlacesTheMainPanelAndWindowsPlaceTheirGaugesOnFirstOpening) {
    vkhost::load_aircraft(host);
    EXPECT_TRUE(host.placed(host.gauge("toggle_pan_fail")));
    EXPECT_TRUE(host.placed(host.gauge("panel_display")));
    EXPECT_FALSE(host.placed(host.gauge("elec_panlight_vk")));
    EXPECT_FALSE(host.placed(host.gauge("panload")));
    EXPECT_FALSE(host.window_open(10520));

    host.on_key_event(id(vk::Key::panel_window_open), 10080);
    EXPECT_TRUE(host.placed(host.gauge("elec_panlight_vk")));
}

TEST_F(LinkedHost, TheChoiceScreenCanBeOpenAtLoad) {
    vkhost::load_aircraft(host, {.choice_screen = true});
    EXPECT_TRUE(host.window_open(10520));
    EXPECT_TRUE(host.placed(host.gauge("panload")));
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
