// Alternator 1 panel: the alternator switch under its guard, the line switch,
// and the fault and line lamps with their test areas. Its callback decides
// whether alternator 1 is available.
#include "frame/bitmaps.h"
#include "frame/controls.h"
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/host.h"
#include "frame/mouse.h"
#include "frame/panel_display.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr uint32_t kPicture = 0x3 | kHidden;
constexpr uint32_t kLamp = 0x7 | kHidden;

constinit Chain elements{
    &hdr_elec_alt_lh_vkm,
    image(own_background(GaugeId::elec_alt_lh_vkm)),  // 0 background
    icon(1088, At{44, 45}, kPicture),                 // 1 alternator on, guard closed
    icon(1104, At{105, 45}, kPicture),                // 2 line switch on
    icon(29984, At{30, 21}, kPicture),                // 3 open guard
    icon(1104, At{44, 45}, kPicture),                 // 4 alternator on, guard open
    icon(1040, At{44, 60}, kPicture),                 // 5 alternator off
    icon(1040, At{105, 60}, kPicture),                // 6 line switch off
    icon(512, At{42, 126}, kLamp),                    // 7 fault lamp
    icon(512, At{104, 126}, kLamp),                   // 8 line lamp
};

const GuardedSwitch kAlternator{elec.alt1_guard_open, elec.alt1_switch};

int32_t VKCALL alternator_upper(const MousePoint*, uint32_t) {
    kAlternator.click_upper();
    return 0;
}
int32_t VKCALL alternator_lower(const MousePoint*, uint32_t) {
    kAlternator.click_lower();
    return 0;
}
int32_t VKCALL line_on(const MousePoint*, uint32_t) {
    set_switch(elec.alt1_line_switch, 1);
    return 0;
}
int32_t VKCALL line_off(const MousePoint*, uint32_t) {
    set_switch(elec.alt1_line_switch, 0);
    return 0;
}
int32_t VKCALL test_fault_lamp(const MousePoint*, uint32_t) {
    elec.alt1_fault_test = 1;
    return 0;
}
int32_t VKCALL test_line_lamp(const MousePoint*, uint32_t) {
    elec.alt1_line_fault_test = 1;
    return 0;
}

constexpr auto kMouse =
    mouse_list(kNoHelp, area(33, 21, 35, 41, kCursorHand, kMouseLeft, alternator_upper),
               area(33, 62, 35, 41, kCursorDown, kMouseLeft, alternator_lower),
               area(94, 21, 35, 41, kCursorUp, kMouseLeft, line_on),
               area(94, 62, 35, 41, kCursorDown, kMouseLeft, line_off),
               area(35, 170, 30, 30, kCursorHand, kMouseLeft, test_fault_lamp),
               area(97, 170, 30, 30, kCursorHand, kMouseLeft, test_line_lamp));

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    ElecState& e = elec;
    e.alt1_available = var(Var::engine_speed_1) > 20.0 && var_int(Var::elec_failed) != 1 &&
                       !e.gpu_on_dc && eng.left_hp_lever_open == 1 && e.alt1_switch == 1;

    // A switch turned off ends its lamp test and the electrical warning.
    if (e.alt1_switch != 1) {
        e.alt1_fault_test = 0;
        e.elec_warning = 0;
    }
    if (e.alt1_line_switch != 1) {
        e.alt1_line_fault_test = 0;
        e.elec_warning = 0;
    }

    GuardedSwitchPictures{elements[1], elements[3], elements[4], elements[5]}.show(
        e.alt1_guard_open, e.alt1_switch == 1);
    show(elements[2], e.alt1_line_switch == 1);
    show(elements[6], e.alt1_line_switch != 1);

    // The line lamps of both alternator panels answer to generator 2's trip.
    const bool fault = e.ess_bus_powered && e.alt1_fault_test;
    const bool line_fault = e.ess_bus_powered && (e.alt1_line_fault_test || e.gen2_tripped == 1);
    if (fault || line_fault) e.elec_warning = 1;
    show(elements[7], fault);
    show(elements[8], line_fault);
}

}  // namespace

GaugeHeader hdr_elec_alt_lh_vkm =
    gauge_header(GaugeId::elec_alt_lh_vkm, elements.list, kMouse.data(), update);

}  // namespace vk
