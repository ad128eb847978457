// Toggle zone of the main panel: toggles the clock window through
// the host's panel_window_toggle.
#include "frame/gauge_table.h"
#include "frame/toggle_zone.h"

namespace vk {
namespace {

constinit Chain elements{&hdr_toggle_pan_clock, zone_picture(GaugeId::toggle_pan_clock)};

constexpr auto kMouse = zone_mouse("display/hide clock", ZoneSize{70, 40},
                                   toggle_windows<WindowBy::service, Window::clock>);

}  // namespace

GaugeHeader hdr_toggle_pan_clock =
    gauge_header(GaugeId::toggle_pan_clock, elements.list, kMouse.data(), toggle_zone_callback);

}  // namespace vk
