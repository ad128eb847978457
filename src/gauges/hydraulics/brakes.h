#pragma once
// What the normal and standby brake dials share: pedal and parking brake
// values in dial psi, and when the brakes squeal.

#include <cstdint>

namespace vk {

// A host brake value (0 to 16383) as the brake dials show it: a twentieth,
// truncated, and never outside the dial field's range.
uint16_t brake_psi(double host_brake);

// The brakes squeal while the aircraft rolls on the ground at 30 kt or more
// with the parking brake off and either brake above 1000.
bool brakes_squeal();

}  // namespace vk
