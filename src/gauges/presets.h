#pragma once
// Switch presets that reach across systems.
namespace vk {

// The switch positions of a cold, dark aircraft: HP levers closed, fuel pumps
// off with the engine fuel valves open, battery master off with the TADG off
// under its open guard, generators on under closed guards, converters and AC
// ground power off, hydraulic engine-pump valves open, servo selector centred,
// packs, synchroniser, probe heat and crew calls off. The start-up sequence
// writes them on each of its frames for a cold aircraft; the failure panel's
// COLD START row applies the same values.
void set_cold_aircraft_switches();

}  // namespace vk
