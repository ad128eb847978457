#pragma once
// Flight instrument state shared by the instrument gauges: attitude and flight director, air
// data, navigation displays and announcer, radio altimeter, turn indicators and clock.
#include <cstdint>

#include "frame/drum.h"

namespace vk {

struct FlightInstrState {
    // Attitude director indicator and flight director computer
    double fd_roll_bar_pos = 6.0;       // roll bar on its 0..12 travel; 6 centre, 14 stowed
    double fd_pitch_bar_pos = 6.0;      // pitch bar on its 0..12 travel; 6 centre, -4 stowed
    uint8_t roll_capture[5] = {};       // by mode 1..4 (entry 0 unused): 0 no, 1 captured, 2 other
    uint8_t pitch_capture = 0;          // pitch bar has reached its attitude target
    uint8_t glide_pitch_capture = 0;    // pitch bar has reached its glide target
    uint8_t fd_takeoff = 0;             // approach mode with a throttle lever at 0.75 or more
    uint32_t selected_heading_deg = 0;  // selected heading 0..359, set by the heading knob
    double hdg_error_deg = 6.0;         // selected minus current heading, -180..+180 deg
    int32_t hdg_roll_step = 0;          // heading-mode roll step
    double hdg_roll_cmd = 6.0;          // heading-mode roll command
    double drift_corrected_course_deg = 0.0;  // selected course corrected by the drift angle, deg
    double nav_band[6] = {};                  // course-deviation thresholds of the intercept law
    uint8_t nav_inner_hyst = 0;               // hysteresis state 0..3 of the innermost band
    uint8_t nav_mid_hyst = 0;                 // hysteresis state 0..3 of the next band out
    int32_t nav_intercept_angle_deg = 0;      // intercept angle: 0, 1, 5, 10, 15 or 20 deg
    uint32_t nav_intercept_hdg_deg = 0;       // heading the course law asks for, deg
    double nav_hdg_error_deg = 6.0;           // intercept minus current heading, deg
    int32_t nav_roll_step = 0;                // course-mode roll step
    double nav_roll_cmd = 6.0;                // course-mode roll command
    uint8_t nav_steering_active = 0;  // a non-zero course roll step was produced; 0 without signal
    double pitch_att_cmd = 6.0;       // pitch command of the attitude reference
    uint8_t heading_toward_course = 0;  // heading within +/-90 deg of the selected course
    uint8_t glide_state = 0;            // glide slope: 0 off, 1 armed, 2 captured
    double glide_tick_a = 0.0;          // tick at which glide timer A falls due
    double glide_tick_b = 0.0;          // tick at which glide timer B falls due
    uint8_t glide_phase_a = 0;          // glide timer A has fired
    uint8_t glide_phase_b = 0;          // glide timer B has fired
    double approach_vs = -850.0;        // approach descent rate from airspeed, m/s x 256
    double vs_sample_240 = -850.0;      // vertical speed last seen above 240 m radio height
    double vs_sample_220 = -850.0;      // vertical speed last seen above 220 m radio height
    double vs_sample_202 = -850.0;      // vertical speed last seen above 202 m radio height
    double vs_sample_mean = -850.0;     // mean of the three samples
    double fd_vs_target = -850.0;       // glide law vertical-speed target, m/s x 256
    double glide_pitch_raw = 0.0;       // glide pitch command
    double glide_pitch_cmd = 0.0;       // glide pitch command flown (0 unless armed or captured)
    double adi_bank_disp_deg = 0.0;     // bank shown by the sphere, deg
    uint8_t bank_erecting = 0;          // sphere bank is re-erecting
    double adi_pitch_disp_deg = 0.0;    // pitch shown by the sphere, deg
    uint8_t pitch_erecting = 0;         // sphere pitch is re-erecting
    uint8_t fd_flag_shown = 0;          // flight director warning flag visible
    uint8_t att_flag_shown = 0;         // attitude warning flag visible
    float aux_pointer_value = 0.0f;     // auxiliary pointer value, -10..+20
    double aux_scale_pos = 5.0;         // auxiliary moving scale, 10 - value / 2

    // Air data instruments
    double ias_shown_kt = 0.0;        // airspeed main pointer, kt (0..400)
    double ias_second_kt = 0.0;       // airspeed second pointer, kt (0..400)
    double ias_strip_rest = 0.0;      // airspeed remainder driving the moving strip, kt
    double vref_base_kt = 0.0;        // weight-derived reference speed, kt
    double vr_kt = 0.0;               // rotation speed before truncation, kt
    uint32_t vr_whole_kt = 0;         // rotation speed, whole knots
    double v1_kt = 0.0;               // decision speed, vr - 10 kt
    double vapp_kt = 0.0;             // approach reference speed, kt
    uint8_t speed_display_on = 0;     // digital reference-speed display shown
    uint8_t speed_digits[4] = {};     // tens and units of the upper and lower speed rows
    uint8_t callout_80_done = 0;      // "80 kt" callout played in this take-off run
    uint8_t callout_v1_done = 0;      // "V1" callout played in this take-off run
    uint8_t callout_vr_done = 0;      // "VR" callout played in this take-off run
    uint32_t marker_low = 0;          // low speed marker of the repeater, dial units 0..87
    uint32_t marker_high = 0;         // high speed marker of the repeater, dial units 3..90
    double mach_shown = 0.0;          // Machmeter pointer, 0..1000
    double alt_disp_ft = 0.0;         // altitude on the main altimeter counter, ft
    double alt_needle = 0.0;          // main altimeter pointer, 0..100 per 1000 ft
    double alt_drum[4] = {};          // tens-and-units, hundreds, thousands, ten-thousands drums
    double baro_inhg_digits[4] = {};  // inHg setting counter drums, units first
    double baro_hpa_digits[4] = {};   // hPa setting counter drums, units first
    double stby_baro_hpa = 0.0;       // standby altimeter setting, hPa (950..1050)
    uint8_t stby_baro_captured = 0;   // standby setting has been taken from the host setting
    double stby_alt_ft = 0.0;         // altitude shown by the standby altimeter, ft
    uint8_t stby_window_shown = 0;    // standby setting window visible after a knob turn
    double stby_window_tick = 0.0;    // tick of the last standby knob turn
    double vsi_fpm = 0.0;             // vertical speed, ft/min (-6000..+6000)
    double tat_shown_c = 0.0;         // total air temperature shown, deg C (-70..+50)
    uint8_t flap_face_shown = 0;      // flap face of the temperature gauge shown
    uint8_t flap_face_latched = 0;    // flap face already shown for the current flap setting
    uint8_t flap_zero_latched = 0;    // flap face already hidden for flaps at 0
    double flap_left_deg = 0.0;       // left flap pointer, deg (0..35)
    double flap_right_deg = 0.0;      // right flap pointer, deg (0..35)

    // Navigation displays, marker beacons and cockpit announcer
    uint8_t nav_flags_bit40 = 0;         // localizer bit 0x40 of navigation receiver 1 set
    uint8_t nav_flags_bit80 = 0;         // localizer bit 0x80 of navigation receiver 1 set
    uint8_t tofrom_state = 1;            // 1 TO, 2 FROM, 3 swinging to TO, 4 swinging to FROM
    int16_t pointer_swing = 0;           // 360 while the course pointer swings, else 0
    uint32_t course_pointer_deg = 0;     // course pointer angle, deg
    uint32_t reciprocal_course_deg = 0;  // selected course +/- 180 deg
    uint32_t course_whole_deg = 0;       // selected course, whole degrees
    uint16_t course_knob_angle = 0;      // course knob image angle, 0..360
    double course_drums[3] = {};         // course counter: hundreds, tens, continuous units
    double lateral_dev = 0.0;            // deviation bar input, reversed when FROM
    double gs_pointer_pos = 0.0;         // glide-slope pointer: 0..11 in view, 6 centre, 13 stowed
    uint8_t gs_flag_shown = 0;           // glide-slope flag visible
    uint8_t nav_warn_shown = 0;          // navigation warning raised (warning pointer shown)
    uint16_t hdg_knob_angle = 0;         // heading knob image angle
    uint8_t hdg_window_shown = 0;        // heading counter visible after a knob turn
    int32_t hdg_window_tick = 0;         // tick of the last heading knob turn
    DigitDrum hdg_drums[3] = {};       // heading counter: hundreds, tens, units of selected heading
    double hdg_marker_deg = 0.0;       // heading marker, selected - heading + 360 deg
    double card_heading_deg = 0.0;     // heading shown by the compass cards, deg
    double adf1_needle = 0.0;          // ADF 1 bearing needle
    double adf2_needle = 0.0;          // ADF 2 bearing needle
    double vor1_needle = 0.0;          // VOR 1 bearing needle of the magnetic indicator
    double vor2_needle = 0.0;          // VOR 2 bearing needle of the magnetic indicator
    uint8_t dme_select = 1;            // DME shown: 1 DME 1, 2 DME 2
    uint8_t dme_face_shown = 0;        // 1 DME face, 0 standby attitude face
    uint8_t dme_no_signal = 0;         // no DME distance available
    double dme_distance = 0.0;         // DME distance shown
    double dme_drums[3] = {};          // DME counter: hundreds, tens, continuous units
    double stby_bank_disp_deg = 0.0;   // standby attitude bank shown, deg
    uint8_t stby_bank_erecting = 0;    // standby bank is re-erecting
    double stby_pitch_disp_deg = 0.0;  // standby attitude pitch shown, deg
    uint8_t stby_pitch_erecting = 0;   // standby pitch is re-erecting
    uint8_t marker_audio_on = 0;       // marker audio switch on
    uint8_t announcer_code = 0;        // 0 idle, else the number of the request being announced
    uint8_t bell_sounding = 0;         // the bell is looping
    uint8_t aircond_sound_phase = 0;   // air-conditioning noise: 0 silent, 1 starting, 2 looping
    uint32_t aircond_sound_tick = 0;   // tick at which the looping noise takes over from the start

    // Radio altimeter, turn indicators and clock
    double ralt_shown_ft = 0.0;       // radio height pointer, ft (0..3000)
    uint32_t dh_ft = 0;               // decision height index, 0..2500 ft
    uint16_t dh_knob_angle = 0;       // decision-height knob image angle, main gauge (0..355)
    uint16_t dh_mini_knob_angle = 0;  // decision-height knob image angle, repeater (0..359)
    uint8_t dh_lamp_on = 0;           // decision-height lamp lit
    uint8_t ralt_flag_shown = 0;      // radio altimeter failure flag visible
    uint8_t ralt_testing = 0;         // self-test running
    uint8_t ralt_test_timing = 0;     // self-test end tick has been fixed
    uint32_t ralt_test_until = 0;     // tick at which the self-test ends
    double turn_rate_shown = 0.0;     // turn needle, -1200..+1200
    double ball_x = 0.0;              // balance ball, horizontal
    double ball_y = 0.0;              // balance ball, vertical (curved tube)
    uint8_t chrono_running = 0;       // chronograph running
    uint8_t chrono_reset_req = 0;     // chronograph reset requested
    uint32_t chrono_sec = 0;          // chronograph seconds, 0..59
    uint32_t chrono_min = 0;          // chronograph minutes, 0..15
    int32_t chrono_ref_s = 0;         // chronograph time reference, s
    double hour_hand = 0.0;           // hour hand, 0..12
    uint32_t bezel_angle = 0;         // bezel ring angle 0..354, steps of 6 deg
    uint8_t clock_set_mode = 0;       // time-setting mode on
};

extern FlightInstrState instr;

}  // namespace vk
