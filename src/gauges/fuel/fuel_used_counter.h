#pragma once
// The fuel-used counter, one per engine: five digit drums integrated from the
// host's fuel flow, and a reset button. Both counters are the same gauge on
// their own engine's description; each gauge file instantiates it with its
// counter and its header.
#include "frame/element.h"
#include "frame/gauge_parts.h"
#include "frame/mouse.h"
#include "frame/panel_display.h"
#include "gauges/fuel/fuel_sides.h"
#include "gauges/state.h"

namespace vk {

template <const UsedCounter& Counter, GaugeHeader& Header>
struct FuelUsedCounter {
    template <int K>
    static double VKCALL drum(ElementHeader*) {
        return fuel_used_drum(Counter, K);
    }

    static constexpr MovingImage digit(int32_t bitmap, int32_t x, ElementCallback value,
                                       uint32_t flags) {
        return moving_image(bitmap, At{x, 43}, unit_value, Range{0, 1}, value, Range{0, 10},
                            Travel{0, 160}, flags);
    }

    static constexpr uint32_t kNight = 0x3 | kHidden;

    static inline constinit Chain elements{
        &Header,
        image(13616),                            // 0 counter
        digit(14080, 14, drum<4>, 0x3),          // 1 ten-thousands
        digit(14080, 30, drum<3>, 0x3),          // 2 thousands
        digit(14080, 46, drum<2>, 0x3),          // 3 hundreds
        digit(14080, 62, drum<1>, 0x3),          // 4 tens
        digit(14080, 78, drum<0>, 0x3),          // 5 units
        icon(13696, At{48, 66}, 0x3),            // 6 reset button released
        icon(13664, At{48, 75}, 0x3 | kHidden),  // 7 reset button pressed
        icon(13632, At{}, kNight),               // 8 night overlay
        digit(14096, 14, drum<4>, kNight),       // 9..13 the drums by night
        digit(14096, 30, drum<3>, kNight),
        digit(14096, 46, drum<2>, kNight),
        digit(14096, 62, drum<1>, kNight),
        digit(14096, 78, drum<0>, kNight),
        icon(13824, At{48, 66}, kNight),  // 14 released, by night
        icon(13680, At{48, 75}, kNight),  // 15 pressed, by night
    };

    static int32_t VKCALL reset(const MousePoint*, uint32_t) {
        fuel.*Counter.reset = 1;
        fuel.*Counter.button_frames = 10;
        return 0;
    }

    static constexpr auto kMouse =
        mouse_list(kNoHelp, area(38, 65, 31, 31, kCursorHand, kMouseLeft, reset));

    static void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
        if (service != static_cast<int32_t>(Service::pre_update)) return;
        run_fuel_used(Counter);
        uint8_t& button_frames = fuel.*Counter.button_frames;
        const bool pressed = button_frames != 0;
        if (pressed) --button_frames;
        const bool night = panel.night_lighting;
        show_day_night(elements[6], elements[14], !pressed, night);
        show_day_night(elements[7], elements[15], pressed, night);
        for (int k = 8; k <= 13; ++k) show(elements[k], night);
    }
};

}  // namespace vk
