#pragma once
// Every module-wide state record, and the reset to their load-time values.
#include "gauges/air/air_state.h"
#include "gauges/autopilot/autopilot_state.h"
#include "gauges/debug/debug_state.h"
#include "gauges/electrical/electrical_state.h"
#include "gauges/engines/engines_state.h"
#include "gauges/flight_instruments/flight_instruments_state.h"
#include "gauges/fuel/fuel_state.h"
#include "gauges/gear_levers_lights/gear_levers_lights_state.h"
#include "gauges/hydraulics/hydraulics_state.h"
#include "gauges/panels/panels_state.h"
#include "gauges/radios/radios_state.h"
#include "gauges/warnings_failures/failures_state.h"
#include "gauges/warnings_failures/warnings_state.h"

namespace vk {

// Puts every state record, and the sound set, back to the values the module
// has at load. The simulator never needs this (each load starts fresh); tests
// that keep one module loaded use it between cases.
void reset_state();

}  // namespace vk
