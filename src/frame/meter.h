#pragma once
// Dial meters: a needle drawn by the host from a scale table, whose value
// callback clamps the reading to the dial's range.
//
//   ScaleEntry kAmps[] = {point(0, 9, 44), ..., point(50, 127, 44)};
//   double VKCALL amps(ElementHeader*) { return reading(elec.gen1_amps, 0, 50); }
//   constinit Chain elements{&hdr_my_meter,
//       image(640),                          // 0 face
//       needle(kMeterDial, kAmps, amps),     // 1 pointer
//       meter_plate(),                       // 2 plate over the pivot
//   };
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "frame/element.h"

namespace vk {

// Where and how a dial's needle turns.
struct Dial {
    int32_t bitmap;
    At pivot_on_dial;  // the pivot on the dial
    Pivot pivot;       // the same point inside the needle's bitmap
    uint32_t flags;
    int32_t max_turn;  // degrees per frame, 0 for no limit
};

// The 137 mm meters of the electrical and engine panels share one needle,
// lit with the panel, turning at most 6 degrees a frame.
inline constexpr Dial kMeterDial{544, At{67, 83}, Pivot{-1, 3}, 0x4003, 6};

// The plate drawn over the pivot of those meters.
constexpr ElementHeader meter_plate() {
    return icon(1328, At{5, 75}, 0x3);
}

template <std::size_t N>
constexpr Needle needle(const Dial& dial, ScaleEntry (&scale)[N], ElementCallback value) {
    return needle(dial.bitmap, dial.pivot_on_dial, dial.pivot, scale, value, dial.flags,
                  dial.max_turn);
}

// A meter reading held inside the dial's range; NaN reads as the low end.
constexpr double reading(double value, double low, double high) {
    if (std::isnan(value)) return low;
    return std::clamp(value, low, high);
}

}  // namespace vk
