#include "gauges/hydraulics/brakes.h"

#include "frame/convert.h"

namespace vk {

uint16_t brake_psi(double host_brake) {
    return to_u16(host_brake / 20.0);
}

}  // namespace vk
