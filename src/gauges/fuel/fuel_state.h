#pragma once
// Fuel system state: pumps, valves, crossfeed and feed pressure, tank contents and
// fuel used, fuel temperature and the fuel heating panel.
#include <cstdint>

namespace vk {

struct FuelState {
    // Fuel feed: pump and valve switches, pumps running, feed pressure, host selectors
    uint8_t left_pump_a_switch = 2;        // left pump A switch: 0 off, any other value on
    uint8_t right_pump_a_switch = 2;       // right pump A switch: 0 off, any other value on
    uint8_t left_pump_b_switch = 2;        // left pump B switch: 1 on, 0 off, 2 automatic
    uint8_t right_pump_b_switch = 2;       // right pump B switch: 1 on, 0 off, 2 automatic
    uint8_t left_pump_c_switch = 0;        // left pump C switch: 0 off, 1 on
    uint8_t right_pump_c_switch = 0;       // right pump C switch: 0 off, 1 on
    uint8_t left_pump_d_switch = 1;        // left pump D switch: 0 off, 1 on
    uint8_t right_pump_d_switch = 1;       // right pump D switch: 0 off, 1 on
    uint8_t left_pump_a_running = 0;       // left pump A delivers, recomputed every frame
    uint8_t left_pump_b_running = 0;       // left pump B delivers, recomputed every frame
    uint8_t left_pump_c_running = 0;       // left pump C delivers, recomputed every frame
    uint8_t left_pump_d_running = 1;       // left pump D delivers, recomputed every frame
    uint8_t right_pump_a_running = 0;      // right pump A delivers, recomputed every frame
    uint8_t right_pump_b_running = 0;      // right pump B delivers, recomputed every frame
    uint8_t right_pump_c_running = 0;      // right pump C delivers, recomputed every frame
    uint8_t right_pump_d_running = 1;      // right pump D delivers, recomputed every frame
    uint8_t left_low_pressure_light = 0;   // latch of the left low-pressure lamp
    uint8_t right_low_pressure_light = 0;  // latch of the right low-pressure lamp
    uint8_t left_lp_valve_switch = 1;      // left engine fuel valve switch, 1 open
    uint8_t left_lp_valve_open = 1;        // left engine fuel valve, 1 open
    uint8_t right_lp_valve_switch = 1;     // right engine fuel valve switch, 1 open
    uint8_t right_lp_valve_open = 1;       // right engine fuel valve, 1 open
    uint8_t crossfeed_open = 0;            // crossfeed valve open
    int16_t left_feed_pressure = 200;      // left feed pressure, dial units 0 to 260, normal 250
    int16_t right_feed_pressure = 200;     // right feed pressure, dial units 0 to 260, normal 250
    uint8_t left_engine_suction = 0;       // engine 1 can draw fuel by itself
    uint8_t right_engine_suction = 0;      // engine 2 can draw fuel by itself
    int16_t left_pressure_shown = 0;       // left pressure needle value, 0 to 500
    int16_t right_pressure_shown = 0;      // right pressure needle value, 0 to 500
    uint8_t host_selector_1 = 0;           // engine 1 host fuel selector read: 0, 2-5, else 6
    uint8_t host_selector_2 = 0;           // engine 2 host fuel selector read: 0, 2-5, else 6

    // Fuel quantity and fuel used
    double left_main_kg = 200.0;            // left main tank contents, kg
    double right_main_kg = 200.0;           // right main tank contents, kg
    double left_main_litres = 0.0;          // left main tank contents, volume unit
    double right_main_litres = 0.0;         // right main tank contents, volume unit
    double left_aux_kg = 0.0;               // left auxiliary tank contents, aux dial unit
    double right_aux_kg = 0.0;              // right auxiliary tank contents, aux dial unit
    double left_aux_litres = 0.0;           // left auxiliary tank intermediate volume
    double right_aux_litres = 0.0;          // right auxiliary tank intermediate volume
    double left_main_shown = 0.0;           // left main tank needle value, 0 to 7000
    double right_main_shown = 0.0;          // right main tank needle value, 0 to 7000
    double left_aux_shown = 0.0;            // left auxiliary tank needle value, 0 to 12000
    double right_aux_shown = 0.0;           // right auxiliary tank needle value, 0 to 12000
    uint8_t left_main_test = 0;             // left main gauge test sweep requested or running
    uint8_t right_main_test = 0;            // right main gauge test sweep (no button: never set)
    uint8_t left_aux_test = 0;              // left auxiliary gauge test sweep requested or running
    uint8_t right_aux_test = 0;             // right auxiliary gauge test sweep requested or running
    uint8_t left_main_test_phase = 0;       // left main test sweep: 0 rising, 1 falling
    uint8_t right_main_test_phase = 0;      // right main test sweep: 0 rising, 1 falling
    uint8_t left_aux_test_phase = 0;        // left auxiliary test sweep: 0 rising, 1 falling
    uint8_t right_aux_test_phase = 0;       // right auxiliary test sweep: 0 rising, 1 falling
    double fuel_used_1_kg = 0.0;            // fuel used by engine 1 since the last reset, kg
    double fuel_used_2_kg = 0.0;            // fuel used by engine 2 since the last reset, kg
    double fuel_used_1_next_time = 0.0;     // host time of engine 1's next integration step, s
    double fuel_used_2_next_time = 0.0;     // host time of engine 2's next integration step, s
    uint8_t fuel_used_1_timing = 0;         // engine 1 integration step pending
    uint8_t fuel_used_2_timing = 0;         // engine 2 integration step pending
    uint8_t fuel_used_1_reset = 0;          // engine 1 counter reset requested
    uint8_t fuel_used_2_reset = 0;          // engine 2 counter reset requested
    uint8_t fuel_used_1_button_frames = 0;  // frames engine 1's reset button stays pressed
    uint8_t fuel_used_2_button_frames = 0;  // frames engine 2's reset button stays pressed

    // Fuel heating and temperature
    float left_fuel_temp_c = 15.0f;       // left fuel temperature, deg C
    float right_fuel_temp_c = 15.0f;      // right fuel temperature, deg C
    double left_fuel_temp_shown = 15.0;   // left thermometer needle value, deg C
    double right_fuel_temp_shown = 15.0;  // right thermometer needle value, deg C
    int8_t left_heat_control = 0;         // 0 centre, 100 latched, 1..12 right, -1..-12 left
    int8_t right_heat_control = 0;        // 0 centre, 100 latched, 1..12 right, -1..-12 left
    uint8_t left_temp_test_toggle = 0;    // left test flag A, toggled 0/1
    uint8_t left_temp_test = 0;           // left test flag B, set by its button
    uint8_t right_temp_test_pulse = 0;    // right test counter A: 10 on click, down 1 per frame
    uint8_t right_temp_test = 0;          // right test flag B, set by its button
};

extern FuelState fuel;

}  // namespace vk
