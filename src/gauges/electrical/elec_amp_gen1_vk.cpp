// Generator 1 ammeter.
#include "frame/element.h"
#include "frame/gauge_parts.h"
#include "frame/gauge_table.h"
#include "frame/meter.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

ScaleEntry kScale[] = {
    point(0, 9, 44),   point(10, 30, 24),  point(20, 54, 14),
    point(30, 81, 14), point(40, 107, 22), point(50, 127, 44),
};

constinit Chain elements{
    &hdr_elec_amp_gen1_vk,
    image(640),                                                                     // 0 face
    needle(kMeterDial, kScale, field_reading<elec, &ElecState::gen1_amps, 0, 50>),  // 1 needle
    meter_plate(),  // 2 plate over the pivot
};

constexpr auto kMouse = mouse_list(kNoHelp);

}  // namespace

GaugeHeader hdr_elec_amp_gen1_vk =
    gauge_header(GaugeId::elec_amp_gen1_vk, elements.list, kMouse.data(), nullptr);

}  // namespace vk
