#pragma once
// The recurring mechanics of switches, push buttons, valves, timers and
// powered needles, shared by every gauge.
#include <cstdint>

#include "frame/drum.h"

namespace vk {

// ---------------------------------------------------------------- switches

// A click on a switch position: changes the stored position only when it
// differs, and then plays "CLICK" once. Returns whether it moved.
bool set_switch(uint8_t& position, uint8_t to);

// The same for a cover or guard-like control that sounds "CACHEMETAL".
bool set_cover(uint8_t& position, uint8_t to);

// A switch under a guard, clicked on its upper (on) or lower (off) half:
// with the guard closed either half opens it; with it open the upper half
// switches on ("CLICK") or, when already on, closes the guard ("CACHEMETAL"),
// and the lower half switches off ("CLICK").
struct GuardedSwitch {
    uint8_t& guard_open;
    uint8_t& on;
    void click_upper() const;
    void click_lower() const;
};

// ---------------------------------------------------------------- spring-loaded controls

// A press-to-test button or spring-loaded switch keeps a step counter. Each
// press, and each repeat while the button is held, first sets a counter at 0
// to 10, then raises a counter from 1 to 10 by 2: a click gives 12, and a held
// button never lets it fall below 10. The owning gauge lowers it by one per
// frame, and the control acts while it is not 0: a click reaches 0 on the
// twelfth frame. A latched position is stored as 100 and does not run down.
inline constexpr uint8_t kSpringPress = 10;
inline constexpr uint8_t kSpringHeldMax = 12;
inline constexpr uint8_t kSpringLatched = 100;

void spring_press(uint8_t& counter);
void spring_tick(uint8_t& counter);
inline bool spring_active(uint8_t counter) {
    return counter != 0;
}

// A spring-loaded switch thrown to either side of its centre keeps a signed
// counter: negative while held to the first side, positive to the second, 0
// centred. A throw runs the press rule above on that side (from the centre,
// 12 frames); a throw to the other side does nothing until it has centred.
enum class SpringSide : int8_t { first = -1, second = 1 };

void spring_throw(int8_t& counter, SpringSide side);
// One frame of the spring: the counter moves one step towards 0.
void spring_return(int8_t& counter);

// ---------------------------------------------------------------- valves

// Valve travel: moves `step` per frame towards `end` (open) or 0 (shut) while
// powered, never past either end.
void valve_travel(uint8_t& travel, bool open, bool powered, uint8_t step, uint8_t end = 100);

// An unsigned quantity that decays by `step` per frame: tested before the
// subtraction, so it stops at 0 instead of wrapping to the top of its range.
template <class T>
constexpr void decay(T& value, T step) {
    value = value > step ? static_cast<T>(value - step) : T{0};
}

// ---------------------------------------------------------------- timers

// A timer started at host tick `now` that expires `length` ticks later.
struct TickTimer {
    uint32_t due = 0;
    bool running = false;
    void start(uint32_t now, uint32_t length) {
        due = now + length;
        running = true;
    }
    void cancel() { running = false; }
    bool expired(uint32_t now) const { return running && now >= due; }
};

// ---------------------------------------------------------------- needles

// A powered needle moves towards its target by at most `step` per frame;
// without power its target is the rest position, so it runs down there.
double slew(double shown, double target, double step);
inline double powered_needle(double shown, bool powered, double target, double rest, double step) {
    return slew(shown, powered ? target : rest, step);
}

// ---------------------------------------------------------------- digit drums

// Turns a drum of `size` digits one frame towards its target: a quarter digit
// per frame, the short way only between the top digit and 0. Returns the new
// shown position.
double turn_drum(DigitDrum& drum, int32_t size = 10);

// Odometer positions of `count` drums for a non-negative value, units drum
// first: the units drum turns continuously (value mod 10); each higher drum
// shows its digit and rolls towards the next one only while every drum below
// it passes from 9 to 0.
void odometer(double value, double* positions, int count);

}  // namespace vk
