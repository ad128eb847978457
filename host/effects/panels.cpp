// Panel windows: toggled, opened and closed by key events carrying the ident.
#include "frame/key_events.h"
#include "host/effects.h"
#include "host/test_host.h"

namespace vkhost {

void register_panel_effects(EffectRegistry& r) {
    using vk::Key;
    r.add(static_cast<int32_t>(Key::panel_window_toggle),
          [](TestHost& h, int32_t ident) { h.toggle_window(ident); });
    r.add(static_cast<int32_t>(Key::panel_window_open),
          [](TestHost& h, int32_t ident) { h.open_window(ident); });
    r.add(static_cast<int32_t>(Key::panel_window_close),
          [](TestHost& h, int32_t ident) { h.close_window(ident); });
}

}  // namespace vkhost
