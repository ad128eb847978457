#include "gauges/engines/engine_sides.h"

#include <algorithm>

#include "frame/controls.h"
#include "frame/convert.h"
#include "sound/sound_set.h"

namespace vk {

// ---------------------------------------------------------------- throttle and fuel levers

const LeverSide kLeftLevers{
    &EngState::left_hp_lever_open,
    &EngState::left_bp_lever_open,
    &EngState::left_lever_position,
    &EngState::left_engine_fire,
    Var::throttle_1,
    Var::throttle_2,
    Var::fuel_control_1,
    Key::throttle_1_inc,
    Key::throttle_1_dec,
    Key::throttle_1_idle,
    Key::fuel_control_1_on,
    Key::fuel_control_1_off,
};

const LeverSide kRightLevers{
    &EngState::right_hp_lever_open,
    &EngState::right_bp_lever_open,
    &EngState::right_lever_position,
    &EngState::right_engine_fire,
    Var::throttle_2,
    Var::throttle_1,
    Var::fuel_control_2,
    Key::throttle_2_inc,
    Key::throttle_2_dec,
    Key::throttle_2_idle,
    Key::fuel_control_2_on,
    Key::fuel_control_2_off,
};

namespace {
constexpr double kFuelOn = 0.5;         // host fuel control at or above: fuel on
constexpr double kThrottleIdle = 0.02;  // the HP lever may close at or below
}  // namespace

uint32_t lever_for_throttle(double throttle) {
    return to_u32(std::clamp(100.0 - 100.0 * throttle, 0.0, static_cast<double>(kLeverIdle)));
}

void throttle_click(const LeverSide& s, bool forward) {
    if (eng.*s.hp_open) send_key(forward ? s.forward : s.back);
}

void hp_lever_up(const LeverSide& s) {
    eng.*s.hp_open = 1;
}

void hp_lever_down(const LeverSide& s) {
    if (eng.*s.fire) {
        // A burning engine is shut down at once.
        send_key(s.idle);
        eng.*s.hp_open = 0;
    } else if (var(s.throttle) <= kThrottleIdle) {
        eng.*s.hp_open = 0;
    } else {
        // The throttle comes back first; the lever closes on a later click.
        send_key(s.idle);
    }
}

void bp_lever_up(const LeverSide& s) {
    eng.*s.bp_open = 1;
}

void bp_lever_down(const LeverSide& s) {
    if (!(eng.*s.hp_open)) eng.*s.bp_open = 0;
}

void run_levers(const LeverSide& s) {
    const double throttle = var(s.throttle);
    const double control = var(s.fuel_control);
    uint32_t& position = eng.*s.position;
    const bool bp_open = eng.*s.bp_open;
    if (!(eng.*s.hp_open)) {
        if (control >= kFuelOn) send_key(s.fuel_off);
        position = kLeverClosed;
    } else {
        if (control < kFuelOn && bp_open) send_key(s.fuel_on);
        if (bp_open) {
            if (position > kLeverIdle) {
                position = kLeverIdle;  // out of the closed notch, to idle first
            } else if (!(eng.*s.fire)) {
                position = lever_for_throttle(throttle);
            } else {
                // While the engine burns its host throttle is held by the fire
                // logic; the lever shows the other throttle.
                position = throttle <= 0.0 ? 0 : lever_for_throttle(var(s.other_throttle));
            }
        }
    }
    if (!bp_open && var(s.fuel_control) >= kFuelOn) send_key(s.fuel_off);
}

// ---------------------------------------------------------------- start and relight

const StartSide kLeftStart{
    &EngState::left_start_request,
    &EngState::left_start_timing,
    &EngState::left_start_end_tick,
    &EngState::left_start_light,
    &EngState::left_relight_frames,
    &EngState::left_relight_guard_closed,
    &FuelState::host_selector_1,
    Var::engine_speed_1,
    Var::engine_speed_2,
    Key::starter_1,
};

const StartSide kRightStart{
    &EngState::right_start_request,
    &EngState::right_start_timing,
    &EngState::right_start_end_tick,
    &EngState::right_start_light,
    &EngState::right_relight_frames,
    &EngState::right_relight_guard_closed,
    &FuelState::host_selector_2,
    Var::engine_speed_2,
    Var::engine_speed_1,
    Key::starter_2,
};

namespace {

void end_start(const StartSide& s) {
    eng.*s.request = 0;
    eng.*s.timing = 0;
    eng.*s.light = 0;
}

}  // namespace

void run_start(const StartSide& s, bool can_start) {
    if (!can_start || !(eng.*s.request)) {
        end_start(s);
        return;
    }
    const double host_tick = var(Var::tick_counter);
    const uint32_t tick = to_u32(host_tick);
    if (!(eng.*s.timing)) {
        eng.*s.end_tick = to_u32(host_tick + kStartTicks);
        eng.*s.timing = 1;
        eng.*s.light = 1;
    }
    // The lamp stays lit for the whole start, even on frames without a tank
    // selected, when the starter is not engaged.
    if (tick < eng.*s.end_tick && fuel.*s.host_selector != 0) {
        eng.*s.light = 1;
        send_key(s.starter);
    }
    if (tick >= eng.*s.end_tick) end_start(s);
    if (var(s.speed) > kStartEndPercent) end_start(s);
}

void run_relight(const StartSide& s) {
    if (!(eng.*s.relight_frames)) return;
    const double own = var(s.speed);
    const double other = var(s.other_speed);
    if (own >= kRelightWindmill && other >= kRelightOther) send_key(s.starter);
}

void relight_up(const StartSide& s) {
    uint8_t& frames = eng.*s.relight_frames;
    if (eng.*s.relight_guard_closed) {
        eng.*s.relight_guard_closed = 0;
    } else if (frames == 0) {
        frames = 20;
    } else if (frames <= 10) {
        frames = static_cast<uint8_t>(frames + 10);
    }
}

void relight_down(const StartSide& s) {
    uint8_t& frames = eng.*s.relight_frames;
    if (!(eng.*s.relight_guard_closed) && frames == 0) {
        eng.*s.relight_guard_closed = 1;
        play(Sound::cachemetal);
    } else if (frames != 0) {
        frames = 0;
    }
}

void relight_tick(const StartSide& s) {
    decay<uint8_t>(eng.*s.relight_frames, 1);
}

}  // namespace vk
