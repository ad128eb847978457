// The captain's airspeed indicator: main pointer and moving strip, a second
// pointer, the weight-dependent reference speeds on a digital display that a
// click shows or hides, and the take-off speed call-outs.
#include <cmath>

#include "frame/convert.h"
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/host.h"
#include "frame/meter.h"
#include "frame/mouse.h"
#include "gauges/state.h"
#include "sound/sound_set.h"

namespace vk {
namespace {

constexpr const char* kTotalWeight = "(A:TOTAL WEIGHT,kilogram)";

// ---------------------------------------------------------------- elements

double VKCALL strip(ElementHeader*) {
    const double rest = instr.ias_strip_rest;
    return rest > 99.999 ? 0.0 : 10.0 - rest / 10.0;
}
double VKCALL main_pointer(ElementHeader*) {
    return reading(instr.ias_shown_kt, 0.0, 400.0);
}
double VKCALL second_pointer(ElementHeader*) {
    return reading(instr.ias_second_kt, 0.0, 400.0);
}
double VKCALL hundreds(ElementHeader*) {
    return 1.0;  // every reference speed is shown as 1xy
}
template <int K>
double VKCALL digit(ElementHeader*) {
    return instr.speed_digits[K];
}

ScaleEntry kSpeed[] = {point(0, 103, 13),    point(25, 103, 13),  point(40, 128, 18),
                       point(50, 143, 24),   point(100, 185, 76), point(150, 180, 142),
                       point(200, 128, 185), point(250, 61, 180), point(300, 17, 120),
                       point(350, 25, 60),   point(400, 77, 18)};

constexpr At kCentre{103, 103};
constexpr Pivot kPointerPivot{4, 4};
constexpr int32_t kDigitPitch = 24;

constinit Chain elements{
    &hdr_ias_vk,
    image(0x1510),  // 0 dial
    moving_image(0x7900, At{69, 55}, strip, Range{0, 10}, nullptr, Range{},
                 Travel{200, 0}),                                    // 1 strip
    needle(0x1530, kCentre, kPointerPivot, kSpeed, main_pointer),    // 2 pointer
    needle(0x1520, kCentre, kPointerPivot, kSpeed, second_pointer),  // 3 second
    icon(0x7220, At{}, 0x3 | kHidden),                               // 4 night dial
    moving_image(0x7910, At{69, 55}, strip, Range{0, 10}, nullptr, Range{}, Travel{200, 0},
                 0x3 | kHidden),                                                    // 5 night strip
    needle(0x7240, kCentre, kPointerPivot, kSpeed, main_pointer, 0x3 | kHidden),    // 6 night
    needle(0x7230, kCentre, kPointerPivot, kSpeed, second_pointer, 0x3 | kHidden),  // 7 night
    icon(0x8210, At{69, 43}, 0x3 | kHidden),  // 8 legend of the rotation speed (on the ground)
    icon(0x8220, At{69, 43}, 0x3 | kHidden),  // 9 legend of the approach speed (in flight)
    digit_drum(0x1820, At{101, 11}, hundreds, kDigitPitch, 10, 0x3 | kHidden),  // 10 upper row
    digit_drum(0x1820, At{119, 11}, digit<0>, kDigitPitch, 10, 0x3 | kHidden),  // 11
    digit_drum(0x1820, At{137, 11}, digit<1>, kDigitPitch, 10, 0x3 | kHidden),  // 12
    digit_drum(0x1820, At{101, 43}, hundreds, kDigitPitch, 10, 0x3 | kHidden),  // 13 lower row
    digit_drum(0x1820, At{119, 43}, digit<2>, kDigitPitch, 10, 0x3 | kHidden),  // 14
    digit_drum(0x1820, At{137, 43}, digit<3>, kDigitPitch, 10, 0x3 | kHidden),  // 15
};
constexpr int kFirstNight = 4, kLastNight = 7;
constexpr int kGroundLegend = 8, kFlightLegend = 9, kFirstDigit = 10, kLastDigit = 15;

int32_t VKCALL toggle_display(const MousePoint*, uint32_t) {
    instr.speed_display_on = !instr.speed_display_on;
    return 0;
}

constexpr auto kMouse =
    mouse_list(kNoHelp, area(0, 0, 206, 206, kCursorHand, kMouseLeft, toggle_display));

// ---------------------------------------------------------------- logic

void pointer(FlightInstrState& s, double ias) {
    if (!(ias > 25.0)) {
        s.ias_shown_kt = 0.0;
        return;
    }
    s.ias_shown_kt = s.ias_shown_kt >= ias - 10.0 ? ias : s.ias_shown_kt + 10.0;
    s.ias_strip_rest = ias - 100.0 * std::trunc(s.ias_shown_kt / 100.0);
}

// Rotation and approach speeds from the weight and the flaps.
void reference_speeds(FlightInstrState& s, double weight_kg, double flaps, double airbrake) {
    const double base = (weight_kg / 1000.0 - 40.0) * 1.4375 + 116.5 + 3.0;
    s.vref_base_kt = base;
    if (flaps <= 4.0) {
        s.vr_kt = base + 15.0;
        s.vapp_kt = base + 15.0;
    } else if (flaps <= 9.0) {
        s.vr_kt = base + 9.0;
        s.vapp_kt = base + 15.0;
    } else if (flaps <= 19.0) {
        s.vr_kt = base + 5.0;
        s.vapp_kt = base + 10.0;
    } else if (flaps <= 29.0) {
        s.vr_kt = base + 5.0;
        s.vapp_kt = base + 4.0;
    } else if (flaps <= 34.0) {
        s.vr_kt = base + 5.0;
        s.vapp_kt = base + 2.0;
    } else if (flaps <= 39.0) {
        s.vr_kt = base + 5.0;
        s.vapp_kt = airbrake <= 1000.0 ? base : base + 5.0;
    } else {
        s.vr_kt = base + 5.0;
        s.vapp_kt = base - 5.0;
    }
    s.v1_kt = s.vr_kt - 10.0;
    s.vr_whole_kt = to_u32(s.vr_kt);
}

// Tens and units of a speed shown as "1xy". The speed is held within
// 100..199.99 first: light or heavy weights (or no weight at all) would put
// the digits outside 0..9.
void split(double kt, uint8_t& tens, uint8_t& units) {
    const double shown = reading(kt, 100.0, 199.99);
    tens = to_u8(shown / 10.0 - 10.0);
    units = to_u8(shown - (tens * 10.0 + 100.0));
}

void display(FlightInstrState& s, bool on_ground) {
    const bool on = s.speed_display_on;
    if (on) {
        split(s.vref_base_kt, s.speed_digits[0], s.speed_digits[1]);
        if (on_ground)
            split(s.vr_whole_kt, s.speed_digits[2], s.speed_digits[3]);
        else
            split(s.vapp_kt, s.speed_digits[2], s.speed_digits[3]);
    }
    show(elements[kGroundLegend], on && on_ground);
    show(elements[kFlightLegend], on && !on_ground);
    for (int k = kFirstDigit; k <= kLastDigit; ++k) show(elements[k], on);
}

// "80 knots", "V1" and "rotate", each once per take-off run: armed on the
// ground with a throttle lever at 0.8 or more, re-armed when the aircraft
// leaves the ground or both levers come back.
void callouts(FlightInstrState& s, bool on_ground, double ias) {
    const bool take_off_power = var(Var::throttle_1) >= 0.8 || var(Var::throttle_2) >= 0.8;
    if (!on_ground || !take_off_power) {
        s.callout_80_done = s.callout_v1_done = s.callout_vr_done = 0;
        return;
    }
    if (!s.callout_80_done && ias >= 80.0) {
        play(Sound::v80kts);
        s.callout_80_done = 1;
    }
    if (!s.callout_v1_done && ias >= s.v1_kt) {
        play(Sound::v1kts);
        s.callout_v1_done = 1;
    }
    if (!s.callout_vr_done && ias >= s.vr_whole_kt) {
        play(Sound::vrkts);
        s.callout_vr_done = 1;
    }
}

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    FlightInstrState& s = instr;
    const double ias = var(Var::indicated_airspeed);
    pointer(s, ias);
    s.ias_second_kt = var(Var::airspeed_second_pointer) / 128.0;
    reference_speeds(s, evaluate(kTotalWeight), var(Var::flap_angle_left), var(Var::airbrake_left));
    const bool on_ground = var(Var::on_ground) == 1.0;
    display(s, on_ground);
    callouts(s, on_ground, ias);
    for (int k = kFirstNight; k <= kLastNight; ++k) show(elements[k], panel.night_lighting);
}

}  // namespace

GaugeHeader hdr_ias_vk = gauge_header(GaugeId::ias_vk, elements.list, kMouse.data(), update);

}  // namespace vk
