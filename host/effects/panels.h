#pragma once
// What the host keeps for the panel effects beyond its windows and variables.
namespace vkhost {

// The host's ATC window, shown and hidden by its two key events.
struct AtcWindow {
    bool shown = false;
};

// The cabin light as the module reads it: a calculator expression, 1.0 on.
inline constexpr const char* kCabinLightExpression = "(A:Light cabin,bool)";

}  // namespace vkhost
