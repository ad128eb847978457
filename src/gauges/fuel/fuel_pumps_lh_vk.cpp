// The left fuel pump panel: switches of pumps A to D, the low-level and
// low-pressure lamps. Its callback runs the left side's pumps, reads the
// host's two fuel selectors for both pump panels, and moves engine 1's host
// selector to the tank the left side feeds.
#include "frame/element.h"
#include "frame/gauge_parts.h"
#include "frame/gauge_table.h"
#include "frame/host.h"
#include "frame/mouse.h"
#include "gauges/fuel/fuel_sides.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr uint32_t kPicture = 0x3 | kHidden;

constinit Chain elements{
    &hdr_fuel_pumps_lh_vk,
    image(13088),                             // 0 panel
    icon(kPumpUp, At{13, 3}, kPicture),       // 1 pump C on
    icon(kPumpDown, At{13, 21}, kPicture),    // 2 pump C off
    icon(kPumpUp, At{44, 3}, kPicture),       // 3 pump A on
    icon(kPumpMiddle, At{44, 15}, kPicture),  // 4 pump A middle (never drawn)
    icon(kPumpDown, At{44, 21}, kPicture),    // 5 pump A off
    icon(kPumpUp, At{13, 48}, kPicture),      // 6 pump B on
    icon(kPumpMiddle, At{13, 59}, kPicture),  // 7 pump B off
    icon(kPumpDown, At{13, 65}, kPicture),    // 8 pump B automatic
    icon(kPumpUp, At{44, 48}, kPicture),      // 9 pump D on
    icon(kPumpDown, At{44, 65}, kPicture),    // 10 pump D off
    icon(kPumpUpNight, At{13, 3}, kPicture),  // 11..20 the same by night
    icon(kPumpDownNight, At{13, 21}, kPicture),
    icon(kPumpUpNight, At{44, 3}, kPicture),
    icon(kPumpMiddleNight, At{44, 15}, kPicture),
    icon(kPumpDownNight, At{44, 21}, kPicture),
    icon(kPumpUpNight, At{13, 48}, kPicture),
    icon(kPumpMiddleNight, At{13, 59}, kPicture),
    icon(kPumpDownNight, At{13, 65}, kPicture),
    icon(kPumpUpNight, At{44, 48}, kPicture),
    icon(kPumpDownNight, At{44, 65}, kPicture),
    icon(4880, At{12, 96}, kPicture),   // 21 low level
    icon(13152, At{12, 96}, kPicture),  // 22 low level, alternate
    icon(4912, At{46, 96}, kPicture),   // 23 low pressure
    icon(13168, At{46, 96}, kPicture),  // 24 low pressure, alternate
};

constexpr auto kMouse = mouse_list(
    kNoHelp,
    area(37, 1, 27, 21, kCursorUp, kMouseLeft, switch_to<fuel, &FuelState::left_pump_a_switch, 1>),
    area(37, 22, 27, 21, kCursorDown, kMouseLeft,
         switch_to<fuel, &FuelState::left_pump_a_switch, 0>),
    area(6, 45, 27, 14, kCursorUp, kMouseLeft, switch_to<fuel, &FuelState::left_pump_b_switch, 1>),
    area(6, 59, 27, 14, kCursorHand, kMouseLeft,
         switch_to<fuel, &FuelState::left_pump_b_switch, 0>),
    area(6, 73, 27, 14, kCursorDown, kMouseLeft,
         switch_to<fuel, &FuelState::left_pump_b_switch, 2>),
    area(6, 1, 27, 21, kCursorUp, kMouseLeft, switch_to<fuel, &FuelState::left_pump_c_switch, 1>),
    area(6, 22, 27, 21, kCursorDown, kMouseLeft,
         switch_to<fuel, &FuelState::left_pump_c_switch, 0>),
    area(37, 45, 27, 21, kCursorUp, kMouseLeft, switch_to<fuel, &FuelState::left_pump_d_switch, 1>),
    area(37, 66, 27, 21, kCursorDown, kMouseLeft,
         switch_to<fuel, &FuelState::left_pump_d_switch, 0>));

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    run_pumps(kLeftFeed);
    draw_pump_panel(kLeftFeed, elements.index);
    // Both selectors are read here; the right panel works from these values.
    fuel.host_selector_1 = reduce_selector(var_int(Var::fuel_selector_1));
    fuel.host_selector_2 = reduce_selector(var_int(Var::fuel_selector_2));
    command_selector(kLeftFeed, wanted_selector(kLeftFeed, kRightFeed));
}

}  // namespace

GaugeHeader hdr_fuel_pumps_lh_vk =
    gauge_header(GaugeId::fuel_pumps_lh_vk, elements.list, kMouse.data(), update);

}  // namespace vk
