#pragma once
// The host's starting state: an aircraft parked on the ground, cold and dark,
// with full tanks.
#include <cstdint>

namespace vkhost {

class TestHost;

inline constexpr int32_t kTickCounterVar = 0x1;
inline constexpr int32_t kClockSecondsVar = 0x25C;

void set_parked_defaults(TestHost& host);

}  // namespace vkhost
