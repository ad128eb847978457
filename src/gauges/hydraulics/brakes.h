#pragma once
// What the normal and standby brake dials share: their scale tables, and
// pedal and parking brake values in dial psi.

#include <cstdint>

#include "frame/element.h"
#include "frame/pressure.h"
#include "gauges/state.h"

namespace vk {

// The three needles of a brake dial: the accumulator (0 to 3000 psi) and the
// left and right brakes (0 to 2000 psi). Each dial keeps its own copy, since
// the host writes its angles into the tables.
struct BrakeScales {
    ScaleEntry accu[4];
    ScaleEntry left[5];
    ScaleEntry right[5];
};

constexpr BrakeScales brake_scales() {
    return {{point(0, 32, 35), point(1000, 64, 73), point(2000, 113, 76), point(3000, 149, 45)},
            {point(0, 63, 171), point(500, 36, 153), point(1000, 20, 124), point(1500, 24, 90),
             point(2000, 43, 63)},
            {point(0, 96, 173), point(500, 127, 161), point(1000, 146, 134), point(1500, 148, 101),
             point(2000, 134, 70)}};
}

// The fields one brake dial shows: its accumulator and its two brakes.
struct BrakeFields {
    uint16_t HydState::*accu;
    uint16_t HydState::*left;
    uint16_t HydState::*right;
};

// A brake dial's needle values, each limited to its dial with the limit
// written back, and the brake pressures it sets.
template <const BrakeFields& Fields>
struct BrakeDial {
    static double VKCALL accumulator(ElementHeader*) {
        return limit_written_back<uint16_t>(hyd.*Fields.accu, 3000);
    }
    static double VKCALL left_brake(ElementHeader*) {
        return limit_written_back<uint16_t>(hyd.*Fields.left, 2000);
    }
    static double VKCALL right_brake(ElementHeader*) {
        return limit_written_back<uint16_t>(hyd.*Fields.right, 2000);
    }
    static void set_brakes(uint16_t left, uint16_t right) {
        hyd.*Fields.left = left;
        hyd.*Fields.right = right;
    }
};

// A host brake value (0 to 16383) as the brake dials show it: a twentieth,
// truncated, and never outside the dial field's range.
uint16_t brake_psi(double host_brake);

}  // namespace vk
