#include "gauges/presets.h"

#include <cstdint>
#include <initializer_list>

#include "gauges/state.h"

namespace vk {

void set_cold_aircraft_switches() {
    eng.left_hp_lever_open = 0;
    eng.right_hp_lever_open = 0;

    for (uint8_t* pump :
         {&fuel.left_pump_a_switch, &fuel.left_pump_b_switch, &fuel.left_pump_c_switch,
          &fuel.left_pump_d_switch, &fuel.right_pump_a_switch, &fuel.right_pump_b_switch,
          &fuel.right_pump_c_switch, &fuel.right_pump_d_switch})
        *pump = 0;
    fuel.left_lp_valve_switch = 1;
    fuel.left_lp_valve_open = 1;
    fuel.right_lp_valve_switch = 1;
    fuel.right_lp_valve_open = 1;

    elec.ess_bus_switch = 1;
    elec.master_switch = 0;
    elec.ac_gndpwr_switch = 0;
    elec.gen1_guard_open = 0;
    elec.gen2_guard_open = 0;
    elec.gen1_switch = 1;
    elec.gen2_switch = 1;
    elec.stby_conv_selector = 0;
    elec.conv_selector = 0;
    elec.conv2_switch = 0;
    elec.tadg_guard_open = 1;
    elec.tadg_lever = 0;

    for (uint8_t& valve : hyd.valve_open) valve = 1;
    hyd.servo_selector = 0;

    air.left_pack_switch = 0;
    air.right_pack_switch = 0;
    eng.synch_switch = 0;
    for (uint8_t& heat : air.pitot_heat_switch) heat = 0;

    warn.crew_call_hi = 0;
    warn.crew_call_lo = 0;
}

}  // namespace vk
