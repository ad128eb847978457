#pragma once
// Engine state shared by the engine gauges: throttle and fuel levers, engine start and relight,
// engine instrument values, synchronizer, JPT regulator, drag chute and engine fire.
#include <cstdint>

namespace vk {

struct EngState {
    // Throttles and HP/BP fuel levers
    uint8_t left_hp_lever_open = 1;     // engine 1 HP lever open: the engine's fuel is on
    uint8_t right_hp_lever_open = 1;    // engine 2 HP lever open: the engine's fuel is on
    uint8_t left_bp_lever_open = 1;     // engine 1 BP lever open
    uint8_t right_bp_lever_open = 1;    // engine 2 BP lever open
    uint32_t left_lever_position = 0;   // engine 1 throttle picture: 0 full, 100 idle, 110 closed
    uint32_t right_lever_position = 0;  // engine 2 throttle picture: 0 full, 100 idle, 110 closed

    // Throttle read-out: three-digit percentages shown for a while after a throttle moves
    uint8_t left_readout_hundreds = 0;     // engine 1 throttle, hundreds digit
    uint8_t left_readout_tens = 0;         // engine 1 throttle, tens digit
    uint8_t left_readout_units = 0;        // engine 1 throttle, units digit
    uint8_t right_readout_hundreds = 0;    // engine 2 throttle, hundreds digit
    uint8_t right_readout_tens = 0;        // engine 2 throttle, tens digit
    uint8_t right_readout_units = 0;       // engine 2 throttle, units digit
    uint8_t readout_snapshot_held = 0;     // a first throttle snapshot is held, next frame compares
    int32_t readout_snapshot_left = 0;     // snapshot of trunc(100 x throttle 1), percent
    int32_t readout_snapshot_right = 0;    // snapshot of trunc(100 x throttle 2), percent
    uint8_t readout_moved = 0;             // movement mark: a throttle moved since the last check
    uint8_t readout_off = 0;               // display mode: 0 automatic, 1 switched off
    uint8_t readout_digits_shown = 0;      // the six digits are visible
    uint32_t readout_digits_end_tick = 0;  // tick at which the digits are hidden again
    uint8_t readout_off_shown = 0;         // the off indication is visible
    uint32_t readout_off_end_tick = 0;     // tick at which the off indication disappears

    // Engine start and relight
    uint8_t start_selector = 0;         // start selector: 0 centre, 1 engine 1, 2 engine 2
    uint8_t start_master = 0;           // start master switch: 1 on, 0 off
    uint8_t start_supply_volts = 0;     // start supply voltage: 112, 130 or 0 V
    uint8_t left_start_request = 0;     // a start of engine 1 is under way
    uint8_t right_start_request = 0;    // a start of engine 2 is under way
    uint8_t left_start_timing = 0;      // engine 1 start time limit has been fixed
    uint8_t right_start_timing = 0;     // engine 2 start time limit has been fixed
    uint32_t left_start_end_tick = 0;   // tick at which the engine 1 start ends at the latest
    uint32_t right_start_end_tick = 0;  // tick at which the engine 2 start ends at the latest
    uint8_t left_start_light = 0;       // engine 1 start lamp lit; its starter draws current
    uint8_t right_start_light = 0;      // engine 2 start lamp lit; its starter draws current
    uint8_t left_relight_frames = 0;    // frames left of the engine 1 relight; non-zero: held up
    uint8_t right_relight_frames = 0;   // frames left of the engine 2 relight; non-zero: held up
    uint8_t left_relight_guard_closed = 0;   // engine 1 relight switch guard closed
    uint8_t right_relight_guard_closed = 0;  // engine 2 relight switch guard closed
    uint8_t gear_horn_silenced = 0;          // gear warning horn silenced by its button
    uint8_t gear_horn_test = 0;              // gear warning horn test on

    // Engine instruments, engine 1
    double left_thrust_shown = 0.0;        // thrust needle, percent
    uint32_t left_thrust_index = 7;        // thrust reference index position, 0 to 90
    float left_thrust_index_angle = 0.0f;  // index rotation value, 3 x index
    double left_turbine_rpm = 0.0;         // rotation speed, rpm
    int32_t left_rpm_thousands = 0;        // trunc(rpm / 1000)
    double left_rpm_fine = 0.0;            // rpm - 1000 x thousands, fast needle
    double left_engine_temp_c = 0.0;       // engine temperature, deg C
    double left_fuel_flow_kgh = 0.0;       // fuel flow needle, kg/h
    double left_oil_press_shown = 0.0;     // oil pressure needle, dial units
    double left_oil_temp_shown = 15.0;     // oil temperature needle, deg C
    uint8_t left_nozzle_lamp_state = 0;    // nozzle lamp state 0 to 5

    // Engine instruments, engine 2
    double right_thrust_shown = 0.0;        // thrust needle, percent
    uint32_t right_thrust_index = 7;        // thrust reference index position, 0 to 90
    float right_thrust_index_angle = 0.0f;  // index rotation value, 3 x index
    double right_turbine_rpm = 0.0;         // rotation speed, rpm
    int32_t right_rpm_thousands = 0;        // trunc(rpm / 1000)
    double right_rpm_fine = 0.0;            // rpm - 1000 x thousands, fast needle
    double right_engine_temp_c = 0.0;       // engine temperature, deg C
    double right_fuel_flow_kgh = 0.0;       // fuel flow needle, kg/h
    double right_oil_press_shown = 0.0;     // oil pressure needle, dial units
    double right_oil_temp_shown = 15.0;     // oil temperature needle, deg C
    uint8_t right_nozzle_lamp_state = 0;    // nozzle lamp state 0 to 5

    // Engine synchronizer, JPT regulator and drag chute
    uint8_t synch_switch = 0;          // synchronizer switch: 1 on
    uint8_t synch_selector = 90;       // synchronizer knob: 150, 90 (off) or 20, its drawn angle
    int32_t synch_difference = 0;      // trunc of the thrust difference; 0 when within 0.1
    uint8_t synch_half_period = 0;     // blink half period, ticks
    uint8_t synch_phase_a = 0;         // blink phase flag A
    uint8_t synch_phase_b = 0;         // blink phase flag B
    int32_t synch_start_tick = 0;      // tick at which the blinking started
    int32_t synch_cycle_tick = 0;      // tick at which the current blink cycle started
    uint8_t synch_lamp_lit = 0;        // synchronizer lamp shown; kept while the difference is 0
    uint8_t jpt_regulator_switch = 1;  // JPT regulator switch: 1 on
    uint8_t chute_deployed = 0;        // drag chute deployed

    // Engine fire protection
    uint8_t left_engine_fire = 0;          // engine 1 burns
    uint8_t right_engine_fire = 0;         // engine 2 burns
    uint8_t left_extinguisher_fired = 0;   // engine 1 extinguisher discharged
    uint8_t right_extinguisher_fired = 0;  // engine 2 extinguisher discharged
    uint8_t left_fire_lamp = 0;            // engine 1 fire lamp lit
    uint8_t right_fire_lamp = 0;           // engine 2 fire lamp lit
};

extern EngState eng;

}  // namespace vk
