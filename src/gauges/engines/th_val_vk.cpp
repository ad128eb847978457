// The throttle read-out: both throttle settings as three-digit percentages,
// shown for two seconds whenever a throttle moves. A click switches it off
// (an off indication shows for two seconds) and back to automatic.
#include <algorithm>
#include <cmath>

#include "frame/convert.h"
#include "frame/element.h"
#include "frame/gauge_parts.h"
#include "frame/gauge_table.h"
#include "frame/host.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr uint32_t kShowTicks = 36;

template <uint8_t EngState::*Digit>
double VKCALL digit_value(ElementHeader*) {
    return eng.*Digit;
}

constexpr Range kAcross{0, 1};
constexpr Range kDigits{0, 10};
constexpr Travel kStrip{0, 160};

template <uint8_t EngState::*Digit>
constexpr MovingImage digit(int32_t x) {
    return moving_image(26160, At{x, 0}, unit_value, kAcross, digit_value<Digit>, kDigits, kStrip,
                        0x3 | kHidden);
}

constinit Chain elements{
    &hdr_th_val_vk,
    image(26128),                                  // 0 read-out
    digit<&EngState::left_readout_hundreds>(0),    // 1 engine 1 hundreds
    digit<&EngState::left_readout_tens>(12),       // 2 engine 1 tens
    digit<&EngState::left_readout_units>(24),      // 3 engine 1 units
    digit<&EngState::right_readout_hundreds>(87),  // 4 engine 2 hundreds
    digit<&EngState::right_readout_tens>(99),      // 5 engine 2 tens
    digit<&EngState::right_readout_units>(111),    // 6 engine 2 units
    icon(26144, At{36, 0}, 0x3 | kHidden),         // 7 off indication
};

// The whole percent of a throttle fraction, sign dropped. A hair is added
// before truncating so that a fraction such as 0.29, which binary doubles
// hold as 0.28999..., reads 29 and not 28.
int32_t percent(double throttle) {
    return std::clamp(to_i32(std::fabs(throttle) * 100.0 + 1e-6), 0, 999);
}

void set_digits(uint8_t& hundreds, uint8_t& tens, uint8_t& units, int32_t p) {
    hundreds = static_cast<uint8_t>(p / 100);
    tens = static_cast<uint8_t>(p / 10 % 10);
    units = static_cast<uint8_t>(p % 10);
}

void show_digits_from(uint32_t tick) {
    eng.readout_digits_shown = 1;
    eng.readout_digits_end_tick = tick + kShowTicks;
}

int32_t VKCALL toggle_mode(const MousePoint*, uint32_t) {
    const uint32_t tick = ticks();
    if (eng.readout_off || eng.readout_off_shown) {
        eng.readout_off = 0;
        eng.readout_off_shown = 0;
        show_digits_from(tick);
    } else {
        eng.readout_off = 1;
        eng.readout_digits_shown = 0;
        eng.readout_off_shown = 1;
        eng.readout_off_end_tick = tick + kShowTicks;
    }
    return 0;
}

constexpr auto kMouse =
    mouse_list(kNoHelp, area(0, 0, 123, 16, kCursorHand, kMouseLeft, toggle_mode));

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    const double throttle_1 = var(Var::throttle_1);
    const double throttle_2 = var(Var::throttle_2);
    const uint32_t tick = ticks();

    // While engine 1 burns its host throttle is held by the fire logic, so
    // its digits show the other throttle; once extinguished they read 000.
    int32_t left = percent(throttle_1);
    if (eng.left_engine_fire)
        left = percent(throttle_2);
    else if (eng.left_extinguisher_fired)
        left = 0;
    set_digits(eng.left_readout_hundreds, eng.left_readout_tens, eng.left_readout_units, left);
    set_digits(eng.right_readout_hundreds, eng.right_readout_tens, eng.right_readout_units,
               percent(throttle_2));

    // Movement: a first snapshot on one frame, compared on the next.
    const int32_t snap_1 = to_i32(100.0 * throttle_1);
    const int32_t snap_2 = to_i32(100.0 * throttle_2);
    if (!eng.readout_snapshot_held) {
        eng.readout_snapshot_left = snap_1;
        eng.readout_snapshot_right = snap_2;
        eng.readout_snapshot_held = 1;
    } else if (snap_1 != eng.readout_snapshot_left || snap_2 != eng.readout_snapshot_right) {
        eng.readout_moved = 1;
        eng.readout_snapshot_held = 0;
    }

    if (eng.readout_moved && !eng.readout_off) show_digits_from(tick);
    eng.readout_moved = 0;
    if (eng.readout_digits_shown && tick >= eng.readout_digits_end_tick)
        eng.readout_digits_shown = 0;
    if (eng.readout_off_shown && tick >= eng.readout_off_end_tick) eng.readout_off_shown = 0;

    const bool digits = eng.readout_digits_shown && !eng.readout_off;
    for (int k = 1; k <= 6; ++k) show(elements[k], digits);
    show(elements[7], eng.readout_off_shown);
}

}  // namespace

GaugeHeader hdr_th_val_vk = gauge_header(GaugeId::th_val_vk, elements.list, kMouse.data(), update);

}  // namespace vk
