#pragma once
// Failure panel: row states, timed failure settings and counters, random and scripted
// failure progress, and the failure flags the systems test.
#include <cstdint>

namespace vk {

struct FailState {
    // Row states: 0 off, 2 selected (waiting for VALID), 1 active
    uint8_t easy_start = 0;         // EASY START preset
    uint8_t cold_start = 0;         // COLD START preset
    uint8_t engine1_failure = 0;    // engine 1 fail, timed, with speed
    uint8_t engine1_fire = 0;       // engine 1 fire, timed, with speed
    uint8_t engine2_failure = 0;    // engine 2 fail, timed, with speed
    uint8_t gen1_failure = 0;       // generator 1 fail, timed
    uint8_t gen2_failure = 0;       // generator 2 fail, timed
    uint8_t green_failure = 0;      // green hydraulic circuit fail, timed
    uint8_t typical_events_1 = 0;   // typical failure events scenario 1
    uint8_t typical_events_2 = 0;   // typical failure events scenario 2
    uint8_t random_failures = 0;    // random failures
    uint8_t cancel_all = 0;         // cancel all failures
    uint8_t engines_autostart = 0;  // engines autostart helper
    uint8_t elec_auto = 0;          // elec auto helper
    uint8_t hyd_air_auto = 0;       // hydraulic/air auto helper

    // Timed rows: delay and speed settings, start times and shown minutes
    uint16_t engine1_fail_minutes = 0;  // engine 1 fail delay after VALID, min, 0..590
    uint16_t engine1_fire_minutes = 0;  // engine 1 fire delay after VALID, min, 0..590
    uint16_t engine2_fail_minutes = 0;  // engine 2 fail delay after VALID, min, 0..590
    uint16_t gen1_fail_minutes = 0;     // generator 1 fail delay after VALID, min, 0..590
    uint16_t gen2_fail_minutes = 0;     // generator 2 fail delay after VALID, min, 0..590
    uint16_t green_fail_minutes = 0;    // green circuit fail delay after VALID, min, 0..590
    uint16_t engine1_fail_kt = 0;       // engine 1 fail minimum indicated airspeed, kt, 0..590
    uint16_t engine1_fire_kt = 0;       // engine 1 fire minimum indicated airspeed, kt, 0..590
    uint16_t engine2_fail_kt = 0;       // engine 2 fail minimum indicated airspeed, kt, 0..590
    uint32_t engine1_fail_t0 = 0;       // failure clock at VALID, s, truncated
    uint32_t engine1_fire_t0 = 0;       // failure clock at VALID, s, truncated
    uint32_t engine2_fail_t0 = 0;       // failure clock at VALID, s, truncated
    uint32_t gen1_fail_t0 = 0;          // failure clock at VALID, s, truncated
    uint32_t gen2_fail_t0 = 0;          // failure clock at VALID, s, truncated
    uint32_t green_fail_t0 = 0;         // failure clock at VALID, s, truncated
    uint16_t engine1_fail_left = 0;     // engine 1 fail counter, minutes shown
    uint16_t engine1_fire_left = 0;     // engine 1 fire counter, minutes shown
    uint16_t engine2_fail_left = 0;     // engine 2 fail counter, minutes shown
    uint16_t gen1_fail_left = 0;        // generator 1 fail counter, minutes shown
    uint16_t gen2_fail_left = 0;        // generator 2 fail counter, minutes shown
    uint16_t green_fail_left = 0;       // green circuit fail counter, minutes shown

    // Confirmation, random and scripted failure progress, failure flags
    uint8_t pending = 0;             // 2 while selections wait for VALID (VALID frame lit)
    uint8_t sum_now = 0;             // sum of the fifteen row states now
    uint8_t sum_confirmed = 0;       // sum of the row states at the last VALID
    uint8_t typical2_fire_done = 0;  // scenario 2 has started the engine 1 fire
    uint8_t random_cycle = 0;        // 1..9, advanced every frame while random failures run
    uint8_t random_pick = 0;         // failure number last picked, 1..9
    uint32_t random_due = 56;        // failure clock of the next pick, s; 56 while the row is off
    uint8_t random_phase = 0;        // alternates 0 and 1 with each pick
    uint8_t engine1_fire_state = 0;  // engine 1 fire: 0 none, 1 burning, 3 extinguished
    uint8_t green_pump1_fail = 0;    // green circuit pump 1 failed
    uint8_t green_pump2_fail = 0;    // green circuit pump 2 failed
    uint8_t green_leak = 0;          // green circuit leak
    uint8_t green_level_fail = 0;    // green circuit level failure
};

extern FailState fail;

}  // namespace vk
