// Toggle zone of the main panel: toggles the autopilot window through
// the window-toggle key event.
#include "frame/gauge_table.h"
#include "frame/toggle_zone.h"

namespace vk {
namespace {

constinit Chain elements{&hdr_toggle_pan_ap, zone_picture(GaugeId::toggle_pan_ap)};

constexpr auto kMouse = zone_mouse("display/hide autopilot only", ZoneSize{70, 40},
                                   toggle_windows<WindowBy::key_event, Window::autopilot>);

}  // namespace

GaugeHeader hdr_toggle_pan_ap =
    gauge_header(GaugeId::toggle_pan_ap, elements.list, kMouse.data(), toggle_zone_callback);

}  // namespace vk
