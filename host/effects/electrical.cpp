// The host's own electrical switches, which the module turns on once, and the
// gyro value that the attitude gyro unit keeps re-centred.
#include "frame/host_vars.h"
#include "frame/key_events.h"
#include "host/effects.h"
#include "host/test_host.h"

namespace vkhost {

void register_electrical_effects(EffectRegistry& r) {
    using vk::Key;
    using vk::Var;
    const auto switch_on = [&r](Key event, Var host_switch) {
        r.add(static_cast<int32_t>(event), [host_switch](TestHost& h, int32_t) {
            h.set(static_cast<int32_t>(host_switch), 1.0);
        });
    };
    switch_on(Key::battery_switch_on, Var::battery_switch);
    switch_on(Key::elec_master_switch_on, Var::elec_master_switch);
    switch_on(Key::gyro_unit_switch_on, Var::gyro_unit_switch);
    switch_on(Key::generator_switch_1_on, Var::generator_switch_1);
    switch_on(Key::generator_switch_2_on, Var::generator_switch_2);
    r.add(static_cast<int32_t>(Key::gyro_error_reset),
          [](TestHost& h, int32_t) { h.set(static_cast<int32_t>(Var::gyro_error), 0.0); });
}

}  // namespace vkhost
