// The left main tank gauge: the contents of the larger left tank in kilograms,
// on a needle that the converter drives, with a test sweep.
#include "frame/gauge_table.h"
#include "gauges/fuel/fuel_tank_gauge.h"

namespace vk {
namespace {

ScaleEntry kScale[] = VK_MAIN_TANK_SCALE;
using Gauge =
    TankGauge<kScale, kMainTankFace, kLeftTanks, kLeftMainDial, hdr_fuel_qtty_main_left_vk>;

}  // namespace

GaugeHeader hdr_fuel_qtty_main_left_vk = gauge_header(
    GaugeId::fuel_qtty_main_left_vk, Gauge::elements.list, Gauge::kMouse.data(), Gauge::update);

}  // namespace vk
