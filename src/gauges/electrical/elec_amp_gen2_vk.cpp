// Generator 2 ammeter.
#include "frame/gauge_table.h"
#include "gauges/electrical/ammeters.h"

namespace vk {
namespace {
using Meter = GeneratorAmmeter<&ElecState::gen2_amps, hdr_elec_amp_gen2_vk>;
}  // namespace

GaugeHeader hdr_elec_amp_gen2_vk =
    gauge_header(GaugeId::elec_amp_gen2_vk, Meter::elements.list, Meter::kMouse.data(), nullptr);

}  // namespace vk
