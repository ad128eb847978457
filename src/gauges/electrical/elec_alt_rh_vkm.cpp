// Alternator 2 panel, mirrored: the alternator switch under its guard on the
// right, the line switch on the left, and the fault and line lamps with their
// test areas. Its callback decides whether alternator 2 is available.
#include "frame/bitmaps.h"
#include "frame/element.h"
#include "frame/gauge_parts.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "gauges/electrical/alternator_panel.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr uint32_t kPicture = 0x3 | kHidden;
constexpr uint32_t kLamp = 0x7 | kHidden;

constinit Chain elements{
    &hdr_elec_alt_rh_vkm,
    image(own_background(GaugeId::elec_alt_rh_vkm)),  // 0 background
    icon(1088, At{110, 45}, kPicture),                // 1 alternator on, guard closed
    icon(1104, At{47, 45}, kPicture),                 // 2 line switch on
    icon(30016, At{98, 21}, kPicture),                // 3 open guard
    icon(1104, At{110, 45}, kPicture),                // 4 alternator on, guard open
    icon(1040, At{111, 60}, kPicture),                // 5 alternator off
    icon(1040, At{47, 60}, kPicture),                 // 6 line switch off
    icon(512, At{107, 126}, kLamp),                   // 7 fault lamp
    icon(512, At{47, 126}, kLamp),                    // 8 line lamp
};

constexpr AlternatorSide kSide{{elec.alt2_guard_open, elec.alt2_switch},
                               elec.alt2_line_switch,
                               elec.alt2_fault_test,
                               elec.alt2_line_fault_test,
                               elec.alt2_available,
                               eng.right_hp_lever_open,
                               Var::engine_speed_2};
using Clicks = AlternatorClicks<kSide>;

constexpr auto kMouse = mouse_list(
    kNoHelp, area(99, 21, 35, 41, kCursorHand, kMouseLeft, Clicks::alternator_upper),
    area(99, 62, 35, 41, kCursorDown, kMouseLeft, Clicks::alternator_lower),
    area(38, 21, 35, 41, kCursorUp, kMouseLeft, Clicks::line_on),
    area(38, 62, 35, 41, kCursorDown, kMouseLeft, Clicks::line_off),
    area(102, 170, 30, 30, kCursorHand, kMouseLeft, press_test<elec, &ElecState::alt2_fault_test>),
    area(40, 170, 30, 30, kCursorHand, kMouseLeft,
         press_test<elec, &ElecState::alt2_line_fault_test>));

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    run_alternator_panel(kSide, {elements[1], elements[2], elements[3], elements[4], elements[5],
                                 elements[6], elements[7], elements[8]});
}

}  // namespace

GaugeHeader hdr_elec_alt_rh_vkm =
    gauge_header(GaugeId::elec_alt_rh_vkm, elements.list, kMouse.data(), update);

}  // namespace vk
