// The start-up choice screen: a cold aircraft on the left, a running aircraft
// on the right. The side under the cursor lights up; a left click makes the
// choice the start-up sequence waits for and closes the screen.
#include "frame/bitmaps.h"
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/host.h"
#include "frame/mouse.h"
#include "frame/panel_windows.h"
#include "gauges/state.h"

namespace vk {
namespace {

constinit Chain elements{
    &hdr_panload,
    image(own_background(GaugeId::panload)),                    // 0 the screen
    icon(33360, At{72, 43}, kTransparent | kErase | kHidden),   // 1 cold aircraft lit
    icon(33376, At{309, 43}, kTransparent | kErase | kHidden),  // 2 running aircraft lit
};

template <uint8_t choice>
int32_t VKCALL side(const MousePoint*, uint32_t flags) {
    if (flags & kMouseMove) panel.loader_hover = choice;
    if (flags & kMouseLeft) {
        panel.startup_choice = choice;
        toggle_window(ident(Window::choice));  // open while it is clicked: this closes it
        panel.loader_hover = 0;
    }
    return 0;
}

int32_t VKCALL outside(const MousePoint*, uint32_t) {
    panel.loader_hover = 0;
    return 0;
}

constexpr auto kMouse =
    mouse_list(kNoHelp, area(0, 45, 270, 199, kCursorHand, kMouseLeft | kMouseMove, side<1>),
               area(270, 45, 269, 199, kCursorHand, kMouseLeft | kMouseMove, side<2>),
               area(0, 0, 539, 45, kCursorNone, kMouseMove, outside),
               area(0, 244, 539, 33, kCursorNone, kMouseMove, outside));

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    panel.loader_present = 1;
    show(elements[1], panel.loader_hover == 1);
    show(elements[2], panel.loader_hover == 2);
}

}  // namespace

GaugeHeader hdr_panload = gauge_header(GaugeId::panload, elements.list, kMouse.data(), update);

}  // namespace vk
