// The twin-needle fuel pressure dial. Its callback moves the feed pressure of
// both sides, left first, from the pumps, valves, crossfeed and engine
// suction; the needles show the pressures while the instrument supply is on.
#include <algorithm>

#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/host.h"
#include "frame/mouse.h"
#include "gauges/fuel/fuel_sides.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr double kTop = 500.0;
constexpr double kTurning = 20.0;  // engine speed above which the engine draws fuel itself

// 0 at 150 degrees left of the top, 60 degrees per 100, 500 at 150 right.
ScaleEntry kPressure[] = {point(0, 4, 140),     point(100, -46, 53), point(200, 4, -34),
                          point(300, 104, -34), point(400, 154, 53), point(500, 104, 140)};

double needle_value(int16_t& shown) {
    shown = static_cast<int16_t>(std::clamp<int>(shown, 0, static_cast<int>(kTop)));
    return shown;
}
double VKCALL left_pressure(ElementHeader*) {
    return needle_value(fuel.left_pressure_shown);
}
double VKCALL right_pressure(ElementHeader*) {
    return needle_value(fuel.right_pressure_shown);
}

constexpr At kPivot{54, 53};
constexpr Pivot kNeedlePivot{5, 45};

constinit Chain elements{
    &hdr_fuel_press_vk,
    image(13056),                                                    // 0 dial
    needle(12880, kPivot, kNeedlePivot, kPressure, left_pressure),   // 1 left
    needle(12912, kPivot, kNeedlePivot, kPressure, right_pressure),  // 2 right
    icon(13072, At{}, 0x3 | kHidden),                                // 3 night overlay
    needle(12896, kPivot, kNeedlePivot, kPressure, left_pressure, 0x3 | kHidden),   // 4
    needle(12928, kPivot, kNeedlePivot, kPressure, right_pressure, 0x3 | kHidden),  // 5
};

constexpr auto kMouse = mouse_list(0xAB4E);

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    const double speed_1 = var(Var::engine_speed_1);
    fuel.left_engine_suction =
        speed_1 > kTurning || (fuel.crossfeed_open && var(Var::engine_speed_2) > kTurning);
    const double speed_2 = var(Var::engine_speed_2);
    fuel.right_engine_suction = speed_2 > kTurning || (fuel.crossfeed_open && speed_1 > kTurning);

    // Left first: a right side fed across copies this frame's left pressure.
    update_feed_pressure(kLeftFeed, kRightFeed);
    update_feed_pressure(kRightFeed, kLeftFeed);
    if (elec.instrument_ac_powered) {
        fuel.left_pressure_shown = fuel.left_feed_pressure;
        fuel.right_pressure_shown = fuel.right_feed_pressure;
    }

    const bool night = panel.night_lighting;
    for (int k : {3, 4, 5}) show(elements[k], night);
}

}  // namespace

GaugeHeader hdr_fuel_press_vk =
    gauge_header(GaugeId::fuel_press_vk, elements.list, kMouse.data(), update);

}  // namespace vk
