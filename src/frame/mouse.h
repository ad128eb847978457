#pragma once
// Building a gauge's mouse-area list as static data:
//
//   constexpr auto kMouse = mouse_list(kNoHelp,
//       tooltip("display/hide clock"),
//       area(0, 0, 36, 17, kCursorHand, kMouseLeft, on_click));
//
// The list opens with the parent area and ends with the end-of-parent and end
// records.
#include <array>
#include <cstdint>

#include "frame/records.h"

namespace vk {

inline constexpr int32_t kNoHelp = 0;

constexpr MouseRect mouse_record(MouseType type, int32_t help_id = 0) {
    MouseRect r{};
    r.type = type;
    r.cursor = kCursorNone;
    r.help_id = help_id;
    return r;
}

// A child area calling `fn` on the events in `flags`.
constexpr MouseRect area(int32_t x, int32_t y, int32_t w, int32_t h, int32_t cursor, uint32_t flags,
                         ClickFunction fn) {
    MouseRect r = mouse_record(MouseType::child);
    r.x = x;
    r.y = y;
    r.w = w;
    r.h = h;
    r.cursor = cursor;
    r.flags = flags;
    r.function = fn;
    return r;
}

constexpr MouseRect tooltip(const char* text) {
    MouseRect r = mouse_record(MouseType::tooltip);
    r.tooltip = text;
    return r;
}

template <class... R>
constexpr std::array<MouseRect, sizeof...(R) + 3> mouse_list(int32_t help_id, R... records) {
    return {mouse_record(MouseType::parent, help_id), records...,
            mouse_record(MouseType::end_parent), mouse_record(MouseType::end)};
}

// The list of a gauge that takes no input at all: the end record alone.
inline constexpr std::array<MouseRect, 1> kNoMouse = {mouse_record(MouseType::end)};

}  // namespace vk
