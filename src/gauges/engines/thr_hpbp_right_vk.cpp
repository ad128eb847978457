// Engine 2's throttle with its HP and BP fuel levers, the mirror image of
// engine 1's without the start panel switches.
#include "frame/bitmaps.h"
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
    return eng.right_lever_position;
}

constexpr Range kAcross{0, 1};
constexpr Range kLeverTravel{0, static_cast<float>(kLeverClosed)};
constexpr Travel kPixels{0, 154};

constexpr MovingImage throttle(int32_t bitmap, uint32_t flags) {
    return moving_image(bitmap, At{2, 64}, unit_value, kAcross, lever, kLeverTravel, kPixels,
                        flags);
}

constexpr uint32_t kHiddenPicture = 0x3 | kHidden;

constinit Chain elements{
    &hdr_thr_hpbp_right_vk,
    image(own_background(GaugeId::thr_hpbp_right_vk)),  // 0 pedestal
    throttle(14592, 0x3),                               // 1..5 throttle lever
    throttle(14624, 0x3),
    throttle(14656, 0x3),
    throttle(14688, 0x3),
    throttle(14720, 0x3),
    throttle(14608, kHiddenPicture),  // 6..10 the same by night
    throttle(14640, kHiddenPicture),
    throttle(14672, kHiddenPicture),
    throttle(14704, kHiddenPicture),
    throttle(16384, kHiddenPicture),
    icon(16400, At{44, 234}, kHiddenPicture),  // 11 BP lever closed
    icon(16432, At{45, 0}, 0x3),               // 12 BP lever open
    icon(16416, At{44, 234}, kHiddenPicture),  // 13 BP lever closed, by night
    icon(16448, At{45, 0}, kHiddenPicture),    // 14 BP lever open, by night
};

using Clicks = LeverClicks<kRightLevers>;

constexpr auto kMouse =
    mouse_list(kNoHelp, area(0, 64, 50, 86, kCursorUp, kMouseKnob, Clicks::forward),
               area(0, 150, 50, 86, kCursorDown, kMouseKnob, Clicks::back),
               area(0, 236, 50, 37, kCursorUp, kMouseLeft, Clicks::hp_up),
               area(0, 273, 50, 37, kCursorDown, kMouseLeft, Clicks::hp_down),
               area(50, 236, 55, 51, kCursorHand, kMouseLeft, Clicks::bp_up),
               area(45, 0, 55, 51, kCursorHand, kMouseLeft, Clicks::bp_down));

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    run_levers(kRightLevers);

    const bool night = panel.night_lighting;
    for (int k = 1; k <= 5; ++k) show_day_night(elements[k], elements[k + 5], true, night);
    show_day_night(elements[11], elements[13], !eng.right_bp_lever_open, night);
    show_day_night(elements[12], elements[14], eng.right_bp_lever_open, night);
}

}  // namespace

GaugeHeader hdr_thr_hpbp_right_vk =
    gauge_header(GaugeId::thr_hpbp_right_vk, elements.list, kMouse.data(), update);

}  // namespace vk
