#include "gauges/flight_instruments/flight_director.h"

#include <algorithm>
#include <cmath>

#include "frame/convert.h"
#include "frame/host.h"
#include "frame/meter.h"
#include "frame/numbers.h"
#include "gauges/state.h"

namespace vk {
namespace {

// Bar travel: a command value m puts the bar at (m + 120) / 20, 6 being the
// centre of the 0..12 travel.
double bar_target(double command) {
    return (command + 120.0) / 20.0;
}

// Host vertical speed (metres per second x 256) in feet per minute.
double feet_per_minute(double host_vs) {
    return host_vs / 256.0 * 3.281 * 60.0;
}

// ---------------------------------------------------------------- course

// Drift angle between the aircraft's axis and its path over the ground, from
// the velocity components along and across the axis. Only called with a
// lateral component of 1 or more, so the speed is never 0.
double drift_deg(double along, double across) {
    const double speed = std::sqrt(along * along + across * across);
    const double x = std::clamp(along / speed, -1.0, 1.0);
    return std::acos(x) * 180.0 / 3.1415927;
}

// The selected course corrected for the drift, so that flying it keeps the
// aircraft on the selected track.
double corrected_course(double course, double along, double across) {
    if (across <= -1.0) {
        const double drift = drift_deg(along, across);
        return course >= 360.0 - drift ? course + drift - 360.0 : course + drift;
    }
    if (across >= 1.0) {
        const double drift = drift_deg(along, across);
        return course < drift ? course - drift + 360.0 : course - drift;
    }
    return course;  // no measurable drift (and no speed to divide by)
}

// Thresholds of the intercept law: the outermost from the localizer flags or
// the signal value, each inner one a fraction of the one outside it; the two
// innermost widen or narrow with their hysteresis states.
void deviation_bands(FlightInstrState& s, double signal) {
    double* b = s.nav_band;
    if (s.nav_flags_bit40 || s.nav_flags_bit80)
        b[0] = 99.0;
    else if (signal <= 300.0)
        b[0] = signal / 15.0;
    else
        b[0] = signal / 15.0 - (signal / 15.0 / 2.0 - 30.0);
    b[1] = b[0] / 3.0;
    b[2] = b[1] / 1.5;
    b[3] = b[2] / 1.5;
    b[4] = s.nav_mid_hyst == 2 ? b[3] / 2.5 : b[3] / 2.0;
    b[5] = s.nav_inner_hyst == 2 ? b[4] / 2.0 : b[4] / 1.5;
}

// Intercept angle from the deviation, stepping the hysteresis states of the
// two innermost bands.
int32_t intercept_angle(FlightInstrState& s, double deviation) {
    const double* b = s.nav_band;
    const double x = std::fabs(deviation);
    uint8_t& inner = s.nav_inner_hyst;
    uint8_t& mid = s.nav_mid_hyst;
    if (b[1] < x && x <= b[0]) return 20;
    if (b[2] < x && x <= b[1]) return 15;
    if (b[3] < x && x <= b[2]) {
        inner = 0;
        return 10;
    }
    if (b[4] < x && x <= b[3]) {
        mid = (mid == 1 || mid == 2) ? 2 : 0;
        return 5;
    }
    if (b[5] < x && x <= b[4]) {
        inner = (inner == 1 || inner == 2) ? 2 : 0;
        mid = (mid == 2 || mid == 3) ? 3 : 1;
        return 1;
    }
    if (0.0 < x && x <= b[5]) {
        inner = (inner == 2 || inner == 3) ? 3 : 1;
        return 0;
    }
    return 0;  // on the beam or outside the outermost band: states kept
}

// A heading error inside the dead band counts as none.
double heading_error(double wanted, double heading, double dead_band) {
    const double e = wrap_180(wanted - heading);
    return std::fabs(e) <= dead_band ? 0.0 : e;
}

// ---------------------------------------------------------------- glide slope

// Vertical-speed target from the glide-slope deviation (positive above the
// beam): the approach rate corrected by the deviation, level flight far below
// the beam, a steep descent far above it.
double glide_law(double approach_vs, double deviation) {
    if (deviation <= -15.0) return 0.0;
    if (deviation < 15.0) return approach_vs - 10.0 * deviation;
    return -1500.0;
}

// The captured glide law is re-evaluated by two alternating timers, once every
// 20 ticks. Both are armed from the same tick, and each next one falls 20
// ticks after the tick it fired at, so the target changes at most once every
// 20 ticks even after the timers have stood still.
void glide_update(FlightInstrState& s, double tick, double deviation) {
    if (s.glide_tick_a == 0.0) {
        s.glide_tick_a = s.glide_tick_b = tick + 20.0;
        s.glide_phase_a = s.glide_phase_b = 0;
        return;
    }
    if (tick >= s.glide_tick_a && s.glide_phase_a == 0) {
        s.fd_vs_target = glide_law(s.approach_vs, deviation);
        s.glide_tick_b = tick + 20.0;
        s.glide_phase_a = 1;
        s.glide_phase_b = 0;
    } else if (tick >= s.glide_tick_b && s.glide_phase_b == 0) {
        s.fd_vs_target = glide_law(s.approach_vs, deviation);
        s.glide_tick_a = tick + 20.0;
        s.glide_phase_b = 1;
        s.glide_phase_a = 0;
    }
}

// Heading within +/-90 degrees of the selected course, the window's ends taken
// in whole degrees.
bool heading_toward(double course, double heading) {
    const int32_t q = to_i32(wrap_360(course));
    const int32_t lo = (q + 270) % 360;
    const int32_t hi = (q + 90) % 360;
    const double h = wrap_360(heading);
    return lo < hi ? (h > lo && h < hi) : (h > lo || h < hi);
}

// ---------------------------------------------------------------- bars

// Roll bar: one step a frame towards its target, the step depending on the
// kind of command and on its capture state; within the last step it takes the
// target and counts as captured.
void slew_roll_bar(double& p, double target, uint8_t& capture, bool course) {
    if (!std::isfinite(target)) return;
    const double d = std::fabs(p - target);
    double step = 0.0;
    if (capture == 0) {
        if (d > 1.0)
            step = 1.0;
        else if (course && d > 0.1)
            step = 0.05;
    } else if (capture == 2) {
        if (d > 0.02) step = 0.01;
    } else if (course) {
        if (d > 0.01) step = 0.005;
    } else if (d > 0.05) {
        step = 0.025;
    }
    if (step > 0.0) {
        p += target > p ? step : -step;
    } else {
        p = target;
        capture = 1;
    }
}

void slew_pitch_bar(double& q, double target, uint8_t& capture) {
    if (!std::isfinite(target)) return;
    const double d = std::fabs(q - target);
    if (d > 1.0 && capture == 0) {
        q += target > q ? 1.0 : -1.0;
    } else if (d > 0.2) {
        q += target > q ? 0.1 : -0.1;
    } else {
        q = target;
        capture = 1;
    }
}

void run_bars(FlightInstrState& s) {
    const bool powered = elec.ac_bus1_powered && elec.tadg_switch;
    const uint8_t mode = ap.fd_mode;
    if (!powered) {
        for (uint8_t& c : s.roll_capture) c = 0;
        s.fd_flag_shown = s.att_flag_shown = 1;
        s.fd_roll_bar_pos = std::min(s.fd_roll_bar_pos + 2.0, 14.0);
        s.fd_pitch_bar_pos = std::max(s.fd_pitch_bar_pos - 2.0, -4.0);
    } else if (mode < 1 || mode > 4) {
        for (uint8_t& c : s.roll_capture) c = 0;
        s.pitch_capture = s.glide_pitch_capture = 0;
        s.fd_flag_shown = 1;
        s.att_flag_shown = 0;
        s.fd_roll_bar_pos = std::min(s.fd_roll_bar_pos + 1.0, 14.0);
        s.fd_pitch_bar_pos = std::max(s.fd_pitch_bar_pos - 1.0, -4.0);
    } else {
        s.fd_flag_shown = s.att_flag_shown = 0;
        // Which capture entry and which roll command the mode flies: take-off
        // flies the heading law on the heading mode's entry.
        const bool takeoff = mode == 4 && s.fd_takeoff;
        const int entry = takeoff ? 2 : mode;
        const bool course = mode != 2 && !takeoff;
        double command = course ? s.nav_roll_cmd : s.hdg_roll_cmd;
        if (mode == 1) command = -command;  // reverse navigation
        for (int k = 1; k <= 4; ++k)
            if (k != entry) s.roll_capture[k] = 2;
        slew_roll_bar(s.fd_roll_bar_pos, bar_target(command), s.roll_capture[entry], course);
        s.fd_roll_bar_pos = std::clamp(s.fd_roll_bar_pos, 1.0, 11.0);

        if (mode == 4 && !takeoff)
            slew_pitch_bar(s.fd_pitch_bar_pos, bar_target(s.glide_pitch_cmd),
                           s.glide_pitch_capture);
        else
            slew_pitch_bar(s.fd_pitch_bar_pos, bar_target(s.pitch_att_cmd), s.pitch_capture);
        s.fd_pitch_bar_pos = std::clamp(s.fd_pitch_bar_pos, 0.0, 11.0);
    }
    if (var(Var::adi_failed_a) == 1.0 || var(Var::adi_failed_b) == 1.0)
        s.fd_flag_shown = s.att_flag_shown = 1;
    else if (elec.tadg_switch)
        s.att_flag_shown = 0;
}

// ---------------------------------------------------------------- sphere

// Bank shown by the sphere. Without the gyro unit it topples, a degree a
// frame, to rest at 60 degrees; with it back it re-erects towards the
// aircraft's bank, a degree a frame, and then follows it.
void sphere_bank_frame(FlightInstrState& s, bool gyro, double bank) {
    double& v = s.adi_bank_disp_deg;
    if (!gyro) {
        s.bank_erecting = 1;
        if (!std::isfinite(v))
            v = 60.0;
        else if (v >= -120.0 && v <= 58.0)  // first rule wins at -120 and 58
            v += 1.0;
        else if (v > 62.0)
            v -= 1.0;
        else if (v >= 58.0 && v <= 62.0)
            v = 60.0;
        else if ((v -= 1.0) < -180.0)  // below -120: round through -180
            v = 179.9;
        return;
    }
    if (!s.bank_erecting) {
        v = bank;
        return;
    }
    bool done = false;
    if (bank >= 58.0 && bank <= 62.0) {
        done = true;
    } else if (bank > 62.0) {
        if (bank - v > 2.0)
            v += 1.0;
        else
            done = true;
    } else if (bank >= -120.0) {
        if (v - bank > 2.0)
            v -= 1.0;
        else
            done = true;
    } else if (bank < -120.0) {
        // Round through 180 to come up on the bank from below: a range test,
        // since from the resting 60 degrees the display starts far above it.
        if (std::fabs(v - bank) <= 2.0) {
            done = true;
        } else if ((v += 1.0) > 179.9) {
            v = -180.0;
        }
    }
    if (done) {
        v = bank;
        s.bank_erecting = 0;
    }
}

// Pitch shown by the sphere: back to level without the gyro unit; with it,
// re-erecting towards a pitch clearly off level, then following it.
void sphere_pitch_frame(FlightInstrState& s, bool gyro, double pitch) {
    double& v = s.adi_pitch_disp_deg;
    if (!gyro) {
        s.pitch_erecting = 1;
        if (v > 2.0)
            v -= 1.0;
        else if (v < -2.0)
            v += 1.0;
        else
            v = 0.0;
        return;
    }
    if (!s.pitch_erecting) {
        v = pitch;
        return;
    }
    if (pitch > 2.5) {
        if (pitch - v > 2.0) {
            v += 1.0;
            return;
        }
    } else if (pitch < -2.5) {
        if (v - pitch > 2.0) {
            v -= 1.0;
            return;
        }
    } else {
        return;  // near level the display holds and erection goes on
    }
    v = pitch;
    s.pitch_erecting = 0;
}

}  // namespace

int32_t heading_roll_step(double e) {
    if (e < -15.0) return -25;
    if (e < -10.0) return -15;
    if (e < -5.0) return -10;
    if (e < -3.0) return -5;
    if (e < -2.0) return -1;
    if (e > 15.0) return 25;
    if (e > 10.0) return 15;
    if (e > 5.0) return 10;
    if (e > 3.0) return 5;
    if (e > 2.0) return 1;
    return 0;
}

int32_t course_roll_step(double e) {
    if (e < -15.0) return -25;
    if (e < -10.0) return -10;
    if (e < -5.0) return -5;
    if (e < -3.0) return -2;
    if (e < -2.0) return -1;
    if (e > 15.0) return 25;
    if (e > 10.0) return 10;
    if (e > 5.0) return 5;
    if (e > 3.0) return 2;
    if (e > 2.0) return 1;
    return 0;
}

uint32_t intercept_heading(double corrected, int32_t angle, double deviation, double outer_band,
                           double heading) {
    double wanted = heading;
    if (-outer_band <= deviation && deviation < 0.0)
        wanted = corrected - angle;
    else if (0.0 < deviation && deviation <= outer_band)
        wanted = corrected + angle;
    // Into 0..359 before truncating: the course and the angle can take the sum
    // past either end of the compass.
    return to_u32(wrap_360(wanted));
}

void run_flight_director() {
    FlightInstrState& s = instr;

    // 1. Take-off: approach mode with a throttle lever forward.
    s.fd_takeoff =
        ap.fd_mode == 4 && (var(Var::throttle_1) >= 0.75 || var(Var::throttle_2) >= 0.75);

    // 2. Auxiliary scale.
    s.aux_scale_pos = 10.0 - s.aux_pointer_value / 2.0;

    // 3. Drift-corrected course.
    const double along = var(Var::velocity_longitudinal);
    const double across = var(Var::velocity_lateral);
    const double course = var(Var::nav_course);
    s.drift_corrected_course_deg = corrected_course(course, along, across);

    // 4. Approach descent rate: five times the airspeed in feet per minute.
    const double ias = var(Var::indicated_airspeed);
    s.approach_vs = -(ias / 2.0 * 10.0 * 1.30048);

    // 5. Vertical speed last seen above 240, 220 and 202 m.
    const double ra = var(Var::radio_height);
    const double vs = var(Var::vertical_speed);
    if (ra > 240.0) s.vs_sample_240 = vs;
    if (ra > 220.0) s.vs_sample_220 = vs;
    if (ra > 202.0) s.vs_sample_202 = vs;
    s.vs_sample_mean = (s.vs_sample_240 + s.vs_sample_220 + s.vs_sample_202) / 3.0;

    // 6. Vertical-speed target.
    const double gs_deviation = var(Var::glide_slope_deviation);
    if (ra > 200.0) {
        if (s.glide_state == 0)
            s.fd_vs_target = 0.0;
        else if (s.glide_state == 1)
            s.fd_vs_target = s.approach_vs;
        else
            glide_update(s, var(Var::tick_counter), gs_deviation);
    } else if (ra > 21.0) {
        s.fd_vs_target = s.vs_sample_mean;
    } else {
        s.fd_vs_target = s.approach_vs;
    }

    // 7. Attitude pitch command (host pitch is negative nose-up).
    const double pitch = var(Var::pitch);
    const double reference = s.fd_takeoff ? 10.0 : ap.fd_pitch_ref_deg;
    s.pitch_att_cmd = -(reference + pitch) * 4.0;

    // 8. Glide pitch command: the vertical speed against its target, both in
    // feet per minute (the target is kept in the host's units).
    s.glide_pitch_raw = (feet_per_minute(vs) - feet_per_minute(s.fd_vs_target)) / 50.0;

    // 9, 10. Heading law.
    const double heading = var(Var::heading);
    const double bank = var(Var::bank);
    s.hdg_error_deg = heading_error(s.selected_heading_deg, heading, 0.5);
    s.hdg_roll_step = heading_roll_step(s.hdg_error_deg);
    s.hdg_roll_cmd = std::fabs(s.hdg_error_deg) <= 3.0 ? s.hdg_error_deg : s.hdg_roll_step + bank;

    // 11, 12, 13. Course law: bands, intercept angle, intercept heading.
    const double signal = var(Var::nav_signal);
    const double deviation = var(Var::course_deviation);
    deviation_bands(s, signal);
    s.nav_intercept_angle_deg = intercept_angle(s, deviation);
    s.nav_intercept_hdg_deg = intercept_heading(
        s.drift_corrected_course_deg, s.nav_intercept_angle_deg, deviation, s.nav_band[0], heading);

    // 14. Course steering.
    s.nav_hdg_error_deg = heading_error(s.nav_intercept_hdg_deg, heading, 0.2);
    s.nav_roll_step = course_roll_step(s.nav_hdg_error_deg);
    if (s.nav_roll_step != 0) s.nav_steering_active = 1;
    if (!(signal > 0.0)) s.nav_steering_active = 0;
    s.nav_roll_cmd =
        std::fabs(s.nav_hdg_error_deg) <= 5.0 ? s.nav_hdg_error_deg : s.nav_roll_step + bank;

    // 15. Glide-slope state.
    s.heading_toward_course = heading_toward(course, heading);
    if (s.heading_toward_course && var(Var::glide_slope_usable) == 1.0) {
        if (s.glide_state == 0) {
            if (gs_deviation > -15.0 && vs > -250.0) s.glide_state = 1;
            s.glide_pitch_cmd = 0.0;
        } else {
            s.glide_pitch_cmd = s.glide_pitch_raw;
            if (s.glide_state == 1 && gs_deviation >= 0.0) s.glide_state = 2;
        }
    } else {
        s.glide_state = 0;
        s.glide_tick_a = s.glide_tick_b = 0.0;
        s.glide_pitch_cmd = 0.0;
    }

    // 16. Bars and flags.
    run_bars(s);

    // 17, 18. Sphere.
    const bool gyro = elec.tadg_switch != 0;
    sphere_bank_frame(s, gyro, bank);
    sphere_pitch_frame(s, gyro, pitch);
}

// ---------------------------------------------------------------- shared elements

namespace adi {

ScaleEntry aux_pointer_scale[7] = {point(-10, 28, 280), point(-5, 20, 271), point(0, 15, 256),
                                   point(5, 21, 242),   point(10, 31, 233), point(15, 47, 231),
                                   point(20, 60, 238)};

double VKCALL sphere_pitch(ElementHeader*) {
    return reading(instr.adi_pitch_disp_deg, -43.0, 43.0);
}
double VKCALL sphere_bank(ElementHeader*) {
    return instr.adi_bank_disp_deg;
}
double VKCALL aux_scale_value(ElementHeader*) {
    return instr.aux_scale_pos;
}
double VKCALL pitch_bar_value(ElementHeader*) {
    return instr.fd_pitch_bar_pos;
}
double VKCALL roll_bar_value(ElementHeader*) {
    return instr.fd_roll_bar_pos;
}
double VKCALL aux_pointer_value(ElementHeader*) {
    instr.aux_pointer_value = static_cast<float>(reading(instr.aux_pointer_value, -10.0, 20.0));
    return instr.aux_pointer_value;
}

}  // namespace adi
}  // namespace vk
