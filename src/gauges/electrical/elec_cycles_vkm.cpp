// Alternator frequency meter. Its scale is spread between 350 and 450 Hz.
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/meter.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

ScaleEntry kScale[] = {
    point(0, 11, 63),   point(350, 13, 49),  point(375, 44, 19),
    point(400, 89, 12), point(425, 117, 30), point(450, 125, 47),
};

double VKCALL value(ElementHeader*) {
    return reading(elec.alt_freq_hz, 0, 450);
}

constinit Chain elements{
    &hdr_elec_cycles_vkm,
    image(33280),                       // 0 face
    needle(kMeterDial, kScale, value),  // 1 needle
    meter_plate(),                      // 2 plate over the pivot
};

constexpr auto kMouse = mouse_list(kNoHelp);

}  // namespace

GaugeHeader hdr_elec_cycles_vkm =
    gauge_header(GaugeId::elec_cycles_vkm, elements.list, kMouse.data(), nullptr);

}  // namespace vk
