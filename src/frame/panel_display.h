#pragma once
// Showing the pictures of recurring panel controls from their state, every
// frame: switches under guards and controls drawn by day and by night.
#include "frame/element.h"

namespace vk {

// The four pictures of a switch under a guard. Switched on with the guard
// closed only `on_closed` is drawn; on with the guard open, the open guard and
// `on_open`; off, the open guard and `off` (a switch can only be turned off
// once its guard is open).
struct GuardedSwitchPictures {
    ElementHeader* on_closed;
    ElementHeader* guard_open;
    ElementHeader* on_open;
    ElementHeader* off;

    void show(bool guard_is_open, bool on) const {
        vk::show(on_closed, on && !guard_is_open);
        vk::show(guard_open, guard_is_open || !on);
        vk::show(on_open, on && guard_is_open);
        vk::show(off, !on);
    }
};

// A picture with a day copy and a night copy: at most one of them is drawn,
// the one that fits the panel lighting, and only while `visible`.
inline void show_day_night(ElementHeader* day, ElementHeader* night, bool visible,
                           bool night_lighting) {
    show(day, visible && !night_lighting);
    show(night, visible && night_lighting);
}

}  // namespace vk
