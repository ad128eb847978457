#pragma once
// Pressures and dial values kept in unsigned fields: falling without wrapping
// round, and dial limits written back into the field that feeds the dial.
#include <cstdint>

namespace vk {

// A pump pressure that bleeds off by `step` per frame and is cut to 0 once it
// would end below one step. The test comes before the subtraction, so a
// pressure already at 0 stays there instead of wrapping to the top of the
// field's range. Returns whether the pressure is now 0.
template <class T>
constexpr bool bleed(T& value, T step) {
    value = value >= 2 * step ? static_cast<T>(value - step) : T{0};
    return value == 0;
}

// The value of a dial that reads at most `max`: a larger value is limited
// before it is shown, and the limit is written back into the field.
template <class T>
constexpr double limit_written_back(T& value, T max) {
    if (value > max) value = max;
    return static_cast<double>(value);
}

}  // namespace vk
