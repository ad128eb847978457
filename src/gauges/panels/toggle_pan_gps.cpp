// Toggle zone of the main panel: toggles the GPS window through
// the host's panel_window_toggle.
#include "frame/gauge_table.h"
#include "frame/toggle_zone.h"

namespace vk {
namespace {

constinit Chain elements{&hdr_toggle_pan_gps, zone_picture(GaugeId::toggle_pan_gps)};

constexpr auto kMouse = zone_mouse("display/hide GPS", ZoneSize{70, 40},
                                   toggle_windows<WindowBy::service, Window::gps>);

}  // namespace

GaugeHeader hdr_toggle_pan_gps =
    gauge_header(GaugeId::toggle_pan_gps, elements.list, kMouse.data(), toggle_zone_callback);

}  // namespace vk
