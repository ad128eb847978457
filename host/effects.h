#pragma once
// What each key event does inside the host: one registry of effects, filled
// by one function per aircraft system (effects/*.cpp).
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

namespace vkhost {

class TestHost;

using Effect = std::function<void(TestHost& host, int32_t value)>;

class EffectRegistry {
  public:
    void add(int32_t key_event, Effect effect) { effects_[key_event].push_back(std::move(effect)); }
    // Runs every effect of the event; false when the host does nothing with it.
    bool apply(TestHost& host, int32_t key_event, int32_t value) const;
    bool handles(int32_t key_event) const { return effects_.count(key_event) != 0; }

  private:
    std::map<int32_t, std::vector<Effect>> effects_;
};

// Every system's effects.
void register_all_effects(EffectRegistry& registry);

// One per system.
void register_panel_effects(EffectRegistry& registry);

}  // namespace vkhost
