#pragma once
// Toggle zones: small pictures on the main panel, each with a tooltip and one
// click area over it, that open and close panel windows. A zone gauge is its
// picture (the root, hidden at load), its mouse list and a callback that shows
// the picture while PanelState.toggles_visible is set:
//
//   constinit Chain elements{&hdr_toggle_pan_clock, zone_picture(GaugeId::toggle_pan_clock)};
//   constexpr auto kMouse = zone_mouse("display/hide clock", ZoneSize{70, 40},
//                                      toggle_windows<WindowBy::service, Window::clock>);
//   GaugeHeader hdr_toggle_pan_clock = gauge_header(GaugeId::toggle_pan_clock,
//       elements.list, kMouse.data(), toggle_zone_callback);
//
// A zone that does more in its callback calls show_zone itself.
#include <cstdint>

#include "frame/bitmaps.h"
#include "frame/element.h"
#include "frame/mouse.h"
#include "frame/panel_windows.h"

namespace vk {

struct ZoneSize {
    int32_t w = 0, h = 0;
};

// The zone's picture, the gauge's own background id, drawn with transparency
// and hidden until the zones are shown.
constexpr ElementHeader zone_picture(GaugeId gauge) {
    return image(own_background(gauge), At{}, kTransparent | kHidden);
}

// The zone's mouse list: its tooltip, then one hand-cursor area over the
// whole picture that calls `click` on a left press.
constexpr auto zone_mouse(const char* text, ZoneSize size, ClickFunction click) {
    return mouse_list(kNoHelp, tooltip(text),
                      area(0, 0, size.w, size.h, kCursorHand, kMouseLeft, click));
}

// The click function of a zone that toggles its windows, in order.
template <WindowBy by, Window... windows>
int32_t VKCALL toggle_windows(const MousePoint*, uint32_t) {
    (toggle_window(windows, by), ...);
    return 0;
}

// Shows the zone's picture (its gauge's root) while the toggle zones are drawn.
void show_zone(GaugeHeader* gauge);

// The callback of a zone that does nothing else: show_zone on pre-update.
void VKCALL toggle_zone_callback(GaugeHeader* gauge, int32_t service, uint32_t extra);

}  // namespace vk
