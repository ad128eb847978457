// The red (standby) pump panel: a three-position switch and the pump light.
// Its callback runs the electric red pump and the red circuit pressure, which
// brake strokes, the emergency gear extension and moving flaps draw on.
#include <algorithm>
#include <cmath>
#include <limits>

#include "frame/controls.h"
#include "frame/convert.h"
#include "frame/element.h"
#include "frame/gauge_parts.h"
#include "frame/gauge_table.h"
#include "frame/host.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr uint8_t kSpoolFull = 30;
constexpr uint8_t kSpoolDelivers = 25;  // the pump delivers from this run-up on
constexpr uint16_t kMinLevel = 20;
constexpr uint16_t kGreenLost = 1750;
constexpr double kStrokeBrake = 8000.0;  // a left brake beyond this is a heavy stroke
constexpr uint16_t kStrokeCost = 50;
constexpr uint16_t kChargeEnd = 2471;
constexpr uint16_t kChargeStep = 30;
constexpr double kFlapWatchTicks = 30.0;  // 1.7 s at 18 ticks a second
constexpr double kFlapsStill = 0.1;       // degrees

constinit Chain elements{
    &hdr_hydrau_pump_red_vk,
    image(2064),                             // 0 panel
    icon(2112, At{76, 125}, 0x3 | kHidden),  // 1 switch at 1
    icon(1024, At{87, 128}, 0x3),            // 2 switch at 0
    icon(2128, At{93, 128}, 0x3 | kHidden),  // 3 switch at 2
    icon(384, At{92, 60}, 0x3 | kHidden),    // 4 pump light
};

constexpr auto kMouse = mouse_list(
    kNoHelp,
    area(54, 107, 26, 50, kCursorHand, kMouseLeft, switch_to<hyd, &HydState::red_pump_switch, 1>),
    area(82, 107, 26, 50, kCursorDown, kMouseLeft, switch_to<hyd, &HydState::red_pump_switch, 0>),
    area(108, 107, 26, 50, kCursorHand, kMouseLeft, switch_to<hyd, &HydState::red_pump_switch, 2>));

// The pressure drawn towards a target: below `low` it rises by `rise` a frame
// (charging), from `high` on it falls by `fall` (bleeding), and in between it
// is set to the target.
struct Regulation {
    uint16_t target, low, high, rise, fall;
    uint8_t band_phase;  // the phase set inside the band; 0xFF leaves it as it is
    uint8_t fall_phase;
};

constexpr Regulation kGearExtension{1500, 1471, 1550, 15, 50, 0xFF, 2};
constexpr Regulation kFlapsMoving{1000, 986, 1050, 15, 50, 0xFF, 2};
constexpr Regulation kStandby{2500, 2486, 2515, 15, 15, 0, 0};

void regulate(const Regulation& r) {
    uint16_t& p = hyd.red_pressure;
    if (p < r.low) {
        p = static_cast<uint16_t>(p + r.rise);
        hyd.red_phase = 1;
    } else if (p < r.high) {
        p = r.target;
        if (r.band_phase != 0xFF) hyd.red_phase = r.band_phase;
    } else {
        p = static_cast<uint16_t>(p - r.fall);
        hyd.red_phase = r.fall_phase;
    }
}

// A heavy brake stroke costs 50 psi once.
void consume_stroke() {
    decay<uint16_t>(hyd.red_pressure, kStrokeCost);
    hyd.brake_stroke = 2;
}

// While the emergency flap lever is out of neutral, a mark taken every 30
// ticks tells whether the flaps moved since the last one.
void flap_watch() {
    if (hyd.emerg_flap_lever != 1 && hyd.emerg_flap_lever != 2) {
        hyd.flaps_moving = 0;
        hyd.flap_check_armed = 0;
        return;
    }
    const double now = var(Var::tick_counter);
    if (!hyd.flap_check_armed) {
        hyd.flap_check_time = to_i32(now + kFlapWatchTicks);
        // Limited to the float's range first: converting a larger double is undefined.
        constexpr double kFloatMax = std::numeric_limits<float>::max();
        hyd.flap_check_angle =
            static_cast<float>(std::clamp(var(Var::flap_angle_left), -kFloatMax, kFloatMax));
        hyd.flap_check_armed = 1;
    } else if (now > static_cast<double>(hyd.flap_check_time)) {
        const double moved = var(Var::flap_angle_left) - static_cast<double>(hyd.flap_check_angle);
        hyd.flaps_moving = std::fabs(moved) > kFlapsStill;
        hyd.flap_check_armed = 0;
    }
}

void red_pump() {
    // Run-up: only with power while switched on, and down with or without it.
    if (hyd.red_pump_switch == 0)
        decay<uint8_t>(hyd.red_pump_spool, 1);
    else if (elec.main_bus_powered && hyd.red_pump_spool < kSpoolFull)
        ++hyd.red_pump_spool;

    const double left_brake = var(Var::brake_left);
    if (var(Var::on_ground) == 1.0 && left_brake > kStrokeBrake && hyd.brake_stroke == 0 &&
        var(Var::parking_brake) == 0.0)
        hyd.brake_stroke = 1;
    if (left_brake <= kStrokeBrake) hyd.brake_stroke = 0;

    if (hyd.red_pump_spool < kSpoolDelivers || hyd.red_level < kMinLevel) {
        hyd.red_phase = 0;
        hyd.red_charged = 0;
        // Without the pump a stroke draws on red only when green cannot brake.
        if (hyd.brake_stroke == 1 && hyd.green_pressure < kGreenLost) consume_stroke();
        return;
    }

    flap_watch();
    if (hyd.brake_stroke == 1) {
        consume_stroke();
    } else if (hyd.red_pressure < kChargeEnd && !hyd.red_charged && hyd.brake_stroke == 0) {
        hyd.red_phase = 1;
        hyd.red_pressure = static_cast<uint16_t>(hyd.red_pressure + kChargeStep);
    } else {
        hyd.red_charged = 1;
        const double gear = var(Var::gear_left_position);
        if (gear > 10.0 && gear <= 16100.0 && hyd.emerg_gear_lever == 1)
            regulate(kGearExtension);
        else if (hyd.flaps_moving)
            regulate(kFlapsMoving);
        else
            regulate(kStandby);
    }
}

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    red_pump();

    show(elements[1], hyd.red_pump_switch == 1);
    show(elements[2], hyd.red_pump_switch == 0);
    show(elements[3], hyd.red_pump_switch == 2);
    show(elements[4], elec.main_bus_powered && hyd.red_pump_switch != 0 &&
                          ((hyd.red_phase == 2 && hyd.red_pressure < 2000) ||
                           (hyd.red_phase == 1 && hyd.red_pressure < 2500)));
}

}  // namespace

GaugeHeader hdr_hydrau_pump_red_vk =
    gauge_header(GaugeId::hydrau_pump_red_vk, elements.list, kMouse.data(), update);

}  // namespace vk
