// The engine start panel: start selector, start master switch, start
// push-button and the two ignition push-buttons. Its callback runs the ground
// starts and the in-flight relights, engaging the host's starters frame by
// frame.
#include "frame/controls.h"
#include "frame/element.h"
#include "frame/gauge_parts.h"
#include "frame/gauge_table.h"
#include "frame/host.h"
#include "frame/mouse.h"
#include "gauges/engines/engine_sides.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr uint32_t kPicture = 0x3 | kHidden;

constinit Chain elements{
    &hdr_engstart_vk,
    image(18560),                       // 0 panel
    icon(18752, At{27, 16}, kPicture),  // 1 selector on engine 1
    icon(18720, At{40, 15}, 0x3),       // 2 selector centred
    icon(18768, At{43, 16}, kPicture),  // 3 selector on engine 2
    icon(18784, At{33, 56}, kPicture),  // 4 master switch up (on)
    icon(18736, At{33, 72}, 0x3),       // 5 master switch down (off)
};

constexpr uint8_t kGroundPowerVolts = 112;
constexpr uint8_t kBatteryVolts = 130;

int32_t VKCALL start(const MousePoint*, uint32_t) {
    if (eng.start_selector == 1) eng.left_start_request = 1;
    if (eng.start_selector == 2) eng.right_start_request = 1;
    return 0;
}
// The ignition push-buttons run the relight command of their engine as a
// press-to-test button: 12 frames from a click, kept between 10 and 12 while
// held, and a longer command (a relight switch held up) is left alone.
int32_t VKCALL ignition_1(const MousePoint*, uint32_t) {
    spring_press(eng.left_relight_frames);
    return 0;
}
int32_t VKCALL ignition_2(const MousePoint*, uint32_t) {
    spring_press(eng.right_relight_frames);
    return 0;
}

constexpr auto kMouse = mouse_list(
    kNoHelp,
    area(0, 0, 30, 46, kCursorDown, kMouseLeft, switch_to<eng, &EngState::start_selector, 1>),
    area(30, 0, 30, 46, kCursorHand, kMouseLeft, switch_to<eng, &EngState::start_selector, 0>),
    area(60, 0, 30, 46, kCursorUp, kMouseLeft, switch_to<eng, &EngState::start_selector, 2>),
    area(17, 50, 42, 25, kCursorUp, kMouseLeft, switch_to<eng, &EngState::start_master, 1>),
    area(17, 75, 42, 25, kCursorDown, kMouseLeft, switch_to<eng, &EngState::start_master, 0>),
    area(63, 54, 42, 42, kCursorHand, kMouseKnob, start),
    area(114, 21, 34, 34, kCursorHand, kMouseKnob, ignition_1),
    area(156, 21, 34, 34, kCursorHand, kMouseKnob, ignition_2));

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    relight_tick(kLeftStart);
    relight_tick(kRightStart);

    const uint8_t selector = eng.start_selector;
    show(elements[1], selector == 1);
    show(elements[2], selector != 1 && selector != 2);
    show(elements[3], selector == 2);
    show(elements[4], eng.start_master);
    show(elements[5], !eng.start_master);

    // Ground power on the DC network, or else the battery on standby.
    if (elec.gpu_on_dc)
        eng.start_supply_volts = kGroundPowerVolts;
    else if (elec.battery_selector == 2 && elec.battery_charge > 0)
        eng.start_supply_volts = kBatteryVolts;
    else
        eng.start_supply_volts = 0;

    const bool can_start =
        eng.start_supply_volts >= kMinStartVolts && elec.ess_bus_powered && eng.start_master;
    run_start(kLeftStart, can_start);
    run_start(kRightStart, can_start);

    if (var(Var::indicated_airspeed) >= kRelightAirspeed && elec.ess_bus_powered) {
        run_relight(kLeftStart);
        run_relight(kRightStart);
    }
}

}  // namespace

GaugeHeader hdr_engstart_vk =
    gauge_header(GaugeId::engstart_vk, elements.list, kMouse.data(), update);

}  // namespace vk
