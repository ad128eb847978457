// Night lighting of the pedestal: a 516 mm lit overlay shown while the
// panels are lit at night.
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

constinit Chain elements{&hdr_pedestnight_vk,
                         image(14112, At{}, kTransparent | kErase | kBright | kHidden)};

constexpr auto kMouse = mouse_list(kNoHelp);

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service == static_cast<int32_t>(Service::pre_update))
        show(elements[0], panel.night_lighting != 0);
}

}  // namespace

GaugeHeader hdr_pedestnight_vk =
    gauge_header(GaugeId::pedestnight_vk, elements.list, kMouse.data(), update);

}  // namespace vk
