// The emergency lever panel: the emergency gear extension lever and the
// guarded emergency flap lever, both worked by red pressure. While the flaps
// have no hydraulic power its callback keeps the flap handle at the detent of
// the flaps' current angle, so that the host leaves the flaps where they are.
#include <limits>

#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/host.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr uint16_t kRedWorks = 950;    // the levers act with red above this
constexpr uint16_t kGreenLost = 1750;  // green below this: the flaps have no power

constinit Chain elements{
    &hdr_emerg_lev_vk,
    image(4640),                              // 0 panel
    icon(4864, At{0, 68}, 0x3),               // 1 gear lever stowed
    icon(4736, At{30, 314}, 0x3 | kHidden),   // 2 gear lever pulled
    icon(4688, At{112, 98}, 0x3 | kHidden),   // 3 flap lever up
    icon(4672, At{112, 98}, 0x3),             // 4 flap lever neutral
    icon(4656, At{117, 314}, 0x3 | kHidden),  // 5 flap lever down
    icon(4720, At{119, 14}, 0x3 | kHidden),   // 6 flap guard raised
    icon(4704, At{119, 216}, 0x3),            // 7 flap guard lowered
};

bool red_works() {
    return hyd.red_pressure > kRedWorks;
}

int32_t VKCALL stow_gear_lever(const MousePoint*, uint32_t) {
    hyd.emerg_gear_lever = 0;
    return 0;
}
int32_t VKCALL pull_gear_lever(const MousePoint*, uint32_t) {
    if (hyd.emerg_gear_lever != 1) {
        hyd.emerg_gear_lever = 1;
        if (red_works()) send_key(Key::gear_down);
    }
    return 0;
}
int32_t VKCALL toggle_flap_guard(const MousePoint*, uint32_t) {
    hyd.emerg_flap_guard = hyd.emerg_flap_guard ? 0 : 1;
    return 0;
}
// The flap lever leaves neutral only with its guard raised.
int32_t VKCALL flap_lever_up(const MousePoint*, uint32_t) {
    if (hyd.emerg_flap_lever == 0 && hyd.emerg_flap_guard) {
        hyd.emerg_flap_lever = 1;
        if (red_works()) send_key(Key::emerg_flaps_up);
    }
    return 0;
}
int32_t VKCALL flap_lever_neutral(const MousePoint*, uint32_t) {
    if (!hyd.emerg_flap_guard)
        hyd.emerg_flap_guard = 1;
    else
        hyd.emerg_flap_lever = 0;
    return 0;
}
int32_t VKCALL flap_lever_down(const MousePoint*, uint32_t) {
    if (hyd.emerg_flap_lever == 0 && hyd.emerg_flap_guard) {
        hyd.emerg_flap_lever = 2;
        if (red_works()) send_key(Key::emerg_flaps_down);
    }
    return 0;
}

constexpr auto kMouse =
    mouse_list(kNoHelp, area(20, 103, 77, 125, kCursorHand, kMouseLeft, stow_gear_lever),
               area(20, 273, 77, 91, kCursorHand, kMouseLeft, pull_gear_lever),
               area(116, 0, 218, 68, kCursorHand, kMouseLeft, toggle_flap_guard),
               area(185, 220, 218, 68, kCursorHand, kMouseLeft, toggle_flap_guard),
               area(116, 88, 69, 114, kCursorHand, kMouseLeft, flap_lever_up),
               area(116, 220, 69, 68, kCursorHand, kMouseLeft, flap_lever_neutral),
               area(116, 302, 69, 62, kCursorHand, kMouseLeft, flap_lever_down));

// The flap handle detents and the event that brings the handle back to the
// detent of a band of flap angles. A band just below a detent steps the handle
// out, one just above steps it in. At a detent's own angle (5, 10, 20 and 32
// degrees) nothing is sent: the flaps are where the handle says.
struct FlapBand {
    double from, to;  // from <= a < to, or from < a < to when `open_below`
    bool open_below;
    double detent_low, detent_high;  // the handle counts as there within these
    Key step;
};

constexpr double kInf = std::numeric_limits<double>::infinity();

constexpr FlapBand kBands[] = {
    {0.0, 3.0, false, -kInf, 0.0, Key::flaps_retract_step},
    {3.0, 5.0, false, 1820.0, 1821.0, Key::flaps_extend_step},
    {5.0, 8.0, true, 1820.0, 1821.0, Key::flaps_retract_step},
    {8.0, 10.0, false, 6553.0, 6554.0, Key::flaps_extend_step},
    {10.0, 15.0, true, 6553.0, 6554.0, Key::flaps_retract_step},
    {15.0, 20.0, false, 9830.0, 9831.0, Key::flaps_extend_step},
    {20.0, 26.0, true, 9830.0, 9831.0, Key::flaps_retract_step},
    {26.0, 32.0, false, 13107.0, 13108.0, Key::flaps_extend_step},
    {32.0, 39.0, true, 13107.0, 13108.0, Key::flaps_retract_step},
    {39.0, 45.0, false, 16384.0, kInf, Key::flaps_extend_step},
};

void hold_flap_handle() {
    const double a = var(Var::flap_angle_left);
    for (const FlapBand& b : kBands) {
        const bool in_band = (b.open_below ? a > b.from : a >= b.from) && a < b.to;
        if (!in_band) continue;
        const double h = var(Var::flap_handle);
        if (h < b.detent_low || h > b.detent_high) send_key(b.step);
        return;
    }
}

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    if (hyd.emerg_flap_lever == 0 && (hyd.emerg_flap_guard == 1 || hyd.green_pressure < kGreenLost))
        hold_flap_handle();

    show(elements[1], hyd.emerg_gear_lever != 1);
    show(elements[2], hyd.emerg_gear_lever == 1);
    show(elements[3], hyd.emerg_flap_lever == 1);
    show(elements[4], hyd.emerg_flap_lever == 0);
    show(elements[5], hyd.emerg_flap_lever == 2);
    show(elements[6], hyd.emerg_flap_guard == 1);
    show(elements[7], hyd.emerg_flap_guard != 1);
}

}  // namespace

GaugeHeader hdr_emerg_lev_vk =
    gauge_header(GaugeId::emerg_lev_vk, elements.list, kMouse.data(), update);

}  // namespace vk
