#pragma once
// Conversions from host doubles to integers. A host value can be anything a
// double holds; a plain cast of NaN or of a value out of range is undefined, so
// every conversion saturates: NaN gives 0, values beyond the range give the
// nearest end, everything else is truncated towards zero.
#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>

namespace vk {

template <class T>
constexpr T to_int(double v) {
    static_assert(std::is_integral_v<T>);
    using L = std::numeric_limits<T>;
    if (std::isnan(v)) return 0;
    // The ends compared as doubles: for 64-bit types max() rounds up to 2^63,
    // which is then out of range, hence >= rather than >.
    if (v >= static_cast<double>(L::max())) return L::max();
    if (v <= static_cast<double>(L::min())) return L::min();
    return static_cast<T>(v);
}

constexpr uint8_t to_u8(double v) {
    return to_int<uint8_t>(v);
}
constexpr int8_t to_i8(double v) {
    return to_int<int8_t>(v);
}
constexpr uint16_t to_u16(double v) {
    return to_int<uint16_t>(v);
}
constexpr int16_t to_i16(double v) {
    return to_int<int16_t>(v);
}
constexpr uint32_t to_u32(double v) {
    return to_int<uint32_t>(v);
}
constexpr int32_t to_i32(double v) {
    return to_int<int32_t>(v);
}

// True when any bit of the mask is set in the value.
constexpr bool flag_set(uint32_t value, uint32_t mask) {
    return (value & mask) != 0;
}

}  // namespace vk
