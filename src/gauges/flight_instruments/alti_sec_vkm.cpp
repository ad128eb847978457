// The standby altimeter: hundreds and thousands pointers and a setting scale
// of its own. Its setting is taken from the host's once, on its first frame,
// and from then on changed only by its knob, which also opens the setting
// window for a while.
#include <cmath>

#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/host.h"
#include "frame/meter.h"
#include "frame/mouse.h"
#include "frame/numbers.h"
#include "frame/panel_display.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr double kLowest = 950.0, kHighest = 1050.0, kKnobStep = 0.5;
constexpr double kFeetPerHpa = 29.52;
constexpr double kWindowTicks = 100.0;

// The shown altitude within one turn of a pointer, never negative.
double within_turn(double feet, double turn) {
    const double v = std::fmod(finite_or(feet, 0.0), turn);
    return v < 0.0 ? v + turn : v;
}

double VKCALL hundreds(ElementHeader*) {
    return within_turn(instr.stby_alt_ft, 1000.0);
}
double VKCALL thousands(ElementHeader*) {
    return within_turn(instr.stby_alt_ft, 10000.0);
}
double VKCALL setting_scale(ElementHeader*) {
    return instr.stby_baro_hpa * 3.0 - 2850.0;
}

ScaleEntry kHundreds[] = {point(0, 154, 44), point(250, 264, 154), point(500, 154, 264),
                          point(750, 44, 154), point(1000, 154, 44)};
ScaleEntry kThousands[] = {point(0, 154, 64), point(2500, 244, 154), point(5000, 154, 244),
                           point(7500, 64, 154), point(10000, 154, 64)};

constexpr At kCentre{154, 154};
constexpr Pivot kSetting{154, 154};

constexpr Sprite scale_sprite(int32_t bitmap, uint32_t flags) {
    return sprite(bitmap, At{}, nullptr, nullptr, setting_scale, SpriteScale{}, kSetting, 1.0f,
                  flags);
}
constexpr Sprite window_sprite(int32_t bitmap) {
    return sprite(bitmap, At{}, nullptr, nullptr, nullptr, SpriteScale{}, kSetting, 1.0f,
                  0x3 | kHidden);
}

constinit Chain elements{
    &hdr_alti_sec_vkm,
    image(0x4680),                                                               // 0 dial
    scale_sprite(0x4800, 0x3),                                                   // 1 setting scale
    window_sprite(0x4820),                                                       // 2 window
    needle(0x4860, kCentre, Pivot{4, 4}, kThousands, thousands),                 // 3 thousands
    needle(0x4840, kCentre, Pivot{4, 4}, kHundreds, hundreds),                   // 4 hundreds
    icon(0x4700, At{}, 0x3 | kHidden),                                           // 5 night dial
    scale_sprite(0x4810, 0x3 | kHidden),                                         // 6 night ..
    window_sprite(0x4830),                                                       // 7
    needle(0x4870, kCentre, Pivot{4, 4}, kThousands, thousands, 0x3 | kHidden),  // 8
    needle(0x4850, kCentre, Pivot{4, 4}, kHundreds, hundreds, 0x3 | kHidden),    // 9
};
// Elements 5 to 9 are the night copies of elements 0 to 4.
constexpr int kDayWindow = 2, kNightDial = 5;

template <int Direction>
int32_t VKCALL turn_knob(const MousePoint*, uint32_t) {
    FlightInstrState& s = instr;
    s.stby_baro_hpa = reading(s.stby_baro_hpa + Direction * kKnobStep, kLowest, kHighest);
    s.stby_window_shown = 1;
    s.stby_window_tick = var(Var::tick_counter);
    return 0;
}

constexpr auto kMouse =
    mouse_list(kNoHelp, area(208, 211, 40, 80, kCursorDown, kMouseKnob, turn_knob<-1>),
               area(248, 211, 40, 80, kCursorUp, kMouseKnob, turn_knob<1>));

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    FlightInstrState& s = instr;
    const double host_setting = var(Var::altimeter_setting_hpa);
    if (!s.stby_baro_captured) {
        s.stby_baro_hpa = reading(host_setting, kLowest, kHighest);
        s.stby_baro_captured = 1;
    }
    s.stby_alt_ft = var(Var::altitude) - (host_setting - s.stby_baro_hpa) * kFeetPerHpa;
    if (s.stby_window_shown && var(Var::tick_counter) >= s.stby_window_tick + kWindowTicks)
        s.stby_window_shown = 0;

    const bool night = panel.night_lighting;
    for (int k = 0; k < kNightDial; ++k)
        show_day_night(elements[k], elements[kNightDial + k],
                       k == kDayWindow ? s.stby_window_shown != 0 : true, night);
}

}  // namespace

GaugeHeader hdr_alti_sec_vkm =
    gauge_header(GaugeId::alti_sec_vkm, elements.list, kMouse.data(), update);

}  // namespace vk
