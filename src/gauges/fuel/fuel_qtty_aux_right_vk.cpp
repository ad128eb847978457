// The right auxiliary tank gauge: the contents of the smaller right tank, or
// of the centre tank on an aircraft with one tank a side, in the aux dial's
// unit, on a needle that the converter drives, with a test sweep.
#include "frame/gauge_table.h"
#include "gauges/fuel/fuel_tank_gauge.h"

namespace vk {
namespace {

ScaleEntry kScale[] = VK_AUX_TANK_SCALE;
using Gauge =
    TankGauge<kScale, kAuxTankFace, kRightTanks, kRightAuxDial, hdr_fuel_qtty_aux_right_vk>;

}  // namespace

GaugeHeader hdr_fuel_qtty_aux_right_vk = gauge_header(
    GaugeId::fuel_qtty_aux_right_vk, Gauge::elements.list, Gauge::kMouse.data(), Gauge::update);

}  // namespace vk
