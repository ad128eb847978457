#pragma once
// Shared by the panel tests: key events as (id, value) pairs, and the windows
// of the layout that are open.
#include <cstdint>
#include <utility>
#include <vector>

#include "host/panel_layout.h"
#include "support.h"

namespace vktest {

using KeyList = std::vector<std::pair<int32_t, int32_t>>;

inline KeyList keys_since(const vkhost::TestHost& host, size_t mark) {
    KeyList out;
    for (const auto& k : host.keys_since(mark)) out.emplace_back(k.id, k.value);
    return out;
}

inline std::pair<int32_t, int32_t> key(vk::Key k, int32_t value = 0) {
    return {id(k), value};
}

// The idents of the layout's windows that are open, the main panel excepted.
inline std::vector<int32_t> open_windows(const vkhost::TestHost& host) {
    std::vector<int32_t> out;
    for (const auto& w : vkhost::panel_layout())
        if (w.ident != vkhost::kMainPanel && host.window_open(w.ident)) out.push_back(w.ident);
    return out;
}

}  // namespace vktest
