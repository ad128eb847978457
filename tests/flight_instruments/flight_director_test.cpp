// The flight director computer behind the attitude director indicators: its
// heading and course laws, the command bars, the glide-slope law and the
// attitude gyro, driven through the host with the indicators placed.
#include <cfenv>
#include <cmath>
#include <numbers>
#include <vector>

#include "gauges/flight_instruments/flight_director.h"
#include "support.h"

namespace vktest {
namespace {

using vk::Var;

class FlightDirector : public LinkedHost {
  protected:
    FlightDirector() {
        host.place("fdsw_vkm");
        host.place("fdadi_vk");
        host.place("fdadimini_vk");
        vk::elec.ac_bus1_powered = 1;
        vk::elec.tadg_switch = 1;
    }
    void set(Var v, double x) { host.set(id(v), x); }
    void mode(int position) { host.click("fdsw_vkm", position); }  // areas 0..4: positions
    // A localizer received: the outermost intercept band is 99.
    void localizer(double course, double deviation) {
        vk::instr.nav_flags_bit40 = 1;
        set(Var::nav_signal, 1000.0);
        set(Var::nav_course, course);
        set(Var::course_deviation, deviation);
    }
    // On the localizer of a 090 course at 140 kt with a usable glide slope.
    void established(double radio_height) {
        localizer(90.0, 0.0);
        set(Var::heading, 90.0);
        set(Var::indicated_airspeed, 140.0);
        set(Var::glide_slope_usable, 1.0);
        set(Var::radio_height, radio_height);
    }
    vk::FlightInstrState& s = vk::instr;
};

TEST(FlightDirectorLaws, RollStepsChangeAtTheirBoundsAndDifferBetweenTheLaws) {
    // Each bound belongs to the step nearer to 0; the two laws part above 3.
    const double errors[] = {-15.5, -15, -10, -5, -3, -2, 2, 2.5, 3.5, 7, 12, 15.5};
    const int heading[] = {-25, -15, -10, -5, -1, 0, 0, 1, 5, 10, 15, 25};
    const int course[] = {-25, -10, -5, -2, -1, 0, 0, 1, 2, 5, 10, 25};
    for (size_t k = 0; k < std::size(errors); ++k) {
        EXPECT_EQ(vk::heading_roll_step(errors[k]), heading[k]) << errors[k];
        EXPECT_EQ(vk::course_roll_step(errors[k]), course[k]) << errors[k];
    }
}

TEST(FlightDirectorLaws, InterceptHeadingStaysOnTheCompass) {
    // Left of a course near north: 5 - 20 wraps to 345, not below 0.
    EXPECT_EQ(vk::intercept_heading(5.0, 20, -50.0, 99.0, 123.0), 345u);
    // Right of a course near north: 350 + 20 wraps to 10; 340 + 20 is 0, not 360.
    EXPECT_EQ(vk::intercept_heading(350.0, 20, 50.0, 99.0, 123.0), 10u);
    EXPECT_EQ(vk::intercept_heading(340.0, 20, 50.0, 99.0, 123.0), 0u);
    EXPECT_EQ(vk::intercept_heading(359.5, 0, 0.5, 99.0, 123.0), 359u);
    // Outside the outer band, or on the beam: the current heading.
    EXPECT_EQ(vk::intercept_heading(90.0, 20, 120.0, 99.0, 123.4), 123u);
    EXPECT_EQ(vk::intercept_heading(90.0, 20, 0.0, 99.0, 360.0), 0u);
    EXPECT_EQ(vk::intercept_heading(NAN, 20, 50.0, 99.0, 0.0), 0u);
}

TEST_F(FlightDirector, HeadingLawAcrossNorthWithItsDeadBand) {
    s.selected_heading_deg = 350;
    set(Var::heading, 10.0);
    set(Var::bank, 4.0);
    host.run_frames(1);
    EXPECT_DOUBLE_EQ(s.hdg_error_deg, -20.0);
    EXPECT_EQ(s.hdg_roll_step, -25);
    EXPECT_DOUBLE_EQ(s.hdg_roll_cmd, -21.0);  // step + bank

    s.selected_heading_deg = 100;
    set(Var::heading, 99.5);  // exactly 0.5 off: nothing
    host.run_frames(1);
    EXPECT_EQ(s.hdg_error_deg, 0.0);
    set(Var::heading, 97.5);  // within 3: the error itself, no bank term
    host.run_frames(1);
    EXPECT_DOUBLE_EQ(s.hdg_roll_cmd, 2.5);
    EXPECT_EQ(s.hdg_roll_step, 1);

    // The course law's dead band is 0.2 around the whole-degree intercept heading.
    localizer(270.0, 0.0);
    set(Var::heading, 270.2);
    host.run_frames(1);
    EXPECT_EQ(s.nav_intercept_hdg_deg, 270u);
    EXPECT_EQ(s.nav_hdg_error_deg, 0.0);
    set(Var::heading, 270.3);
    host.run_frames(1);
    EXPECT_NEAR(s.nav_hdg_error_deg, -0.3, 1e-9);
}

TEST_F(FlightDirector, InterceptHeadingFromTheDriftCorrectedCourseAcrossNorth) {
    // Course 20, drifting 10 degrees left of the nose: corrected course 10.
    // Far left of the beam (-50): 10 - 20 must come out as 350.
    localizer(20.0, -50.0);
    set(Var::velocity_longitudinal, 100.0 * std::cos(10.0 * std::numbers::pi / 180.0));
    set(Var::velocity_lateral, 100.0 * std::sin(10.0 * std::numbers::pi / 180.0));
    host.run_frames(1);
    EXPECT_NEAR(s.drift_corrected_course_deg, 10.0, 1e-4);
    EXPECT_EQ(s.nav_intercept_angle_deg, 20);
    EXPECT_EQ(s.nav_intercept_hdg_deg, 350u);

    // Course 340, no drift, far right (+50): 340 + 20 is north, 0.
    localizer(340.0, 50.0);
    set(Var::velocity_lateral, 0.5);  // below 1: no drift (90 degrees if it counted)
    set(Var::velocity_longitudinal, 0.0);
    host.run_frames(1);
    EXPECT_DOUBLE_EQ(s.drift_corrected_course_deg, 340.0);
    EXPECT_EQ(s.nav_intercept_hdg_deg, 0u);
    // Standing still, the drift is not worked out at all: no 0/0 (which would
    // raise the invalid-operation flag, looked at where it is reliable).
    set(Var::velocity_lateral, 0.0);
    std::feclearexcept(FE_ALL_EXCEPT);
    host.run_frames(1);
#if defined(__x86_64__)
    EXPECT_FALSE(std::fetestexcept(FE_INVALID));
#endif
    EXPECT_DOUBLE_EQ(s.drift_corrected_course_deg, 340.0);

    // Closer in the angle steps down and the inner bands gain hysteresis.
    set(Var::course_deviation, 10.0);  // between band 4 (7.3) and band 3 (14.7)
    host.run_frames(1);
    EXPECT_EQ(s.nav_intercept_angle_deg, 5);
    set(Var::course_deviation, 6.0);
    host.run_frames(1);
    EXPECT_EQ(s.nav_intercept_angle_deg, 1);
    EXPECT_EQ(s.nav_mid_hyst, 1);
    set(Var::course_deviation, 12.0);  // back out: the middle band narrows
    host.run_frames(1);                // from the next frame
    EXPECT_EQ(s.nav_mid_hyst, 2);
    host.run_frames(1);
    EXPECT_NEAR(s.nav_band[4], 99.0 / 3 / 1.5 / 1.5 / 2.5, 1e-9);
}

TEST_F(FlightDirector, BarsRunToTheirStopsAndCaptureInEachMode) {
    // Without power: two units a frame to the stops, both flags in view.
    vk::elec.ac_bus1_powered = 0;
    host.run_frames(1);
    EXPECT_DOUBLE_EQ(s.fd_roll_bar_pos, 8.0);
    EXPECT_DOUBLE_EQ(s.fd_pitch_bar_pos, 4.0);
    host.run_frames(4);
    EXPECT_DOUBLE_EQ(s.fd_roll_bar_pos, 14.0);
    EXPECT_DOUBLE_EQ(s.fd_pitch_bar_pos, -4.0);
    EXPECT_TRUE(host.shown("fdadi_vk", 4));
    EXPECT_TRUE(host.shown("fdadimini_vk", 4));

    // Heading mode, 20 degrees to the right, wings level: target 7.25. From
    // the stop the bar comes in a unit a frame (clamped into 1..11) and takes
    // the target once within 1.
    vk::elec.ac_bus1_powered = 1;
    s.selected_heading_deg = 20;
    mode(2);
    host.run_frames(1);
    EXPECT_DOUBLE_EQ(s.fd_roll_bar_pos, 11.0);
    EXPECT_FALSE(host.shown("fdadi_vk", 4));
    host.run_frames(4);
    EXPECT_DOUBLE_EQ(s.fd_roll_bar_pos, 7.25);
    EXPECT_EQ(s.roll_capture[2], 1);
    EXPECT_EQ(s.roll_capture[3], 2);
    // Captured on the heading law it follows at 0.025 a frame.
    set(Var::bank, 20.0);  // command 45: target 8.25
    host.run_frames(1);
    EXPECT_DOUBLE_EQ(s.fd_roll_bar_pos, 7.275);

    // Navigation mode was marked by the heading mode: the slow 0.01 a frame.
    localizer(20.0, -50.0);   // intercept heading 0
    set(Var::heading, 40.0);  // course error -40: step -25 + bank 20 = -5
    mode(3);
    host.run_frames(1);
    EXPECT_NEAR(s.fd_roll_bar_pos, 7.265, 1e-9);
    EXPECT_EQ(s.roll_capture[2], 2);

    // Off: the bars go a unit a frame, the captures are cleared, and the next
    // mode starts with the fast slew again.
    mode(0);
    host.run_frames(1);
    EXPECT_NEAR(s.fd_roll_bar_pos, 8.265, 1e-9);
    EXPECT_TRUE(host.shown("fdadi_vk", 4));
    EXPECT_FALSE(host.shown("fdadi_vk", 5));
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(s.roll_capture[k], 0);
    mode(3);
    host.run_frames(1);
    EXPECT_NEAR(s.fd_roll_bar_pos, 7.265, 1e-9);  // a whole unit towards 5.75
    host.run_frames(30);
    EXPECT_NEAR(s.fd_roll_bar_pos, 5.75, 1e-9);  // 0.05 steps, then the target
    EXPECT_EQ(s.roll_capture[3], 1);

    // Reverse navigation flies the course command with its sense inverted.
    mode(1);
    host.run_frames(200);
    EXPECT_NEAR(s.fd_roll_bar_pos, 6.25, 1e-9);

    // Power lost: the roll captures start afresh, the pitch capture holds.
    EXPECT_EQ(s.pitch_capture, 1);
    vk::elec.ac_bus1_powered = 0;
    host.run_frames(1);
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(s.roll_capture[k], 0);
    EXPECT_EQ(s.pitch_capture, 1);
}

TEST_F(FlightDirector, TakeOffFliesHeadingAndTenDegreesNoseUp) {
    for (int k = 0; k < 5; ++k) host.click("fdsw_vkm", 8);  // pitch knob up 5
    EXPECT_DOUBLE_EQ(vk::ap.fd_pitch_ref_deg, 5.0);
    mode(4);
    set(Var::throttle_2, 0.75);
    s.selected_heading_deg = 10;  // 10 degrees right: step 10
    host.run_frames(40);
    EXPECT_EQ(s.fd_takeoff, 1);
    EXPECT_DOUBLE_EQ(s.pitch_att_cmd, -40.0);  // 10 up, not 5
    EXPECT_DOUBLE_EQ(s.fd_pitch_bar_pos, 4.0);
    EXPECT_DOUBLE_EQ(s.fd_roll_bar_pos, 6.5);
    EXPECT_EQ(s.roll_capture[2], 1);  // heading mode's entry
    EXPECT_EQ(s.roll_capture[4], 2);

    set(Var::throttle_2, 0.5);  // approach proper: the pitch knob counts
    host.run_frames(1);
    EXPECT_EQ(s.fd_takeoff, 0);
    EXPECT_DOUBLE_EQ(s.pitch_att_cmd, -20.0);
    EXPECT_EQ(s.roll_capture[2], 2);
}

TEST_F(FlightDirector, GlideSlopeArmsCapturesAndLeaves) {
    mode(4);
    established(600.0);
    set(Var::glide_slope_deviation, -20.0);
    host.run_frames(1);
    EXPECT_EQ(s.glide_state, 0);  // too far below the beam
    set(Var::glide_slope_deviation, -10.0);
    set(Var::vertical_speed, -300.0);  // descending too fast
    host.run_frames(1);
    EXPECT_EQ(s.glide_state, 0);
    set(Var::vertical_speed, 0.0);
    set(Var::glide_slope_usable, 0.999);  // only exactly 1.0 is usable
    host.run_frames(1);
    EXPECT_EQ(s.glide_state, 0);
    set(Var::glide_slope_usable, 1.0);
    set(Var::heading, 180.0);  // exactly 90 off the course: outside the window
    host.run_frames(1);
    EXPECT_EQ(s.glide_state, 0);
    set(Var::heading, 179.0);
    host.run_frames(1);
    EXPECT_EQ(s.glide_state, 1);
    host.run_frames(1);
    EXPECT_DOUBLE_EQ(s.fd_vs_target, -910.336);  // five times 140 kt, host units
    // Level flight against a 700 ft/min target: 14 units nose-down.
    EXPECT_NEAR(s.glide_pitch_cmd, 14.0, 0.01);

    set(Var::glide_slope_deviation, 0.0);
    host.run_frames(1);
    EXPECT_EQ(s.glide_state, 2);
    // The pitch bar flies the glide command, not the attitude (6), on the
    // glide law's own capture.
    host.run_frames(20);
    EXPECT_NEAR(s.fd_pitch_bar_pos, (s.glide_pitch_cmd + 120.0) / 20.0, 1e-9);
    EXPECT_NEAR(s.fd_pitch_bar_pos, 6.7, 0.01);
    EXPECT_EQ(s.glide_pitch_capture, 1);
    EXPECT_EQ(s.pitch_capture, 0);
    // A course near north: its window runs from 280 through 0 to 100.
    set(Var::nav_course, 10.0);
    set(Var::heading, 350.0);
    host.run_frames(1);
    EXPECT_EQ(s.glide_state, 2);
    set(Var::heading, 279.5);
    host.run_frames(1);
    EXPECT_EQ(s.glide_state, 0);
    EXPECT_EQ(s.glide_tick_a, 0.0);
    EXPECT_EQ(s.glide_pitch_cmd, 0.0);
}

TEST_F(FlightDirector, VerticalSpeedTargetByRadioHeight) {
    established(300.0);
    host.run_frames(1);  // armed
    // A descent through the sampling heights: each sample freezes at the last
    // value seen above its height.
    const double heights[] = {245, 230, 215, 205, 150};
    const double speeds[] = {-700, -710, -720, -730, -740};
    for (int k = 0; k < 5; ++k) {
        set(Var::radio_height, heights[k]);
        set(Var::vertical_speed, speeds[k]);
        host.run_frames(1);
    }
    EXPECT_DOUBLE_EQ(s.vs_sample_240, -700.0);
    EXPECT_DOUBLE_EQ(s.vs_sample_220, -710.0);
    EXPECT_DOUBLE_EQ(s.vs_sample_202, -730.0);
    EXPECT_DOUBLE_EQ(s.fd_vs_target, (-700.0 - 710.0 - 730.0) / 3.0);
    set(Var::radio_height, 21.0);
    host.run_frames(1);
    EXPECT_DOUBLE_EQ(s.fd_vs_target, s.approach_vs);
}

// Frames at which the captured glide law changed its target, with the
// deviation moving every frame.
std::vector<uint64_t> target_changes(vkhost::TestHost& host, int frames) {
    std::vector<uint64_t> at;
    double last = vk::instr.fd_vs_target;
    for (int f = 0; f < frames; ++f) {
        host.set(id(Var::glide_slope_deviation), 1.0 + f * 0.01);
        host.run_frames(1);
        if (vk::instr.fd_vs_target != last) at.push_back(host.frame());
        last = vk::instr.fd_vs_target;
    }
    return at;
}

TEST_F(FlightDirector, CapturedGlideTargetChangesEveryTwentyTicksAlsoAfterReArming) {
    established(600.0);
    set(Var::glide_slope_deviation, 1.0);
    host.run_frames(2);  // armed, then captured (one tick per frame)
    ASSERT_EQ(s.glide_state, 2);
    const uint64_t captured = host.frame();
    auto changes = target_changes(host, 200);
    ASSERT_GE(changes.size(), 8u);
    EXPECT_EQ(changes[0], captured + 21);  // armed on the first captured frame, due 20 later
    for (size_t k = 1; k < changes.size(); ++k) EXPECT_EQ(changes[k] - changes[k - 1], 20u);

    // Lost for a minute and captured again: the timers start afresh instead
    // of firing at once and catching up a frame at a time.
    set(Var::glide_slope_usable, 0.0);
    host.run_frames(18 * 60);
    set(Var::glide_slope_usable, 1.0);
    set(Var::glide_slope_deviation, 1.0);
    host.run_frames(2);
    ASSERT_EQ(s.glide_state, 2);
    const uint64_t again = host.frame();
    changes = target_changes(host, 100);
    ASSERT_FALSE(changes.empty());
    EXPECT_EQ(changes[0], again + 21);
    for (size_t k = 1; k < changes.size(); ++k) EXPECT_EQ(changes[k] - changes[k - 1], 20u);
}

TEST_F(FlightDirector, SphereTopplesWithoutTheGyroAndReErects) {
    set(Var::bank, -150.0);
    set(Var::pitch, -10.0);
    host.run_frames(1);
    EXPECT_DOUBLE_EQ(s.adi_bank_disp_deg, -150.0);  // following the aircraft
    vk::elec.tadg_switch = 0;
    host.run_frames(30);  // down to -180 ...
    EXPECT_DOUBLE_EQ(s.adi_bank_disp_deg, -180.0);
    host.run_frames(1);  // ... through it
    EXPECT_NEAR(s.adi_bank_disp_deg, 179.9, 1e-9);
    EXPECT_DOUBLE_EQ(s.adi_pitch_disp_deg, 0.0);  // 10 frames down, then 0 within 2
    host.run_frames(1);
    EXPECT_NEAR(s.adi_bank_disp_deg, 178.9, 1e-9);  // ... and on down to rest at 60
    host.run_frames(200);
    EXPECT_DOUBLE_EQ(s.adi_bank_disp_deg, 60.0);
    EXPECT_TRUE(host.shown("fdadi_vk", 5));

    // Back on: up through 180 to come on the bank from below.
    vk::elec.tadg_switch = 1;
    host.run_frames(1);
    EXPECT_EQ(s.bank_erecting, 1);
    EXPECT_DOUBLE_EQ(s.adi_bank_disp_deg, 61.0);
    EXPECT_FALSE(host.shown("fdadi_vk", 5));
    host.run_frames(118);
    EXPECT_DOUBLE_EQ(s.adi_bank_disp_deg, 179.0);
    host.run_frames(1);
    EXPECT_DOUBLE_EQ(s.adi_bank_disp_deg, -180.0);
    host.run_frames(28);  // up to -152, within 2 of the bank
    EXPECT_DOUBLE_EQ(s.adi_bank_disp_deg, -152.0);
    host.run_frames(1);
    EXPECT_DOUBLE_EQ(s.adi_bank_disp_deg, -150.0);
    EXPECT_EQ(s.bank_erecting, 0);
    EXPECT_DOUBLE_EQ(s.adi_pitch_disp_deg, -10.0);
    set(Var::bank, 10.0);
    host.run_frames(1);
    EXPECT_DOUBLE_EQ(s.adi_bank_disp_deg, 10.0);

    // Near level the pitch display holds while it re-erects.
    vk::elec.tadg_switch = 0;
    host.run_frames(20);
    vk::elec.tadg_switch = 1;
    set(Var::pitch, 1.0);
    host.run_frames(5);
    EXPECT_EQ(s.pitch_erecting, 1);
    EXPECT_DOUBLE_EQ(s.adi_pitch_disp_deg, 0.0);

    // 58 and -120 lie in two ranges each: the rising one wins.
    vk::elec.tadg_switch = 0;
    s.adi_bank_disp_deg = 58.0;
    host.run_frames(2);
    EXPECT_DOUBLE_EQ(s.adi_bank_disp_deg, 60.0);  // 59, then snapped to rest
    s.adi_bank_disp_deg = -120.0;
    host.run_frames(1);
    EXPECT_DOUBLE_EQ(s.adi_bank_disp_deg, -119.0);
}

TEST_F(FlightDirector, FlagsFailuresAndNightOnBothIndicators) {
    mode(2);
    host.run_frames(1);
    EXPECT_FALSE(host.shown("fdadimini_vk", 4));
    set(Var::adi_failed_b, 1.0);
    host.run_frames(1);
    EXPECT_TRUE(host.shown("fdadi_vk", 4));
    EXPECT_TRUE(host.shown("fdadi_vk", 5));
    EXPECT_TRUE(host.shown("fdadimini_vk", 5));
    set(Var::adi_failed_b, 0.0);
    vk::elec.ac_bus1_powered = 0;  // the gyro unit still runs: attitude good
    host.run_frames(1);
    EXPECT_TRUE(host.shown("fdadi_vk", 4));
    EXPECT_FALSE(host.shown("fdadi_vk", 5));

    vk::panel.night_lighting = 1;
    host.run_frames(1);
    EXPECT_FALSE(host.shown("fdadi_vk", 0));
    EXPECT_FALSE(host.shown("fdadi_vk", 8));
    EXPECT_TRUE(host.shown("fdadi_vk", 9));
    EXPECT_TRUE(host.shown("fdadi_vk", 10));
}

// ---------------------------------------------------------------- the control box

TEST_F(FlightDirector, ControlBoxStopsAtItsEndsAndShowsOneSelector) {
    auto selectors = [&] {
        int n = 0;
        for (int k = 2; k <= 11; ++k) n += host.shown("fdsw_vkm", k);
        return n;
    };
    host.click("fdsw_vkm", 5);  // down from 0 stays at 0
    EXPECT_EQ(vk::ap.fd_mode, 0);
    for (int k = 0; k < 6; ++k) host.click("fdsw_vkm", 6);
    EXPECT_EQ(vk::ap.fd_mode, 4);
    host.hold("fdsw_vkm", 7, 30);  // pitch knob held down
    EXPECT_DOUBLE_EQ(vk::ap.fd_pitch_ref_deg, -23.0);
    host.hold("fdsw_vkm", 8, 60);
    EXPECT_DOUBLE_EQ(vk::ap.fd_pitch_ref_deg, 23.0);

    host.run_frames(1);
    EXPECT_TRUE(host.shown("fdsw_vkm", 6));
    mode(1);  // a new position and night in the same frame
    vk::panel.night_lighting = 1;
    host.run_frames(1);
    EXPECT_EQ(selectors(), 1);
    EXPECT_TRUE(host.shown("fdsw_vkm", 8));
    EXPECT_TRUE(host.shown("fdsw_vkm", 1));
    EXPECT_FALSE(host.shown("fdsw_vkm", 0));
}

}  // namespace
}  // namespace vktest
