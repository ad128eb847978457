// AC voltmeter, reading the converter chosen on the master switch panel.
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/meter.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

ScaleEntry kScale[] = {
    point(0, 8, 50),
    point(50, 43, 17),
    point(100, 98, 20),
    point(130, 126, 42),
};

double VKCALL value(ElementHeader*) {
    return reading(elec.ac_volts, 0, 130);
}

constinit Chain elements{
    &hdr_elec_volt_ac_vk,
    image(1312),                        // 0 face
    needle(kMeterDial, kScale, value),  // 1 needle
    meter_plate(),                      // 2 plate over the pivot
};

constexpr auto kMouse = mouse_list(kNoHelp);

}  // namespace

GaugeHeader hdr_elec_volt_ac_vk =
    gauge_header(GaugeId::elec_volt_ac_vk, elements.list, kMouse.data(), nullptr);

}  // namespace vk
