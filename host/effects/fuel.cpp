// The host's fuel system: the per-engine fuel selectors and fuel valves moved
// by key events, the tanks the engines burn from, and the clock that paces
// the module's fuel-used counters.
#include "host/effects/fuel.h"

#include <algorithm>
#include <cmath>

#include "frame/host_vars.h"
#include "frame/key_events.h"
#include "host/effects.h"
#include "host/ids.h"
#include "host/test_host.h"

namespace vkhost {

namespace {

double pounds_per_gallon(const TestHost& h) {
    const double w = h.get(id(vk::Var::fuel_weight_per_gallon));
    return w > 0.0 && std::isfinite(w) ? w : kDefaultPoundsPerGallon;
}

}  // namespace

std::optional<TankVars> tank_for_selector(int32_t selector) {
    using vk::Var;
    switch (selector) {
        case 2:
            return TankVars{id(Var::left_tank_1_level), id(Var::left_tank_1_capacity)};
        case 3:
            return TankVars{id(Var::right_tank_1_level), id(Var::right_tank_1_capacity)};
        case 4:
            return TankVars{id(Var::left_tank_2_level), id(Var::left_tank_2_capacity)};
        case 5:
            return TankVars{id(Var::right_tank_2_level), id(Var::right_tank_2_capacity)};
        case 6:
            return TankVars{id(Var::centre_tank_level), id(Var::centre_tank_capacity)};
        default:
            return std::nullopt;
    }
}

double tank_gallons(const TestHost& h, int32_t selector) {
    const auto tank = tank_for_selector(selector);
    if (!tank) return 0.0;
    const double level = h.get(tank->level), capacity = h.get(tank->capacity);
    if (!(level > 0.0) || !(capacity > 0.0)) return 0.0;
    return level / kFullLevel * capacity;
}

void burn_fuel(TestHost& h, int32_t selector, double pounds) {
    const auto tank = tank_for_selector(selector);
    if (!tank || !(pounds > 0.0)) return;
    const double capacity = h.get(tank->capacity);
    if (!(capacity > 0.0)) return;
    const double gallons = pounds / pounds_per_gallon(h);
    const double level = h.get(tank->level) - gallons / capacity * kFullLevel;
    h.set(tank->level, std::max(0.0, level));
}

void register_fuel_effects(EffectRegistry& r) {
    using vk::Key;
    using vk::Var;
    struct Selector {
        Key key;
        Var var;
        int32_t value;
    };
    static constexpr Selector kSelectors[] = {
        {Key::fuel_selector_1_none, Var::fuel_selector_1, 0},
        {Key::fuel_selector_1_tank_2, Var::fuel_selector_1, 2},
        {Key::fuel_selector_1_tank_3, Var::fuel_selector_1, 3},
        {Key::fuel_selector_1_tank_4, Var::fuel_selector_1, 4},
        {Key::fuel_selector_1_tank_5, Var::fuel_selector_1, 5},
        {Key::fuel_selector_2_none, Var::fuel_selector_2, 0},
        {Key::fuel_selector_2_tank_2, Var::fuel_selector_2, 2},
        {Key::fuel_selector_2_tank_3, Var::fuel_selector_2, 3},
        {Key::fuel_selector_2_tank_4, Var::fuel_selector_2, 4},
        {Key::fuel_selector_2_tank_5, Var::fuel_selector_2, 5},
    };
    for (const Selector& s : kSelectors)
        r.add(id(s.key), [s](TestHost& h, int32_t) { h.set_int(id(s.var), s.value); });

    // Each toggle flips the engine's fuel valve between open (1.0) and shut.
    for (auto [key, valve] : {std::pair{Key::fuel_valve_1_toggle, Var::fuel_valve_1},
                              std::pair{Key::fuel_valve_2_toggle, Var::fuel_valve_2}})
        r.add(id(key), [valve](TestHost& h, int32_t) {
            h.set(id(valve), h.get(id(valve)) >= 0.5 ? 0.0 : 1.0);
        });

    // The time that paces the fuel-used counters runs with the simulation,
    // from wherever it was last set.
    r.add_step([](TestHost& h, double dt) {
        h.set(id(Var::fuel_used_clock), h.get(id(Var::fuel_used_clock)) + dt);
    });
}

}  // namespace vkhost
