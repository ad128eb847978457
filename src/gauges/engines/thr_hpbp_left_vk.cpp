// Engine 1's throttle with its HP and BP fuel levers, on the pedestal. The
// throttle is the host's: the lever is drawn where the host throttle stands
// and moved with key events. The two fuel levers are the module's own; the
// host engine has fuel exactly while both are open. This gauge also draws the
// start selector and start master switch of the start panel.
#include "frame/element.h"
#include "frame/gauge_parts.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "frame/panel_display.h"
#include "gauges/engines/engine_sides.h"
#include "gauges/state.h"

namespace vk {
namespace {

double VKCALL lever(ElementHeader*) {
    return eng.left_lever_position;
}

constexpr Range kAcross{0, 1};
constexpr Range kLeverTravel{0, static_cast<float>(kLeverClosed)};
constexpr Travel kPixels{0, 154};

constexpr MovingImage throttle(int32_t bitmap, uint32_t flags) {
    return moving_image(bitmap, At{52, 64}, unit_value, kAcross, lever, kLeverTravel, kPixels,
                        flags);
}

constexpr uint32_t kHiddenPicture = 0x3 | kHidden;

constinit Chain elements{
    &hdr_thr_hpbp_left_vk,
    image(14128),          // 0 pedestal
    throttle(14144, 0x3),  // 1..5 throttle lever
    throttle(14176, 0x3),
    throttle(14208, 0x3),
    throttle(14352, 0x3),
    throttle(14384, 0x3),
    throttle(14160, kHiddenPicture),  // 6..10 the same by night
    throttle(14192, kHiddenPicture),
    throttle(14336, kHiddenPicture),
    throttle(14368, kHiddenPicture),
    throttle(14400, kHiddenPicture),
    icon(14416, At{0, 234}, kHiddenPicture),  // 11 BP lever closed
    icon(14448, At{0, 0}, 0x3),               // 12 BP lever open
    icon(14432, At{0, 234}, kHiddenPicture),  // 13 BP lever closed, by night
    icon(14464, At{0, 0}, kHiddenPicture),    // 14 BP lever open, by night
    icon(30512, At{57, 51}, kHiddenPicture),  // 15 start selector on engine 1
    icon(30528, At{68, 51}, kHiddenPicture),  // 16 start selector on engine 2
    icon(12832, At{64, 49}, 0x3),             // 17 start selector centred
    icon(26640, At{57, 51}, kHiddenPicture),  // 18..20 the same by night
    icon(26656, At{68, 51}, kHiddenPicture),
    icon(26624, At{64, 49}, kHiddenPicture),
    icon(12832, At{47, 91}, kHiddenPicture),   // 21 start master on
    icon(4976, At{47, 106}, 0x3),              // 22 start master off
    icon(26624, At{47, 91}, kHiddenPicture),   // 23 start master on, by night
    icon(26496, At{47, 106}, kHiddenPicture),  // 24 start master off, by night
};

using Clicks = LeverClicks<kLeftLevers>;

constexpr auto kMouse =
    mouse_list(kNoHelp, area(50, 64, 50, 86, kCursorUp, kMouseKnob, Clicks::forward),
               area(50, 150, 50, 86, kCursorDown, kMouseKnob, Clicks::back),
               area(50, 236, 50, 37, kCursorUp, kMouseLeft, Clicks::hp_up),
               area(50, 273, 50, 37, kCursorDown, kMouseLeft, Clicks::hp_down),
               area(0, 236, 55, 51, kCursorHand, kMouseLeft, Clicks::bp_up),
               area(0, 0, 55, 51, kCursorHand, kMouseLeft, Clicks::bp_down));

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    run_levers(kLeftLevers);

    const bool night = panel.night_lighting;
    for (int k = 1; k <= 5; ++k) show_day_night(elements[k], elements[k + 5], true, night);
    show_day_night(elements[11], elements[13], !eng.left_bp_lever_open, night);
    show_day_night(elements[12], elements[14], eng.left_bp_lever_open, night);
    const uint8_t selector = eng.start_selector;
    show_day_night(elements[15], elements[18], selector == 1, night);
    show_day_night(elements[16], elements[19], selector == 2, night);
    show_day_night(elements[17], elements[20], selector != 1 && selector != 2, night);
    show_day_night(elements[21], elements[23], eng.start_master, night);
    show_day_night(elements[22], elements[24], !eng.start_master, night);
}

}  // namespace

GaugeHeader hdr_thr_hpbp_left_vk =
    gauge_header(GaugeId::thr_hpbp_left_vk, elements.list, kMouse.data(), update);

}  // namespace vk
