#pragma once
// Bitmap ids the module chooses itself.
#include <cstdint>

#include "frame/gauge_table.h"

namespace vk {

// The background of a gauge whose description names no bitmap for its root:
// one id per gauge, in a block no described picture uses (0xA000 onwards, a
// multiple of 16, so that id + 1 stays free for a mask).
constexpr int32_t own_background(GaugeId id) {
    return 0xA000 + 16 * static_cast<int32_t>(id);
}
// Above every described bitmap id (the highest is 33376) and below 0x10000.
static_assert(own_background(GaugeId{}) > 33376);
static_assert(own_background(GaugeId::count) < 0x10000);

}  // namespace vk
