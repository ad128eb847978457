#include "host/needle_math.h"

#include <cmath>
#include <vector>

namespace vkhost {

namespace {
constexpr double kDegrees = 180.0 / 3.14159265358979323846;
}

double point_angle(int px, int py, int x, int y) {
    return std::atan2(static_cast<double>(x - px), static_cast<double>(py - y)) * kDegrees;
}

double needle_target_angle(const vk::Needle& n, double value) {
    const int count = n.scale_count;
    // Without a table the value is the angle itself (a knob turned by degrees).
    if (!n.scale || count <= 0) return std::isfinite(value) ? std::remainder(value, 360.0) : 0.0;
    // Unwrapped angle of each entry.
    std::vector<double> angle(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        double a = point_angle(n.head.x, n.head.y, n.scale[i].x, n.scale[i].y);
        if (i > 0) {
            const double prev = angle[i - 1];
            while (a - prev > 180.0) a -= 360.0;
            while (a - prev < -180.0) a += 360.0;
        }
        angle[i] = a;
    }
    if (std::isnan(value) || count == 1) return angle[0];
    const bool ascending = n.scale[count - 1].value >= n.scale[0].value;
    auto before = [&](double a, double b) { return ascending ? a <= b : a >= b; };
    if (before(value, n.scale[0].value)) return angle[0];
    if (before(n.scale[count - 1].value, value)) return angle[count - 1];
    for (int i = 0; i + 1 < count; ++i) {
        const double v0 = n.scale[i].value, v1 = n.scale[i + 1].value;
        if (before(v0, value) && before(value, v1)) {
            if (v1 == v0) return angle[i];
            return angle[i] + (angle[i + 1] - angle[i]) * (value - v0) / (v1 - v0);
        }
    }
    return angle[count - 1];
}

double limit_turn(double shown, double target, int max_turn) {
    if (max_turn <= 0) return target;
    const double step = target - shown;
    if (step > max_turn) return shown + max_turn;
    if (step < -max_turn) return shown - max_turn;
    return target;
}

}  // namespace vkhost
