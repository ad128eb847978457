#include "host/effects.h"

namespace vkhost {

bool EffectRegistry::apply(TestHost& host, int32_t key_event, int32_t value) const {
    auto it = effects_.find(key_event);
    if (it == effects_.end()) return false;
    for (const Effect& e : it->second) e(host, value);
    return true;
}

void EffectRegistry::step(TestHost& host, double dt) const {
    for (const ModelStep& s : steps_) s(host, dt);
}

void register_all_effects(EffectRegistry& registry) {
    register_panel_effects(registry);
    register_electrical_effects(registry);
    register_gear_effects(registry);
    register_flight_control_effects(registry);
    register_flight_effects(registry);
    register_engine_effects(registry);
    register_fuel_effects(registry);
}

}  // namespace vkhost
