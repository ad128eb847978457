// The start supply voltmeter: the voltage the start panel has to turn a
// starter with (ground power or the battery on standby). No callback: the
// needle's value callback reads the start panel's state.
#include "frame/convert.h"
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/meter.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr uint8_t kTopVolts = 130;

// 0 at 61 degrees left of the top, 50 at 20 left, 100 at 26 right, 130 at 55 right.
ScaleEntry kVolts[] = {point(0, -20, 35), point(50, 33, -11), point(100, 111, -7),
                       point(130, 149, 26)};

// Held at the top of the dial; the clamp is written back.
double VKCALL volts(ElementHeader*) {
    eng.start_supply_volts = to_u8(reading(eng.start_supply_volts, 0, kTopVolts));
    return eng.start_supply_volts;
}

constinit Chain elements{
    &hdr_engstart_volt_vk,
    image(18816),                       // 0 dial
    needle(kMeterDial, kVolts, volts),  // 1 needle
    meter_plate(),                      // 2 hub
};

// No areas of its own: the parent area alone.
constexpr auto kMouse = mouse_list(kNoHelp);

}  // namespace

GaugeHeader hdr_engstart_volt_vk =
    gauge_header(GaugeId::engstart_volt_vk, elements.list, kMouse.data(), nullptr);

}  // namespace vk
