// The left engine fuel valve: two switches side by side that command the same
// valve, and two valve-position lamps. Its callback opens and closes the host
// fuel valve of engine 1.
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/host.h"
#include "frame/mouse.h"
#include "gauges/fuel/fuel_sides.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr uint32_t kPicture = 0x3 | kHidden;

constinit Chain elements{
    &hdr_fuel_valves_lh_vk,
    image(13312),                       // 0 panel
    icon(13344, At{5, 45}, kPicture),   // 1 left switch up (open)
    icon(13328, At{4, 66}, kPicture),   // 2 left switch down (shut)
    icon(13344, At{41, 45}, kPicture),  // 3 right switch up
    icon(13328, At{40, 66}, kPicture),  // 4 right switch down
    icon(13360, At{0, 0}, kPicture),    // 5 left lamp, open
    icon(13376, At{0, 0}, kPicture),    // 6 left lamp, shut
    icon(13360, At{38, 0}, kPicture),   // 7 right lamp, open
    icon(13376, At{38, 0}, kPicture),   // 8 right lamp, shut
};

constexpr auto kMouse =
    mouse_list(kNoHelp, area(0, 26, 28, 41, kCursorUp, kMouseLeft, valve_click<kLeftFeed, 1>),
               area(0, 67, 28, 41, kCursorDown, kMouseLeft, valve_click<kLeftFeed, 0>),
               area(38, 26, 28, 41, kCursorUp, kMouseLeft, valve_click<kLeftFeed, 1>),
               area(38, 67, 28, 41, kCursorDown, kMouseLeft, valve_click<kLeftFeed, 0>));

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    command_host_valve(kLeftFeed, kRightFeed);
    draw_valve_panel(kLeftFeed, elements.index);
}

}  // namespace

GaugeHeader hdr_fuel_valves_lh_vk =
    gauge_header(GaugeId::fuel_valves_lh_vk, elements.list, kMouse.data(), update);

}  // namespace vk
