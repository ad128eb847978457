// Alternator voltmeter. Its scale starts at 80 V: below that the needle rests
// on its stop.
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/meter.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

ScaleEntry kScale[] = {
    point(0, 14, 53),   point(80, 14, 53),   point(100, 48, 26),
    point(120, 87, 25), point(140, 114, 42), point(145, 121, 54),
};

double VKCALL value(ElementHeader*) {
    return reading(elec.alt_volts, 0, 145);
}

constinit Chain elements{
    &hdr_elec_volt_alt_vkm,
    image(29952),                       // 0 face
    needle(kMeterDial, kScale, value),  // 1 needle
    meter_plate(),                      // 2 plate over the pivot
};

constexpr auto kMouse = mouse_list(kNoHelp);

}  // namespace

GaugeHeader hdr_elec_volt_alt_vkm =
    gauge_header(GaugeId::elec_volt_alt_vkm, elements.list, kMouse.data(), nullptr);

}  // namespace vk
