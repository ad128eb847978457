// Transformer-rectifier 2 switch, under a guard. TR 2 runs while it is
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
    &hdr_elec_tr_sw_rh_vkm,
    image(own_background(GaugeId::elec_tr_sw_rh_vkm)),  // 0 background
    icon(1088, At{11, 25}, kPicture),                   // 1 on, guard closed
    icon(30256, At{0, 0}, kPicture),                    // 2 open guard
    icon(1104, At{11, 25}, kPicture),                   // 3 on, guard open
    icon(1040, At{12, 38}, kPicture),                   // 4 off
};

const GuardedSwitch kSwitch{elec.tr2_guard_open, elec.tr2_switch};

constexpr auto kMouse =
    mouse_list(kNoHelp, area(1, 0, 35, 41, kCursorHand, kMouseLeft, guarded_upper<kSwitch>),
               area(1, 41, 35, 41, kCursorDown, kMouseLeft, guarded_lower<kSwitch>));

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    elec.tr2_on = elec.tr2_switch == 1 && elec.ess_bus_powered;
    GuardedSwitchPictures{elements[1], elements[2], elements[3], elements[4]}.show(
        elec.tr2_guard_open, elec.tr2_switch == 1);
}

}  // namespace

GaugeHeader hdr_elec_tr_sw_rh_vkm =
    gauge_header(GaugeId::elec_tr_sw_rh_vkm, elements.list, kMouse.data(), update);

}  // namespace vk
