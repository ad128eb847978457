// Toggle zone of the main panel: toggles the electrical panel through
// the host's panel_window_toggle.
#include "frame/gauge_table.h"
#include "frame/toggle_zone.h"

namespace vk {
namespace {

constinit Chain elements{&hdr_toggle_pan_elec, zone_picture(GaugeId::toggle_pan_elec)};

constexpr auto kMouse = zone_mouse("display/hide electrical panel", ZoneSize{96, 40},
                                   toggle_windows<WindowBy::service, Window::electrical>);

}  // namespace

GaugeHeader hdr_toggle_pan_elec =
    gauge_header(GaugeId::toggle_pan_elec, elements.list, kMouse.data(), toggle_zone_callback);

}  // namespace vk
