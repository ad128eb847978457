#include "frame/toggle_zone.h"

#include "gauges/panels/panels_state.h"

namespace vk {

void show_zone(GaugeHeader* gauge) {
    if (gauge && gauge->element_list && gauge->element_list[0])
        show(gauge->element_list[0], panel.toggles_visible != 0);
}

void VKCALL toggle_zone_callback(GaugeHeader* gauge, int32_t service, uint32_t) {
    if (service == static_cast<int32_t>(Service::pre_update)) show_zone(gauge);
}

}  // namespace vk
