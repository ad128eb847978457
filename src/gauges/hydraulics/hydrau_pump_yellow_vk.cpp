// The yellow pump panel: a two-position selector and the pump light. Its
// callback runs the two electric yellow pumps that the servo selector starts.
#include "frame/controls.h"
#include "frame/element.h"
#include "frame/gauge_parts.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "frame/pressure.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr uint16_t kGreenLost = 1750;  // green below this: the yellow pumps cycle
constexpr uint16_t kMinLevel = 20;     // a pump runs only above 19 level units
constexpr uint16_t kChargeEnd = 2471;  // first charge: +30 a frame up to here
constexpr uint16_t kChargeStep = 30;
constexpr uint16_t kFull = 2500;
constexpr uint16_t kCycleLow = 2000;  // cycling: bleeds 5 a frame down to 2000 ...
constexpr uint16_t kCycleStep = 5;
constexpr uint16_t kBleedStep = 15;  // a stopped pump bleeds 15 a frame ...
constexpr uint16_t kHoldFrom = 515;  // ... down to the 500 psi the selector holds
constexpr uint16_t kHoldLow = 485;
constexpr uint16_t kHeld = 500;

constinit Chain elements{
    &hdr_hydrau_pump_yellow_vk,
    image(2080),                            // 0 panel
    icon(2112, At{22, 33}, 0x3),            // 1 selector at 1
    icon(2128, At{39, 35}, 0x3 | kHidden),  // 2 selector at 2
    icon(384, At{101, 43}, 0x3 | kHidden),  // 3 pump light
};

constexpr auto kMouse = mouse_list(
    kNoHelp,
    area(0, 12, 42, 50, kCursorHand, kMouseLeft, switch_to<hyd, &HydState::yellow_selector, 1>),
    area(42, 12, 42, 50, kCursorHand, kMouseLeft, switch_to<hyd, &HydState::yellow_selector, 2>));

struct YellowPump {
    uint8_t& state;
    const uint16_t& level;
    uint16_t& pressure;
    uint8_t& cycling;
    uint8_t& phase;
    uint8_t hold_selector;  // the servo selector position that keeps 500 psi on its line
};

void pump_frame(const YellowPump& y) {
    const bool green_lost = hyd.green_pressure < kGreenLost;
    uint16_t& p = y.pressure;
    if (y.state == 1 && y.level >= kMinLevel) {
        if (p < kChargeEnd && !y.cycling) {
            y.phase = 1;
            p = static_cast<uint16_t>(p + kChargeStep);
        } else if (green_lost) {
            // Standing in for green: the pressure cycles between 2000 and the charge.
            if (p < kCycleLow + kCycleStep) {
                p = kCycleLow;
                y.phase = 1;
                y.cycling = 0;
            } else {
                p = static_cast<uint16_t>(p - kCycleStep);
                y.phase = 2;
                y.cycling = 1;
            }
        } else {
            p = kFull;
        }
        return;
    }
    y.phase = 0;
    if (!green_lost) return;  // with green available a stopped pump keeps its pressure
    if (hyd.servo_selector == y.hold_selector) {
        // Tested from 515 inclusive, so that a pump at exactly 515 does not stick.
        if (p >= kHoldFrom) {
            p = static_cast<uint16_t>(p - kBleedStep);
        } else {
            p = p >= kHoldLow ? kHeld : 0;
            y.cycling = 0;
        }
    } else if (bleed(p, kBleedStep)) {
        y.cycling = 0;
    }
}

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    pump_frame({hyd.yellow_pump1_state, hyd.yellow1_level, hyd.yellow1_pressure,
                hyd.yellow1_cycling, hyd.yellow1_phase, 3});
    pump_frame({hyd.yellow_pump2_state, hyd.yellow2_level, hyd.yellow2_pressure,
                hyd.yellow2_cycling, hyd.yellow2_phase, 1});
    hyd.yellow_pressure = hyd.yellow2_pressure != 0 ? hyd.yellow2_pressure : hyd.yellow1_pressure;

    show(elements[1], hyd.yellow_selector != 2);
    show(elements[2], hyd.yellow_selector == 2);
    show(elements[3], elec.main_bus_powered && hyd.yellow_pressure < kFull &&
                          (hyd.yellow1_phase == 1 || hyd.yellow2_phase == 1));
}

}  // namespace

GaugeHeader hdr_hydrau_pump_yellow_vk =
    gauge_header(GaugeId::hydrau_pump_yellow_vk, elements.list, kMouse.data(), update);

}  // namespace vk
