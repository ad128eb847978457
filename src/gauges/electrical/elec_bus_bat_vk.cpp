// The battery bus-bar panel: the switch choosing the essential bus supply and
// the mimic lamps of the DC buses. Its callback computes the whole DC network
// once per frame, in a fixed order: battery current and charge, generators,
// generator ammeters, buses, the DC voltmeter, the lamps, and the one-time
// synchronisation of the host's own electrical switches.
#include <algorithm>
#include <cstdint>

#include "frame/controls.h"
#include "frame/convert.h"
#include "frame/element.h"
#include "frame/gauge_parts.h"
#include "frame/gauge_table.h"
#include "frame/host.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr uint32_t kSwitch = kTransparent | kErase;
constexpr uint32_t kLamp = kHidden | kLuminous | kErase | kTransparent;

constinit Chain elements{&hdr_elec_bus_bat_vk,
                         image(800),                                 // 0 panel
                         icon(1056, At{21, 85}, kSwitch),            // 1 essential bus on 1
                         icon(1072, At{38, 85}, kSwitch | kHidden),  // 2 essential bus on 2
                         icon(1280, At{75, 123}, kLamp),             // 3 generator bus-bar
                         icon(1280, At{235, 123}, kLamp),            // 4 generator bus-bar
                         icon(1136, At{27, 156}, kLamp),             // 5 battery bus-bar
                         icon(1136, At{123, 156}, kLamp),            // 6 battery bus-bar
                         icon(1136, At{184, 156}, kLamp),            // 7 battery bus-bar
                         icon(1136, At{183, 48}, kLamp),             // 8 main bus-bar
                         icon(1136, At{123, 48}, kLamp)};            // 9 main bus-bar

constexpr auto kMouse = mouse_list(
    kNoHelp,
    area(0, 63, 41, 50, kCursorHand, kMouseLeft, switch_to<elec, &ElecState::ess_bus_switch, 1>),
    area(41, 63, 41, 50, kCursorHand, kMouseLeft, switch_to<elec, &ElecState::ess_bus_switch, 2>));

// ---------------------------------------------------------------- battery

constexpr int32_t kStarterAmps = -120;
constexpr int32_t kTadgAmps = -50;
constexpr int32_t kIdleAmps = -10;
constexpr int32_t kChargeAmps = 50;

// The battery current, from the switches and from the generators as the
// previous frame left them (this frame's generators come later). Each branch
// ends the phase of the opposite sign.
int32_t battery_current() {
    ElecState& e = elec;
    if (!e.battery_connected) return 0;
    const bool starting = eng.left_start_light == 1 || eng.right_start_light == 1;
    const int32_t drain = e.tadg_switch ? kTadgAmps : kIdleAmps;
    if (e.battery_selector == 2 && starting && !e.gpu_on_dc) {
        e.battery_charge_phase = 0;
        return kStarterAmps;
    }
    if (!e.gen1_on && !e.gen2_on) {
        e.battery_charge_phase = 0;
        return drain;
    }
    if (e.battery_selector == 1) {
        e.battery_discharge_phase = 0;
        // Within 50 of full, the current is what is left to fill.
        const int64_t room = static_cast<int64_t>(e.battery_capacity) - e.battery_charge;
        return room < 50 ? static_cast<int32_t>(room) : kChargeAmps;
    }
    e.battery_charge_phase = 0;
    return drain;
}

// Starts a phase at `now` (whole seconds of the host clock).
void start_phase(int32_t now) {
    elec.battery_phase_start_s = now;
    elec.battery_phase_start_charge = elec.battery_charge;
}

// Seconds since the phase started. A clock that has gone back below the
// phase start restarts the phase there instead of wrapping round.
int64_t phase_elapsed(int32_t now) {
    if (now < elec.battery_phase_start_s) start_phase(now);
    const int64_t elapsed = static_cast<int64_t>(now) - elec.battery_phase_start_s;
    elec.battery_phase_elapsed_s = static_cast<uint32_t>(elapsed);
    return elapsed;
}

// The charge as the current has moved it since its phase started. A discharge
// always counts down from the capacity; at the starter's current the charge
// goes below 0 (to minus twice the capacity) before the elapsed time reaches
// the capacity, and from then on it is 0. A charge never passes the capacity.
// Worked out in 64 bits, so that no clock jump can overflow it.
void battery_charge(double clock) {
    ElecState& e = elec;
    const int32_t now = to_i32(clock);
    const int32_t amps = e.battery_amps;
    const int64_t capacity = e.battery_capacity;

    if (amps < -1 && !e.battery_discharge_phase) {
        start_phase(now);
        e.battery_discharge_phase = 1;
    }
    if (e.battery_discharge_phase &&
        (amps == kStarterAmps || amps == kTadgAmps || amps == kIdleAmps)) {
        const int64_t elapsed = phase_elapsed(now);
        int64_t charge = amps == kStarterAmps ? capacity - 3 * elapsed
                         : amps == kTadgAmps  ? capacity - elapsed
                                              : capacity - elapsed / 3;
        if (elapsed > capacity) charge = 0;
        e.battery_charge = to_i16(static_cast<double>(charge));
    }

    if (amps > 0 && !e.battery_charge_phase) {
        start_phase(now);
        e.battery_charge_phase = 1;
    }
    if (amps > 0 && e.battery_charge_phase) {
        const int64_t elapsed = phase_elapsed(now);
        const int64_t charge = std::min(capacity, e.battery_phase_start_charge + elapsed);
        e.battery_charge = to_i16(static_cast<double>(charge));
    }
}

// ---------------------------------------------------------------- generators and buses

// A generator comes on line with its engine above 20 percent, unless the
// host's electrical failure, a trip, ground power on the DC network, its
// switch or its engine's HP lever keeps it off.
bool on_line(double engine_speed, bool elec_failed, uint8_t tripped, uint8_t generator_switch,
             uint8_t hp_lever_open) {
    return engine_speed > 20.0 && !elec_failed && tripped == 0 && !elec.gpu_on_dc &&
           generator_switch == 1 && hp_lever_open == 1;
}

// The generator ammeters: the load shared between the generators on line,
// lower while the alternator lines carry part of it.
void generator_amps() {
    ElecState& e = elec;
    const int on = (e.gen1_on ? 1 : 0) + (e.gen2_on ? 1 : 0);
    const bool line_load = e.line1_amps + e.line2_amps != 0;
    uint8_t each = 0;
    if (on == 2)
        each = line_load ? 12 : e.tadg_switch ? 25 : 22;
    else if (on == 1)
        each = line_load ? 24 : e.tadg_switch ? 45 : 40;
    e.gen1_amps = e.gen1_on ? each : 0;
    e.gen2_amps = e.gen2_on ? each : 0;
}

void buses() {
    ElecState& e = elec;
    if (!e.gen1_on && !e.gen2_on && !e.gpu_on_dc) {
        e.gen_supply_on = 0;
        const bool battery = e.battery_connected && e.battery_charge > 0;
        e.main_bus_powered = battery && e.battery_on_main;
        e.bat_bus_powered = battery;
    } else {
        e.gen_supply_on = 1;
        e.main_bus_powered = 1;
        e.bat_bus_powered = 1;
    }

    // An alternator feeding its line.
    const bool alt1_line = e.alt1_available && e.alt1_line_switch;
    const bool alt2_line = e.alt2_available && e.alt2_line_switch;
    if (e.gen_supply_on) {
        e.dc_bus1_powered = 1;
        e.dc_bus2_powered = 1;
        e.gen_bus_powered = 1;
        if ((e.gen1_on && e.gen2_on) || e.gpu_on_dc) {
            const bool airborne = var(Var::on_ground) == 0.0;
            e.shed_bus_powered =
                airborne || e.gpu_on_dc || e.ac_gndpwr_on || (alt1_line && alt2_line);
        } else {
            e.shed_bus_powered = 0;
        }
    } else {
        e.gen_bus_powered = 0;
        e.shed_bus_powered = 0;
        e.dc_bus1_powered = e.ac_gndpwr_on || (alt1_line && e.tr1_on) || alt2_line;
        e.dc_bus2_powered = e.ac_gndpwr_on || (alt2_line && e.tr2_on) || alt1_line;
    }

    e.radio1_bus_powered = e.main_bus_powered;
    e.radio2_bus_powered = e.main_bus_powered && e.gen_supply_on;
    e.main_bus_powered_b = e.main_bus_powered;
    e.main_bus_powered_c = e.main_bus_powered;

    const bool alternate = e.ac_gndpwr_on || (alt1_line && e.tr1_on) || alt2_line;
    e.ess_bus_powered =
        (e.ess_bus_switch == 1 ? e.bat_bus_powered : e.main_bus_powered) || alternate;
    e.ess_bus_powered_copy = e.ess_bus_powered;
    if (e.ess_bus_powered) e.extinguisher_bus_latched = 1;
}

// The DC voltmeter: 0 while its push button is held, else the source chosen.
uint8_t dc_volts() {
    const ElecState& e = elec;
    if (e.dc_volt_test != 0) return 0;
    const bool battery_charged = e.battery_charge > 0;
    switch (e.dc_volt_selector) {
        case 0:
            return e.gen_supply_on ? 28 : 0;
        case 1:
            return e.gen1_on ? 28 : 0;
        case 2:
            return e.gen2_on ? 28 : 0;
        case 3:
        case 4:
            return e.battery_on_main && battery_charged ? 24 : 0;
        case 5:
            return e.master_switch == 2 && battery_charged ? 24 : 0;
        default:
            return 0;
    }
}

// Turns the host's own battery, master, gyro unit and generator switches on,
// each with one key event while the host still reads it off, until all five
// read on; from then on the module leaves them alone for good.
void sync_host_switches() {
    ElecState& e = elec;
    if (e.host_switches_synced) return;
    const double battery = var(Var::battery_switch);
    const double master = var(Var::elec_master_switch);
    const double gyro = var(Var::gyro_unit_switch);
    const double gen1 = var(Var::generator_switch_1);
    const double gen2 = var(Var::generator_switch_2);
    if ((e.battery_on_main || e.battery_connected) && battery == 0.0)
        send_key(Key::battery_switch_on, 0);
    if (e.tadg_switch && gyro == 0.0) send_key(Key::gyro_unit_switch_on, 0);
    if (e.master_switch == 2 && master == 0.0) send_key(Key::elec_master_switch_on, 0);
    if ((e.gen1_on || e.alt1_available) && gen1 == 0.0) send_key(Key::generator_switch_1_on, 0);
    if ((e.gen2_on || e.alt2_available) && gen2 == 0.0) send_key(Key::generator_switch_2_on, 0);
    if (battery == 1.0 && master == 1.0 && gyro == 1.0 && gen1 == 1.0 && gen2 == 1.0)
        e.host_switches_synced = 1;
}

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    ElecState& e = elec;

    show(elements[1], e.ess_bus_switch == 1);
    show(elements[2], e.ess_bus_switch != 1);

    const bool elec_failed = var_flag(Var::elec_failed);
    e.battery_on_main = e.battery_selector == 1 && e.master_switch == 2;
    const bool battery_used = e.battery_on_main || e.battery_selector == 2;
    e.battery_capacity = battery_used ? 1800 : 900;
    e.battery_connected = e.master_switch == 2;

    e.battery_amps = to_i8(static_cast<double>(battery_current()));
    battery_charge(var(Var::sim_clock));

    e.bat_norm_amps = e.battery_amps;
    if (battery_used)
        e.bat_stby_amps = e.battery_amps;
    else
        e.battery_capacity = 0;

    const double speed_1 = var(Var::engine_speed_1);
    const double speed_2 = var(Var::engine_speed_2);
    e.gen1_on =
        on_line(speed_1, elec_failed, e.gen1_tripped, e.gen1_switch, eng.left_hp_lever_open);
    e.gen2_on =
        on_line(speed_2, elec_failed, e.gen2_tripped, e.gen2_switch, eng.right_hp_lever_open);

    generator_amps();
    buses();
    e.dc_volts = dc_volts();

    show(elements[3], e.gen_supply_on && e.main_bus_powered);
    show(elements[4], e.gen_supply_on);
    show(elements[5], e.master_switch == 2 && e.bat_bus_powered);
    show(elements[6], e.battery_on_main && e.main_bus_powered);
    show(elements[7], e.battery_on_main && e.main_bus_powered);
    show(elements[8], e.main_bus_powered_c);
    show(elements[9], e.main_bus_powered_b);

    sync_host_switches();
}

}  // namespace

GaugeHeader hdr_elec_bus_bat_vk =
    gauge_header(GaugeId::elec_bus_bat_vk, elements.list, kMouse.data(), update);

}  // namespace vk
