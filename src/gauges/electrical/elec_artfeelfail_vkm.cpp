// Artificial feel failure lamp with two buttons: the left one lights the lamp
// (only with the essential bus powered) and it stays lit until the right one
// is pressed.
#include "frame/bitmaps.h"
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

constinit Chain elements{
    &hdr_elec_artfeelfail_vkm,
    image(own_background(GaugeId::elec_artfeelfail_vkm)),  // 0 background
    icon(512, At{36, 28}, 0x7 | kHidden),                  // 1 lamp
};

int32_t VKCALL set_lamp(const MousePoint*, uint32_t) {
    if (elec.ess_bus_powered) elec.artfeel_lamp = 1;
    return 0;
}
int32_t VKCALL clear_lamp(const MousePoint*, uint32_t) {
    elec.artfeel_lamp = 0;
    return 0;
}

constexpr auto kMouse = mouse_list(kNoHelp, area(3, 23, 26, 26, kCursorHand, kMouseLeft, set_lamp),
                                   area(76, 23, 26, 26, kCursorHand, kMouseLeft, clear_lamp));

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    show(elements[1], elec.artfeel_lamp && elec.ess_bus_powered);
}

}  // namespace

GaugeHeader hdr_elec_artfeelfail_vkm =
    gauge_header(GaugeId::elec_artfeelfail_vkm, elements.list, kMouse.data(), update);

}  // namespace vk
