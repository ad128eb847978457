// The flight director control box: a five-position mode selector (off,
// reverse navigation, heading, navigation, approach) and the pitch reference
// knob. It only stores the two values the flight director reads.
#include <algorithm>

#include "frame/controls.h"
#include "frame/element.h"
#include "frame/gauge_parts.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "frame/panel_display.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr uint8_t kTopPosition = 4;
constexpr double kPitchLimit = 23.0;

constinit Chain elements{
    &hdr_fdsw_vkm,
    image(0x4360),                            // 0 background, by day
    icon(0x4370, At{}, 0x3 | kHidden),        // 1 background, at night
    icon(0x4410, At{53, 15}, 0x3),            // 2 selector at 0 (off), by day
    icon(0x4430, At{53, 15}, 0x3 | kHidden),  // 3 .. at 1, by day
    icon(0x4320, At{53, 15}, 0x3 | kHidden),  // 4 .. at 2, by day
    icon(0x4450, At{53, 15}, 0x3 | kHidden),  // 5 .. at 3, by day
    icon(0x4340, At{53, 15}, 0x3 | kHidden),  // 6 .. at 4, by day
    icon(0x4420, At{53, 15}, 0x3 | kHidden),  // 7 selector at 0, at night
    icon(0x4440, At{53, 15}, 0x3 | kHidden),  // 8 .. at 1, at night
    icon(0x4330, At{53, 15}, 0x3 | kHidden),  // 9 .. at 2, at night
    icon(0x4460, At{53, 15}, 0x3 | kHidden),  // 10 .. at 3, at night
    icon(0x4350, At{53, 15}, 0x3 | kHidden),  // 11 .. at 4, at night
};
constexpr int kDaySelector = 2;
constexpr int kNightSelector = 7;

template <uint8_t Position>
constexpr auto select = switch_to<ap, &ApState::fd_mode, Position>;

int32_t VKCALL step_down(const MousePoint*, uint32_t) {
    if (ap.fd_mode > 0) set_switch(ap.fd_mode, static_cast<uint8_t>(ap.fd_mode - 1));
    return 0;
}

int32_t VKCALL step_up(const MousePoint*, uint32_t) {
    if (ap.fd_mode < kTopPosition) set_switch(ap.fd_mode, static_cast<uint8_t>(ap.fd_mode + 1));
    return 0;
}

int32_t VKCALL pitch_down(const MousePoint*, uint32_t) {
    ap.fd_pitch_ref_deg = std::max(ap.fd_pitch_ref_deg - 1.0, -kPitchLimit);
    return 0;
}

int32_t VKCALL pitch_up(const MousePoint*, uint32_t) {
    ap.fd_pitch_ref_deg = std::min(ap.fd_pitch_ref_deg + 1.0, kPitchLimit);
    return 0;
}

constexpr auto kMouse =
    mouse_list(kNoHelp, area(42, 24, 18, 17, kCursorHand, kMouseLeft, select<0>),
               area(43, 7, 18, 17, kCursorHand, kMouseLeft, select<1>),
               area(61, 5, 18, 17, kCursorHand, kMouseLeft, select<2>),
               area(79, 3, 18, 17, kCursorHand, kMouseLeft, select<3>),
               area(98, 19, 18, 17, kCursorHand, kMouseLeft, select<4>),
               area(43, 41, 36, 26, kCursorDown, kMouseLeft, step_down),
               area(79, 41, 36, 26, kCursorUp, kMouseLeft, step_up),
               area(5, 0, 36, 30, kCursorDown, kMouseKnob, pitch_down),
               area(5, 30, 36, 30, kCursorUp, kMouseKnob, pitch_up));

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    const bool night = panel.night_lighting;
    show_day_night(elements[0], elements[1], true, night);
    for (int k = 0; k <= kTopPosition; ++k)
        show_day_night(elements[kDaySelector + k], elements[kNightSelector + k], ap.fd_mode == k,
                       night);
}

}  // namespace

GaugeHeader hdr_fdsw_vkm = gauge_header(GaugeId::fdsw_vkm, elements.list, kMouse.data(), update);

}  // namespace vk
