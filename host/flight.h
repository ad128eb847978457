#pragma once
// The host's flight model: where the aircraft is and how it moves, flown by
// scenarios and tests through targets and rates, an instrument landing
// system to fly it on, the aircraft's weight, and a pilot who flies the
// flight director's command bars. docs/flying.md shows how to use it.
//
//   vkhost::Flight flight(host);
//   flight.airborne(3000, 90, 180).turn_to(180).climb_to(5000, 1500);
//   host.run_seconds(60);
//
// Until a scenario flies it, the model leaves the host variables alone, so
// tests that set attitude, speeds or heights by hand keep them.
#include <optional>

#include "host/test_host.h"

namespace vkhost {

// An instrument landing system serving a runway whose threshold lies at the
// origin of the host's map (east and north of it in metres).
struct Ils {
    double course_deg = 0.0;       // inbound course, the runway's direction
    double glide_deg = 3.0;        // glide path angle above the threshold
    double elevation_ft = 0.0;     // threshold elevation
    double runway_m = 3000.0;      // the localizer stands at the far end of the runway
    double range_nm = 25.0;        // localizer reception, within +/-35 degrees of the course
    double glide_range_nm = 10.0;  // glide-slope reception, within +/-8 degrees
};

// What the host does with its navigation receiver's variables: full-scale
// deflections of the deviation needles and the signal value of a received
// localizer (which the flight director's intercept bands scale with).
inline constexpr double kFullScaleDeviation = 127.0;
inline constexpr double kLocalizerFullScaleDeg = 2.5;
inline constexpr double kGlideFullScaleDeg = 0.7;
inline constexpr double kLocalizerSignal = 2070.0;
inline constexpr int32_t kLocalizerFlags = 0x40;

// The state of the flight model, kept in TestHost::model<FlightModel>().
// Angles in degrees; bank is positive with the right wing down and pitch
// positive nose up (the host variables carry the other signs).
struct FlightModel {
    bool flying = false;  // the model writes the host variables once flown

    // Where the aircraft is and how it moves.
    double east_m = 0.0, north_m = 0.0;
    double altitude_ft = 0.0;
    double ground_ft = 0.0;  // elevation of the ground under the aircraft
    double heading_deg = 0.0;
    double bank_deg = 0.0;
    double pitch_deg = 0.0;
    double ias_kt = 0.0;
    double vs_fpm = 0.0;
    bool on_ground = true;
    double alpha_deg = 3.0;  // pitch above the flight path
    double isa_deviation_c = 0.0;
    double wind_from_deg = 0.0, wind_kt = 0.0;

    // What it flies to, and how fast it gets there.
    enum class Lateral { bank, heading } lateral = Lateral::bank;
    double bank_target_deg = 0.0, roll_rate_dps = 5.0;
    double heading_target_deg = 0.0, max_bank_deg = 25.0;
    enum class Vertical { vertical_speed, pitch, altitude } vertical = Vertical::vertical_speed;
    double vs_target_fpm = 0.0, vs_rate_fpm_s = 1000.0;
    double pitch_target_deg = 0.0, pitch_rate_dps = 2.0;
    double altitude_target_ft = 0.0;
    double ias_target_kt = 0.0, ias_rate_kt_s = 2.0;

    std::optional<Ils> ils;

    // Derived each frame.
    double tas_kt = 0.0, mach = 0.0, oat_c = 15.0, tat_c = 15.0;
    double localizer_dev = 0.0, glide_dev = 0.0;  // needle units, +/-127
    bool localizer_received = false, glide_received = false;
};

// A scenario's or a test's handle on the flight model. Every call returns the
// handle, so calls chain; each takes effect from the next frame on.
class Flight {
  public:
    explicit Flight(TestHost& host) : host_(host) {}
    FlightModel& state() { return host_.model<FlightModel>(); }

    // ---- set at once
    // In level flight at an altitude (ft), heading and indicated airspeed (kt).
    Flight& airborne(double altitude_ft, double heading_deg, double ias_kt);
    // Standing on the ground, pointing along a heading, at rest.
    Flight& on_ground(double heading_deg);
    Flight& position(double east_m, double north_m);
    Flight& ground_elevation(double ft);
    Flight& temperature(double isa_deviation_c);
    Flight& wind(double from_deg, double kt);
    // The navigation receiver tuned to an ILS (its course also becomes the
    // selected course, host variable 0x2D), or to nothing.
    Flight& tune(const Ils& ils);
    Flight& untune();

    // ---- fly: targets reached at a rate
    Flight& bank(double deg, double rate_dps = 5.0);
    // Banks (at most max_bank) towards a heading and rolls out on it.
    Flight& turn_to(double heading_deg, double max_bank_deg = 25.0);
    Flight& pitch(double deg, double rate_dps = 2.0);
    Flight& vertical_speed(double fpm, double rate_fpm_s = 1000.0);
    // Climbs or descends at |fpm| to an altitude and levels off there.
    Flight& climb_to(double altitude_ft, double fpm);
    Flight& airspeed(double kt, double rate_kt_s = 2.0);

  private:
    TestHost& host_;
};

// The model's weight: the empty aircraft and its payload (tests change them)
// plus the fuel in the host's tanks. The host answers the calculator
// expression "(A:TOTAL WEIGHT,kilogram)" with the total.
struct AircraftLoad {
    double empty_kg = 30000.0;
    double payload_kg = 8000.0;
};
double total_weight_kg(TestHost& host);
inline constexpr const char* kTotalWeightExpression = "(A:TOTAL WEIGHT,kilogram)";

// A pilot who flies the flight director of the captain's attitude director
// indicator as drawn: rolls to centre the roll bar and pitches to centre the
// pitch bar, leaving small roll commands alone and easing the wings level
// when the roll bar is centred. While the flight director flag is
// in view (or the indicator is not placed), and for a second after it has
// gone, the pilot holds the attitude.
struct DirectorPilot {
    bool engaged = false;
    int commanding_frames = 0;  // frames since the flight director flag left view
    double last_roll_command = 0.0;
};
void follow_flight_director(TestHost& host, bool engaged = true);

}  // namespace vkhost
