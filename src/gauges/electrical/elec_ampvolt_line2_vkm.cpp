// Line 2 meter: the line current and the line voltage on one dial.
#include "frame/gauge_table.h"
#include "gauges/electrical/ammeters.h"

namespace vk {
namespace {
using Meter =
    LineMeter<&ElecState::line2_amps, &ElecState::line2_volts, hdr_elec_ampvolt_line2_vkm>;
}  // namespace

GaugeHeader hdr_elec_ampvolt_line2_vkm = gauge_header(
    GaugeId::elec_ampvolt_line2_vkm, Meter::elements.list, Meter::kMouse.data(), nullptr);

}  // namespace vk
