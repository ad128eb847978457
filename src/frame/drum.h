#pragma once
// Digit drum: a moving-image digit strip that turns a quarter digit per frame
// towards its target and wraps only between the top digit and 0.
#include <cstdint>

namespace vk {

struct DigitDrum {
    int32_t target = 0;  // digit the drum is turning to, 0 .. size-1
    double shown = 0.0;  // position the strip stands at, 0 .. size
};

}  // namespace vk
