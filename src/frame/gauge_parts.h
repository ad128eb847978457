#pragma once
// Small recurring pieces of gauge code: click functions that put a switch of
// a state record in one position or work a guarded switch, meter readings of
// a state field, and the constant horizontal value of moving images that only
// move vertically.
//
//   area(6, 1, 27, 21, kCursorUp, kMouseLeft, switch_to<fuel, &FuelState::left_pump_c_switch, 1>)
//   area(33, 21, 35, 41, kCursorHand, kMouseLeft, guarded_upper<kAlternator>)
//   needle(kMeterDial, kScale, field_reading<elec, &ElecState::gen1_amps, 0, 50>)
#include <cstdint>

#include "frame/controls.h"
#include "frame/element.h"
#include "frame/meter.h"
#include "frame/records.h"

namespace vk {

// A click on one position of a switch kept in `Record.*Field`: moves it there
// with "CLICK" when it is elsewhere (set_switch).
template <auto& Record, auto Field, uint8_t To>
int32_t VKCALL switch_to(const MousePoint*, uint32_t) {
    set_switch(Record.*Field, To);
    return 0;
}

// A click on a lamp that lights it for a test: sets `Record.*Field` to 1,
// silently.
template <auto& Record, auto Field>
int32_t VKCALL press_test(const MousePoint*, uint32_t) {
    Record.*Field = 1;
    return 0;
}

// Clicks on the upper and lower halves of a guarded switch.
template <const GuardedSwitch& Switch>
int32_t VKCALL guarded_upper(const MousePoint*, uint32_t) {
    Switch.click_upper();
    return 0;
}
template <const GuardedSwitch& Switch>
int32_t VKCALL guarded_lower(const MousePoint*, uint32_t) {
    Switch.click_lower();
    return 0;
}

// A meter's value callback reading `Record.*Field`, held inside Low..High.
template <auto& Record, auto Field, int Low, int High>
double VKCALL field_reading(ElementHeader*) {
    return reading(static_cast<double>(Record.*Field), Low, High);
}

// The horizontal value of a moving image that only moves vertically.
inline double VKCALL unit_value(ElementHeader*) {
    return 1.0;
}

}  // namespace vk
