// The overview strip: an invisible 1280 mm strip along the top of the screen.
// The cursor over it opens the cockpit overview; a right click pins the
// overview open, a left click unpins it.
#include "frame/bitmaps.h"
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "frame/panel_windows.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr uint8_t kPinned = 10;
constexpr uint8_t kFirstUse = 2;

constinit Chain elements{&hdr_panel_display, image(own_background(GaugeId::panel_display), At{},
                                                   kTransparent | kHidden)};

int32_t VKCALL strip(const MousePoint*, uint32_t flags) {
    if ((flags & kMouseMove) && panel.overview_pin != kPinned) {
        open_window(Window::overview);
        if (panel.overview_pin == kFirstUse) panel.overview_pin = 0;
    }
    if (flags & kMouseRight) panel.overview_pin = kPinned;
    if ((flags & kMouseLeft) && panel.overview_pin == kPinned) panel.overview_pin = 0;
    return 0;
}

constexpr auto kMouse =
    mouse_list(kNoHelp, tooltip("display overview panel"),
               area(0, 0, 1280, 10, kCursorHand, kMouseRight | kMouseLeft | kMouseMove, strip));

void VKCALL callback(GaugeHeader*, int32_t, uint32_t) {}

}  // namespace

GaugeHeader hdr_panel_display =
    gauge_header(GaugeId::panel_display, elements.list, kMouse.data(), callback);

}  // namespace vk
