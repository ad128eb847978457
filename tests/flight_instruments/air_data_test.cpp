// The air data instruments driven through the host: airspeed indicator and
// repeater, Machmeter, main and standby altimeters, vertical speed and the
// temperature gauge with its flap face.
#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "support.h"

namespace vktest {
namespace {

using vk::Var;
constexpr const char* kWeight = "(A:TOTAL WEIGHT,kilogram)";

class AirData : public LinkedHost {
  protected:
    void set(Var v, double x) { host.set(id(v), x); }
    double y(const char* gauge, int k) { return host.view(host.element(gauge, k)).value_y; }
    // The airspeed indicator at 64 t with 15 degrees of flap: base speed 154 kt.
    void ias_at_64t_flaps_15() {
        host.place("ias_vk");
        host.set_expression(kWeight, 64000.0);
        set(Var::flap_angle_left, 15.0);
    }
    vk::FlightInstrState& s = vk::instr;
};

// ---------------------------------------------------------------- airspeed

TEST_F(AirData, ReferenceSpeedsFollowWeightAndFlaps) {
    ias_at_64t_flaps_15();
    host.run_frames(1);
    EXPECT_DOUBLE_EQ(s.vref_base_kt, 154.0);
    EXPECT_DOUBLE_EQ(s.vr_kt, 159.0);
    EXPECT_DOUBLE_EQ(s.v1_kt, 149.0);
    EXPECT_EQ(s.vr_whole_kt, 159u);
    EXPECT_DOUBLE_EQ(s.vapp_kt, 164.0);

    struct Row {
        double flaps, airbrake, vr, vapp;  // above the base speed
    };
    const Row rows[] = {{0, 0, 15, 15}, {4, 0, 15, 15},   {7, 0, 9, 15},    {25, 0, 5, 4},
                        {30, 0, 5, 2},  {35, 1000, 5, 0}, {35, 1001, 5, 5}, {45, 0, 5, -5}};
    for (const Row& r : rows) {
        set(Var::flap_angle_left, r.flaps);
        set(Var::airbrake_left, r.airbrake);
        host.run_frames(1);
        EXPECT_DOUBLE_EQ(s.vr_kt - s.vref_base_kt, r.vr) << r.flaps;
        EXPECT_DOUBLE_EQ(s.vapp_kt - s.vref_base_kt, r.vapp) << r.flaps;
    }
}

TEST_F(AirData, DigitalDisplayShowsTheRowsAndKeepsItsDigitsInRange) {
    ias_at_64t_flaps_15();
    host.run_frames(1);
    for (int k = 8; k <= 15; ++k) EXPECT_FALSE(host.shown("ias_vk", k)) << k;
    host.click("ias_vk", 0);
    host.run_frames(1);
    EXPECT_EQ(s.speed_digits[0], 5);  // base 154
    EXPECT_EQ(s.speed_digits[1], 4);
    EXPECT_EQ(s.speed_digits[2], 5);  // on the ground: rotation 159
    EXPECT_EQ(s.speed_digits[3], 9);
    EXPECT_TRUE(host.shown("ias_vk", 8));
    EXPECT_FALSE(host.shown("ias_vk", 9));
    EXPECT_EQ(y("ias_vk", 10), 1.0);
    EXPECT_EQ(y("ias_vk", 12), 4.0);
    EXPECT_EQ(y("ias_vk", 15), 9.0);

    set(Var::on_ground, 0.0);  // in flight: approach 164
    host.run_frames(1);
    EXPECT_EQ(s.speed_digits[2], 6);
    EXPECT_EQ(s.speed_digits[3], 4);
    EXPECT_FALSE(host.shown("ias_vk", 8));
    EXPECT_TRUE(host.shown("ias_vk", 9));

    // Weights far outside the table, or none at all: the digits stay 0..9.
    const double weights[] = {0.0, 10000.0, 200000.0, std::numeric_limits<double>::quiet_NaN()};
    const uint8_t tens[] = {0, 0, 9, 0};
    for (int k = 0; k < 4; ++k) {
        host.set_expression(kWeight, weights[k]);
        host.run_frames(1);
        EXPECT_EQ(s.speed_digits[0], tens[k]) << weights[k];
        for (uint8_t d : s.speed_digits) EXPECT_LE(d, 9) << weights[k];
    }
    host.click("ias_vk", 0);
    host.run_frames(1);
    EXPECT_FALSE(host.shown("ias_vk", 9));
    EXPECT_FALSE(host.shown("ias_vk", 13));
}

TEST_F(AirData, CalloutsComeOncePerTakeOffRunAndReArm) {
    host.place("toggle_pan_start");  // loads the sound set
    ias_at_64t_flaps_15();
    set(Var::throttle_1, 0.85);
    // The airspeed at which each call-out sounded, in order.
    std::vector<std::pair<std::string, int>> heard;
    const size_t m = host.mark();
    for (int kt = 0; kt <= 170; ++kt) {
        set(Var::indicated_airspeed, kt);
        const size_t before = host.sounds_since(m).size();
        host.run_frames(1);
        const auto sounds = host.sounds_since(m);
        for (size_t k = before; k < sounds.size(); ++k) {
            EXPECT_EQ(sounds[k].action, vkhost::SoundAction::once);
            heard.emplace_back(sounds[k].name, kt);
        }
    }
    const std::vector<std::pair<std::string, int>> expected = {
        {"V80KTS", 80}, {"V1KTS", 149}, {"VRKTS", 159}};
    EXPECT_EQ(heard, expected);

    set(Var::throttle_1, 0.79);  // both levers back: armed again
    host.run_frames(1);
    EXPECT_EQ(s.callout_80_done + s.callout_v1_done + s.callout_vr_done, 0);
    const size_t again = host.mark();
    set(Var::throttle_2, 0.8);
    host.run_frames(5);
    EXPECT_EQ(host.sounds_since(again).size(), 3u);
    set(Var::on_ground, 0.0);  // airborne: armed again, and silent
    host.run_frames(1);
    EXPECT_EQ(s.callout_vr_done, 0);
    EXPECT_EQ(host.sounds_since(again).size(), 3u);
}

TEST_F(AirData, PointerClimbsTenKnotsAFrameAboveTwentyFive) {
    host.place("ias_vk");
    set(Var::indicated_airspeed, 20.0);
    host.run_frames(3);
    EXPECT_EQ(s.ias_shown_kt, 0.0);
    set(Var::indicated_airspeed, 157.0);
    host.run_frames(1);
    EXPECT_EQ(s.ias_shown_kt, 10.0);
    host.run_frames(14);
    EXPECT_EQ(s.ias_shown_kt, 150.0);
    host.run_frames(1);
    EXPECT_EQ(s.ias_shown_kt, 157.0);
    EXPECT_DOUBLE_EQ(s.ias_strip_rest, 57.0);
    EXPECT_DOUBLE_EQ(host.view(host.element("ias_vk", 1)).value, 10.0 - 5.7);
    set(Var::indicated_airspeed, 120.0);  // slowing: at once
    set(Var::airspeed_second_pointer, 250.0 * 128.0);
    host.run_frames(1);
    EXPECT_EQ(s.ias_shown_kt, 120.0);
    EXPECT_EQ(s.ias_second_kt, 250.0);
    set(Var::indicated_airspeed, std::numeric_limits<double>::quiet_NaN());
    host.run_frames(1);
    EXPECT_EQ(s.ias_shown_kt, 0.0);
}

TEST_F(AirData, RepeaterMarkersKeepThreeApartWithinTheirRanges) {
    host.place("iasmini_vk");
    host.click("iasmini_vk", 2);  // lower the high marker from 0: it stops at 3
    EXPECT_EQ(s.marker_high, 3u);
    EXPECT_EQ(s.marker_low, 0u);
    s.marker_low = 40;
    s.marker_high = 43;
    host.click("iasmini_vk", 1);  // raise low: pushes high
    EXPECT_EQ(s.marker_low, 41u);
    EXPECT_EQ(s.marker_high, 44u);
    host.click("iasmini_vk", 2);
    host.click("iasmini_vk", 2);  // lower high: pushes low
    EXPECT_EQ(s.marker_high, 42u);
    EXPECT_EQ(s.marker_low, 39u);
    host.hold("iasmini_vk", 1, 60);
    EXPECT_EQ(s.marker_low, 87u);
    EXPECT_EQ(s.marker_high, 90u);
    host.hold("iasmini_vk", 3, 5);
    EXPECT_EQ(s.marker_high, 90u);
    host.hold("iasmini_vk", 2, 100);
    EXPECT_EQ(s.marker_high, 3u);
    EXPECT_EQ(s.marker_low, 0u);
    host.hold("iasmini_vk", 0, 5);
    EXPECT_EQ(s.marker_low, 0u);
}

// ---------------------------------------------------------------- Mach

TEST_F(AirData, MachPointerClimbsTenAFrameDropsAtOnceAndWindsDownWhenFailed) {
    host.place("mach_vk");
    set(Var::mach, 16384.0);  // 814.2 on the dial
    host.run_frames(81);
    EXPECT_DOUBLE_EQ(s.mach_shown, 810.0);
    host.run_frames(1);
    EXPECT_DOUBLE_EQ(s.mach_shown, 814.2);
    set(Var::mach, 10000.0);
    host.run_frames(1);
    EXPECT_DOUBLE_EQ(s.mach_shown, 495.0);
    set(Var::mach, 3000.0);  // too slow to read
    host.run_frames(1);
    EXPECT_EQ(s.mach_shown, 0.0);
    set(Var::mach, 40000.0);
    host.run_frames(200);
    EXPECT_EQ(s.mach_shown, 1000.0);
    set(Var::machmeter_failed, 1.0);
    host.run_frames(99);
    EXPECT_DOUBLE_EQ(s.mach_shown, 10.0);
    host.run_frames(1);
    EXPECT_EQ(s.mach_shown, 0.0);
}

// ---------------------------------------------------------------- altimeters

class Altimeter : public AirData {
  protected:
    Altimeter() {
        host.place("alti_main_vk");
        vk::elec.ac_bus2_powered = 1;
    }
    void altitude(double ft) {
        set(Var::altitude, ft);
        host.run_frames(1);
    }
    void drums(double units, double hundreds, double thousands, double ten_thousands) {
        EXPECT_NEAR(s.alt_drum[0], units, 1e-9);
        EXPECT_NEAR(s.alt_drum[1], hundreds, 1e-9);
        EXPECT_NEAR(s.alt_drum[2], thousands, 1e-9);
        EXPECT_NEAR(s.alt_drum[3], ten_thousands, 1e-9);
    }
};

TEST_F(Altimeter, DrumsCarryOverTheLastTenFeetAndCountOnBelowZero) {
    altitude(12345.0);  // strips run 10 - digit
    drums(5.5, 7, 8, 9);
    EXPECT_DOUBLE_EQ(s.alt_needle, 34.5);
    EXPECT_FALSE(host.shown("alti_main_vk", 13));  // 10000 ft and above
    altitude(1995.0);  // hundreds and thousands roll with the last ten feet
    drums(0.5, 0.5, 8.5, 0);
    altitude(9995.0);  // and the ten thousands too
    drums(0.5, 0.5, 0.5, 9.5);
    EXPECT_TRUE(host.shown("alti_main_vk", 13));
    altitude(0.0);
    drums(0, 0, 0, 0);
    altitude(1995.0);

    altitude(-500.0);  // counts on from the thousand below, thousands standing still
    EXPECT_DOUBLE_EQ(s.alt_disp_ft, 500.0);
    drums(0, 5, 8.5, 0);
    EXPECT_TRUE(host.shown("alti_main_vk", 14));
    EXPECT_FALSE(host.shown("alti_main_vk", 13));
    EXPECT_DOUBLE_EQ(s.alt_needle, 50.0);  // round the dial, not stuck at 0
    altitude(-1500.0);
    EXPECT_DOUBLE_EQ(s.alt_disp_ft, 1500.0);
    altitude(-2500.0);
    EXPECT_DOUBLE_EQ(s.alt_disp_ft, 0.0);
    altitude(std::numeric_limits<double>::quiet_NaN());
    EXPECT_DOUBLE_EQ(s.alt_disp_ft, 0.0);
}

TEST_F(Altimeter, SettingCountersRollTogetherAndEverythingFreezesWithoutPower) {
    host.run_frames(1);  // 1013.25 hPa, 29.92 inHg
    EXPECT_NEAR(s.baro_hpa_digits[0], 3.25, 1e-9);
    EXPECT_EQ(s.baro_hpa_digits[1], 1.0);
    EXPECT_EQ(s.baro_hpa_digits[2], 0.0);
    EXPECT_EQ(s.baro_hpa_digits[3], 1.0);
    EXPECT_NEAR(s.baro_inhg_digits[0], 2.0, 1e-9);
    EXPECT_EQ(s.baro_inhg_digits[1], 9.0);
    EXPECT_EQ(s.baro_inhg_digits[3], 2.0);
    set(Var::altimeter_setting_hpa, 999.6);
    host.run_frames(1);
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(s.baro_hpa_digits[k], 9.6, 1e-9);
    EXPECT_NEAR(s.baro_hpa_digits[3], 0.6, 1e-9);

    altitude(5000.0);
    vk::elec.ac_bus2_powered = 0;
    altitude(7000.0);
    EXPECT_EQ(s.alt_drum[2], 5.0);
    EXPECT_TRUE(host.shown("alti_main_vk", 15));
    vk::elec.ac_bus2_powered = 1;
    altitude(7000.0);
    EXPECT_EQ(s.alt_drum[2], 3.0);
    EXPECT_FALSE(host.shown("alti_main_vk", 15));
    set(Var::altimeter_failed, 1.0);
    altitude(8000.0);
    EXPECT_TRUE(host.shown("alti_main_vk", 15));
    EXPECT_EQ(s.alt_drum[2], 2.0);
}

TEST_F(Altimeter, KnobSendsTheSettingInSixteenthsWithinItsLimits) {
    size_t m = host.mark();
    host.click("alti_main_vk", 0);  // -1/16 hPa
    auto keys = host.keys_since(m);
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0].id, id(vk::Key::altimeter_setting_set));
    EXPECT_EQ(keys[0].value, 16211);
    EXPECT_DOUBLE_EQ(host.get(id(Var::altimeter_setting_hpa)), 1013.1875);
    EXPECT_NEAR(host.get(id(Var::altimeter_setting_inhg)), 29.919, 0.001);
    host.hold("alti_main_vk", 3, 4);  // +10/16 per repeat
    EXPECT_DOUBLE_EQ(host.get(id(Var::altimeter_setting_hpa)), 1015.6875);
    EXPECT_NEAR(s.baro_hpa_digits[0], 5.6875, 1e-9);  // the counter follows

    struct Limit {
        int area;
        double at, beyond;
    };
    const Limit limits[] = {
        {0, 739.0, 739.5}, {1, 1053.0, 1052.5}, {2, 749.0, 749.5}, {3, 1043.0, 1042.5}};
    for (const Limit& l : limits) {
        set(Var::altimeter_setting_hpa, l.at);
        m = host.mark();
        host.click("alti_main_vk", l.area);
        EXPECT_TRUE(host.keys_since(m).empty()) << l.area;
        set(Var::altimeter_setting_hpa, l.beyond);
        host.click("alti_main_vk", l.area);
        EXPECT_EQ(host.keys_since(m).size(), 1u) << l.area;
    }
    vk::elec.ac_bus2_powered = 0;
    m = host.mark();
    host.click("alti_main_vk", 1);
    EXPECT_TRUE(host.keys_since(m).empty());
}

TEST_F(AirData, StandbyAltimeterKeepsItsOwnSetting) {
    host.place("alti_sec_vkm");
    set(Var::altimeter_setting_hpa, 1013.0);
    set(Var::altitude, 2000.0);
    host.run_frames(1);
    EXPECT_DOUBLE_EQ(s.stby_baro_hpa, 1013.0);  // taken on its first frame only
    set(Var::altimeter_setting_hpa, 1003.0);
    host.run_frames(1);
    EXPECT_DOUBLE_EQ(s.stby_baro_hpa, 1013.0);
    EXPECT_NEAR(s.stby_alt_ft, 2295.2, 1e-9);
    EXPECT_NEAR(host.needle_value("alti_sec_vkm", 4), 295.2, 1e-9);
    EXPECT_NEAR(host.needle_value("alti_sec_vkm", 3), 2295.2, 1e-9);
    set(Var::altitude, -500.0);
    host.run_frames(1);
    EXPECT_NEAR(host.needle_value("alti_sec_vkm", 4), 795.2, 1e-9);

    EXPECT_FALSE(host.shown("alti_sec_vkm", 2));
    host.click("alti_sec_vkm", 1);
    EXPECT_DOUBLE_EQ(s.stby_baro_hpa, 1013.5);
    host.run_frames(60);
    EXPECT_TRUE(host.shown("alti_sec_vkm", 2));
    host.click("alti_sec_vkm", 0);  // restarts the window's 100 ticks
    host.run_frames(99);
    EXPECT_TRUE(host.shown("alti_sec_vkm", 2));
    host.run_frames(1);
    EXPECT_FALSE(host.shown("alti_sec_vkm", 2));
    EXPECT_DOUBLE_EQ(host.view(host.element("alti_sec_vkm", 1)).value_angle, 1013.0 * 3 - 2850);

    host.hold("alti_sec_vkm", 1, 200);
    EXPECT_DOUBLE_EQ(s.stby_baro_hpa, 1050.0);
    host.hold("alti_sec_vkm", 0, 250);
    EXPECT_DOUBLE_EQ(s.stby_baro_hpa, 950.0);
    vk::panel.night_lighting = 1;
    host.run_frames(1);
    EXPECT_FALSE(host.shown("alti_sec_vkm", 2));
    EXPECT_TRUE(host.shown("alti_sec_vkm", 7));
    EXPECT_FALSE(host.shown("alti_sec_vkm", 4));
    EXPECT_TRUE(host.shown("alti_sec_vkm", 9));
}

// ---------------------------------------------------------------- vertical speed, temperature

TEST_F(AirData, VerticalSpeedIsHeldWithinSixThousand) {
    host.place("vsi_vk");
    const double in[] = {1300.48, -1e9, 1e9, std::numeric_limits<double>::quiet_NaN()};
    const double out[] = {1000.0488, -6000.0, 6000.0, 0.0};
    for (int k = 0; k < 4; ++k) {
        set(Var::vertical_speed, in[k]);
        host.run_frames(1);
        EXPECT_NEAR(s.vsi_fpm, out[k], 1e-6) << in[k];
    }
}

TEST_F(AirData, TemperatureCreepsWithTheBatteryBusAndBackWithout) {
    host.place("tat_vk");
    vk::elec.bat_bus_powered = 1;
    set(Var::total_air_temp, 10.0 / 256.0);  // 10 degrees
    host.run_frames(170);                    // 0.05 a frame ...
    EXPECT_NEAR(s.tat_shown_c, 8.5, 1e-9);
    host.run_frames(12);  // ... and the rest at once within 1
    EXPECT_EQ(s.tat_shown_c, 10.0);
    vk::elec.bat_bus_powered = 0;
    host.run_frames(170);
    EXPECT_NEAR(s.tat_shown_c, 1.5, 1e-9);
    host.run_frames(12);
    EXPECT_EQ(s.tat_shown_c, 0.0);
    vk::elec.bat_bus_powered = 1;
    set(Var::total_air_temp, -1.0);  // -256 degrees: the pointer stops at -70
    host.run_frames(2000);
    EXPECT_EQ(s.tat_shown_c, -70.0);
}

TEST_F(AirData, FlapFaceComesOncePerSettingAndTheClickToggles) {
    host.place("tat_vk");
    vk::elec.instrument_ac_powered = 1;
    auto flaps = [&](double deg) {
        set(Var::flap_angle_left, deg);
        set(Var::flap_angle_right, deg);
        host.run_frames(1);
    };
    flaps(3.0);
    EXPECT_FALSE(host.shown("tat_vk", 4));
    flaps(5.05);
    EXPECT_TRUE(host.shown("tat_vk", 4));
    EXPECT_DOUBLE_EQ(s.flap_left_deg, 5.05);
    host.click("tat_vk", 0);  // put away while the flaps sit at 5
    flaps(5.0);
    EXPECT_FALSE(host.shown("tat_vk", 4));
    flaps(8.0);
    flaps(10.0);  // the next setting brings it back
    EXPECT_TRUE(host.shown("tat_vk", 4));
    flaps(0.0);
    EXPECT_FALSE(host.shown("tat_vk", 4));
    host.click("tat_vk", 0);  // at 0 the crew may still look at it
    flaps(0.0);
    EXPECT_TRUE(host.shown("tat_vk", 5));

    // Green circuit lost with the emergency lever's guard open: the pointers
    // follow only while the lever drives the flaps on red pressure.
    vk::hyd.green_pressure = 1000;
    vk::hyd.emerg_flap_guard = 1;
    vk::hyd.red_pressure = 2500;
    flaps(20.0);
    EXPECT_EQ(s.flap_left_deg, 0.0);
    vk::hyd.emerg_flap_lever = 2;
    flaps(20.0);
    EXPECT_EQ(s.flap_right_deg, 20.0);
    vk::elec.instrument_ac_powered = 0;
    flaps(25.0);
    EXPECT_EQ(s.flap_right_deg, 20.0);
}

}  // namespace
}  // namespace vktest
