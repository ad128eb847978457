#pragma once
// What the normal and standby brake dials share: pedal and parking brake
// values in dial psi.

#include <cstdint>

namespace vk {

// A host brake value (0 to 16383) as the brake dials show it: a twentieth,
// truncated, and never outside the dial field's range.
uint16_t brake_psi(double host_brake);

}  // namespace vk
