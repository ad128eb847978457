#pragma once
// Hydraulics and flight controls state: the green, blue, yellow and red circuits,
// the servo and emergency lever panels, brake dials and the surface indicators.
#include <cstdint>

namespace vk {

struct HydState {
    // Hydraulic circuits: reservoirs, engine-pump valves, pump and circuit pressures
    uint16_t green_level = 60;                   // green reservoir level, level units (dial 0-70)
    uint16_t blue_level = 60;                    // blue reservoir level, level units; fixed
    uint16_t red_level = 40;                     // red reservoir level, level units; fixed
    uint16_t yellow1_level = 40;                 // yellow pump 1 reservoir level; fixed
    uint16_t yellow2_level = 40;                 // yellow pump 2 reservoir level; fixed
    uint16_t green_level_shown = 60;             // green level needle value, level units
    uint16_t blue_level_shown = 60;              // blue level needle value, level units
    uint32_t green_leak_reserve = 60;            // green fluid left during a leak, level units
    int32_t leak_flap_mark = 0;                  // flap angle at the last leak step, whole degrees
    uint8_t green_level_test = 0;                // green low-level light test latched
    uint8_t blue_level_test = 0;                 // blue low-level light test latched
    uint8_t green_level_switch = 0;              // green level warning switch: 0 up, 1 down
    uint8_t blue_level_switch = 0;               // blue level warning switch: 0 up, 1 down
    uint8_t green_level_low = 0;                 // green low-level light lit
    uint8_t blue_level_low = 0;                  // blue low-level light lit
    uint8_t valve_open[4] = {1, 1, 1, 1};        // 1 open; green eng 1, eng 2, blue eng 1, eng 2
    uint8_t valve_travel[4] = {30, 30, 30, 30};  // valve travel, same order: 0 shut to 30 open
    uint8_t valve_guard_open = 0;                // guard over the four valve switches raised
    uint16_t pump_pressure[4] = {};              // engine pump outputs, psi, valve order
    uint8_t pump_settled[4] = {};                // pump past its charge peak, now regulating
    uint16_t green_pressure = 0;     // green circuit pressure, psi; 1750 or less is lost
    uint16_t blue_pressure = 0;      // blue circuit pressure, psi
    uint8_t yellow_selector = 1;     // yellow panel two-position selector: 1 or 2
    uint8_t yellow_pump1_state = 0;  // yellow pump 1: 0 off, 1 running, 3 no power
    uint8_t yellow_pump2_state = 0;  // yellow pump 2: 0 off, 1 running, 3 no power
    uint16_t yellow1_pressure = 0;   // yellow pump 1 pressure, psi
    uint16_t yellow2_pressure = 0;   // yellow pump 2 pressure, psi
    uint8_t yellow1_cycling = 0;     // yellow pump 1 charged once, cycles 2000-2500
    uint8_t yellow2_cycling = 0;     // yellow pump 2 charged once, cycles 2000-2500
    uint8_t yellow1_phase = 0;       // yellow pump 1: 0 idle, 1 charging, 2 bleeding
    uint8_t yellow2_phase = 0;       // yellow pump 2: 0 idle, 1 charging, 2 bleeding
    uint16_t yellow_pressure = 0;    // yellow shown, psi: pump 2 if non-zero, else 1
    uint8_t red_pump_switch = 0;     // red pump switch: 0 off, 1 on, 2 on (second)
    uint8_t red_pump_spool = 0;      // red pump run-up, 0 to 30; delivers from 25
    uint16_t red_pressure = 2500;    // red circuit pressure, psi
    uint8_t red_phase = 0;           // red pump: 0 idle, 1 charging, 2 bleeding
    uint8_t red_charged = 0;         // the red pump has finished its first charge
    uint8_t brake_stroke = 0;        // 0 none, 1 stroke wants 50 psi, 2 consumed
    int32_t flap_check_time = 0;     // end of the flap watch window, host ticks
    float flap_check_angle = 0.0f;   // flap angle at the watch mark, degrees
    uint8_t flap_check_armed = 0;    // a flap watch mark is taken
    uint8_t flaps_moving = 0;        // flaps moved over 0.1 degree in the last window

    // Servo controls, emergency levers, brake dials and hydraulic-loss effects
    uint8_t servo_selector = 0;     // servo selector: 0 centre, 1 and 2 one side, 3 and 4 the other
    uint8_t servo_switch_a = 0;     // three-position servo switch: 0, 1, 2
    uint8_t servo_switch_b = 1;     // two-position servo switch: 0, 1
    uint8_t servo_button[4] = {};   // the four servo push-buttons, 1 pressed in
    uint8_t green_servo_low = 0;    // green servo light lit for low pressure
    uint8_t blue_servo_low = 0;     // blue servo light lit for low pressure
    uint8_t emerg_gear_lever = 0;   // emergency gear extension lever: 0 stowed, 1 pulled
    uint8_t emerg_flap_lever = 0;   // emergency flap lever: 0 neutral, 1 up, 2 down
    uint8_t emerg_flap_guard = 0;   // emergency flap lever guard raised
    uint16_t norm_accu_shown = 0;   // normal brake accumulator dial value, psi
    uint16_t norm_brake_left = 0;   // normal brake left dial value, psi
    uint16_t norm_brake_right = 0;  // normal brake right dial value, psi
    uint16_t stby_accu_shown = 0;   // standby brake accumulator dial value, psi
    uint16_t stby_brake_left = 0;   // standby brake left dial value, psi
    uint16_t stby_brake_right = 0;  // standby brake right dial value, psi
    uint8_t brake_loss_toggle = 0;  // host brake event: 0 none, 1 sent on loss, 2 sent again
    uint8_t servo_power_lost = 0;   // the flight controls have no hydraulic power

    // Control surface and flap indicators
    uint8_t surface_dials_shown = 0;  // the three surface dials are shown
    double elevator_shown = 0.0;      // elevator pointer value, -12000 to 30000
    double aileron_shown = 0.0;       // aileron pointer value, -25000 to 25000
    double rudder_shown = 0.0;        // rudder pointer value, -25000 to 25000
    double trim_index = 0.0;          // elevator trim index position
    double trim_corr = 0.0;           // last value read of the trim correction named variable
};

extern HydState hyd;

}  // namespace vk
