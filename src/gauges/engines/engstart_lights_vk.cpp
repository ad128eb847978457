// The start lamps: two per engine, lit while that engine's start runs.
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr uint32_t kLamp = 0x3 | kHidden;

constinit Chain elements{
    &hdr_engstart_lights_vk,
    image(18688),                  // 0 lamp plate
    icon(368, At{0, 0}, kLamp),    // 1 engine 1
    icon(368, At{0, 46}, kLamp),   // 2 engine 1
    icon(368, At{44, 0}, kLamp),   // 3 engine 2
    icon(368, At{44, 46}, kLamp),  // 4 engine 2
};

constexpr auto kMouse = mouse_list(kNoHelp);

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    const bool left = elec.ess_bus_powered && eng.left_start_light;
    const bool right = elec.ess_bus_powered && eng.right_start_light;
    show(elements[1], left);
    show(elements[2], left);
    show(elements[3], right);
    show(elements[4], right);
}

}  // namespace

GaugeHeader hdr_engstart_lights_vk =
    gauge_header(GaugeId::engstart_lights_vk, elements.list, kMouse.data(), update);

}  // namespace vk
