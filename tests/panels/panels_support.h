#pragma once
// Shared by the panel tests: the aircraft loaded by the cockpit's panel
// configuration, key events as (id, value) pairs, and the open windows.
#include <cstdint>
#include <utility>
#include <vector>

#include "host/aircraft.h"
#include "support.h"

namespace vktest {

inline void load_cockpit(vkhost::TestHost& host,
                         vkhost::ChoiceScreen choice = vkhost::ChoiceScreen::closed) {
    vkhost::load_aircraft(host, choice, VK_PANEL_CFG);
}

using KeyList = std::vector<std::pair<int32_t, int32_t>>;

inline KeyList keys_since(const vkhost::TestHost& host, size_t mark) {
    KeyList out;
    for (const auto& k : host.keys_since(mark)) out.emplace_back(k.id, k.value);
    return out;
}

inline std::pair<int32_t, int32_t> key(vk::Key k, int32_t value = 0) {
    return {id(k), value};
}

// The open windows, the main panel excepted, in ident order.
inline std::vector<int32_t> open_windows(const vkhost::TestHost& host) {
    std::vector<int32_t> out;
    for (int32_t w : host.open_windows())
        if (w != vkhost::kMainPanelIdent) out.push_back(w);
    return out;
}

}  // namespace vktest
