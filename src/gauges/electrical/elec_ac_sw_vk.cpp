// Two-position switch of the AC panel. Nothing reads its position; it is
// only drawn.
#include "frame/bitmaps.h"
#include "frame/controls.h"
#include "frame/element.h"
#include "frame/gauge_parts.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr uint32_t kPicture = 0x3 | kHidden;

constinit Chain elements{
    &hdr_elec_ac_sw_vk,
    image(own_background(GaugeId::elec_ac_sw_vk)),  // 0 background
    icon(1056, At{40, 58}, kPicture),               // 1 switch at 1
    icon(1072, At{55, 58}, kPicture),               // 2 switch at 2
};

constexpr auto kMouse = mouse_list(
    kNoHelp, area(14, 43, 45, 37, kCursorHand, kMouseLeft, switch_to<elec, &ElecState::ac_sw, 1>),
    area(59, 43, 45, 37, kCursorHand, kMouseLeft, switch_to<elec, &ElecState::ac_sw, 2>));

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    show(elements[1], elec.ac_sw == 1);
    show(elements[2], elec.ac_sw == 2);
}

}  // namespace

GaugeHeader hdr_elec_ac_sw_vk =
    gauge_header(GaugeId::elec_ac_sw_vk, elements.list, kMouse.data(), update);

}  // namespace vk
