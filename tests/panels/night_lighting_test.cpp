// Night lighting: the panel light knob, the lit overlays and night flag, the
// clock window redrawn on each change, the host's panel light and the load
// shedding of the host's lights.
#include "frame/element.h"
#include "host/effects/panels.h"
#include "panels/panels_support.h"

namespace vktest {
namespace {

using vk::Key;

class NightLighting : public LinkedHost {
  protected:
    NightLighting() {
        for (const char* g :
             {"elec_panlight_vk", "panelnight_vk", "pedestnight_vk", "pressunight_vk"})
            host.place(g);
        host.open_window(10130);
        vk::elec.gen_supply_on = 1;  // no load shedding unless a test asks for it
    }
    KeyList frame() {
        const size_t m = host.mark();
        host.run_frames(1);
        return keys_since(host, m);
    }
    bool lit() {
        return host.shown("panelnight_vk", 0) && host.shown("pedestnight_vk", 0) &&
               host.shown("pressunight_vk", 0) && vk::panel.night_lighting == 1;
    }
    bool dark() {
        return !host.shown("panelnight_vk", 0) && !host.shown("pedestnight_vk", 0) &&
               !host.shown("pressunight_vk", 0) && vk::panel.night_lighting == 0;
    }
    const std::pair<int32_t, int32_t> kClock = key(Key::panel_window_toggle, 10130);
};

TEST_F(NightLighting, EachChangeRedrawsTheClockAndTheHostPanelLightFollowsOnce) {
    vk::elec.ess_bus_powered = 1;
    host.click("elec_panlight_vk", 1);  // on
    EXPECT_EQ(vk::panel.panel_light_knob, 0);
    EXPECT_EQ(frame(), (KeyList{kClock, kClock, key(Key::panel_light_on)}));
    host.run_frames(1);  // the two small overlays run before the main one sets the flag
    EXPECT_TRUE(lit());
    EXPECT_TRUE(host.window_open(10130));
    EXPECT_EQ(host.get(id(vk::Var::panel_light)), 1.0);
    EXPECT_EQ(host.needle_angle("elec_panlight_vk", 1), 0.0);
    EXPECT_TRUE(frame().empty());
    host.click("elec_panlight_vk", 3);  // on again, on the right knob: nothing restarts
    EXPECT_TRUE(frame().empty());

    host.click("elec_panlight_vk", 0);  // off
    EXPECT_EQ(vk::panel.panel_light_knob, 180);
    EXPECT_EQ(frame(), (KeyList{kClock, kClock, key(Key::panel_light_off)}));
    host.run_frames(1);
    EXPECT_TRUE(dark());
    EXPECT_TRUE(host.window_open(10130));
    EXPECT_EQ(host.needle_angle("elec_panlight_vk", 1), 180.0);
    EXPECT_EQ(host.needle_angle("elec_panlight_vk", 2), 180.0);
    EXPECT_TRUE(frame().empty());
}

TEST_F(NightLighting, LostSupplyDarkensThePanelsUntilItComesBack) {
    vk::elec.dc_bus2_powered = 1;
    vk::elec.ac_conv_out_b = 1;
    host.click("elec_panlight_vk", 1);
    host.run_frames(2);
    ASSERT_TRUE(lit());

    vk::elec.dc_bus2_powered = 0;  // the converter alone keeps the host's light
    EXPECT_EQ(frame(), (KeyList{kClock, kClock}));
    host.run_frames(1);
    EXPECT_TRUE(dark());
    EXPECT_EQ(vk::panel.panel_light_state, 3);
    EXPECT_TRUE(frame().empty());

    vk::elec.ac_conv_out_b = 0;
    EXPECT_EQ(frame(), KeyList{key(Key::panel_light_off)});
    EXPECT_TRUE(frame().empty());

    vk::elec.dc_bus2_powered = 1;
    EXPECT_EQ(frame(), (KeyList{kClock, kClock}));  // the light needs the converter or the bus
    host.run_frames(1);
    EXPECT_TRUE(lit());
    EXPECT_EQ(vk::panel.panel_light_state, 5);
}

TEST_F(NightLighting, WithoutGeneratedPowerTheHostLightsAreShedOnce) {
    host.set(id(vk::Var::shed_light_a), 1.0);
    host.set(id(vk::Var::shed_light_b), 1.0);
    host.set_expression(vkhost::kCabinLightExpression, 1.0);
    EXPECT_TRUE(frame().empty());  // generators on line

    vk::elec.gen_supply_on = 0;
    EXPECT_EQ(frame(), (KeyList{key(Key::shed_light_b_off), key(Key::shed_light_a_off),
                                key(Key::cabin_light_off)}));
    EXPECT_TRUE(frame().empty());  // the host's lights are off now
    host.set(id(vk::Var::shed_light_a), 1.0);
    EXPECT_EQ(frame(), KeyList{key(Key::shed_light_a_off)});
}

}  // namespace
}  // namespace vktest
