// The flight model's frame, the pilot who flies the flight director, and the
// altimeter setting the module sends.
#include <algorithm>
#include <cmath>

#include "frame/element.h"
#include "frame/host_vars.h"
#include "frame/key_events.h"
#include "host/effects.h"
#include "host/flight.h"
#include "host/ids.h"
#include "host/test_host.h"

namespace vkhost {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kG = 9.80665;
constexpr double kMsPerKt = 0.514444;
constexpr double kFtPerM = 3.281;
constexpr double kMPerNm = 1852.0;
constexpr double kFtPerSecPerKt = 1.68781;
constexpr double kHostVsPerFpm = 1.30048;  // metres per second x 256, per foot per minute
constexpr double kHpaPerInhg = 33.8639;

double rad(double deg) {
    return deg * kPi / 180.0;
}
double deg(double rad) {
    return rad * 180.0 / kPi;
}
double wrap_180(double d) {
    d = std::fmod(d, 360.0);
    if (d > 180.0) d -= 360.0;
    if (d < -180.0) d += 360.0;
    return d;
}
double wrap_360(double d) {
    d = std::fmod(d, 360.0);
    return d < 0.0 ? d + 360.0 : d;
}
double toward(double value, double target, double step) {
    if (value < target) return std::min(value + step, target);
    if (value > target) return std::max(value - step, target);
    return value;
}

// ---------------------------------------------------------------- the aircraft

void fly_lateral(FlightModel& m, double dt) {
    double target = m.bank_target_deg;
    if (m.on_ground)
        target = 0.0;
    else if (m.lateral == FlightModel::Lateral::heading)
        target = std::clamp(wrap_180(m.heading_target_deg - m.heading_deg) * 2.5, -m.max_bank_deg,
                            m.max_bank_deg);
    m.bank_deg = toward(m.bank_deg, target, m.roll_rate_dps * dt);
    const double v = m.tas_kt * kMsPerKt;
    if (!m.on_ground && v > 1.0)
        m.heading_deg = wrap_360(m.heading_deg + deg(kG * std::tan(rad(m.bank_deg)) / v) * dt);
}

void fly_vertical(FlightModel& m, double dt) {
    const double v_fpm = m.tas_kt * kMsPerKt * kFtPerM * 60.0;
    if (m.vertical == FlightModel::Vertical::pitch) {
        m.pitch_deg = toward(m.pitch_deg, m.pitch_target_deg, m.pitch_rate_dps * dt);
        m.vs_fpm = v_fpm * std::sin(rad(m.pitch_deg - m.alpha_deg));
    } else {
        double target = m.vs_target_fpm;
        if (m.vertical == FlightModel::Vertical::altitude) {
            const double rate = std::fabs(m.vs_target_fpm);
            target = std::clamp((m.altitude_target_ft - m.altitude_ft) * 6.0, -rate, rate);
        }
        m.vs_fpm = toward(m.vs_fpm, target, m.vs_rate_fpm_s * dt);
        m.pitch_deg = v_fpm > 1.0
                          ? m.alpha_deg + deg(std::asin(std::clamp(m.vs_fpm / v_fpm, -1.0, 1.0)))
                          : 0.0;
    }
    if (m.on_ground && m.vs_fpm <= 0.0) {
        m.vs_fpm = 0.0;
        if (m.vertical != FlightModel::Vertical::pitch) m.pitch_deg = 0.0;
    }
    m.altitude_ft += m.vs_fpm / 60.0 * dt;
    if (m.altitude_ft <= m.ground_ft) {
        m.altitude_ft = m.ground_ft;
        m.vs_fpm = std::max(m.vs_fpm, 0.0);
        m.on_ground = true;
    } else {
        m.on_ground = false;
    }
}

void atmosphere(FlightModel& m) {
    m.tas_kt = m.ias_kt * (1.0 + 0.02 * std::max(m.altitude_ft, 0.0) / 1000.0);
    m.oat_c = 15.0 - 1.98 * m.altitude_ft / 1000.0 + m.isa_deviation_c;
    const double kelvin = m.oat_c + 273.15;
    m.mach = m.tas_kt / (661.47 * std::sqrt(std::max(kelvin, 1.0) / 288.15));
    m.tat_c = kelvin * (1.0 + 0.2 * m.mach * m.mach) - 273.15;
}

// Ground velocity, east and north, in knots.
void ground_velocity(const FlightModel& m, double& east, double& north) {
    const double speed = m.on_ground ? m.ias_kt : m.tas_kt;
    east = speed * std::sin(rad(m.heading_deg));
    north = speed * std::cos(rad(m.heading_deg));
    if (!m.on_ground) {  // the wind blows from its direction
        east -= m.wind_kt * std::sin(rad(m.wind_from_deg));
        north -= m.wind_kt * std::cos(rad(m.wind_from_deg));
    }
}

void receive_ils(FlightModel& m) {
    const Ils& ils = *m.ils;
    const double c = rad(ils.course_deg);
    // Along the runway from its threshold, and to the right of its centreline.
    const double along = m.east_m * std::sin(c) + m.north_m * std::cos(c);
    const double right = m.east_m * std::cos(c) - m.north_m * std::sin(c);
    const double to_localizer = ils.runway_m - along;
    const double localizer_angle = deg(std::atan2(right, to_localizer));
    const double localizer_nm = std::hypot(to_localizer, right) / kMPerNm;
    m.localizer_received =
        to_localizer > 0.0 && localizer_nm <= ils.range_nm && std::fabs(localizer_angle) <= 35.0;
    // The needle points to the beam: left (negative) right of the centreline.
    m.localizer_dev = std::clamp(-localizer_angle / kLocalizerFullScaleDeg * kFullScaleDeviation,
                                 -kFullScaleDeviation, kFullScaleDeviation);

    const double to_threshold = std::hypot(along, right);
    const double height_m = (m.altitude_ft - ils.elevation_ft) / kFtPerM;
    const double glide_angle = deg(std::atan2(height_m, to_threshold));
    m.glide_received = along < 0.0 && to_threshold / kMPerNm <= ils.glide_range_nm &&
                       std::fabs(localizer_angle) <= 8.0 && height_m > 0.0;
    // Positive above the beam.
    m.glide_dev =
        std::clamp((glide_angle - ils.glide_deg) / kGlideFullScaleDeg * kFullScaleDeviation,
                   -kFullScaleDeviation, kFullScaleDeviation);
}

void write_variables(TestHost& h, const FlightModel& m, double east_kt, double north_kt) {
    using vk::Var;
    h.set(id(Var::indicated_airspeed), m.ias_kt);
    h.set(id(Var::airspeed_second_pointer), m.tas_kt * 128.0);
    h.set(id(Var::mach), m.mach * 20480.0);
    h.set(id(Var::vertical_speed), m.vs_fpm * kHostVsPerFpm);
    h.set(id(Var::altitude), m.altitude_ft);
    h.set(id(Var::radio_height), (m.altitude_ft - m.ground_ft) / kFtPerM);
    h.set(id(Var::on_ground), m.on_ground ? 1.0 : 0.0);
    h.set(id(Var::pitch), -m.pitch_deg);  // the host's pitch is negative nose-up
    h.set(id(Var::bank), -m.bank_deg);    // and its bank positive to the left
    h.set(id(Var::bank_0_360), wrap_360(-m.bank_deg));
    h.set(id(Var::heading), m.heading_deg);
    h.set(id(Var::outside_air_temp), m.oat_c);
    h.set(id(Var::total_air_temp), m.tat_c / 256.0);

    // Velocity along the aircraft's axis and across it (positive to the
    // right), feet per second.
    const double track = deg(std::atan2(east_kt, north_kt));
    const double speed = std::hypot(east_kt, north_kt) * kFtPerSecPerKt;
    h.set(id(Var::velocity_longitudinal), speed * std::cos(rad(track - m.heading_deg)));
    h.set(id(Var::velocity_lateral), speed * std::sin(rad(track - m.heading_deg)));

    if (!m.ils) return;
    const bool loc = m.localizer_received, glide = m.glide_received;
    h.set(id(Var::course_deviation), loc ? m.localizer_dev : 0.0);
    h.set(id(Var::nav_signal), loc ? kLocalizerSignal : 0.0);
    h.set_int(id(Var::nav_1_flags), loc ? kLocalizerFlags : 0);
    h.set(id(Var::to_from), loc ? 1.0 : 0.0);
    h.set(id(Var::glide_slope_deviation), glide ? m.glide_dev : 0.0);
    h.set(id(Var::glide_slope_usable), glide ? 1.0 : 0.0);
    const double to_localizer_nm =
        std::hypot(m.east_m - m.ils->runway_m * std::sin(rad(m.ils->course_deg)),
                   m.north_m - m.ils->runway_m * std::cos(rad(m.ils->course_deg))) /
        kMPerNm;
    h.set(id(Var::dme_1_distance), loc ? to_localizer_nm : -1.0);
}

void fly(TestHost& h, double dt) {
    FlightModel& m = h.model<FlightModel>();
    if (!m.flying) return;
    m.ias_kt = toward(m.ias_kt, m.ias_target_kt, m.ias_rate_kt_s * dt);
    atmosphere(m);
    fly_lateral(m, dt);
    fly_vertical(m, dt);
    atmosphere(m);
    double east_kt = 0.0, north_kt = 0.0;
    ground_velocity(m, east_kt, north_kt);
    m.east_m += east_kt * kMsPerKt * dt;
    m.north_m += north_kt * kMsPerKt * dt;
    if (m.ils) receive_ils(m);
    write_variables(h, m, east_kt, north_kt);
}

// ---------------------------------------------------------------- the pilot

// Elements of the captain's attitude director indicator the pilot looks at.
constexpr int kFdFlag = 4, kPitchBar = 6, kRollBar = 7;
// A bar at position p commands 20 (p - 6): degrees of bank more to the right,
// or a quarter degree of pitch more nose-down, while on the attitude law.
constexpr double kBankPerCommand = 0.3;    // degrees per second per unit
constexpr double kBankDamping = 1.2;       // degrees per unit of command change
constexpr double kPitchPerCommand = 0.25;  // degrees per second per unit
constexpr double kDeadZone = 1.0;          // commands the pilot does not chase
constexpr double kEaseBack =
    0.1;  // share of the bank, and of the pitch off level, eased per second
constexpr int kSettleFrames = 18;  // the bars' run in from their stops is not followed

double beyond_dead_zone(double command) {
    return std::fabs(command) < kDeadZone ? 0.0 : command;
}

void follow_bars(TestHost& h, double dt) {
    DirectorPilot& p = h.model<DirectorPilot>();
    if (!p.engaged) return;
    FlightModel& m = h.model<FlightModel>();
    vk::GaugeHeader* adi = h.gauge("fdadi_vk");
    const bool commanding = adi && h.built(adi) && h.placed(adi) && m.flying &&
                            vk::hidden(h.element(adi, kFdFlag)) &&
                            h.view(h.element(adi, kRollBar)).drawn;
    p.commanding_frames = commanding ? p.commanding_frames + 1 : 0;
    m.lateral = FlightModel::Lateral::bank;
    m.vertical = FlightModel::Vertical::pitch;
    const double roll =
        commanding ? beyond_dead_zone(20.0 * (h.view(h.element(adi, kRollBar)).value - 6.0)) : 0.0;
    if (p.commanding_frames <= kSettleFrames) {  // hold the attitude as it stands
        if (p.commanding_frames == 0) {
            m.bank_target_deg = m.bank_deg;
            m.pitch_target_deg = m.pitch_deg;
        }
        p.last_roll_command = roll;
        return;
    }
    const double pitch = 20.0 * (h.view(h.element(adi, kPitchBar)).value_y - 6.0);
    // Rolls towards the bar, the more firmly the faster it moves, and eases
    // the wings level when it shows nothing to do; pitches towards the other.
    m.bank_target_deg = std::clamp(m.bank_target_deg + kBankPerCommand * roll * dt +
                                       kBankDamping * (roll - p.last_roll_command) -
                                       kEaseBack * m.bank_target_deg * dt,
                                   -30.0, 30.0);
    p.last_roll_command = roll;
    m.pitch_target_deg =
        std::clamp(m.pitch_target_deg - kPitchPerCommand * pitch * dt, -10.0, 20.0);
}

}  // namespace

void register_flight_effects(EffectRegistry& r) {
    // The altimeter setting, in sixteenths of a hectopascal.
    r.add(static_cast<int32_t>(vk::Key::altimeter_setting_set), [](TestHost& h, int32_t value) {
        const double hpa = value / 16.0;
        h.set(id(vk::Var::altimeter_setting_hpa), hpa);
        h.set(id(vk::Var::altimeter_setting_inhg), hpa / kHpaPerInhg);
    });
    r.add_step(fly);
    r.add_step(follow_bars);
}

}  // namespace vkhost
