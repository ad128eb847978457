#pragma once
// The two halves of the fuel system. The left side feeds engine 1 and the
// right side engine 2; each gauge that exists once per side runs the same
// logic on its side's description below (constant tables of which fields,
// host variables and key events belong to the side).
#include <cstdint>

#include "frame/element.h"
#include "frame/host.h"
#include "gauges/state.h"

namespace vk {

// ---------------------------------------------------------------- fuel feed

struct FeedSide {
    uint8_t FuelState::*pump_a_switch;
    uint8_t FuelState::*pump_b_switch;
    uint8_t FuelState::*pump_c_switch;
    uint8_t FuelState::*pump_d_switch;
    uint8_t FuelState::*pump_a_running;
    uint8_t FuelState::*pump_b_running;
    uint8_t FuelState::*pump_c_running;
    uint8_t FuelState::*pump_d_running;
    uint8_t FuelState::*low_pressure_latch;
    uint8_t FuelState::*valve_switch;
    uint8_t FuelState::*valve_open;
    int16_t FuelState::*feed_pressure;
    uint8_t FuelState::*engine_suction;
    int16_t FuelState::*pressure_shown;
    double FuelState::*main_kg;
    uint8_t FuelState::*host_selector;  // this side's engine, as read by the left pump panel

    Var engine_speed;           // this side's engine
    Var host_fuel_valve;        // this side's engine's host fuel valve
    Key host_valve_toggle;      // flips that valve
    double suction_ceiling_ft;  // above it the engine cannot draw fuel by itself
    uint8_t pumped_selector;    // the host tank fed through this side's pump B or C
    uint8_t suction_selector;   // the host tank fed otherwise, or by suction
    Key selector_none, selector_2, selector_3, selector_4, selector_5;
};

extern const FeedSide kLeftFeed;   // engine 1
extern const FeedSide kRightFeed;  // engine 2

// The host's selector reading reduced to the values the feed uses: 0, 2, 3,
// 4 and 5 are kept, anything else reads 6.
uint8_t reduce_selector(int32_t host_value);

// Pumps A to D of one side from their switches, the bus flags and the main
// tank contents, and the low-pressure latch.
void run_pumps(const FeedSide& side);

bool low_pressure_lamp(const FeedSide& side);
bool low_level_lamp(const FeedSide& side);

// The host selector value the side's engine should have: its own tank, the
// other side's tank through the crossfeed, or none (the engine starves).
// Reads the altitude and the engine speed from the host.
uint8_t wanted_selector(const FeedSide& side, const FeedSide& other);

// Sends the selector key event that brings the host to `wanted`, unless the
// value last read already equals it.
void command_selector(const FeedSide& side, uint8_t wanted);

// One frame of the side's feed pressure (dial units). `other_pressure` is the
// other side's value at the moment of the call.
void update_feed_pressure(const FeedSide& side, const FeedSide& other);

// Opens or closes the host fuel valve of the side's engine to match the valve
// switch (or opens it to let the other side feed across).
void command_host_valve(const FeedSide& side, const FeedSide& other);

// A click on either picture of a side's valve switch: the switch and the
// valve move together, with one "CLICK" when they change.
void set_valve(const FeedSide& side, uint8_t open);
template <const FeedSide& Side, uint8_t Open>
int32_t VKCALL valve_click(const MousePoint*, uint32_t) {
    set_valve(Side, Open);
    return 0;
}

// The pictures of a valve panel: 1 and 2 the first switch up and down (it
// follows the valve switch), 3 and 4 the second (it follows the valve), 5 to 8
// the two lamps, open and shut pictures of each.
void draw_valve_panel(const FeedSide& side, ElementHeader* const* elements);

// The pictures of a pump panel, in the chain order both panels share:
// 0 background; 1..10 by day and 11..20 by night: pump C up and down, pump A
// up, middle and down, pump B up, middle and down, pump D up and down; 21 and
// 22 the low-level lamp and its alternate picture; 23 and 24 the same for the
// low-pressure lamp.
inline constexpr int kPumpPictures = 10;
// The pump switch pictures both panels draw, by day and by night.
inline constexpr int32_t kPumpUp = 12832, kPumpMiddle = 4976, kPumpDown = 12816;
inline constexpr int32_t kPumpUpNight = 13136, kPumpMiddleNight = 13104, kPumpDownNight = 13120;
void draw_pump_panel(const FeedSide& side, ElementHeader* const* elements);

// ---------------------------------------------------------------- tank contents

struct TankSide {
    Var level_1, capacity_1, level_2, capacity_2;
    double FuelState::*main_kg;
    double FuelState::*main_litres;
    double FuelState::*aux_kg;
    double FuelState::*aux_litres;
};

extern const TankSide kLeftTanks;
extern const TankSide kRightTanks;

// The contents of the side's main tank (the larger) in kilograms.
void compute_main_tank(const TankSide& side);
// The contents of the side's auxiliary tank (the smaller) in the aux dial's
// unit, or the centre tank's level when the side has a single tank.
void compute_aux_tank(const TankSide& side);

// A tank gauge's needle: follows the contents while the converter supplies
// it, or runs a test sweep to the top of the dial and back.
struct TankDial {
    double FuelState::*shown;
    double FuelState::*contents;
    uint8_t FuelState::*test;
    uint8_t FuelState::*test_phase;
    double top;        // the dial's top value
    double test_rise;  // per frame, rising phase of a test
};

extern const TankDial kLeftMainDial, kRightMainDial, kLeftAuxDial, kRightAuxDial;

void move_tank_needle(const TankDial& dial);

// The dials of the tank gauges (one table per gauge: the host writes into them).
// Main tanks: 0 to 7000 kg from 163 degrees left of the top to 153 right.
// Auxiliary tanks: 0 to 12000 from 160 degrees left to 148 right.
inline constexpr At kTankPivot{54, 54};
inline constexpr Pivot kTankNeedlePivot{4, 44};
#define VK_MAIN_TANK_SCALE                                                                        \
    {                                                                                             \
        point(0, 25, 150), point(1000, -34, 101), point(2000, -42, 25), point(3000, 23, -41),     \
            point(4000, 91, -39), point(5000, 142, 7), point(6000, 149, 85), point(7000, 99, 143) \
    }
#define VK_AUX_TANK_SCALE                                                                   \
    {                                                                                       \
        point(0, 20, 148), point(2000, -41, 87), point(4000, -30, 0), point(6000, 44, -45), \
            point(8000, 125, -17), point(10000, 153, 66), point(12000, 107, 139)            \
    }

// ---------------------------------------------------------------- fuel used

struct UsedCounter {
    Var fuel_flow;
    double FuelState::*kg;
    double FuelState::*next_time;
    uint8_t FuelState::*timing;
    uint8_t FuelState::*reset;
    uint8_t FuelState::*button_frames;
};

extern const UsedCounter kUsed1, kUsed2;

inline constexpr double kFuelUsedStep = 0.25;  // seconds of host time per integration step

// One frame of an engine's fuel-used counter.
void run_fuel_used(const UsedCounter& counter);

// Position of drum `k` of the counter (0 units .. 4 ten-thousands).
double fuel_used_drum(const UsedCounter& counter, int k);

}  // namespace vk
