#pragma once
// What the host does for each system: the effects of key events, and the
// steps of the host's aircraft model that run at the start of every frame.
// One registry, filled by one function per aircraft system (effects/*.cpp);
// a system keeps its model's own state in TestHost::model<T>().
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

namespace vkhost {

class TestHost;

using Effect = std::function<void(TestHost& host, int32_t value)>;
// One frame of a host model; `dt` in simulated seconds.
using ModelStep = std::function<void(TestHost& host, double dt)>;

class EffectRegistry {
  public:
    void add(int32_t key_event, Effect effect) { effects_[key_event].push_back(std::move(effect)); }
    // Runs every effect of the event; false when the host does nothing with it.
    bool apply(TestHost& host, int32_t key_event, int32_t value) const;
    bool handles(int32_t key_event) const { return effects_.count(key_event) != 0; }

    void add_step(ModelStep step) { steps_.push_back(std::move(step)); }
    // Runs every model step, in the order the systems registered them.
    void step(TestHost& host, double dt) const;

  private:
    std::map<int32_t, std::vector<Effect>> effects_;
    std::vector<ModelStep> steps_;
};

// Every system's effects.
void register_all_effects(EffectRegistry& registry);

// One per system.
void register_panel_effects(EffectRegistry& registry);
void register_electrical_effects(EffectRegistry& registry);
void register_gear_effects(EffectRegistry& registry);
void register_flight_control_effects(EffectRegistry& registry);
void register_flight_effects(EffectRegistry& registry);
void register_engine_effects(EffectRegistry& registry);
void register_fuel_effects(EffectRegistry& registry);

}  // namespace vkhost
