// Standby battery ammeter: charge to the left of zero, discharge to the right.
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/meter.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

ScaleEntry kScale[] = {
    point(250, 8, 51),
    point(0, 67, 16),
    point(-250, 126, 51),
};

double VKCALL value(ElementHeader*) {
    return reading(elec.bat_stby_amps, -250, 250);
}

constinit Chain elements{
    &hdr_elec_amp_batstby_vk,
    image(608),                         // 0 face
    needle(kMeterDial, kScale, value),  // 1 needle
    meter_plate(),                      // 2 plate over the pivot
};

constexpr auto kMouse = mouse_list(kNoHelp);

}  // namespace

GaugeHeader hdr_elec_amp_batstby_vk =
    gauge_header(GaugeId::elec_amp_batstby_vk, elements.list, kMouse.data(), nullptr);

}  // namespace vk
