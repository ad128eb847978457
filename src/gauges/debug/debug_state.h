#pragma once
// State of the debugging display gauge.
#include <cstdint>

namespace vk {

struct DebugState {
    uint8_t battery_view = 0;  // the display shows the battery instead of its host variables
};

extern DebugState debug;

}  // namespace vk
