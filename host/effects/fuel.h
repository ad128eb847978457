#pragma once
// The host's fuel: which tank each fuel selector value names, what a tank
// holds, and burning fuel from it. Levels are fractions of 2^23 of the tank's
// capacity in gallons, as the simulator keeps them.
#include <cstdint>
#include <optional>

namespace vkhost {

class TestHost;

inline constexpr double kFullLevel = 8388608.0;
inline constexpr double kDefaultPoundsPerGallon = 6.7;

struct TankVars {
    int32_t level;
    int32_t capacity;
};

// The tank a selector value names: 2 the first left tank, 3 the first right
// tank, 4 the second left tank, 5 the second right tank, 6 the centre tank;
// any other value (0 among them) names none.
std::optional<TankVars> tank_for_selector(int32_t selector);

// Gallons in the tank a selector value names; 0 for none.
double tank_gallons(const TestHost& host, int32_t selector);

// Burns `pounds` of fuel from the tank a selector value names, never below
// empty.
void burn_fuel(TestHost& host, int32_t selector, double pounds);

}  // namespace vkhost
