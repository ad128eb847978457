// The airspeed repeater: the two airspeed pointers of the main indicator on
// its own dial, and two speed markers that the crew sets by hand.
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/meter.h"
#include "frame/mouse.h"
#include "frame/panel_display.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr uint32_t kMarkerTop = 90;
constexpr uint32_t kMarkerGap = 3;

double VKCALL second_pointer(ElementHeader*) {
    return reading(instr.ias_second_kt, 0.0, 500.0);
}
double VKCALL main_pointer(ElementHeader*) {
    return reading(instr.ias_shown_kt, 0.0, 90.0);
}
double VKCALL high_marker(ElementHeader*) {
    return instr.marker_high;
}
double VKCALL low_marker(ElementHeader*) {
    return instr.marker_low;
}

// The second pointer turns over the upper half of the dial; the main pointer
// and the markers go round it.
ScaleEntry kHalfDial[] = {point(0, 23, 103), point(125, 46, 46), point(250, 103, 23),
                          point(375, 160, 46), point(500, 183, 103)};
ScaleEntry kFullDial[] = {point(0, 103, 23),   point(15, 172, 63), point(30, 172, 143),
                          point(45, 103, 183), point(60, 34, 143), point(75, 34, 63),
                          point(90, 103, 23)};

constexpr At kCentre{103, 103};
constexpr Pivot kPivot{4, 4};

constinit Chain elements{
    &hdr_iasmini_vk,
    image(0x1510),                                                              // 0 dial
    needle(0x1520, kCentre, kPivot, kHalfDial, second_pointer),                 // 1 second
    needle(0x1530, kCentre, kPivot, kFullDial, main_pointer),                   // 2 airspeed
    needle(0x1540, kCentre, kPivot, kFullDial, high_marker),                    // 3 high marker
    needle(0x1540, kCentre, kPivot, kFullDial, low_marker),                     // 4 low marker
    icon(0x7220, At{}, 0x3 | kHidden),                                          // 5 night dial
    needle(0x7230, kCentre, kPivot, kHalfDial, second_pointer, 0x3 | kHidden),  // 6 night ..
    needle(0x7240, kCentre, kPivot, kFullDial, main_pointer, 0x3 | kHidden),    // 7
    needle(0x7250, kCentre, kPivot, kFullDial, high_marker, 0x3 | kHidden),     // 8
    needle(0x7250, kCentre, kPivot, kFullDial, low_marker, 0x3 | kHidden),      // 9
};
constexpr int kDayPointers = 1, kNightDial = 5, kPointerCount = 4;

// The markers stay at least three units apart: each pushes the other along
// when it comes too close.
int32_t VKCALL low_down(const MousePoint*, uint32_t) {
    if (instr.marker_low > 0) --instr.marker_low;
    return 0;
}
int32_t VKCALL low_up(const MousePoint*, uint32_t) {
    FlightInstrState& s = instr;
    if (s.marker_low < kMarkerTop - kMarkerGap) ++s.marker_low;
    if (s.marker_high < s.marker_low + kMarkerGap) s.marker_high = s.marker_low + kMarkerGap;
    return 0;
}
int32_t VKCALL high_down(const MousePoint*, uint32_t) {
    FlightInstrState& s = instr;
    if (s.marker_high < kMarkerGap + 1)
        s.marker_high = kMarkerGap;
    else
        --s.marker_high;
    if (s.marker_low > s.marker_high - kMarkerGap) s.marker_low = s.marker_high - kMarkerGap;
    return 0;
}
int32_t VKCALL high_up(const MousePoint*, uint32_t) {
    if (instr.marker_high < kMarkerTop) ++instr.marker_high;
    return 0;
}

constexpr auto kMouse = mouse_list(kNoHelp, area(0, 0, 25, 43, kCursorDown, kMouseKnob, low_down),
                                   area(25, 0, 25, 43, kCursorUp, kMouseKnob, low_up),
                                   area(156, 0, 25, 43, kCursorDown, kMouseKnob, high_down),
                                   area(181, 0, 25, 43, kCursorUp, kMouseKnob, high_up));

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    const bool night = panel.night_lighting;
    show(elements[kNightDial], night);
    for (int k = 0; k < kPointerCount; ++k)
        show_day_night(elements[kDayPointers + k], elements[kNightDial + 1 + k], true, night);
}

}  // namespace

GaugeHeader hdr_iasmini_vk =
    gauge_header(GaugeId::iasmini_vk, elements.list, kMouse.data(), update);

}  // namespace vk
