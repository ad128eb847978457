// Low-flow lights of the two blue engine pumps.
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr uint16_t kLowFlow = 1400;  // a pump below this pressure shows low flow

constinit Chain elements{
    &hdr_hydrau_lowflow_b_vk,
    image(1664),                            // 0 panel
    icon(512, At{41, 59}, 0x3 | kHidden),   // 1 pump 1 (engine 1)
    icon(512, At{116, 68}, 0x3 | kHidden),  // 2 pump 2 (engine 2)
    icon(512, At{86, 5}, 0x3 | kHidden),    // 3 never lit
};

constexpr auto kMouse = mouse_list(kNoHelp);

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    const bool powered = elec.ess_bus_powered_copy;
    show(elements[1], powered && hyd.pump_pressure[2] < kLowFlow);
    show(elements[2], powered && hyd.pump_pressure[3] < kLowFlow);
    show(elements[3], false);
}

}  // namespace

GaugeHeader hdr_hydrau_lowflow_b_vk =
    gauge_header(GaugeId::hydrau_lowflow_b_vk, elements.list, kMouse.data(), update);

}  // namespace vk
