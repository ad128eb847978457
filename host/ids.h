#pragma once
// The test host keys its variables and events by number; these give the
// number of one of the module's named ids.
#include <cstdint>

#include "frame/host_vars.h"
#include "frame/key_events.h"

namespace vkhost {

constexpr int32_t id(vk::Var v) {
    return static_cast<int32_t>(v);
}
constexpr int32_t id(vk::Key k) {
    return static_cast<int32_t>(k);
}

}  // namespace vkhost
