// The electrical meters: the clamps at both ends, readings between marks, the
// stops below the first mark and the 6-degree turn limit.
#include <algorithm>
#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "support.h"

namespace vktest {
namespace {

struct Meter {
    std::string gauge;
    int needle;  // element number
    std::function<void(double)> set;
    double low, high;     // the clamp
    double below, above;  // values the field can hold beyond the clamp
};

template <class T>
std::function<void(double)> setter(T vk::ElecState::*field) {
    return [field](double v) { vk::elec.*field = static_cast<T>(v); };
}

std::vector<Meter> meters() {
    using E = vk::ElecState;
    const std::string line1 = "elec_ampvolt_line1_vkm", line2 = "elec_ampvolt_line2_vkm";
    return {
        {"elec_amp_batnorm_vk", 1, setter(&E::bat_norm_amps), -120, 120, -128, 127},
        {"elec_amp_batstby_vk", 1, setter(&E::bat_stby_amps), -250, 250, -1e3, 1e3},
        {"elec_amp_gen1_vk", 1, setter(&E::gen1_amps), 0, 50, 0, 255},
        {"elec_amp_gen2_vk", 1, setter(&E::gen2_amps), 0, 50, 0, 255},
        {"elec_volt_dc_vk", 1, setter(&E::dc_volts), 0, 35, 0, 255},
        {"elec_volt_ac_vk", 1, setter(&E::ac_volts), 0, 130, 0, 255},
        {"elec_volt_alt_vkm", 1, setter(&E::alt_volts), 0, 145, 0, 255},
        {"elec_cycles_vkm", 1, setter(&E::alt_freq_hz), 0, 450, 0, 1000},
        {line1, 1, setter(&E::line1_amps), 0, 250, 0, 300},
        {line1, 2, setter(&E::line1_volts), 0, 35, 0, 40},
        {line2, 1, setter(&E::line2_amps), 0, 250, 0, 300},
        {line2, 2, setter(&E::line2_volts), 0, 35, 0, 40},
    };
}

// Difference of two angles, in degrees, folded into -180..180.
double angle_diff(double a, double b) {
    return std::remainder(a - b, 360.0);
}

class Meters : public LinkedHost {
  protected:
    double settle(const Meter& m, double value) {
        m.set(value);
        host.run_frames(60);  // 6 degrees a frame: a whole turn at most
        return host.needle_angle(m.gauge, m.needle);
    }
};

TEST_F(Meters, NeedlesClampAtBothEndsAndTurnAtMostSixDegreesAFrame) {
    for (const Meter& m : meters()) {
        SCOPED_TRACE(m.gauge + " needle " + std::to_string(m.needle));
        host.place(m.gauge);
        const double to = settle(m, m.high);
        EXPECT_NEAR(angle_diff(settle(m, m.above), to), 0.0, 1e-6);
        EXPECT_EQ(host.needle_value(m.gauge, m.needle), m.high);
        const double from = settle(m, m.low);
        EXPECT_NEAR(angle_diff(settle(m, m.below), from), 0.0, 1e-6);
        EXPECT_EQ(host.needle_value(m.gauge, m.needle), m.low);
        const double sweep = std::fabs(to - from);
        EXPECT_GT(sweep, 60.0);
        m.set(m.high);
        for (int f = 1; f <= static_cast<int>(std::ceil(sweep / 6.0)); ++f) {
            host.run_frames(1);
            const double turned = std::fabs(host.needle_angle(m.gauge, m.needle) - from);
            EXPECT_NEAR(turned, std::min(6.0 * f, sweep), 1e-9) << "frame " << f;
        }
        m.set(0);
    }
}

TEST_F(Meters, ReadingsBetweenMarksAndBelowTheFirstMark) {
    const std::vector<Meter> all = meters();
    auto meter = [&](const std::string& gauge, int needle) {
        for (const Meter& m : all)
            if (m.gauge == gauge && m.needle == needle) return m;
        throw std::invalid_argument(gauge);
    };
    auto fraction = [&](const Meter& m, double v, double from, double to) {
        host.place(m.gauge);
        const double a = settle(m, from), b = settle(m, to), c = settle(m, v);
        return angle_diff(c, a) / angle_diff(b, a);
    };
    // One generator alone with the gyro unit on: 45 A, half-way from 40 to 50.
    EXPECT_NEAR(fraction(meter("elec_amp_gen1_vk", 1), 45, 40, 50), 0.5, 1e-9);
    // An engine start on the standby battery: -120 A, about half-way down to -250.
    EXPECT_NEAR(fraction(meter("elec_amp_batstby_vk", 1), -120, 0, -250), 0.48, 1e-9);
    // Below their first marks the alternator and line voltmeters rest on the stop.
    EXPECT_NEAR(fraction(meter("elec_volt_alt_vkm", 1), 50, 0, 100), 0.0, 1e-9);
    EXPECT_NEAR(fraction(meter("elec_volt_alt_vkm", 1), 90, 80, 100), 0.5, 1e-9);
    EXPECT_NEAR(fraction(meter("elec_ampvolt_line1_vkm", 2), 10, 0, 20), 0.0, 1e-9);
    EXPECT_NEAR(fraction(meter("elec_cycles_vkm", 1), 200, 0, 350), 200.0 / 350.0, 1e-9);
}

}  // namespace
}  // namespace vktest
