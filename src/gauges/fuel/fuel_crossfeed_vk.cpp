// The crossfeed switch and its valve lamp. The crossfeed lets one side feed
// the other side's engine (see the pump panels and the fuel pressure gauge).
#include "frame/element.h"
#include "frame/gauge_parts.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr uint32_t kPicture = 0x3 | kHidden;

constinit Chain elements{
    &hdr_fuel_crossfeed_vk,
    image(13184),                      // 0 panel
    icon(13344, At{6, 19}, kPicture),  // 1 switch up: open
    icon(13328, At{5, 39}, kPicture),  // 2 switch down: shut
    icon(13360, At{0, 79}, kPicture),  // 3 lamp, open
    icon(13376, At{0, 79}, kPicture),  // 4 lamp, shut
};

constexpr auto kMouse = mouse_list(
    kNoHelp,
    area(0, 0, 28, 41, kCursorUp, kMouseLeft, switch_to<fuel, &FuelState::crossfeed_open, 1>),
    area(0, 41, 28, 41, kCursorDown, kMouseLeft, switch_to<fuel, &FuelState::crossfeed_open, 0>));

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    const bool open = fuel.crossfeed_open;
    const bool lit = elec.ess_bus_powered;
    show(elements[1], open);
    show(elements[2], !open);
    show(elements[3], lit && open);
    show(elements[4], lit && !open);
}

}  // namespace

GaugeHeader hdr_fuel_crossfeed_vk =
    gauge_header(GaugeId::fuel_crossfeed_vk, elements.list, kMouse.data(), update);

}  // namespace vk
