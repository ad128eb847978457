// Landing gear, flaps, airbrakes and brakes of the host aircraft. The handles
// are host variables that the key events set; after an event the legs or
// surfaces move a fixed step a frame towards what their handle selects, and
// stop there.
#include "host/effects/gear.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <iterator>

#include "frame/host_vars.h"
#include "frame/key_events.h"
#include "host/effects.h"
#include "host/ids.h"
#include "host/test_host.h"

namespace vkhost {
namespace {

double toward(double value, double target, double step) {
    if (!std::isfinite(value)) return target;
    if (value < target) return std::min(value + step, target);
    return std::max(value - step, target);
}

// Moves each variable a step towards the target; false once all are there.
bool move_towards(TestHost& h, std::initializer_list<vk::Var> vars, double target, double step) {
    bool moving = false;
    for (vk::Var v : vars) {
        const double now = toward(h.get(id(v)), target, step);
        h.set(id(v), now);
        moving = moving || now != target;
    }
    return moving;
}

// The next detent beyond the handle in the direction asked for.
double next_detent(double handle, bool extend) {
    if (!std::isfinite(handle)) handle = 0.0;
    if (extend) {
        for (double d : kFlapDetents)
            if (d > handle) return d;
        return kFlapDetents[std::size(kFlapDetents) - 1];
    }
    for (auto it = std::rbegin(kFlapDetents); it != std::rend(kFlapDetents); ++it)
        if (*it < handle) return *it;
    return kFlapDetents[0];
}

double clamp_or_zero(double v, double hi) {
    return std::isfinite(v) ? std::clamp(v, 0.0, hi) : 0.0;
}

void step(TestHost& h, double dt) {
    using vk::Var;
    GearModel& m = h.model<GearModel>();
    if (m.gear_moving) {
        const double target = h.get(id(Var::gear_handle)) > 0.0 ? kGearDown : 0.0;
        m.gear_moving = move_towards(
            h, {Var::gear_centre_position, Var::gear_left_position, Var::gear_right_position},
            target, kGearDown / kGearSeconds * dt);
    }
    if (m.flaps_moving) {
        const double target = flap_angle_for_handle(h.get(id(Var::flap_handle)));
        m.flaps_moving = move_towards(h, {Var::flap_angle_left, Var::flap_angle_right}, target,
                                      kFlapDegreesPerSecond * dt);
    }
    if (m.airbrakes_moving) {
        const double target = clamp_or_zero(h.get(id(Var::airbrake_handle)), kAirbrakesOut);
        m.airbrakes_moving = move_towards(h, {Var::airbrake_left, Var::airbrake_right}, target,
                                          kAirbrakesOut / kAirbrakeSeconds * dt);
    }
}

void set_gear_handle(TestHost& h, double handle) {
    h.set(id(vk::Var::gear_handle), handle);
    h.model<GearModel>().gear_moving = true;
}

void set_flap_handle(TestHost& h, double handle) {
    h.set(id(vk::Var::flap_handle), handle);
    h.model<GearModel>().flaps_moving = true;
}

void step_flaps(TestHost& h, bool extend) {
    set_flap_handle(h, next_detent(h.get(id(vk::Var::flap_handle)), extend));
}

void set_airbrake_handle(TestHost& h, double handle) {
    h.set(id(vk::Var::airbrake_handle), clamp_or_zero(handle, kAirbrakesOut));
    h.model<GearModel>().airbrakes_moving = true;
}

}  // namespace

double flap_angle_for_handle(double handle) {
    const double h = clamp_or_zero(handle, kFlapDetents[std::size(kFlapDetents) - 1]);
    for (size_t i = 1; i < std::size(kFlapDetents); ++i) {
        if (h <= kFlapDetents[i]) {
            const double f = (h - kFlapDetents[i - 1]) / (kFlapDetents[i] - kFlapDetents[i - 1]);
            return kFlapAngles[i - 1] + f * (kFlapAngles[i] - kFlapAngles[i - 1]);
        }
    }
    return kFlapAngles[std::size(kFlapAngles) - 1];
}

void register_gear_effects(EffectRegistry& r) {
    using vk::Key;
    using vk::Var;
    r.add_step(step);

    r.add(id(Key::gear_down), [](TestHost& h, int32_t) { set_gear_handle(h, 1.0); });
    r.add(id(Key::gear_up), [](TestHost& h, int32_t) { set_gear_handle(h, 0.0); });

    r.add(id(Key::flaps_extend_step), [](TestHost& h, int32_t) { step_flaps(h, true); });
    r.add(id(Key::flaps_retract_step), [](TestHost& h, int32_t) { step_flaps(h, false); });
    // The emergency flap lever runs the flaps fully in or fully out; putting
    // the lever back to neutral leaves the handle to the module's flap hold.
    r.add(id(Key::emerg_flaps_up),
          [](TestHost& h, int32_t) { set_flap_handle(h, kFlapDetents[0]); });
    r.add(id(Key::emerg_flaps_down), [](TestHost& h, int32_t) {
        set_flap_handle(h, kFlapDetents[std::size(kFlapDetents) - 1]);
    });

    r.add(id(Key::airbrakes_extend),
          [](TestHost& h, int32_t) { set_airbrake_handle(h, kAirbrakesOut); });
    r.add(id(Key::airbrakes_retract), [](TestHost& h, int32_t) { set_airbrake_handle(h, 0.0); });
    r.add(id(Key::airbrakes_set),
          [](TestHost& h, int32_t value) { set_airbrake_handle(h, value); });

    r.add(id(Key::parking_brake_toggle), [](TestHost& h, int32_t) {
        const int32_t parking = id(Var::parking_brake);
        h.set(parking, h.get(parking) > 0.0 ? 0.0 : kParkingBrakeSet);
    });
    r.add(id(Key::brake_loss_toggle),
          [](TestHost& h, int32_t) { ++h.model<BrakeModel>().loss_events; });
}

}  // namespace vkhost
