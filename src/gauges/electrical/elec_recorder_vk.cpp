// Flight recorder test button and lamp: the lamp lights while the button's
// step counter runs and the essential bus is powered.
#include "frame/bitmaps.h"
#include "frame/controls.h"
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

constinit Chain elements{
    &hdr_elec_recorder_vk,
    image(own_background(GaugeId::elec_recorder_vk)),  // 0 background
    icon(368, At{57, 31}, 0x7 | kHidden),              // 1 lamp
};

int32_t VKCALL press_test(const MousePoint*, uint32_t) {
    spring_press(elec.recorder_test);
    return 0;
}

constexpr auto kMouse =
    mouse_list(kNoHelp, area(4, 23, 30, 30, kCursorHand, kMouseKnob, press_test));

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    spring_tick(elec.recorder_test);
    show(elements[1], elec.ess_bus_powered && spring_active(elec.recorder_test));
}

}  // namespace

GaugeHeader hdr_elec_recorder_vk =
    gauge_header(GaugeId::elec_recorder_vk, elements.list, kMouse.data(), update);

}  // namespace vk
