// Toggle zone of the main panel: toggles the Upper3 panel (second zone) through
// the host's panel_window_toggle.
#include "frame/gauge_table.h"
#include "frame/toggle_zone.h"

namespace vk {
namespace {

constinit Chain elements{&hdr_toggle_pan_up32, zone_picture(GaugeId::toggle_pan_up32)};

constexpr auto kMouse = zone_mouse("display/hide upper3 panel", ZoneSize{70, 40},
                                   toggle_windows<WindowBy::service, Window::upper3>);

}  // namespace

GaugeHeader hdr_toggle_pan_up32 =
    gauge_header(GaugeId::toggle_pan_up32, elements.list, kMouse.data(), toggle_zone_callback);

}  // namespace vk
