#pragma once
// Arithmetic on host doubles that stays sane whatever the host sends: angles
// brought into a turn, and a fallback for values that are not finite. (Clamps
// that never let NaN through: `reading` in frame/meter.h.)
#include <cmath>

namespace vk {

// An angle difference brought into -180..+180 degrees; a value that is not
// finite (NaN or an infinity) gives 0, "no difference".
inline double wrap_180(double deg) {
    if (!std::isfinite(deg)) return 0.0;
    double d = std::fmod(deg, 360.0);
    if (d > 180.0) d -= 360.0;
    if (d < -180.0) d += 360.0;
    return d;
}

// A heading brought into [0, 360) degrees; a value that is not finite gives 0.
inline double wrap_360(double deg) {
    if (!std::isfinite(deg)) return 0.0;
    double d = std::fmod(deg, 360.0);
    if (d < 0.0) d += 360.0;
    // fmod of a tiny negative value plus 360 can round to 360 itself.
    return d >= 360.0 ? 0.0 : d;
}

// The value, or the fallback when it is not finite.
inline double finite_or(double v, double fallback) {
    return std::isfinite(v) ? v : fallback;
}

}  // namespace vk
