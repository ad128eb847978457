// Logic shared by the two alternator panels.
#include "gauges/electrical/alternator_panel.h"

#include "frame/host.h"
#include "frame/panel_display.h"
#include "gauges/state.h"

namespace vk {

void run_alternator_panel(const AlternatorSide& side, const AlternatorPictures& pictures) {
    ElecState& e = elec;
    const uint8_t& switched_on = side.alternator.on;
    side.available = var(side.engine_speed) > 20.0 && var_int(Var::elec_failed) != 1 &&
                     !e.gpu_on_dc && side.hp_lever_open == 1 && switched_on == 1;

    // A switch turned off ends its lamp test and the electrical warning.
    if (switched_on != 1) {
        side.fault_test = 0;
        e.elec_warning = 0;
    }
    if (side.line_switch != 1) {
        side.line_fault_test = 0;
        e.elec_warning = 0;
    }

    GuardedSwitchPictures{pictures.on_closed, pictures.guard_open, pictures.on_open, pictures.off}
        .show(side.alternator.guard_open, switched_on == 1);
    show(pictures.line_on, side.line_switch == 1);
    show(pictures.line_off, side.line_switch != 1);

    // The line lamps of both alternator panels answer to generator 2's trip.
    const bool fault = e.ess_bus_powered && side.fault_test;
    const bool line_fault = e.ess_bus_powered && (side.line_fault_test || e.gen2_tripped == 1);
    if (fault || line_fault) e.elec_warning = 1;
    show(pictures.fault_lamp, fault);
    show(pictures.line_lamp, line_fault);
}

}  // namespace vk
