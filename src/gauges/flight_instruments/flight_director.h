#pragma once
// The flight director computer and the attitude gyro behind the two attitude
// director indicators. The large indicator runs one frame of it in its
// pre-update; both indicators draw the same elements from the results.
#include <cstdint>

#include "frame/element.h"

namespace vk {

// One frame: take-off condition, drift-corrected course, glide-slope law,
// heading and course steering, the two command bars with their captures and
// flags, and the sphere (toppling without the gyro unit, re-erecting with it).
void run_flight_director();

// Roll steps of the heading law and of the course law for a heading error in
// degrees (positive: the wanted heading lies to the right).
int32_t heading_roll_step(double error_deg);
int32_t course_roll_step(double error_deg);

// Heading the course law asks for, in whole degrees 0..359: the corrected
// course turned by the intercept angle towards the beam (left for a negative
// deviation, right for a positive one); the current heading outside the
// outermost band or on the beam.
uint32_t intercept_heading(double corrected_course, int32_t angle_deg, double deviation,
                           double outer_band, double heading);

// ---------------------------------------------------------------- shared elements

// The attitude director indicators' elements, parent to child, after the
// background: sphere, bank scale, auxiliary scale, the two flags, pitch bar,
// roll bar and auxiliary pointer.
namespace adi {

enum Element : int {
    background = 0,
    sphere = 1,
    bank_scale = 2,
    aux_scale = 3,
    fd_flag = 4,
    att_flag = 5,
    pitch_bar = 6,
    roll_bar = 7,
    aux_pointer = 8,
    // the large indicator only
    night_background = 9,
    night_aux_pointer = 10,
};

double VKCALL sphere_pitch(ElementHeader*);
double VKCALL sphere_bank(ElementHeader*);
double VKCALL aux_scale_value(ElementHeader*);
double VKCALL pitch_bar_value(ElementHeader*);
double VKCALL roll_bar_value(ElementHeader*);
double VKCALL aux_pointer_value(ElementHeader*);

// The auxiliary pointer's dial, shared by both indicators (the host writes
// the same angles into it for either).
extern ScaleEntry aux_pointer_scale[7];

// The gauge fails with the host's attitude failure.
inline constexpr FailureEntry kAttitudeFailure[] = {{8, 0}, {0, 0}};

inline constexpr int32_t kHelpId = 0xAB0D;

constexpr Sprite sphere_element() {
    return failures(sprite(0x1580, At{}, nullptr, sphere_pitch, sphere_bank,
                           SpriteScale{1.0f, 1.0f, -1.0f}, Pivot{163, 146}, 0.33f, 0x83),
                    kAttitudeFailure);
}
constexpr Sprite bank_scale_element() {
    return failures(sprite(0x1600, At{}, nullptr, nullptr, sphere_bank,
                           SpriteScale{1.0f, 1.0f, -1.0f}, Pivot{161, 148}, 1.0f, 0x83),
                    kAttitudeFailure);
}
constexpr MovingImage aux_scale_element() {
    return moving_image(0x1610, At{26, 36}, nullptr, Range{}, aux_scale_value, Range{0, 20},
                        Travel{0, 100});
}
constexpr ElementHeader fd_flag_element() {
    return icon(0x1620, At{57, 188}, 0x3 | kHidden);
}
constexpr ElementHeader att_flag_element() {
    return icon(0x1630, At{193, 199}, 0x3 | kHidden);
}
constexpr MovingImage pitch_bar_element() {
    return moving_image(0x1640, At{27, 12}, nullptr, Range{}, pitch_bar_value, Range{0, 12},
                        Travel{0, 240});
}
constexpr MovingImage roll_bar_element() {
    return moving_image(0x1650, At{27, 12}, roll_bar_value, Range{0, 12}, nullptr, Range{},
                        Travel{240, 0});
}
constexpr Needle aux_pointer_element(int32_t bitmap, uint32_t flags) {
    return needle(bitmap, At{42, 260}, Pivot{4, 4}, aux_pointer_scale, aux_pointer_value, flags);
}

}  // namespace adi
}  // namespace vk
