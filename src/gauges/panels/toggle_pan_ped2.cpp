// Toggle zone on the pedestal itself, "close pedestal": toggles the pedestal
// window through the host's panel_window_toggle.
#include "frame/gauge_table.h"
#include "frame/toggle_zone.h"

namespace vk {
namespace {

constinit Chain elements{&hdr_toggle_pan_ped2, zone_picture(GaugeId::toggle_pan_ped2)};

constexpr auto kMouse = zone_mouse("close pedestal", ZoneSize{78, 40},
                                   toggle_windows<WindowBy::service, Window::pedestal>);

}  // namespace

GaugeHeader hdr_toggle_pan_ped2 =
    gauge_header(GaugeId::toggle_pan_ped2, elements.list, kMouse.data(), toggle_zone_callback);

}  // namespace vk
