// Panel windows: toggled, opened and closed by key events carrying the ident.
// The ATC window shown and hidden. The host's panel light and the lights the
// module sheds without generated power.
#include "host/effects/panels.h"

#include "frame/host_vars.h"
#include "frame/key_events.h"
#include "host/effects.h"
#include "host/test_host.h"

namespace vkhost {

void register_panel_effects(EffectRegistry& r) {
    using vk::Key;
    auto on = [&r](Key k, Effect e) { r.add(static_cast<int32_t>(k), std::move(e)); };
    auto light = [](vk::Var v, double value) {
        return [v, value](TestHost& h, int32_t) { h.set(static_cast<int32_t>(v), value); };
    };

    on(Key::panel_window_toggle, [](TestHost& h, int32_t ident) { h.toggle_window(ident); });
    on(Key::panel_window_open, [](TestHost& h, int32_t ident) { h.open_window(ident); });
    on(Key::panel_window_close, [](TestHost& h, int32_t ident) { h.close_window(ident); });

    on(Key::atc_window_show, [](TestHost& h, int32_t) { h.model<AtcWindow>().shown = true; });
    on(Key::atc_window_hide, [](TestHost& h, int32_t) { h.model<AtcWindow>().shown = false; });

    on(Key::panel_light_on, light(vk::Var::panel_light, 1.0));
    on(Key::panel_light_off, light(vk::Var::panel_light, 0.0));
    on(Key::shed_light_a_off, light(vk::Var::shed_light_a, 0.0));
    on(Key::shed_light_b_off, light(vk::Var::shed_light_b, 0.0));
    on(Key::cabin_light_off,
       [](TestHost& h, int32_t) { h.set_expression(kCabinLightExpression, 0.0); });
}

}  // namespace vkhost
