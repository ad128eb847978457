// Converter panel: the main converter selector (off, converter 1, converter
// 2), the converter 2 switch and the standby converter selector (off,
// automatic, on). Its callback runs the static converters that supply the AC
// instrument buses from the DC generators.
#include "frame/controls.h"
#include "frame/element.h"
#include "frame/gauge_parts.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "frame/panel_display.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr uint32_t kPicture = 0x3 | kHidden;

// Each switch picture has a night copy ten elements further on.
constexpr int kNight = 10;
constexpr int kStbyAt1 = 1, kStbyAt0 = 2, kStbyAt2 = 3;
constexpr int kMainAt1 = 4, kMainAt0 = 5, kMainAt2 = 6;
constexpr int kConv2On = 7, kConv2Off = 8;
constexpr int kStbyLamp = 9;
constexpr int kNightOverlay = 10;
constexpr int kFaultLamp = 20;

constinit Chain elements{
    &hdr_elec_conv_vk,
    image(4944, At{}, 0x1),                  // 0 background
    icon(12832, At{21, 22}, kPicture),       // 1 standby selector at 1 (automatic)
    icon(4976, At{21, 33}, kPicture),        // 2 standby selector at 0
    icon(12816, At{21, 40}, kPicture),       // 3 standby selector at 2 (on)
    icon(5152, At{100, 60}, kPicture),       // 4 main selector at 1
    icon(4976, At{110, 58}, kPicture),       // 5 main selector at 0
    icon(5184, At{113, 60}, kPicture),       // 6 main selector at 2
    icon(5216, At{155, 14}, kPicture),       // 7 converter 2 switch on
    icon(5120, At{155, 30}, kPicture),       // 8 converter 2 switch off
    icon(5248, At{53, 26}, kPicture),        // 9 standby converter lamp
    icon(4960, At{0, 0}, kPicture),          // 10 night overlay
    icon(5232, At{21, 22}, kPicture),        // 11 night copy of 1
    icon(4992, At{21, 33}, kPicture),        // 12 night copy of 2
    icon(5136, At{21, 40}, kPicture),        // 13 night copy of 3
    icon(5168, At{100, 60}, kPicture),       // 14 night copy of 4
    icon(4992, At{110, 58}, kPicture),       // 15 night copy of 5
    icon(5200, At{113, 60}, kPicture),       // 16 night copy of 6
    icon(5232, At{155, 14}, kPicture),       // 17 night copy of 7
    icon(5136, At{155, 30}, kPicture),       // 18 night copy of 8
    icon(5376, At{53, 26}, kPicture),        // 19 night copy of 9
    icon(4912, At{111, 24}, 0x7 | kHidden),  // 20 converter fault lamp
};

constexpr auto kMouse = mouse_list(
    kNoHelp,
    area(8, 14, 38, 17, kCursorUp, kMouseLeft, switch_to<elec, &ElecState::stby_conv_selector, 1>),
    area(8, 31, 38, 17, kCursorDown, kMouseLeft,
         switch_to<elec, &ElecState::stby_conv_selector, 0>),
    area(8, 48, 38, 17, kCursorHand, kMouseLeft,
         switch_to<elec, &ElecState::stby_conv_selector, 2>),
    area(91, 44, 17, 38, kCursorUp, kMouseLeft, switch_to<elec, &ElecState::conv_selector, 1>),
    area(108, 44, 17, 38, kCursorDown, kMouseLeft, switch_to<elec, &ElecState::conv_selector, 0>),
    area(125, 44, 17, 38, kCursorUp, kMouseLeft, switch_to<elec, &ElecState::conv_selector, 2>),
    area(145, 14, 33, 18, kCursorUp, kMouseLeft, switch_to<elec, &ElecState::conv2_switch, 1>),
    area(145, 32, 33, 18, kCursorDown, kMouseLeft, switch_to<elec, &ElecState::conv2_switch, 0>));

void run_converters() {
    ElecState& e = elec;
    const uint8_t supply = e.gen_supply_on ? 1 : 0;
    const uint8_t conv2_running = e.conv2_switch == 1 ? supply : 0;
    switch (e.conv_selector) {
        case 1:
            e.conv1_on = supply;
            e.conv2_state = conv2_running;
            break;
        case 2:
            e.conv1_on = 0;
            e.conv2_state = supply ? 2 : 0;
            break;
        default:
            e.conv1_on = 0;
            e.conv2_state = conv2_running;
            break;
    }

    // The automatic standby converter is a latch: it engages when the
    // selected main converter stops delivering and lets go only when a main
    // converter delivers again.
    switch (e.stby_conv_selector) {
        case 1:
            if (!e.ess_bus_powered) {
                e.stby_conv_state = 0;
            } else if ((e.conv_selector == 1 && !e.conv1_on) ||
                       (e.conv_selector == 2 && e.conv2_state == 0)) {
                e.stby_conv_state = 1;
            } else if (e.conv1_on || e.conv2_state == 2) {
                e.stby_conv_state = 0;
            }
            break;
        case 2:
            e.stby_conv_state = e.ess_bus_powered ? 2 : 0;
            break;
        default:
            e.stby_conv_state = 0;
            break;
    }

    // Converter 2 running on its own switch (state 1) feeds nothing.
    const uint8_t main_output = e.conv1_on || e.conv2_state == 2;
    e.ac_conv_out_a = main_output;
    e.ac_conv_out_b = main_output;
    e.ac_bus1_powered = main_output || e.stby_conv_state != 0;
    e.ac_bus2_powered = e.ac_bus1_powered;
    e.instrument_ac_powered = e.ac_conv_out_a;
}

bool converter_fault() {
    const ElecState& e = elec;
    if (!e.ess_bus_powered) return false;
    if (e.conv_selector == 1) return !e.conv1_on;
    if (e.conv_selector == 2) return e.conv2_state == 0;
    return !e.conv1_on && e.conv2_state == 0 && !e.gen_supply_on;
}

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    run_converters();

    const bool night = panel.night_lighting;
    auto picture = [&](int day, bool visible) {
        show_day_night(elements[day], elements[day + kNight], visible, night);
    };
    picture(kStbyAt1, elec.stby_conv_selector == 1);
    picture(kStbyAt0, elec.stby_conv_selector == 0);
    picture(kStbyAt2, elec.stby_conv_selector == 2);
    picture(kMainAt1, elec.conv_selector == 1);
    picture(kMainAt0, elec.conv_selector == 0);
    picture(kMainAt2, elec.conv_selector == 2);
    picture(kConv2On, elec.conv2_switch == 1);
    picture(kConv2Off, elec.conv2_switch != 1);
    picture(kStbyLamp, elec.stby_conv_state != 0 && elec.ess_bus_powered);
    show(elements[kNightOverlay], night);
    show(elements[kFaultLamp], converter_fault());
}

}  // namespace

GaugeHeader hdr_elec_conv_vk =
    gauge_header(GaugeId::elec_conv_vk, elements.list, kMouse.data(), update);

}  // namespace vk
