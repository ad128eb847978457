#include "gauges/hydraulics/brakes.h"

#include "frame/convert.h"
#include "frame/host.h"

namespace vk {

uint16_t brake_psi(double host_brake) {
    return to_u16(host_brake / 20.0);
}

bool brakes_squeal() {
    return var(Var::on_ground) == 1.0 && var(Var::parking_brake) == 0.0 &&
           var(Var::indicated_airspeed) >= 30.0 &&
           (var(Var::brake_left) > 1000.0 || var(Var::brake_right) > 1000.0);
}

}  // namespace vk
