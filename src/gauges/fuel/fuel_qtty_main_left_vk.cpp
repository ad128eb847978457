// The left main tank gauge: the contents of the larger left tank in kilograms,
// on a needle that the converter drives, with a test sweep.
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "gauges/fuel/fuel_sides.h"
#include "gauges/state.h"

namespace vk {
namespace {

ScaleEntry kScale[] = VK_MAIN_TANK_SCALE;

double VKCALL contents(ElementHeader*) {
    return fuel.left_main_shown;
}

constinit Chain elements{
    &hdr_fuel_qtty_main_left_vk,
    image(13568),                                                   // 0 dial
    needle(13392, kTankPivot, kTankNeedlePivot, kScale, contents),  // 1 needle
    icon(13584, At{}, 0x3 | kHidden),                               // 2 night overlay
    needle(13408, kTankPivot, kTankNeedlePivot, kScale, contents, 0x3 | kHidden),  // 3 night needle
};

constexpr auto kMouse = mouse_list(0xAB26);

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    compute_main_tank(kLeftTanks);
    move_tank_needle(kLeftMainDial);
    show(elements[2], panel.night_lighting);
    show(elements[3], panel.night_lighting);
}

}  // namespace

GaugeHeader hdr_fuel_qtty_main_left_vk =
    gauge_header(GaugeId::fuel_qtty_main_left_vk, elements.list, kMouse.data(), update);

}  // namespace vk
