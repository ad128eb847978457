#pragma once
// What the aircraft loses with its hydraulics: airbrakes, nose-wheel steering,
// the host brakes and the flight controls. Runs once per frame from the
// pre-update of the start panel's toggle gauge, and acts only while that
// gauge is loaded.

namespace vk {

void hydraulic_loss_effects();

}  // namespace vk
