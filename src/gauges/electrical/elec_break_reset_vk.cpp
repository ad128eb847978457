// The generator fault reset panel: a spring-loaded switch thrown towards the
// generator 1 or generator 2 side, and a fault memory lamp for each
// generator. A trip lights the lamp and is remembered until the switch is
// thrown to that generator's side once the trip has been acknowledged.
#include <cstdint>

#include "frame/controls.h"
#include "frame/element.h"
#include "frame/gauge_parts.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr uint32_t kSwitch = kTransparent | kErase;
constexpr uint32_t kLamp = kHidden | kBright | kErase | kTransparent;

constinit Chain elements{&hdr_elec_break_reset_vk,
                         image(864),                                  // 0 panel
                         icon(1056, At{99, 28}, kSwitch | kHidden),   // 1 thrown to generator 1
                         icon(1024, At{111, 29}, kSwitch),            // 2 centred
                         icon(1072, At{115, 28}, kSwitch | kHidden),  // 3 thrown to generator 2
                         icon(512, At{47, 25}, kLamp),                // 4 generator 1 memory
                         icon(512, At{173, 25}, kLamp)};              // 5 generator 2 memory

int32_t VKCALL throw_to_gen1(const MousePoint*, uint32_t) {
    spring_throw(elec.reset_switch_timer, SpringSide::first);
    return 0;
}
int32_t VKCALL throw_to_gen2(const MousePoint*, uint32_t) {
    spring_throw(elec.reset_switch_timer, SpringSide::second);
    return 0;
}

constexpr auto kMouse = mouse_list(
    kNoHelp, area(73, 6, 45, 45, kCursorHand, kMouseKnob, throw_to_gen1),
    area(118, 6, 45, 45, kCursorHand, kMouseKnob, throw_to_gen2),
    area(3, 18, 30, 30, kCursorHand, kMouseLeft, press_test<elec, &ElecState::gen1_reset_test>),
    area(206, 18, 30, 30, kCursorHand, kMouseLeft, press_test<elec, &ElecState::gen2_reset_test>));

// A memory lamp: lit for its test, or for a trip not yet acknowledged (which
// it remembers and reports as a warning), or for a remembered trip.
bool memory_lamp(uint8_t& reset_test, uint8_t tripped, uint8_t& memory) {
    ElecState& e = elec;
    if (!e.ess_bus_powered) return false;
    if (reset_test) return true;
    if (tripped == 1) {
        e.elec_warning = 1;
        memory = 2;
        return true;
    }
    return memory == 2;
}

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    ElecState& e = elec;

    // The switch acts for as many frames as its counter holds, then springs
    // back one step per frame.
    const int8_t timer = e.reset_switch_timer;
    show(elements[1], timer < 0);
    show(elements[2], timer == 0);
    show(elements[3], timer > 0);
    if (timer < 0) {
        e.gen1_reset_test = 0;
        e.gen1_fault_memory = 0;
        e.elec_warning = 0;
    } else if (timer > 0) {
        e.gen2_reset_test = 0;
        e.gen2_fault_memory = 0;
        e.elec_warning = 0;
    }
    spring_return(e.reset_switch_timer);

    show(elements[4], memory_lamp(e.gen1_reset_test, e.gen1_tripped, e.gen1_fault_memory));
    show(elements[5], memory_lamp(e.gen2_reset_test, e.gen2_tripped, e.gen2_fault_memory));
}

}  // namespace

GaugeHeader hdr_elec_break_reset_vk =
    gauge_header(GaugeId::elec_break_reset_vk, elements.list, kMouse.data(), update);

}  // namespace vk
