// The start supply voltmeter: the voltage the start panel has to turn a
// starter with (ground power or the battery on standby). No callback: the
// needle's value callback reads the start panel's state.
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr uint8_t kTopVolts = 130;

// 0 at 61 degrees left of the top, 50 at 20 left, 100 at 26 right, 130 at 55 right.
ScaleEntry kVolts[] = {point(0, -20, 35), point(50, 33, -11), point(100, 111, -7),
                       point(130, 149, 26)};

double VKCALL volts(ElementHeader*) {
    if (eng.start_supply_volts > kTopVolts) eng.start_supply_volts = kTopVolts;
    return eng.start_supply_volts;
}

constinit Chain elements{
    &hdr_engstart_volt_vk,
    image(18816),                                                     // 0 dial
    needle(544, At{67, 83}, Pivot{-1, 3}, kVolts, volts, 0x4003, 6),  // 1 needle
    icon(1328, At{5, 75}, 0x3),                                       // 2 hub
};

// No areas of its own: the parent area alone.
constexpr auto kMouse = mouse_list(kNoHelp);

}  // namespace

GaugeHeader hdr_engstart_volt_vk =
    gauge_header(GaugeId::engstart_volt_vk, elements.list, kMouse.data(), nullptr);

}  // namespace vk
