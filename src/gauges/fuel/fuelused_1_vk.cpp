// The fuel-used counter of engine 1: five digit drums integrated from the
// host's fuel flow, and a reset button.
#include "frame/gauge_table.h"
#include "gauges/fuel/fuel_used_counter.h"

namespace vk {

using Counter1 = FuelUsedCounter<kUsed1, hdr_fuelused_1_vk>;

GaugeHeader hdr_fuelused_1_vk = gauge_header(GaugeId::fuelused_1_vk, Counter1::elements.list,
                                             Counter1::kMouse.data(), Counter1::update);

}  // namespace vk
