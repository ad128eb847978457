#pragma once
// Electrical system state: DC network (battery, generators, ground power, buses),
// AC converters, alternators and transformer-rectifiers, meter values and test buttons.
#include <cstdint>

namespace vk {

struct ElecState {
    // DC network: switches, ground power, battery and bus flags
    uint8_t master_switch = 2;      // battery master switch: 0 off, 1 ground power, 2 battery
    uint8_t battery_selector = 1;   // battery selector: 0 off, 1 normal, 2 standby
    uint8_t ess_bus_switch = 1;     // essential bus fed from: 1 battery bus, 2 main bus
    uint8_t tadg_lever = 1;         // TADG switch lever: 0 off, 1 on
    uint8_t tadg_guard_open = 0;    // TADG switch guard: 0 closed, 1 open
    uint8_t tadg_switch = 1;        // TADG on: lever on and supplied
    uint8_t gen1_switch = 1;        // generator 1 switch: 0 off, 1 on
    uint8_t gen2_switch = 1;        // generator 2 switch: 0 off, 1 on
    uint8_t gen1_guard_open = 0;    // generator 1 switch guard: 0 closed, 1 open
    uint8_t gen2_guard_open = 0;    // generator 2 switch guard: 0 closed, 1 open
    uint8_t gen1_tripped = 0;       // generator 1: 0 normal, 1 tripped, 2 tripped and switched off
    uint8_t gen2_tripped = 0;       // generator 2: 0 normal, 1 tripped, 2 tripped and switched off
    uint8_t gen1_fault_test = 0;    // generator 1 fault lamp pressed for test (generator panel)
    uint8_t gen2_fault_test = 0;    // generator 2 fault lamp pressed for test (generator panel)
    uint8_t gen1_fault_memory = 0;  // generator 1 fault on the reset panel: 0 none, 2 remembered
    uint8_t gen2_fault_memory = 0;  // generator 2 fault on the reset panel: 0 none, 2 remembered
    uint8_t gen1_reset_test = 0;    // generator 1 fault lamp pressed for test (reset panel)
    uint8_t gen2_reset_test = 0;    // generator 2 fault lamp pressed for test (reset panel)
    int8_t reset_switch_timer = 0;  // reset switch frames: <0 gen 1 side, >0 gen 2 side, 0 centred
    uint8_t gpu_request = 0;        // ground power requested (push button)
    uint8_t gpu_available = 0;      // ground power can be connected
    uint8_t gpu_connected = 0;      // ground power connected
    uint8_t gpu_on_dc = 0;          // ground power feeds the DC network (connected, master at 1)
    uint8_t battery_connected = 0;  // master switch at 2
    uint8_t battery_on_main = 0;    // battery feeds the main bus: selector 1 and master 2
    int16_t battery_charge = 1800;  // battery charge, charge units
    uint32_t battery_capacity = 1800;        // battery capacity, charge units: 1800, 900 or 0
    int8_t battery_amps = 0;                 // battery current, amperes; negative discharges
    int8_t bat_norm_amps = 0;                // normal battery ammeter value, amperes
    int32_t bat_stby_amps = 0;               // standby battery ammeter value, amperes
    uint8_t battery_discharge_phase = 0;     // battery timing: a discharge phase has started
    uint8_t battery_charge_phase = 0;        // battery timing: a charge phase has started
    int32_t battery_phase_start_s = 0;       // battery timing: host clock at the phase start, s
    int32_t battery_phase_start_charge = 0;  // battery timing: charge at the charge phase start
    uint32_t battery_phase_elapsed_s = 0;    // battery timing: seconds elapsed in the phase
    uint8_t gen1_on = 0;                     // generator 1 on line
    uint8_t gen2_on = 0;                     // generator 2 on line
    uint8_t gen1_amps = 0;                   // generator 1 ammeter value, amperes
    uint8_t gen2_amps = 0;                   // generator 2 ammeter value, amperes
    uint8_t gen_supply_on = 0;               // a generator on line or ground power on DC
    uint8_t bat_bus_powered = 0;             // battery bus powered
    uint8_t main_bus_powered = 0;            // main bus powered
    uint8_t main_bus_powered_b = 0;          // copy of main_bus_powered for the ice protection
    uint8_t main_bus_powered_c = 0;          // copy of main_bus_powered for the primary exchangers
    uint8_t ess_bus_powered = 0;             // essential bus powered: the flag most systems test
    uint8_t ess_bus_powered_copy = 0;        // copy of ess_bus_powered for the hydraulics
    uint8_t extinguisher_bus_latched = 0;    // essential bus was powered once; never cleared
    uint8_t radio1_bus_powered = 0;          // supply of the first radio and navigation set
    uint8_t radio2_bus_powered = 0;          // supply of the second radio and navigation set
    uint8_t gen_bus_powered = 0;             // generator bus powered
    uint8_t shed_bus_powered = 0;            // bus shed on the ground unless power is ample
    uint8_t dc_bus1_powered = 0;             // DC bus 1 powered
    uint8_t dc_bus2_powered = 0;             // DC bus 2 powered
    uint8_t dc_volts = 0;                    // DC voltmeter value, volts: 0, 24 or 28
    uint8_t ac_volt_selector = 1;            // AC voltmeter selector: 1 converter 1, 2 converter 2
    uint8_t ac_volts = 0;                    // AC voltmeter value, volts: 0 or 115
    uint8_t elec_warning = 0;                // electrical warning for the warning panel
    uint8_t host_switches_synced = 0;        // host electrical switches turned on once; stays 1

    // AC network: static converters, alternators, AC ground power, transformer-rectifiers
    uint8_t conv_selector = 1;          // main converter selector: 0 off, 1 conv 1, 2 conv 2
    uint8_t conv2_switch = 1;           // converter 2 switch: 0 off, 1 on
    uint8_t stby_conv_selector = 0;     // standby converter selector: 0 off, 1 automatic, 2 on
    uint8_t conv1_on = 0;               // converter 1 delivering
    uint8_t conv2_state = 0;            // converter 2: 0 off, 1 on, 2 on as the main converter
    uint8_t stby_conv_state = 0;        // standby converter: 0 off, 1 auto engaged, 2 selected on
    uint8_t ac_conv_out_a = 0;          // main converter output present (copy A)
    uint8_t ac_conv_out_b = 0;          // main converter output present (copy B)
    uint8_t ac_bus1_powered = 0;        // AC instrument bus 1 powered (main or standby converter)
    uint8_t ac_bus2_powered = 0;        // AC instrument bus 2 powered (main or standby converter)
    uint8_t instrument_ac_powered = 0;  // copy of ac_conv_out_a for the instruments
    uint8_t alt1_switch = 1;            // alternator 1 switch (guarded): 0 off, 1 on
    uint8_t alt2_switch = 1;            // alternator 2 switch (guarded): 0 off, 1 on
    uint8_t alt1_guard_open = 0;        // alternator 1 switch guard: 0 closed, 1 open
    uint8_t alt2_guard_open = 0;        // alternator 2 switch guard: 0 closed, 1 open
    uint8_t alt1_line_switch = 1;       // alternator 1 line switch: 0 off, 1 on
    uint8_t alt2_line_switch = 1;       // alternator 2 line switch: 0 off, 1 on
    uint8_t alt1_fault_test = 0;        // alternator 1 fault lamp pressed for test
    uint8_t alt1_line_fault_test = 0;   // alternator 1 line lamp pressed for test
    uint8_t alt2_fault_test = 0;        // alternator 2 fault lamp pressed for test
    uint8_t alt2_line_fault_test = 0;   // alternator 2 line lamp pressed for test
    uint8_t alt1_available = 0;         // alternator 1 running and switched on
    uint8_t alt2_available = 0;         // alternator 2 running and switched on
    uint8_t ac_gndpwr_switch = 0;       // AC ground power switch: 0 off, 1 on, 2 the other side
    uint8_t ac_gndpwr_on = 0;           // AC ground power feeds the alternator network
    uint8_t tr1_switch = 1;             // TR 1 switch (guarded): 0 off, 1 on
    uint8_t tr2_switch = 1;             // TR 2 switch (guarded): 0 off, 1 on
    uint8_t tr1_guard_open = 0;         // TR 1 switch guard: 0 closed, 1 open
    uint8_t tr2_guard_open = 0;         // TR 2 switch guard: 0 closed, 1 open
    uint8_t tr1_on = 0;                 // TR 1 switched on and supplied
    uint8_t tr2_on = 0;                 // TR 2 switched on and supplied
    uint8_t alt_volt_selector = 1;      // alternator voltmeter selector: 1 alt 1, 2 alt 2
    uint8_t alt_volts = 0;              // alternator voltmeter value, volts: 0 or 115
    uint16_t alt_freq_hz = 0;           // frequency meter value, hertz: 0 or 400
    uint8_t line1_volts = 0;            // line 1 voltmeter value, volts: 0 or 28
    uint8_t line2_volts = 0;            // line 2 voltmeter value, volts: 0 or 28
    uint16_t line1_amps = 0;            // line 1 ammeter value, amperes
    uint16_t line2_amps = 0;            // line 2 ammeter value, amperes
    uint8_t ac_sw = 1;                  // AC panel two-position switch: 1 or 2; display only

    // Meters, DC voltmeter selector and test buttons
    uint8_t dc_volt_selector = 0;  // 0 gens, 1 gen 1, 2 gen 2, 3 and 4 battery on main, 5 master
    uint8_t dc_volt_test = 0;      // DC voltmeter button frame timer; reads 0 while it runs
    uint8_t recorder_test = 0;     // flight recorder test button frame timer
    uint8_t artfeel_lamp = 0;      // artificial feel failure lamp latch
};

extern ElecState elec;

}  // namespace vk
