#pragma once
// Where a needle points: the angle of each scale table entry seen from the
// pivot, and the angle for a value between entries.
#include "frame/records.h"

namespace vkhost {

// Degrees clockwise from straight up, of the point (x, y) seen from the pivot.
double point_angle(int pivot_x, int pivot_y, int x, int y);

// The angle a needle's scale table gives for `value`: linear in value between
// neighbouring entries, held at the end entry beyond either end. Successive
// entries are unwrapped so that a dial may turn through more than 180
// degrees. A NaN value gives the first entry's angle. A needle without a
// table turns by its value in degrees (NaN and infinities: 0).
double needle_target_angle(const vk::Needle& needle, double value);

// One frame of a needle's movement towards `target`, at most `max_turn`
// degrees (no limit when max_turn is 0 or less).
double limit_turn(double shown, double target, int max_turn);

}  // namespace vkhost
