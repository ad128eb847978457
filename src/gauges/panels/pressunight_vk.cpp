// Night lighting of the cabin pressure panel: a 277 mm lit overlay shown while the
// panels are lit at night.
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

constinit Chain elements{&hdr_pressunight_vk,
                         image(24640, At{}, kTransparent | kErase | kBright | kHidden)};

constexpr auto kMouse = mouse_list(kNoHelp);

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service == static_cast<int32_t>(Service::pre_update))
        show(elements[0], panel.night_lighting != 0);
}

}  // namespace

GaugeHeader hdr_pressunight_vk =
    gauge_header(GaugeId::pressunight_vk, elements.list, kMouse.data(), update);

}  // namespace vk
