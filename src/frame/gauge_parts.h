#pragma once
// Small recurring pieces of gauge code: click functions that put a switch of
// a state record in one position, and the constant horizontal value of moving
// images that only move vertically.
//
//   area(6, 1, 27, 21, kCursorUp, kMouseLeft, switch_to<fuel, &FuelState::left_pump_c_switch, 1>)
#include <cstdint>

#include "frame/controls.h"
#include "frame/element.h"
#include "frame/records.h"

namespace vk {

// A click on one position of a switch kept in `Record.*Field`: moves it there
// with "CLICK" when it is elsewhere (set_switch).
template <auto& Record, auto Field, uint8_t To>
int32_t VKCALL switch_to(const MousePoint*, uint32_t) {
    set_switch(Record.*Field, To);
    return 0;
}

// The horizontal value of a moving image that only moves vertically.
inline double VKCALL unit_value(ElementHeader*) {
    return 1.0;
}

}  // namespace vk
