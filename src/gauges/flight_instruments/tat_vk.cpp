// The total air temperature indicator, whose second face repeats the flap
// position: the face comes up by itself when the flaps reach a setting, goes
// when they are back at 0, and a click on the gauge toggles it.
#include <cmath>

#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/host.h"
#include "frame/meter.h"
#include "frame/mouse.h"
#include "frame/panel_display.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr double kTempStep = 0.05;

double VKCALL temperature(ElementHeader*) {
    return instr.tat_shown_c;
}
double VKCALL left_flap(ElementHeader*) {
    return reading(instr.flap_left_deg, 0.0, 35.0);
}
double VKCALL right_flap(ElementHeader*) {
    return reading(instr.flap_right_deg, 0.0, 35.0);
}

ScaleEntry kCelsius[] = {point(-70, 44, 136), point(-60, 30, 115), point(-40, 30, 65),
                         point(-20, 65, 30),  point(0, 115, 30),   point(20, 150, 65),
                         point(40, 150, 115), point(50, 136, 136)};
// The left flap pointer sweeps down the left half of the face, the right one
// down the right half.
ScaleEntry kLeftFlap[] = {point(0, 90, 30), point(5, 68, 34), point(10, 49, 46), point(20, 30, 86),
                          point(35, 60, 142)};
ScaleEntry kRightFlap[] = {point(0, 90, 30), point(5, 112, 34), point(10, 131, 46),
                           point(20, 150, 86), point(35, 120, 142)};

constexpr At kCentre{90, 90};
constexpr Pivot kPivot{4, 4};
constexpr uint32_t kNight = 0x3 | kHidden;

constinit Chain elements{
    &hdr_tat_vk,
    image(0x2860),                                                           // 0 temperature dial
    needle(0x2840, kCentre, kPivot, kCelsius, temperature),                  // 1 pointer
    icon(0x2870, At{}, kNight),                                              // 2 night dial
    needle(0x2850, kCentre, kPivot, kCelsius, temperature, kNight),          // 3 night pointer
    icon(0x2540, At{}, 0x3 | kHidden),                                       // 4 flap face
    needle(0x2520, kCentre, kPivot, kRightFlap, right_flap, 0x3 | kHidden),  // 5 right flap
    needle(0x2500, kCentre, kPivot, kLeftFlap, left_flap, 0x3 | kHidden),    // 6 left flap
    icon(0x2550, At{}, kNight),                                              // 7 night flap face
    needle(0x2530, kCentre, kPivot, kRightFlap, right_flap, kNight),         // 8
    needle(0x2510, kCentre, kPivot, kLeftFlap, left_flap, kNight),           // 9
};
constexpr int kFlapFace = 4, kNightFlapFace = 7;

int32_t VKCALL toggle_face(const MousePoint*, uint32_t) {
    instr.flap_face_shown = !instr.flap_face_shown;
    return 0;
}

constexpr auto kMouse =
    mouse_list(kNoHelp, area(0, 0, 181, 181, kCursorHand, kMouseLeft, toggle_face));

// The pointer creeps towards the probe's temperature with the battery bus,
// and back to 0 without it.
void temperature_frame(FlightInstrState& s) {
    const double target = elec.bat_bus_powered ? var(Var::total_air_temp) * 256.0 : 0.0;
    double& shown = s.tat_shown_c;
    if (std::isfinite(target)) {
        if (std::fabs(shown - target) <= 1.0)
            shown = target;
        else
            shown += target > shown ? kTempStep : -kTempStep;
    }
    shown = reading(shown, -70.0, 50.0);
}

bool near(double flaps, double setting) {
    return flaps >= setting - 0.1 && flaps <= setting + 0.1;
}

void flap_frame(FlightInstrState& s) {
    const double left = var(Var::flap_angle_left);
    // The pointers follow the flaps on instrument AC; after a green circuit
    // loss with the emergency lever's guard open, only while the emergency
    // lever drives the flaps on red pressure.
    bool follow = elec.instrument_ac_powered;
    if (hyd.green_pressure <= 1750 && hyd.emerg_flap_guard)
        follow = follow && hyd.red_pressure > 950 && hyd.emerg_flap_lever != 0;
    if (follow) {
        s.flap_left_deg = left;
        s.flap_right_deg = var(Var::flap_angle_right);
    }
    // The face comes up once on each arrival at a flap setting ...
    if (near(left, 5.0) || near(left, 10.0) || near(left, 20.0) || left > 34.9) {
        if (!s.flap_face_latched) s.flap_face_shown = 1;
        s.flap_face_latched = 1;
    } else {
        s.flap_face_latched = 0;
    }
    // ... and goes once on each arrival at 0.
    if (near(left, 0.0)) {
        if (!s.flap_zero_latched) s.flap_face_shown = 0;
        s.flap_zero_latched = 1;
    } else {
        s.flap_zero_latched = 0;
    }
}

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    FlightInstrState& s = instr;
    temperature_frame(s);
    flap_frame(s);
    const bool night = panel.night_lighting;
    show_day_night(elements[0], elements[2], true, night);
    show_day_night(elements[1], elements[3], true, night);
    for (int k = 0; k < 3; ++k)
        show_day_night(elements[kFlapFace + k], elements[kNightFlapFace + k], s.flap_face_shown,
                       night);
}

}  // namespace

GaugeHeader hdr_tat_vk = gauge_header(GaugeId::tat_vk, elements.list, kMouse.data(), update);

}  // namespace vk
