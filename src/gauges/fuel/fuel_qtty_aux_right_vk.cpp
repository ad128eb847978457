// The right auxiliary tank gauge: the contents of the smaller right tank, or
// of the centre tank on an aircraft with one tank a side, in the aux dial's
// unit, on a needle that the converter drives, with a test sweep.
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "gauges/fuel/fuel_sides.h"
#include "gauges/state.h"

namespace vk {
namespace {

ScaleEntry kScale[] = VK_AUX_TANK_SCALE;

double VKCALL contents(ElementHeader*) {
    return fuel.right_aux_shown;
}

constinit Chain elements{
    &hdr_fuel_qtty_aux_right_vk,
    image(13424),                                                   // 0 dial
    needle(13392, kTankPivot, kTankNeedlePivot, kScale, contents),  // 1 needle
    icon(13440, At{}, 0x3 | kHidden),                               // 2 night overlay
    needle(13408, kTankPivot, kTankNeedlePivot, kScale, contents, 0x3 | kHidden),  // 3 night needle
};

constexpr auto kMouse = mouse_list(0xAB26);

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    compute_aux_tank(kRightTanks);
    move_tank_needle(kRightAuxDial);
    show(elements[2], panel.night_lighting);
    show(elements[3], panel.night_lighting);
}

}  // namespace

GaugeHeader hdr_fuel_qtty_aux_right_vk =
    gauge_header(GaugeId::fuel_qtty_aux_right_vk, elements.list, kMouse.data(), update);

}  // namespace vk
