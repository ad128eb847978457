#pragma once
// The host's landing gear, flaps, airbrakes and brakes: what the key events
// of the gear, flap and airbrake levers, the emergency levers and the
// hydraulic-loss logic do, and how fast the gear and surfaces move.
#include <cstdint>

namespace vkhost {

// Each gear leg runs from 0 (up) to 16383 (down) in 8 s.
inline constexpr double kGearDown = 16383.0;
inline constexpr double kGearSeconds = 8.0;

// The flap handle's detents and the flap angles they select; the flaps
// follow the handle at 2 degrees a second.
inline constexpr double kFlapDetents[] = {0.0, 1820.0, 6553.0, 9830.0, 13107.0, 16384.0};
inline constexpr double kFlapAngles[] = {0.0, 5.0, 10.0, 20.0, 32.0, 45.0};
inline constexpr double kFlapDegreesPerSecond = 2.0;

// The airbrakes run from 0 to 16383 in 2 s towards their handle.
inline constexpr double kAirbrakesOut = 16383.0;
inline constexpr double kAirbrakeSeconds = 2.0;

// The parking brake value the host keeps while it is set.
inline constexpr double kParkingBrakeSet = 16383.0;

// The flap angle, degrees, that a handle position selects: a detent's angle,
// linear in between.
double flap_angle_for_handle(double handle);

// What is moving: a lever's key event sets its handle and starts the legs or
// surfaces towards what the handle selects; they stop there. A position set
// directly (by a test or a scenario) stays where it is put.
struct GearModel {
    bool gear_moving = false;
    bool flaps_moving = false;
    bool airbrakes_moving = false;
};

// The host's side of the brake-loss event: a toggle, counted.
struct BrakeModel {
    uint64_t loss_events = 0;
    // An odd count: the host's brakes are toggled away from their normal state.
    bool loss_toggled() const { return loss_events % 2 == 1; }
};

}  // namespace vkhost
