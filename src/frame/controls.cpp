#include "frame/controls.h"

#include <algorithm>
#include <cmath>

#include "sound/sound_set.h"

namespace vk {

bool set_switch(uint8_t& position, uint8_t to) {
    if (position == to) return false;
    position = to;
    play(Sound::click);
    return true;
}

bool set_cover(uint8_t& position, uint8_t to) {
    if (position == to) return false;
    position = to;
    play(Sound::cachemetal);
    return true;
}

void GuardedSwitch::click_upper() const {
    if (!guard_open) {
        guard_open = 1;
    } else if (on) {
        play(Sound::cachemetal);
        guard_open = 0;
    } else {
        play(Sound::click);
        on = 1;
    }
}

void GuardedSwitch::click_lower() const {
    if (!guard_open) {
        guard_open = 1;
    } else if (on) {
        play(Sound::click);
        on = 0;
    }
}

void spring_press(uint8_t& counter) {
    if (counter == kSpringLatched) return;
    if (counter == 0) counter = kSpringPress;
    if (counter <= kSpringPress) counter = static_cast<uint8_t>(counter + 2);
}

void spring_tick(uint8_t& counter) {
    if (counter != 0 && counter != kSpringLatched) --counter;
}

void spring_throw(int8_t& counter, SpringSide side) {
    const int sign = static_cast<int>(side);
    // The same rule as spring_press, on the magnitude of the thrown side.
    int held = counter * sign;
    if (counter == 0) held = kSpringPress;
    if (held < 0) return;  // still held to the other side
    if (held <= kSpringPress) held += 2;
    counter = static_cast<int8_t>(held * sign);
}

void spring_return(int8_t& counter) {
    if (counter < 0)
        ++counter;
    else if (counter > 0)
        --counter;
}

void valve_travel(uint8_t& travel, bool open, bool powered, uint8_t step, uint8_t end) {
    if (!powered) return;
    if (open)
        travel = static_cast<uint8_t>(std::min<int>(travel + step, end));
    else
        decay<uint8_t>(travel, step);
}

double slew(double shown, double target, double step) {
    if (std::isnan(target)) return shown;
    if (std::isnan(shown)) return target;
    if (shown < target) return std::min(shown + step, target);
    if (shown > target) return std::max(shown - step, target);
    return shown;
}

double turn_drum(DigitDrum& drum, int32_t size) {
    const double t = drum.target;
    const double top = size - 1.1;
    const double wrap = size - 0.1;
    double& s = drum.shown;
    // The three steps run in turn within one frame.
    if ((t >= 1 && std::fabs(s - t) < 0.2) || (t < 1 && s < 0.2)) s = t;
    if (s < t - 0.2) s = (s < 0.2 && t > top) ? wrap : s + 0.25;
    if (s > t + 0.2) {
        if (s > top && t < 0.2) {
            s += 0.25;
            if (s >= wrap) s = 0.0;
        } else {
            s -= 0.25;
        }
    }
    return s;
}

void odometer(double value, double* positions, int count) {
    if (!(value >= 0.0)) value = 0.0;  // NaN and negatives read as 0
    const double units = std::fmod(value, 10.0);
    double scale = 1.0;
    bool rolling = units > 9.0;  // every drum below the current one passes 9 -> 0
    for (int k = 0; k < count; ++k) {
        if (k == 0) {
            positions[0] = units;
        } else {
            const double digit = std::fmod(std::floor(value / scale), 10.0);
            positions[k] = rolling ? digit + (units - 9.0) : digit;
            rolling = rolling && digit == 9.0;
        }
        scale *= 10.0;
    }
}

}  // namespace vk
