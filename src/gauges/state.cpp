#include "gauges/state.h"

#include "sound/sound_set.h"

namespace vk {

ElecState elec;
HydState hyd;
FuelState fuel;
EngState eng;
FlightInstrState instr;
ApState ap;
RadioState radio;
AirState air;
GearState gear;
FailState fail;
WarnState warn;
PanelState panel;
DebugState debug;

void reset_state() {
    elec = {};
    hyd = {};
    fuel = {};
    eng = {};
    instr = {};
    ap = {};
    radio = {};
    air = {};
    gear = {};
    fail = {};
    warn = {};
    panel = {};
    debug = {};
    reset_sound();
}

}  // namespace vk
