#pragma once
// A linked host with the electrical supplies and engine speeds that the
// hydraulic gauges read set by hand, as the electrical and engine systems
// would set them.
#include <vector>

#include "support.h"

namespace vktest {

class Hydraulics : public LinkedHost {
  protected:
    void power(bool on) {
        const uint8_t v = on ? 1 : 0;
        vk::elec.ess_bus_powered = vk::elec.ess_bus_powered_copy = v;
        vk::elec.main_bus_powered = vk::elec.instrument_ac_powered = v;
    }
    void engines(double percent) {
        host.set(id(vk::Var::engine_speed_1), percent);
        host.set(id(vk::Var::engine_speed_2), percent);
    }
    void set(vk::Var v, double value) { host.set(id(v), value); }
    double get(vk::Var v) const { return host.get(id(v)); }
    // Airborne, gear and flaps up, parking brake off.
    void in_flight(double knots) {
        set(vk::Var::on_ground, 0.0);
        set(vk::Var::parking_brake, 0.0);
        set(vk::Var::indicated_airspeed, knots);
        for (vk::Var v : {vk::Var::gear_handle, vk::Var::gear_centre_position,
                          vk::Var::gear_left_position, vk::Var::gear_right_position})
            set(v, 0.0);
    }
};

}  // namespace vktest
