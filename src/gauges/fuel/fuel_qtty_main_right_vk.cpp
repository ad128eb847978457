// The right main tank gauge: the contents of the larger right tank in kilograms,
// on a needle that the converter drives.
#include "frame/gauge_table.h"
#include "gauges/fuel/fuel_tank_gauge.h"

namespace vk {
namespace {

ScaleEntry kScale[] = VK_MAIN_TANK_SCALE;
using Gauge =
    TankGauge<kScale, kMainTankFace, kRightTanks, kRightMainDial, hdr_fuel_qtty_main_right_vk>;

}  // namespace

GaugeHeader hdr_fuel_qtty_main_right_vk = gauge_header(
    GaugeId::fuel_qtty_main_right_vk, Gauge::elements.list, Gauge::kMouse.data(), Gauge::update);

}  // namespace vk
