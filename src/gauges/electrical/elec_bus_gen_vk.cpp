// The generator bus-bar panel: mimic lamps of the generators, ground power
// and the generator and shed buses, and the push button that asks for the
// ground power unit.
#include <cstdint>

#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr uint32_t kLamp = kHidden | kLuminous | kErase | kTransparent;

constinit Chain elements{&hdr_elec_bus_gen_vk,
                         image(816),                       // 0 panel
                         icon(1136, At{261, 156}, kLamp),  // 1 ground power
                         icon(1136, At{140, 156}, kLamp),  // 2 generator 2
                         icon(1136, At{15, 156}, kLamp),   // 3 generator 1
                         icon(1136, At{140, 48}, kLamp),   // 4 shed bus
                         icon(1136, At{15, 48}, kLamp)};   // 5 generator bus

// The request is silent: the ground crew answers it, or it lapses.
int32_t VKCALL ask_ground_power(const MousePoint*, uint32_t) {
    elec.gpu_request = elec.gpu_request ? 0 : 1;
    return 0;
}

constexpr auto kMouse =
    mouse_list(kNoHelp, tooltip("ask to connect/disconnect ground power unit"),
               area(255, 181, 39, 39, kCursorHand, kMouseLeft, ask_ground_power));

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    const ElecState& e = elec;
    show(elements[1], e.gpu_connected && e.master_switch == 1);
    show(elements[2], e.gen2_on && e.bat_bus_powered);
    show(elements[3], e.gen1_on && e.bat_bus_powered);
    show(elements[4], e.shed_bus_powered);
    show(elements[5], e.gen_bus_powered);
}

}  // namespace

GaugeHeader hdr_elec_bus_gen_vk =
    gauge_header(GaugeId::elec_bus_gen_vk, elements.list, kMouse.data(), update);

}  // namespace vk
