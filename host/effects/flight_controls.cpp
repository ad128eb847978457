// Flight control positions of the host aircraft, as the hydraulic-loss logic
// and the autopilot set them: centred, or set to the value sent.
#include "frame/host_vars.h"
#include "frame/key_events.h"
#include "host/effects.h"
#include "host/test_host.h"

namespace vkhost {

void register_flight_control_effects(EffectRegistry& r) {
    using vk::Key;
    using vk::Var;
    auto set_to = [&r](Key key, Var position) {
        r.add(static_cast<int32_t>(key), [position](TestHost& h, int32_t value) {
            h.set(static_cast<int32_t>(position), value);
        });
    };
    auto centre = [&r](Key key, Var position) {
        r.add(static_cast<int32_t>(key),
              [position](TestHost& h, int32_t) { h.set(static_cast<int32_t>(position), 0.0); });
    };
    centre(Key::aileron_centre, Var::aileron_position);
    centre(Key::rudder_centre, Var::rudder_position);
    set_to(Key::elevator_set, Var::elevator_position);
    set_to(Key::rudder_set, Var::rudder_position);
}

}  // namespace vkhost
