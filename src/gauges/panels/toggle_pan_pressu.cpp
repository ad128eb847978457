// Toggle zone of the main panel: toggles the cabin pressure panel through
// the host's panel_window_toggle.
#include "frame/gauge_table.h"
#include "frame/toggle_zone.h"

namespace vk {
namespace {

constinit Chain elements{&hdr_toggle_pan_pressu, zone_picture(GaugeId::toggle_pan_pressu)};

constexpr auto kMouse = zone_mouse("display/hide cabin pressure panel", ZoneSize{70, 40},
                                   toggle_windows<WindowBy::service, Window::pressure>);

}  // namespace

GaugeHeader hdr_toggle_pan_pressu =
    gauge_header(GaugeId::toggle_pan_pressu, elements.list, kMouse.data(), toggle_zone_callback);

}  // namespace vk
