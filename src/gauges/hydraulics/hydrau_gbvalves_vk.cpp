// The green and blue engine-pump panel: four valve switches under one guard
// with their position lights. Its callback runs the valves and the four
// engine-driven pumps, and gives the green and blue circuit pressures.
#include <algorithm>

#include "frame/controls.h"
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/host.h"
#include "frame/mouse.h"
#include "frame/pressure.h"
#include "gauges/state.h"
#include "sound/sound_set.h"

namespace vk {
namespace {

// Valve travel, 0 shut to 30 open; a pump delivers only from 20.
constexpr uint8_t kValveOpen = 30;
constexpr uint8_t kValveDelivers = 20;
// A pump needs its engine at 20 % or more and 21 level units in its reservoir.
constexpr double kMinEngineSpeed = 20.0;
constexpr uint16_t kMinLevel = 21;
// A pump charges 30 psi a frame up to 2550, then settles down to 2500 at 15 a
// frame and regulates there; without drive it bleeds off at 15 a frame.
constexpr uint16_t kChargeStep = 30;
constexpr uint16_t kChargePeak = 2550;
constexpr uint16_t kRegulated = 2500;
constexpr uint16_t kSettleStep = 15;
constexpr uint16_t kBleedStep = 15;

constexpr uint32_t kLight = 0x3 | kHidden;

constinit Chain elements{
    &hdr_hydrau_gbvalves_vk,
    image(2160),                             // 0 panel
    icon(2336, At{43, 120}, kLight),         // 1 valve 0 open light
    icon(2320, At{43, 120}, kLight),         // 2 valve 0 shut light
    icon(2336, At{121, 116}, kLight),        // 3 valve 1 open light
    icon(2320, At{121, 116}, kLight),        // 4 valve 1 shut light
    icon(2336, At{200, 113}, kLight),        // 5 valve 2 open light
    icon(2320, At{200, 113}, kLight),        // 6 valve 2 shut light
    icon(2336, At{282, 108}, kLight),        // 7 valve 3 open light
    icon(2320, At{282, 108}, kLight),        // 8 valve 3 shut light
    icon(2144, At{32, 39}, 0x3),             // 9 valve 0 switch open
    icon(2144, At{106, 34}, 0x3),            // 10 valve 1 switch open
    icon(2144, At{185, 31}, 0x3),            // 11 valve 2 switch open
    icon(2144, At{263, 26}, 0x3),            // 12 valve 3 switch open
    icon(2096, At{37, 56}, 0x3 | kHidden),   // 13 valve 0 switch shut
    icon(2096, At{111, 51}, 0x3 | kHidden),  // 14 valve 1 switch shut
    icon(2096, At{189, 48}, 0x3 | kHidden),  // 15 valve 2 switch shut
    icon(2096, At{268, 44}, 0x3 | kHidden),  // 16 valve 3 switch shut
    icon(2176, At{0, 45}, 0x3),              // 17 guard lowered
    icon(2304, At{3, 82}, 0x3 | kHidden),    // 18 guard raised
};

constexpr int kOpenLight = 1;    // + 2k
constexpr int kShutLight = 2;    // + 2k
constexpr int kSwitchOpen = 9;   // + k
constexpr int kSwitchShut = 13;  // + k
constexpr int kGuardLowered = 17;
constexpr int kGuardRaised = 18;

// Upper half of a valve switch: opens a shut valve; on an open valve it lowers
// a raised guard.
template <int K>
int32_t VKCALL upper(const MousePoint*, uint32_t) {
    if (!set_switch(hyd.valve_open[K], 1)) set_cover(hyd.valve_guard_open, 0);
    return 0;
}

// Lower half: raises the guard (silently) when it is down; with the guard up
// it shuts the valve.
template <int K>
int32_t VKCALL lower(const MousePoint*, uint32_t) {
    if (!hyd.valve_guard_open)
        hyd.valve_guard_open = 1;
    else
        set_switch(hyd.valve_open[K], 0);
    return 0;
}

constexpr auto kMouse = mouse_list(kNoHelp, area(21, 15, 50, 45, kCursorUp, kMouseLeft, upper<0>),
                                   area(21, 60, 50, 45, kCursorDown, kMouseLeft, lower<0>),
                                   area(90, 10, 50, 45, kCursorUp, kMouseLeft, upper<1>),
                                   area(90, 55, 50, 45, kCursorDown, kMouseLeft, lower<1>),
                                   area(167, 4, 50, 45, kCursorUp, kMouseLeft, upper<2>),
                                   area(167, 49, 50, 45, kCursorDown, kMouseLeft, lower<2>),
                                   area(248, 0, 50, 45, kCursorUp, kMouseLeft, upper<3>),
                                   area(248, 45, 50, 45, kCursorDown, kMouseLeft, lower<3>));

// One frame of engine pump k.
void pump_frame(int k, bool delivers) {
    uint16_t& p = hyd.pump_pressure[k];
    uint8_t& settled = hyd.pump_settled[k];
    if (!delivers) {
        if (bleed(p, kBleedStep)) settled = 0;
    } else if (p < kChargePeak && !settled) {
        p = static_cast<uint16_t>(p + kChargeStep);  // the charge overshoots ...
    } else {
        settled = 1;  // ... and comes back down to regulate
        p = p > kRegulated ? static_cast<uint16_t>(p - kSettleStep) : kRegulated;
    }
}

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    const bool powered = elec.ess_bus_powered;
    for (int k = 0; k < 4; ++k)
        valve_travel(hyd.valve_travel[k], hyd.valve_open[k], powered, 1, kValveOpen);

    // Pumps 0 and 2 are driven by engine 1, 1 and 3 by engine 2; 0 and 1 feed
    // the green circuit, 2 and 3 the blue one. Only the green pumps can fail.
    const double drive[2] = {var(Var::engine_speed_1), var(Var::engine_speed_2)};
    const uint8_t failed[4] = {fail.green_pump1_fail, fail.green_pump2_fail, 0, 0};
    for (int k = 0; k < 4; ++k) {
        const uint16_t level = k < 2 ? hyd.green_level : hyd.blue_level;
        // An engine speed that is not a number drives nothing.
        const bool delivers = hyd.valve_travel[k] >= kValveDelivers &&
                              drive[k % 2] >= kMinEngineSpeed && level >= kMinLevel &&
                              failed[k] != 1;
        pump_frame(k, delivers);
    }
    hyd.green_pressure = std::max(hyd.pump_pressure[0], hyd.pump_pressure[1]);
    hyd.blue_pressure = std::max(hyd.pump_pressure[2], hyd.pump_pressure[3]);

    for (int k = 0; k < 4; ++k) {
        show(elements[kOpenLight + 2 * k], powered && hyd.valve_travel[k] == kValveOpen);
        show(elements[kShutLight + 2 * k], powered && hyd.valve_travel[k] == 0);
        show(elements[kSwitchOpen + k], hyd.valve_open[k] == 1);
        show(elements[kSwitchShut + k], hyd.valve_open[k] != 1);
    }
    show(elements[kGuardLowered], !hyd.valve_guard_open);
    show(elements[kGuardRaised], hyd.valve_guard_open);
}

}  // namespace

GaugeHeader hdr_hydrau_gbvalves_vk =
    gauge_header(GaugeId::hydrau_gbvalves_vk, elements.list, kMouse.data(), update);

}  // namespace vk
