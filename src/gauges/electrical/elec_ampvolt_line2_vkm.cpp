// Line 2 meter: one dial with two needles, the line current on the left and
// the line voltage on the right. The voltage scale starts at 15 V: below that
// the needle rests on its stop.
#include "frame/element.h"
#include "frame/gauge_parts.h"
#include "frame/gauge_table.h"
#include "frame/meter.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr Dial kAmpsDial{30032, At{60, 68}, Pivot{-14, 4}, 0x4003, 6};
constexpr Dial kVoltsDial{30032, At{74, 68}, Pivot{-14, 4}, 0x4003, 6};

ScaleEntry kAmps[] = {
    point(0, 53, 127), point(50, 23, 115), point(100, 4, 86),
    point(150, 4, 49), point(200, 24, 21), point(250, 53, 9),
};
ScaleEntry kVolts[] = {
    point(35, 80, 8),    point(30, 117, 26), point(25, 135, 68),
    point(20, 116, 109), point(15, 80, 126), point(0, 80, 126),
};

constinit Chain elements{
    &hdr_elec_ampvolt_line2_vkm,
    image(30048),  // 0 face
    needle(kAmpsDial, kAmps,
           field_reading<elec, &ElecState::line2_amps, 0, 250>),  // 1 line current
    needle(kVoltsDial, kVolts,
           field_reading<elec, &ElecState::line2_volts, 0, 35>),  // 2 line voltage
    icon(30064, At{5, 75}, 0x3),                                  // 3 plate over the pivots
};

constexpr auto kMouse = mouse_list(kNoHelp);

}  // namespace

GaugeHeader hdr_elec_ampvolt_line2_vkm =
    gauge_header(GaugeId::elec_ampvolt_line2_vkm, elements.list, kMouse.data(), nullptr);

}  // namespace vk
