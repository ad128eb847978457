// The servo panel: the five-position servo selector that starts the yellow
// pumps, two servo switches, four servo push-buttons with their lights, and
// the servo low-pressure lights. None of its clicks makes a sound.
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr uint16_t kServoLow = 1401;  // a circuit below this lights its servo light

constinit Chain elements{
    &hdr_servos_vk,
    image(4176),                              // 0 panel
    icon(4368, At{22, 2}, 0x3 | kHidden),     // 1 light 1
    icon(4352, At{126, 2}, 0x3 | kHidden),    // 2 light 2, blue
    icon(4224, At{22, 471}, 0x3 | kHidden),   // 3 light 3
    icon(4384, At{126, 471}, 0x3 | kHidden),  // 4 light 4, green
    icon(4416, At{38, 47}, 0x3 | kHidden),    // 5 switch A at 1
    icon(4400, At{38, 197}, 0x3),             // 6 switch A at 0
    icon(4432, At{34, 346}, 0x3 | kHidden),   // 7 switch A at 2
    icon(4208, At{302, 47}, 0x3),             // 8 switch B at 1
    icon(4192, At{302, 346}, 0x3 | kHidden),  // 9 switch B at 0
    icon(4480, At{114, 45}, 0x3 | kHidden),   // 10 selector at 2
    icon(4464, At{191, 45}, 0x3 | kHidden),   // 11 selector at 1
    icon(4448, At{209, 197}, 0x3),            // 12 selector at 0
    icon(4608, At{178, 346}, 0x3 | kHidden),  // 13 selector at 3
    icon(4624, At{97, 346}, 0x3 | kHidden),   // 14 selector at 4
};

// Moves a switch to `to` when it stands at one of the positions it may come
// from (no sound).
void move(uint8_t& position, uint8_t to, uint8_t from_a, uint8_t from_b) {
    if (position == from_a || position == from_b) position = to;
}

int32_t VKCALL switch_a_1(const MousePoint*, uint32_t) {
    move(hyd.servo_switch_a, 1, 0, 0);
    return 0;
}
int32_t VKCALL switch_a_0(const MousePoint*, uint32_t) {
    hyd.servo_switch_a = 0;
    return 0;
}
int32_t VKCALL switch_a_2(const MousePoint*, uint32_t) {
    move(hyd.servo_switch_a, 2, 0, 0);
    return 0;
}
int32_t VKCALL switch_b_1(const MousePoint*, uint32_t) {
    move(hyd.servo_switch_b, 1, 0, 0);
    return 0;
}
int32_t VKCALL switch_b_0(const MousePoint*, uint32_t) {
    hyd.servo_switch_b = 0;
    return 0;
}

// The selector moves one position a click along 2 - 1 - 0 - 3 - 4.
int32_t VKCALL selector_2(const MousePoint*, uint32_t) {
    move(hyd.servo_selector, 2, 1, 1);
    return 0;
}
int32_t VKCALL selector_1(const MousePoint*, uint32_t) {
    move(hyd.servo_selector, 1, 2, 0);
    return 0;
}
int32_t VKCALL selector_0(const MousePoint*, uint32_t) {
    move(hyd.servo_selector, 0, 1, 3);
    return 0;
}
int32_t VKCALL selector_3(const MousePoint*, uint32_t) {
    move(hyd.servo_selector, 3, 0, 4);
    return 0;
}
int32_t VKCALL selector_4(const MousePoint*, uint32_t) {
    move(hyd.servo_selector, 4, 3, 3);
    return 0;
}

template <int K>
int32_t VKCALL button(const MousePoint*, uint32_t) {
    hyd.servo_button[K] = hyd.servo_button[K] ? 0 : 1;
    return 0;
}

constexpr auto kMouse =
    mouse_list(kNoHelp, area(36, 39, 77, 125, kCursorHand, kMouseLeft, switch_a_1),
               area(36, 170, 77, 125, kCursorHand, kMouseLeft, switch_a_0),
               area(36, 303, 77, 125, kCursorHand, kMouseLeft, switch_a_2),
               area(309, 39, 77, 125, kCursorHand, kMouseLeft, switch_b_1),
               area(309, 303, 77, 125, kCursorHand, kMouseLeft, switch_b_0),
               area(131, 39, 77, 125, kCursorHand, kMouseLeft, selector_2),
               area(208, 59, 77, 105, kCursorHand, kMouseLeft, selector_1),
               area(208, 170, 77, 125, kCursorHand, kMouseLeft, selector_0),
               area(208, 303, 77, 125, kCursorHand, kMouseLeft, selector_3),
               area(131, 303, 77, 125, kCursorHand, kMouseLeft, selector_4),
               area(222, 28, 30, 30, kCursorHand, kMouseLeft, button<0>),
               area(255, 28, 30, 30, kCursorHand, kMouseLeft, button<1>),
               area(247, 489, 30, 30, kCursorHand, kMouseLeft, button<2>),
               area(311, 489, 30, 30, kCursorHand, kMouseLeft, button<3>));

// A yellow pump selected on the servo selector: from off it first waits for
// power (3), then runs (1); a running pump drops back to waiting when the
// main bus fails and restarts the frame after power returns.
void start_pump(uint8_t& state, bool selected) {
    const bool powered = elec.main_bus_powered;
    if (!selected)
        state = 0;
    else if (powered && state == 3)
        state = 1;
    else if (state == 0 || !powered)
        state = 3;
}

// A servo light: lit while its button is pressed in, or for low pressure in
// its circuit (then remembered as a low-pressure light), on the main bus.
bool servo_light(uint8_t button_in, uint16_t pressure, uint8_t& low) {
    const bool powered = elec.main_bus_powered;
    if (button_in == 1 && powered) return true;
    low = pressure < kServoLow && powered;
    return low;
}

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    start_pump(hyd.yellow_pump2_state, hyd.servo_selector == 2);
    start_pump(hyd.yellow_pump1_state, hyd.servo_selector == 4);

    const bool powered = elec.main_bus_powered;
    show(elements[1], hyd.servo_button[0] == 1 && powered);
    show(elements[2], servo_light(hyd.servo_button[1], hyd.blue_pressure, hyd.blue_servo_low));
    show(elements[3], hyd.servo_button[2] == 1 && powered);
    show(elements[4], servo_light(hyd.servo_button[3], hyd.green_pressure, hyd.green_servo_low));

    show(elements[5], hyd.servo_switch_a == 1);
    show(elements[6], hyd.servo_switch_a == 0);
    show(elements[7], hyd.servo_switch_a == 2);
    show(elements[8], hyd.servo_switch_b == 1);
    show(elements[9], hyd.servo_switch_b == 0);
    constexpr int kSelectorElement[5] = {12, 11, 10, 13, 14};  // by position 0..4
    for (int pos = 0; pos < 5; ++pos)
        show(elements[kSelectorElement[pos]], hyd.servo_selector == pos);
}

}  // namespace

GaugeHeader hdr_servos_vk = gauge_header(GaugeId::servos_vk, elements.list, kMouse.data(), update);

}  // namespace vk
