// The vertical speed indicator: the host's vertical speed in feet per minute,
// held within +/-6000.
#include <cmath>

#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/host.h"
#include "frame/meter.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

double VKCALL pointer(ElementHeader*) {
    return instr.vsi_fpm;
}

// Zero at the left, climbs upwards, descents downwards.
ScaleEntry kFeetPerMinute[] = {
    point(-6000, 161, 109), point(-5000, 145, 140), point(-4000, 115, 160), point(-3000, 80, 163),
    point(-2000, 48, 151),  point(-1000, 24, 124),  point(0, 16, 90),       point(1000, 24, 56),
    point(2000, 48, 29),    point(3000, 80, 17),    point(4000, 115, 20),   point(5000, 145, 40),
    point(6000, 161, 71)};

constinit Chain elements{
    &hdr_vsi_vk,
    image(0x2310),                                                     // 0 dial
    needle(0x2320, At{90, 90}, Pivot{4, 4}, kFeetPerMinute, pointer),  // 1 pointer
};

constexpr auto kMouse = mouse_list(kNoHelp);

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    const double fpm = var(Var::vertical_speed) / 256.0 * 3.281 * 60.0;
    instr.vsi_fpm = std::isnan(fpm) ? 0.0 : reading(fpm, -6000.0, 6000.0);
}

}  // namespace

GaugeHeader hdr_vsi_vk = gauge_header(GaugeId::vsi_vk, elements.list, kMouse.data(), update);

}  // namespace vk
