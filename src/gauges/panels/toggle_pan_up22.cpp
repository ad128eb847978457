// Toggle zone of the main panel: toggles the Upper2 panel (second zone) through
// the host's panel_window_toggle.
#include "frame/gauge_table.h"
#include "frame/toggle_zone.h"

namespace vk {
namespace {

constinit Chain elements{&hdr_toggle_pan_up22, zone_picture(GaugeId::toggle_pan_up22)};

constexpr auto kMouse = zone_mouse("display/hide upper2 panel", ZoneSize{127, 40},
                                   toggle_windows<WindowBy::service, Window::upper2>);

}  // namespace

GaugeHeader hdr_toggle_pan_up22 =
    gauge_header(GaugeId::toggle_pan_up22, elements.list, kMouse.data(), toggle_zone_callback);

}  // namespace vk
