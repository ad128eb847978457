// The main altimeter: a pointer turning once per 1000 ft, counter drums for
// the altitude, the setting counters in inHg and hPa, its three flags, and
// the setting knob that sets the host's altimeter setting. It runs on AC bus 2
// and freezes without it.
#include <cmath>

#include "frame/controls.h"
#include "frame/convert.h"
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/host.h"
#include "frame/meter.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

// ---------------------------------------------------------------- elements

double VKCALL pointer(ElementHeader*) {
    return reading(instr.alt_needle, 0.0, 100.0);
}
template <int K>
double VKCALL altitude_drum(ElementHeader*) {
    return instr.alt_drum[K];
}
template <int K>
double VKCALL inhg_drum(ElementHeader*) {
    return instr.baro_inhg_digits[K];
}
template <int K>
double VKCALL hpa_drum(ElementHeader*) {
    return instr.baro_hpa_digits[K];
}

ScaleEntry kTurn[] = {point(0, 90, 20), point(25, 160, 90), point(50, 90, 160), point(75, 20, 90),
                      point(100, 90, 20)};

constexpr int32_t kAltitudePitch = 20;
constexpr int32_t kSettingPitch = 14;

constinit Chain elements{
    &hdr_alti_main_vk,
    image(0x1970),                                                      // 0 dial
    digit_drum(0x2000, At{119, 67}, altitude_drum<0>, kAltitudePitch),  // 1 tens and units
    digit_drum(0x1980, At{98, 67}, altitude_drum<1>, kAltitudePitch),   // 2 hundreds
    digit_drum(0x1980, At{64, 67}, altitude_drum<2>, kAltitudePitch),   // 3 thousands
    digit_drum(0x1980, At{43, 67}, altitude_drum<3>, kAltitudePitch),   // 4 ten thousands
    digit_drum(0x2010, At{67, 39}, inhg_drum<3>, kSettingPitch),        // 5 inHg, thousands
    digit_drum(0x2010, At{79, 39}, inhg_drum<2>, kSettingPitch),        // 6
    digit_drum(0x2010, At{91, 39}, inhg_drum<1>, kSettingPitch),        // 7
    digit_drum(0x2010, At{103, 39}, inhg_drum<0>, kSettingPitch),       // 8 inHg, units
    digit_drum(0x2010, At{67, 126}, hpa_drum<3>, kSettingPitch),        // 9 hPa, thousands
    digit_drum(0x2010, At{79, 126}, hpa_drum<2>, kSettingPitch),        // 10
    digit_drum(0x2010, At{91, 126}, hpa_drum<1>, kSettingPitch),        // 11
    digit_drum(0x2010, At{103, 126}, hpa_drum<0>, kSettingPitch),       // 12 hPa, units
    icon(0x2020, At{43, 67}, 0x3 | kHidden),                            // 13 below 10000 ft
    icon(0x2030, At{43, 67}, 0x3 | kHidden),                            // 14 negative
    icon(0x2040, At{67, 39}, 0x3 | kHidden),                            // 15 failure
    needle(0x2050, At{90, 90}, Pivot{4, 4}, kTurn, pointer),            // 16 pointer
};
constexpr int kLowFlag = 13, kNegativeFlag = 14, kFailureFlag = 15;

// ---------------------------------------------------------------- setting knob

// Sends the host setting moved by `Sixteenths` of a hPa, while the setting
// lies on the allowed side of `Limit` (hPa) and the instrument has power.
template <int Sixteenths, int Limit>
int32_t VKCALL turn_knob(const MousePoint*, uint32_t) {
    if (!elec.ac_bus2_powered) return 0;
    const double hpa = var(Var::altimeter_setting_hpa);
    const bool allowed = Sixteenths < 0 ? hpa > Limit : hpa < Limit;
    if (allowed) send_key(Key::altimeter_setting_set, to_i32(hpa * 16.0 + Sixteenths));
    return 0;
}

constexpr auto kMouse =
    mouse_list(kNoHelp, area(0, 137, 16, 22, kCursorDown, kMouseKnob, turn_knob<-1, 739>),
               area(16, 137, 16, 22, kCursorUp, kMouseKnob, turn_knob<1, 1053>),
               area(0, 159, 16, 22, kCursorDown, kMouseKnob, turn_knob<-10, 749>),
               area(16, 159, 16, 22, kCursorUp, kMouseKnob, turn_knob<10, 1043>));

// ---------------------------------------------------------------- logic

// The altitude the counter shows: below 0 ft it counts on from the thousand
// below (with the negative flag), the thousands drum standing still.
double counter_altitude(double a) {
    if (a >= 1.0) return a;
    if (a > -1000.0 && a <= -1.0) return a + 1000.0;
    if (a > -2000.0 && a <= -1000.0) return a + 3000.0;
    return 0.0;
}

// The drum strips run from 10 down to 0 as the digit rises, so each drum
// stands at 10 less the odometer position of its digit, counted in tens of
// feet: the tens-and-units drum turns continuously and each higher drum rolls
// on to the next digit with the last ten feet of the drums below it. The
// thousands drum stands still below 0 ft.
void altitude_drums(FlightInstrState& s, double counter, bool thousands_live) {
    double positions[4];
    odometer(counter / 10.0, positions, 4);
    const double units = 10.0 - positions[0];
    s.alt_drum[0] = units > 9.999 ? 0.0 : units;
    for (int k = 1; k < 4; ++k) {
        if (k == 2 && !thousands_live) continue;
        const double drum = 10.0 - positions[k];
        s.alt_drum[k] = drum >= 10.0 ? drum - 10.0 : drum;
    }
}

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    FlightInstrState& s = instr;
    if (!elec.ac_bus2_powered) {
        show(elements[kFailureFlag], true);  // everything else stands still
        return;
    }
    const double a = var(Var::altitude);
    // One turn per 1000 ft; below 0 ft the pointer goes on round the dial the
    // other way instead of sticking at the 0 end of its scale.
    const double needle = a / 10.0 - 100.0 * std::trunc(a / 1000.0);
    s.alt_needle = needle < 0.0 ? needle + 100.0 : needle;
    s.alt_disp_ft = counter_altitude(a);
    altitude_drums(s, s.alt_disp_ft, a >= 0.0);
    odometer(var(Var::altimeter_setting_inhg) * 100.0, s.baro_inhg_digits, 4);
    odometer(var(Var::altimeter_setting_hpa), s.baro_hpa_digits, 4);

    const bool failed = var(Var::altimeter_failed) == 1.0;
    show(elements[kFailureFlag], failed);
    if (!failed) {
        show(elements[kLowFlag], a > -1.0 && a < 10000.0);
        show(elements[kNegativeFlag], a <= -1.0);
    }
}

}  // namespace

GaugeHeader hdr_alti_main_vk =
    gauge_header(GaugeId::alti_main_vk, elements.list, kMouse.data(), update);

}  // namespace vk
