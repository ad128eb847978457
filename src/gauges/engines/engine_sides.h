#pragma once
// The two engines' halves of the pedestal and the start panel: each engine's
// throttle and HP/BP fuel levers, and its start and relight. The gauges that
// exist once per engine run the same logic on their engine's description
// below (constant tables of the fields, host variables and key events that
// belong to it).
#include <cstdint>

#include "frame/host.h"
#include "frame/records.h"
#include "gauges/state.h"

namespace vk {

// ---------------------------------------------------------------- throttle and fuel levers

struct LeverSide {
    uint8_t EngState::*hp_open;
    uint8_t EngState::*bp_open;
    uint32_t EngState::*position;
    uint8_t EngState::*fire;  // the engine burns
    Var throttle;
    Var other_throttle;
    Var fuel_control;
    Key forward, back, idle, fuel_on, fuel_off;
};

extern const LeverSide kLeftLevers;   // engine 1
extern const LeverSide kRightLevers;  // engine 2

// Lever picture positions: 0 full throttle, 100 idle, 110 in the closed notch.
inline constexpr uint32_t kLeverIdle = 100;
inline constexpr uint32_t kLeverClosed = 110;

// The lever position for a throttle fraction: 100 - 100 x throttle, held
// between full (0) and idle (100), so that reverse thrust draws the lever at
// idle and a throttle beyond full at full.
uint32_t lever_for_throttle(double throttle);

void throttle_click(const LeverSide& side, bool forward);
void hp_lever_up(const LeverSide& side);
void hp_lever_down(const LeverSide& side);
void bp_lever_up(const LeverSide& side);
void bp_lever_down(const LeverSide& side);

// The click functions of a side's throttle and its HP and BP levers.
template <const LeverSide& Side>
struct LeverClicks {
    static int32_t VKCALL forward(const MousePoint*, uint32_t) {
        throttle_click(Side, true);
        return 0;
    }
    static int32_t VKCALL back(const MousePoint*, uint32_t) {
        throttle_click(Side, false);
        return 0;
    }
    static int32_t VKCALL hp_up(const MousePoint*, uint32_t) {
        hp_lever_up(Side);
        return 0;
    }
    static int32_t VKCALL hp_down(const MousePoint*, uint32_t) {
        hp_lever_down(Side);
        return 0;
    }
    static int32_t VKCALL bp_up(const MousePoint*, uint32_t) {
        bp_lever_up(Side);
        return 0;
    }
    static int32_t VKCALL bp_down(const MousePoint*, uint32_t) {
        bp_lever_down(Side);
        return 0;
    }
};

// One frame of the levers: the host fuel control follows the two fuel levers
// (fuel on exactly while both are open) and the lever picture follows the
// host throttle.
void run_levers(const LeverSide& side);

// ---------------------------------------------------------------- start and relight

struct StartSide {
    uint8_t EngState::*request;
    uint8_t EngState::*timing;
    uint32_t EngState::*end_tick;
    uint8_t EngState::*light;
    uint8_t EngState::*relight_frames;
    uint8_t EngState::*relight_guard_closed;
    uint8_t FuelState::*host_selector;
    Var speed;
    Var other_speed;
    Key starter;
};

extern const StartSide kLeftStart;   // engine 1
extern const StartSide kRightStart;  // engine 2

inline constexpr uint32_t kStartTicks = 990;      // longest start, host ticks
inline constexpr double kStartEndPercent = 40.0;  // a start ends above this speed
inline constexpr uint8_t kMinStartVolts = 112;
inline constexpr double kRelightAirspeed = 150.0;  // kt
inline constexpr double kRelightWindmill = 12.0;   // percent, the engine relit
inline constexpr double kRelightOther = 80.0;      // percent, the other engine

// One frame of a ground start: `can_start` when the start supply, the
// essential bus and the start master switch are all there.
void run_start(const StartSide& side, bool can_start);

// One frame of an in-flight relight, once the airspeed and the essential bus
// allow it: the starter turns while the relight command lasts, the engine
// windmills and the other engine runs.
void run_relight(const StartSide& side);

// The relight switch under its guard, upper and lower zones.
void relight_up(const StartSide& side);
void relight_down(const StartSide& side);

// A non-zero relight counter runs down one step.
void relight_tick(const StartSide& side);

}  // namespace vk
