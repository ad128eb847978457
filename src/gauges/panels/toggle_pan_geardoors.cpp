// Toggle zone of the main panel for the gear and doors indicator panels: each
// click takes one step of their window cycle (see gear_doors_cycle).
#include "frame/gauge_table.h"
#include "frame/toggle_zone.h"

namespace vk {
namespace {

constinit Chain elements{&hdr_toggle_pan_geardoors, zone_picture(GaugeId::toggle_pan_geardoors)};

int32_t VKCALL cycle(const MousePoint*, uint32_t) {
    gear_doors_cycle();
    return 0;
}

constexpr auto kMouse =
    zone_mouse("display/hide gear and doors indicators", ZoneSize{80, 40}, cycle);

}  // namespace

GaugeHeader hdr_toggle_pan_geardoors =
    gauge_header(GaugeId::toggle_pan_geardoors, elements.list, kMouse.data(), toggle_zone_callback);

}  // namespace vk
