// Generator 1 ammeter.
#include "frame/gauge_table.h"
#include "gauges/electrical/ammeters.h"

namespace vk {
namespace {
using Meter = GeneratorAmmeter<&ElecState::gen1_amps, hdr_elec_amp_gen1_vk>;
}  // namespace

GaugeHeader hdr_elec_amp_gen1_vk =
    gauge_header(GaugeId::elec_amp_gen1_vk, Meter::elements.list, Meter::kMouse.data(), nullptr);

}  // namespace vk
