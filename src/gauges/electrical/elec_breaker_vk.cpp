// The two generator switches under their guards, with a fault lamp each.
// Switching a tripped generator off acknowledges the trip (1 becomes 2), which
// puts its fault lamp out here; the reset panel keeps the memory of it.
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

constinit Chain elements{&hdr_elec_breaker_vk,
                         image(832),                                  // 0 panel
                         icon(1088, At{56, 32}, kSwitch),             // 1 gen 1 on, guard closed
                         icon(1088, At{181, 32}, kSwitch),            // 2 gen 2 on, guard closed
                         icon(1392, At{47, 7}, kSwitch | kHidden),    // 3 gen 1 guard open
                         icon(1408, At{172, 7}, kSwitch | kHidden),   // 4 gen 2 guard open
                         icon(1104, At{56, 32}, kSwitch | kHidden),   // 5 gen 1 on, guard open
                         icon(1104, At{181, 32}, kSwitch | kHidden),  // 6 gen 2 on, guard open
                         icon(1040, At{56, 47}, kSwitch | kHidden),   // 7 gen 1 off
                         icon(1040, At{181, 47}, kSwitch | kHidden),  // 8 gen 2 off
                         icon(512, At{53, 97}, kLamp),                // 9 gen 1 fault
                         icon(512, At{179, 97}, kLamp)};              // 10 gen 2 fault

// One generator's switch, guard, trip and lamp test, and its elements.
struct Generator {
    uint8_t& switch_on;
    uint8_t& guard_open;
    uint8_t& tripped;
    uint8_t& fault_test;
    int on_guard_closed, guard, on_guard_open, off, lamp;
};

Generator generator_1() {
    ElecState& e = elec;
    return {e.gen1_switch, e.gen1_guard_open, e.gen1_tripped, e.gen1_fault_test, 1, 3, 5, 7, 9};
}
Generator generator_2() {
    ElecState& e = elec;
    return {e.gen2_switch, e.gen2_guard_open, e.gen2_tripped, e.gen2_fault_test, 2, 4, 6, 8, 10};
}

void show_switch(const Generator& g) {
    const bool on = g.switch_on == 1;
    show(elements[g.on_guard_closed], on && !g.guard_open);
    show(elements[g.guard], !on || g.guard_open);
    show(elements[g.on_guard_open], on && g.guard_open);
    show(elements[g.off], !on);
    if (!on) {
        if (g.tripped == 1) g.tripped = 2;
        g.fault_test = 0;
        elec.elec_warning = 0;
    }
}

void show_lamp(const Generator& g) {
    const bool lit = elec.ess_bus_powered && (g.fault_test || g.tripped == 1);
    show(elements[g.lamp], lit);
    if (lit) elec.elec_warning = 1;
}

const GuardedSwitch kGen1{elec.gen1_guard_open, elec.gen1_switch};
const GuardedSwitch kGen2{elec.gen2_guard_open, elec.gen2_switch};

constexpr auto kMouse = mouse_list(
    kNoHelp, area(37, 3, 50, 45, kCursorHand, kMouseLeft, guarded_upper<kGen1>),
    area(37, 48, 50, 45, kCursorDown, kMouseLeft, guarded_lower<kGen1>),
    area(47, 135, 30, 30, kCursorHand, kMouseLeft, press_test<elec, &ElecState::gen1_fault_test>),
    area(161, 3, 50, 45, kCursorHand, kMouseLeft, guarded_upper<kGen2>),
    area(161, 48, 50, 45, kCursorDown, kMouseLeft, guarded_lower<kGen2>),
    area(173, 135, 30, 30, kCursorHand, kMouseLeft, press_test<elec, &ElecState::gen2_fault_test>));

// Both switches first, then both lamps: a generator switched off clears the
// warning, and a lamp still lit on the other side sets it again.
void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    const Generator gen1 = generator_1();
    const Generator gen2 = generator_2();
    show_switch(gen1);
    show_switch(gen2);
    show_lamp(gen1);
    show_lamp(gen2);
}

}  // namespace

GaugeHeader hdr_elec_breaker_vk =
    gauge_header(GaugeId::elec_breaker_vk, elements.list, kMouse.data(), update);

}  // namespace vk
