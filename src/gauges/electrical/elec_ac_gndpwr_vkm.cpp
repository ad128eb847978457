// AC ground power switch: off in the middle, on to the right; the left-hand
// position does nothing. Its callback connects the ground power unit to the
// alternator network.
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
    &hdr_elec_ac_gndpwr_vkm,
    image(own_background(GaugeId::elec_ac_gndpwr_vkm)),  // 0 background
    icon(1072, At{55, 30}, kPicture),                    // 1 switch at 1 (on)
    icon(1024, At{50, 31}, kPicture),                    // 2 switch at 0 (off)
    icon(1056, At{40, 31}, kPicture),                    // 3 switch at 2
};

constexpr auto kMouse = mouse_list(
    kNoHelp,
    area(78, 12, 39, 47, kCursorHand, kMouseLeft, switch_to<elec, &ElecState::ac_gndpwr_switch, 1>),
    area(39, 12, 39, 47, kCursorHand, kMouseLeft, switch_to<elec, &ElecState::ac_gndpwr_switch, 0>),
    area(0, 12, 39, 47, kCursorHand, kMouseLeft, switch_to<elec, &ElecState::ac_gndpwr_switch, 2>));

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    // Nothing comes through the switch unless the ground power unit is connected.
    elec.ac_gndpwr_on = elec.ac_gndpwr_switch == 1 && elec.gpu_connected;
    show(elements[1], elec.ac_gndpwr_switch == 1);
    show(elements[2], elec.ac_gndpwr_switch == 0);
    show(elements[3], elec.ac_gndpwr_switch == 2);
}

}  // namespace

GaugeHeader hdr_elec_ac_gndpwr_vkm =
    gauge_header(GaugeId::elec_ac_gndpwr_vkm, elements.list, kMouse.data(), update);

}  // namespace vk
