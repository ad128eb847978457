// Alternator 1 panel: the alternator switch under its guard, the line switch,
// and the fault and line lamps with their test areas. Its callback decides
// whether alternator 1 is available.
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

constexpr AlternatorSide kSide{{elec.alt1_guard_open, elec.alt1_switch},
                               elec.alt1_line_switch,
                               elec.alt1_fault_test,
                               elec.alt1_line_fault_test,
                               elec.alt1_available,
                               eng.left_hp_lever_open,
                               Var::engine_speed_1};
using Clicks = AlternatorClicks<kSide>;

constexpr auto kMouse = mouse_list(
    kNoHelp, area(33, 21, 35, 41, kCursorHand, kMouseLeft, Clicks::alternator_upper),
    area(33, 62, 35, 41, kCursorDown, kMouseLeft, Clicks::alternator_lower),
    area(94, 21, 35, 41, kCursorUp, kMouseLeft, Clicks::line_on),
    area(94, 62, 35, 41, kCursorDown, kMouseLeft, Clicks::line_off),
    area(35, 170, 30, 30, kCursorHand, kMouseLeft, press_test<elec, &ElecState::alt1_fault_test>),
    area(97, 170, 30, 30, kCursorHand, kMouseLeft,
         press_test<elec, &ElecState::alt1_line_fault_test>));

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    run_alternator_panel(kSide, {elements[1], elements[2], elements[3], elements[4], elements[5],
                                 elements[6], elements[7], elements[8]});
}

}  // namespace

GaugeHeader hdr_elec_alt_lh_vkm =
    gauge_header(GaugeId::elec_alt_lh_vkm, elements.list, kMouse.data(), update);

}  // namespace vk
