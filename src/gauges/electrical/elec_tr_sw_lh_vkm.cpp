// Transformer-rectifier 1 switch, under a guard. TR 1 runs while it is
// switched on and the essential bus is powered.
#include "frame/bitmaps.h"
#include "frame/element.h"
#include "frame/gauge_parts.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "frame/panel_display.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr uint32_t kPicture = 0x3 | kHidden;

constinit Chain elements{
    &hdr_elec_tr_sw_lh_vkm,
    image(own_background(GaugeId::elec_tr_sw_lh_vkm)),  // 0 background
    icon(1088, At{43, 25}, kPicture),                   // 1 on, guard closed
    icon(30224, At{27, 0}, kPicture),                   // 2 open guard
    icon(1104, At{43, 25}, kPicture),                   // 3 on, guard open
    icon(1040, At{43, 38}, kPicture),                   // 4 off
};

const GuardedSwitch kSwitch{elec.tr1_guard_open, elec.tr1_switch};

constexpr auto kMouse =
    mouse_list(kNoHelp, area(31, 0, 35, 43, kCursorHand, kMouseLeft, guarded_upper<kSwitch>),
               area(31, 43, 35, 43, kCursorDown, kMouseLeft, guarded_lower<kSwitch>));

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    elec.tr1_on = elec.tr1_switch == 1 && elec.ess_bus_powered;
    GuardedSwitchPictures{elements[1], elements[2], elements[3], elements[4]}.show(
        elec.tr1_guard_open, elec.tr1_switch == 1);
}

}  // namespace

GaugeHeader hdr_elec_tr_sw_lh_vkm =
    gauge_header(GaugeId::elec_tr_sw_lh_vkm, elements.list, kMouse.data(), update);

}  // namespace vk
