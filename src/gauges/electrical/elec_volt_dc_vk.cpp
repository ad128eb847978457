// DC voltmeter, reading the source chosen on the DC voltmeter selector.
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/meter.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

ScaleEntry kScale[] = {
    point(0, 9, 50), point(10, 37, 23), point(20, 77, 15), point(30, 114, 33), point(35, 127, 51),
};

double VKCALL value(ElementHeader*) {
    return reading(elec.dc_volts, 0, 35);
}

constinit Chain elements{
    &hdr_elec_volt_dc_vk,
    image(1344),                        // 0 face
    needle(kMeterDial, kScale, value),  // 1 needle
    meter_plate(),                      // 2 plate over the pivot
};

constexpr auto kMouse = mouse_list(kNoHelp);

}  // namespace

GaugeHeader hdr_elec_volt_dc_vk =
    gauge_header(GaugeId::elec_volt_dc_vk, elements.list, kMouse.data(), nullptr);

}  // namespace vk
