#pragma once
// The two alternator panels are mirror images: each gauge file holds its own
// pictures and areas and runs the logic below on its side's description.
#include <cstdint>

#include "frame/controls.h"
#include "frame/element.h"
#include "frame/host_vars.h"
#include "frame/records.h"

namespace vk {

struct AlternatorSide {
    GuardedSwitch alternator;      // the alternator switch under its guard
    uint8_t& line_switch;          // 0 off, 1 on
    uint8_t& fault_test;           // fault lamp pressed for test
    uint8_t& line_fault_test;      // line lamp pressed for test
    uint8_t& available;            // the alternator runs and is switched on
    const uint8_t& hp_lever_open;  // the engine's HP fuel lever
    Var engine_speed;
};

// The panel's pictures, in element order after the background.
struct AlternatorPictures {
    ElementHeader* on_closed;  // alternator on, guard closed
    ElementHeader* line_on;
    ElementHeader* guard_open;
    ElementHeader* on_open;  // alternator on, guard open
    ElementHeader* off;      // alternator off
    ElementHeader* line_off;
    ElementHeader* fault_lamp;
    ElementHeader* line_lamp;
};

// One frame of a panel: the alternator's availability, the end of lamp tests
// on a switch turned off, the switch pictures and the two lamps.
void run_alternator_panel(const AlternatorSide& side, const AlternatorPictures& pictures);

// The panel's click functions, for the side given by a constant description.
template <const AlternatorSide& Side>
struct AlternatorClicks {
    static int32_t VKCALL alternator_upper(const MousePoint*, uint32_t) {
        Side.alternator.click_upper();
        return 0;
    }
    static int32_t VKCALL alternator_lower(const MousePoint*, uint32_t) {
        Side.alternator.click_lower();
        return 0;
    }
    static int32_t VKCALL line_on(const MousePoint*, uint32_t) {
        set_switch(Side.line_switch, 1);
        return 0;
    }
    static int32_t VKCALL line_off(const MousePoint*, uint32_t) {
        set_switch(Side.line_switch, 0);
        return 0;
    }
};

}  // namespace vk
