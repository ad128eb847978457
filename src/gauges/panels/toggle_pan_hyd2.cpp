// Toggle zone of the main panel: toggles the hydraulic and servo panels together (second zone)
// through the window-toggle key event.
#include "frame/gauge_table.h"
#include "frame/toggle_zone.h"

namespace vk {
namespace {

constinit Chain elements{&hdr_toggle_pan_hyd2, zone_picture(GaugeId::toggle_pan_hyd2)};

constexpr auto kMouse =
    zone_mouse("display/hide hydraulic panels", ZoneSize{204, 40},
               toggle_windows<WindowBy::key_event, Window::hydraulics, Window::servos>);

}  // namespace

GaugeHeader hdr_toggle_pan_hyd2 =
    gauge_header(GaugeId::toggle_pan_hyd2, elements.list, kMouse.data(), toggle_zone_callback);

}  // namespace vk
