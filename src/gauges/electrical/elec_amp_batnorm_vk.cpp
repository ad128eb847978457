// Normal battery ammeter: charge to the left of zero, discharge to the right.
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/meter.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

ScaleEntry kScale[] = {
    point(120, 9, 51),   point(60, 34, 27),    point(0, 67, 14),
    point(-60, 102, 27), point(-120, 126, 52),
};

double VKCALL value(ElementHeader*) {
    return reading(elec.bat_norm_amps, -120, 120);
}

constinit Chain elements{
    &hdr_elec_amp_batnorm_vk,
    image(576),                         // 0 face
    needle(kMeterDial, kScale, value),  // 1 needle
    meter_plate(),                      // 2 plate over the pivot
};

constexpr auto kMouse = mouse_list(kNoHelp);

}  // namespace

GaugeHeader hdr_elec_amp_batnorm_vk =
    gauge_header(GaugeId::elec_amp_batnorm_vk, elements.list, kMouse.data(), nullptr);

}  // namespace vk
