// Line 1 meter: the line current and the line voltage on one dial.
#include "frame/gauge_table.h"
#include "gauges/electrical/ammeters.h"

namespace vk {
namespace {
using Meter =
    LineMeter<&ElecState::line1_amps, &ElecState::line1_volts, hdr_elec_ampvolt_line1_vkm>;
}  // namespace

GaugeHeader hdr_elec_ampvolt_line1_vkm = gauge_header(
    GaugeId::elec_ampvolt_line1_vkm, Meter::elements.list, Meter::kMouse.data(), nullptr);

}  // namespace vk
