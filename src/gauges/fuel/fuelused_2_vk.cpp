// The fuel-used counter of engine 2: five digit drums integrated from the
// host's fuel flow, and a reset button.
#include "frame/gauge_table.h"
#include "gauges/fuel/fuel_used_counter.h"

namespace vk {

using Counter2 = FuelUsedCounter<kUsed2, hdr_fuelused_2_vk>;

GaugeHeader hdr_fuelused_2_vk = gauge_header(GaugeId::fuelused_2_vk, Counter2::elements.list,
                                             Counter2::kMouse.data(), Counter2::update);

}  // namespace vk
