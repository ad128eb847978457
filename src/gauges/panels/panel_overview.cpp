// The cockpit overview: a map of the cockpit in its own window. Each of its
// eight zones lights up under the cursor and, on a left click, acts on the
// windows of that part of the cockpit; four buttons below it switch the clock,
// the ATC window and the failures panel; a corner closes the overview. After a
// choice the overview closes unless it is pinned (or left open on purpose).
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "frame/panel_windows.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr uint8_t kPinned = 10;
constexpr uint32_t kOverlayFlags = kErase | kLuminous | kHidden;

constinit Chain elements{
    &hdr_panel_overview,
    image(32896),                       // 0 the cockpit map
    image(33024, At{}, kOverlayFlags),  // 1 electrical panel highlighted
    image(33040, At{}, kOverlayFlags),  // 2 hydraulic and servo panels
    image(33056, At{}, kOverlayFlags),  // 3 pedestal
    image(33072, At{}, kOverlayFlags),  // 4 cabin pressure panel
    image(33088, At{}, kOverlayFlags),  // 5 start, TADG and battery panels
    image(33104, At{}, kOverlayFlags),  // 6 Upper2 panel
    image(33120, At{}, kOverlayFlags),  // 7 Upper3 panel
    image(33136, At{}, kOverlayFlags),  // 8 gear and doors indicators
};

void close_unless_kept() {
    if (panel.overview_pin == 0) close_window(Window::overview);
}

void zone_action(int zone) {
    constexpr auto by = WindowBy::key_event;
    switch (zone) {
        case 1:
            toggle_window(Window::electrical, by);
            break;
        case 2:
            toggle_window(Window::hydraulics, by);
            toggle_window(Window::servos, by);
            break;
        case 3:
            toggle_window(Window::pedestal, by);
            break;
        case 4:
            toggle_window(Window::pressure, by);
            break;
        case 5:
            toggle_window(Window::start, by);
            toggle_window(Window::tadg_battery, by);
            break;
        case 6:
            toggle_window(Window::upper2, by);
            break;
        case 7:
            toggle_window(Window::upper3, by);
            break;
        case 8:
            gear_doors_cycle();
            break;
        default:
            break;
    }
}

// A zone: the cursor over it lights it; a left click acts on its windows.
template <uint8_t zone>
int32_t VKCALL zone_area(const MousePoint*, uint32_t flags) {
    if (flags & kMouseMove) panel.overview_hover = zone;
    if (flags & kMouseLeft) {
        zone_action(zone);
        close_unless_kept();
        panel.overview_hover = 0;
    }
    return 0;
}

// Around the zones: nothing lit.
int32_t VKCALL outside(const MousePoint*, uint32_t) {
    panel.overview_hover = 0;
    return 0;
}

int32_t VKCALL clock_button(const MousePoint*, uint32_t) {
    toggle_window(Window::clock, WindowBy::key_event);
    close_unless_kept();
    return 0;
}

int32_t VKCALL atc_button(const MousePoint*, uint32_t) {
    switch_atc_window();
    close_unless_kept();
    return 0;
}

int32_t VKCALL failures_button(const MousePoint*, uint32_t) {
    toggle_window(Window::failures, WindowBy::key_event);
    close_unless_kept();
    return 0;
}

int32_t VKCALL close_corner(const MousePoint*, uint32_t) {
    close_window(Window::overview);
    if (panel.overview_pin != kPinned) panel.overview_pin = 0;
    return 0;
}

constexpr uint32_t kZone = kMouseLeft | kMouseMove;

constexpr MouseRect zone(int32_t x, int32_t y, int32_t w, int32_t h, ClickFunction fn) {
    return area(x, y, w, h, kCursorHand, kZone, fn);
}
constexpr MouseRect button(int32_t x, int32_t y, ClickFunction fn) {
    return area(x, y, 55, 53, kCursorHand, kMouseLeft, fn);
}
// The areas around the zones come after them in the list, so that where a
// band touches a zone the zone takes the cursor.
constexpr MouseRect around(int32_t x, int32_t y, int32_t w, int32_t h) {
    return area(x, y, w, h, kCursorNone, kMouseMove, outside);
}

constexpr auto kMouse = mouse_list(
    kNoHelp, zone(459, 15, 80, 161, zone_area<1>),  // electrical panel
    zone(340, 82, 119, 95, zone_area<2>),           // hydraulic and servo panels
    zone(353, 251, 120, 79, zone_area<2>), zone(243, 361, 64, 36, zone_area<2>),
    zone(243, 294, 64, 36, zone_area<3>),  // pedestal
    zone(307, 251, 46, 43, zone_area<4>),  // cabin pressure panel
    zone(144, 251, 44, 79, zone_area<5>),  // start, TADG and battery panels
    zone(243, 280, 64, 14, zone_area<5>), zone(144, 81, 196, 95, zone_area<6>),  // Upper2 panel
    zone(144, 15, 221, 66, zone_area<7>),                                        // Upper3 panel
    zone(300, 220, 51, 31, zone_area<8>),  // gear and doors indicators
    button(188, 397, clock_button), button(243, 397, atc_button), button(298, 397, failures_button),
    area(0, 0, 52, 53, kCursorHand, kMouseLeft, close_corner),
    around(0, 0, 144, 450),      // left of the map, under the close corner too
    around(144, 0, 395, 15),     // above it
    around(340, 15, 119, 67),    // between the Upper3 and electrical zones
    around(144, 176, 395, 44),   // under the Upper2, hydraulic and electrical zones
    around(144, 220, 156, 31),   // left of the gear and doors zone
    around(351, 220, 188, 31),   // right of it
    around(188, 251, 55, 146),   // between the start and pedestal columns
    around(243, 251, 64, 29),    // above the lower start zone
    around(307, 294, 46, 36),    // under the cabin pressure zone
    around(473, 251, 66, 146),   // right of the lower hydraulic zone
    around(144, 330, 44, 67),    // under the start zone
    around(243, 330, 230, 67),   // under the pedestal and lower hydraulic zones
    around(144, 397, 395, 53));  // along the buttons

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    for (uint8_t zone = 1; zone <= 8; ++zone) show(elements[zone], panel.overview_hover == zone);
}

}  // namespace

GaugeHeader hdr_panel_overview =
    gauge_header(GaugeId::panel_overview, elements.list, kMouse.data(), update);

}  // namespace vk
