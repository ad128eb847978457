// The green and blue reservoir level dials with their low-level lights,
// warning switches and light test buttons. Its callback also works out the
// green level, which follows the gear and drains in a leak.
#include "frame/controls.h"
#include "frame/convert.h"
#include "frame/element.h"
#include "frame/gauge_parts.h"
#include "frame/gauge_table.h"
#include "frame/host.h"
#include "frame/mouse.h"
#include "gauges/state.h"
#include "sound/sound_set.h"

namespace vk {
namespace {

constexpr uint16_t kLowLevel = 20;     // the low-level lights come on below this
constexpr uint16_t kFailedLevel = 15;  // a level failure, or a leak run dry, reads this
constexpr uint32_t kFullReserve = 60;  // the reserve a leak starts from
constexpr uint32_t kLeakStep = 3;      // fluid lost per flap extension step
constexpr double kGearUp = 3000.0;     // gear position below which the level reads 50
constexpr double kGearDown = 12000.0;  // and above which it reads 60
constexpr double kAirbrakesOut = 16000.0;

double VKCALL green_needle(ElementHeader*) {
    return hyd.green_level_shown;
}
double VKCALL blue_needle(ElementHeader*) {
    return hyd.blue_level_shown;
}

ScaleEntry kGreenScale[] = {point(70, 142, 40), point(60, 158, 50),  point(50, 163, 63),
                            point(20, 163, 73), point(10, 153, 114), point(0, 141, 126)};
ScaleEntry kBlueScale[] = {point(0, 189, 126), point(10, 171, 106), point(20, 167, 73),
                           point(60, 176, 52), point(70, 188, 40)};

constinit Chain elements{
    &hdr_hydrau_level_vk,
    image(1616),                                                          // 0 panel
    icon(512, At{56, 117}, 0x3 | kHidden),                                // 1 green low light
    icon(512, At{261, 117}, 0x3 | kHidden),                               // 2 blue low light
    icon(4144, At{52, 68}, 0x3),                                          // 3 green switch up
    icon(4160, At{52, 77}, 0x3 | kHidden),                                // 4 green switch down
    icon(4144, At{258, 68}, 0x3),                                         // 5 blue switch up
    icon(4160, At{258, 77}, 0x3 | kHidden),                               // 6 blue switch down
    needle(1600, At{112, 82}, Pivot{-10, 4}, kGreenScale, green_needle),  // 7 green level
    needle(1600, At{218, 82}, Pivot{-10, 4}, kBlueScale, blue_needle),    // 8 blue level
    image(1632, At{108, 65}, 0x3),                                        // 9 green cover
    image(1648, At{201, 65}, 0x3),                                        // 10 blue cover
};

// Moving a switch down acknowledges its warning and ends a light test.
int32_t VKCALL green_switch_down(const MousePoint*, uint32_t) {
    if (set_switch(hyd.green_level_switch, 1)) {
        warn.green_level_warning = 2;
        hyd.green_level_test = 0;
    }
    return 0;
}
int32_t VKCALL blue_switch_down(const MousePoint*, uint32_t) {
    if (set_switch(hyd.blue_level_switch, 1)) {
        warn.blue_level_warning = 2;
        hyd.blue_level_test = 0;
    }
    return 0;
}

constexpr auto kMouse = mouse_list(
    kNoHelp,
    area(40, 34, 50, 45, kCursorUp, kMouseLeft, switch_to<hyd, &HydState::green_level_switch, 0>),
    area(40, 79, 50, 45, kCursorDown, kMouseLeft, green_switch_down),
    area(245, 34, 50, 45, kCursorUp, kMouseLeft, switch_to<hyd, &HydState::blue_level_switch, 0>),
    area(245, 79, 50, 45, kCursorDown, kMouseLeft, blue_switch_down),
    area(51, 155, 30, 30, kCursorHand, kMouseLeft, press_test<hyd, &HydState::green_level_test>),
    area(253, 155, 30, 30, kCursorHand, kMouseLeft, press_test<hyd, &HydState::blue_level_test>));

// The gear-dependent part of the level between the two gear limits, whole
// units: 2 at 3000 up to 9 at 12000.
uint16_t gear_share(double gear) {
    return to_u16(gear * 0.0001 * 83.0 * 0.1);
}

// A leak costs 3 units each time the flaps have moved out more than one
// degree beyond the last mark; flaps fully in clear the mark.
void leak_step(double flaps) {
    if (flaps == 0.0) {
        hyd.leak_flap_mark = 0;
    } else if (static_cast<double>(hyd.leak_flap_mark) + 1.0 < flaps) {
        hyd.green_leak_reserve =
            hyd.green_leak_reserve > kLeakStep ? hyd.green_leak_reserve - kLeakStep : 0;
        hyd.leak_flap_mark = to_i32(flaps);
    }
}

void green_level() {
    const double gear = var(Var::gear_left_position);
    if (fail.green_leak != 1) {
        hyd.green_leak_reserve = kFullReserve;
        if (fail.green_level_fail == 1)
            hyd.green_level = kFailedLevel;
        else if (gear < kGearUp)
            hyd.green_level = 50;
        else if (gear > kGearDown)
            hyd.green_level = 60;
        else
            hyd.green_level = static_cast<uint16_t>(50 + gear_share(gear));
        return;
    }
    leak_step(var(Var::flap_angle_left));
    const uint32_t reserve = hyd.green_leak_reserve;
    const bool partly_drained = reserve < 50;
    if (var(Var::airbrake_left) > kAirbrakesOut || reserve < kFailedLevel)
        hyd.green_level = kFailedLevel;
    else if (gear < kGearUp)
        hyd.green_level = to_u16(reserve);
    else if (gear > kGearDown)
        hyd.green_level = partly_drained ? to_u16(reserve + 10) : 60;
    else
        hyd.green_level = partly_drained ? to_u16(reserve + gear_share(gear)) : 60;
}

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    // The needles show the level of the last frame, each on its own supply.
    if (elec.ess_bus_powered_copy) hyd.green_level_shown = hyd.green_level;
    if (elec.instrument_ac_powered) hyd.blue_level_shown = hyd.blue_level;

    const bool lamps = elec.ess_bus_powered_copy;
    hyd.green_level_low = lamps && (hyd.green_level < kLowLevel || hyd.green_level_test == 1);
    hyd.blue_level_low = lamps && (hyd.blue_level < kLowLevel || hyd.blue_level_test == 1);

    green_level();

    show(elements[1], hyd.green_level_low);
    show(elements[2], hyd.blue_level_low);
    show(elements[3], hyd.green_level_switch == 0);
    show(elements[4], hyd.green_level_switch != 0);
    show(elements[5], hyd.blue_level_switch == 0);
    show(elements[6], hyd.blue_level_switch != 0);
}

}  // namespace

GaugeHeader hdr_hydrau_level_vk =
    gauge_header(GaugeId::hydrau_level_vk, elements.list, kMouse.data(), update);

}  // namespace vk
