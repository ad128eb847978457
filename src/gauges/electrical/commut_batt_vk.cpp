// The battery selector: normal (1) at the top, off (0) in the middle, standby
// (2) at the bottom. It moves between normal and standby only through off,
// and silently.
#include <cstdint>

#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr uint32_t kSwitch = kTransparent | kErase;

constinit Chain elements{&hdr_commut_batt_vk,
                         image(1536),                                 // 0 panel
                         icon(1552, At{49, 291}, kSwitch | kHidden),  // 1 at standby
                         icon(1552, At{34, 146}, kSwitch | kHidden),  // 2 off
                         icon(1552, At{49, 0}, kSwitch)};             // 3 at normal

int32_t VKCALL to_normal(const MousePoint*, uint32_t) {
    if (elec.battery_selector == 0) elec.battery_selector = 1;
    return 0;
}
int32_t VKCALL to_off(const MousePoint*, uint32_t) {
    elec.battery_selector = 0;
    return 0;
}
int32_t VKCALL to_standby(const MousePoint*, uint32_t) {
    if (elec.battery_selector == 0) elec.battery_selector = 2;
    return 0;
}

constexpr auto kMouse = mouse_list(kNoHelp, area(28, 0, 69, 88, kCursorHand, kMouseLeft, to_normal),
                                   area(17, 125, 78, 88, kCursorHand, kMouseLeft, to_off),
                                   area(28, 251, 69, 88, kCursorHand, kMouseLeft, to_standby));

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    const uint8_t selector = elec.battery_selector;
    show(elements[1], selector == 2);
    show(elements[2], selector != 1 && selector != 2);
    show(elements[3], selector == 1);
}

}  // namespace

GaugeHeader hdr_commut_batt_vk =
    gauge_header(GaugeId::commut_batt_vk, elements.list, kMouse.data(), update);

}  // namespace vk
