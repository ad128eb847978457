#pragma once
// Building a gauge's element chain as static data, and showing or hiding its
// elements at run time.
//
//   constinit Chain elements{&hdr_my_gauge,
//       image(0x1510),                                              // 0 dial
//       needle(0x1530, At{103, 103}, Pivot{5, 60}, kTable, value),  // 1 pointer
//       icon(0x8210, At{10, 10}, 0x3 | kHidden),                    // 2 lamp
//   };
//
// The chain links each element to the next as its one child, points every
// element at the gauge header, and gives the header its element list.
#include <cstddef>
#include <cstdint>
#include <tuple>
#include <utility>

#include "frame/host_vars.h"
#include "frame/records.h"

namespace vk {

struct At {
    int32_t x = 0, y = 0;
};
struct Pivot {
    int32_t x = 0, y = 0;
};
struct Range {
    float min = 0, max = 0;
};
struct Travel {
    int32_t x = 0, y = 0;
};

inline constexpr FailureEntry kNoFailures[] = {{0, 0}};

// ---------------------------------------------------------------- element kinds

constexpr ElementHeader element_head(ElementKind kind, int32_t bitmap, At at, uint32_t flags,
                                     Pivot pivot = {}) {
    return ElementHeader{kind,    bitmap,  at.x,    at.y,        pivot.x,
                         pivot.y, nullptr, nullptr, kNoFailures, flags};
}

// A fixed bitmap; every gauge's root is one.
constexpr ElementHeader image(int32_t bitmap, At at = {}, uint32_t flags = 0) {
    return element_head(ElementKind::static_image, bitmap, at, flags);
}

// A fixed bitmap that gauge code shows and hides.
constexpr ElementHeader icon(int32_t bitmap, At at, uint32_t flags) {
    return element_head(ElementKind::icon, bitmap, at, flags);
}

// A bitmap turned about the pivot: `at` is the pivot on the dial, `pivot` the
// same point inside the needle's bitmap.
template <std::size_t N>
constexpr Needle needle(int32_t bitmap, At at, Pivot pivot, ScaleEntry (&scale)[N],
                        ElementCallback value, uint32_t flags = 0x3, int32_t max_turn = 0) {
    return Needle{element_head(ElementKind::needle, bitmap, at, flags, pivot),
                  {},
                  value,
                  scale,
                  static_cast<int32_t>(N),
                  max_turn};
}

// A needle without a scale table: the host turns it by its value, in degrees
// clockwise from straight up.
constexpr Needle needle_by_angle(int32_t bitmap, At at, Pivot pivot, ElementCallback value,
                                 uint32_t flags = 0x3, int32_t max_turn = 0) {
    return Needle{element_head(ElementKind::needle, bitmap, at, flags, pivot),
                  {},
                  value,
                  nullptr,
                  0,
                  max_turn};
}

constexpr ScaleEntry point(double value, int32_t x, int32_t y) {
    return {x, y, value, 0, 0};
}

// Text in a box, written by the callback into `text`.
struct TextStyle {
    int32_t box_w, box_h;
    uint32_t text_colour, background_colour, highlight_colour;
    const char* font;
    int32_t weight, charset, font_size;
    uint32_t text_flags;
};

template <std::size_t N>
constexpr StringElement string_element(At at, char (&text)[N], const TextStyle& style,
                                       ElementCallback value, uint32_t flags) {
    return StringElement{element_head(ElementKind::string, -1, at, flags),
                         {},
                         value,
                         text,
                         static_cast<int32_t>(N),
                         style.box_w,
                         style.box_h,
                         style.text_colour,
                         style.background_colour,
                         style.highlight_colour,
                         style.font,
                         style.weight,
                         style.charset,
                         style.font_size,
                         style.text_flags};
}

// A bitmap moved behind its mask (bitmap + 1), e.g. a digit drum.
constexpr MovingImage moving_image(int32_t bitmap, At at, ElementCallback x_value, Range x,
                                   ElementCallback y_value, Range y, Travel travel,
                                   uint32_t flags = 0x3) {
    return MovingImage{element_head(ElementKind::moving_image, bitmap, at, flags),
                       {},
                       x_value,
                       y_value,
                       x.min,
                       x.max,
                       y.min,
                       y.max,
                       travel.x,
                       travel.y};
}

// The x value of a digit drum: a drum never moves sideways.
inline double VKCALL drum_column(ElementHeader*) {
    return 1.0;
}

// A digit drum: a moving image whose strip holds `digits` digits stacked
// vertically, `pitch` pixels apart. Its y value is the position shown, 0 to
// `digits`, mapped onto the whole strip; its x value is always 1.
constexpr MovingImage digit_drum(int32_t bitmap, At at, ElementCallback position, int32_t pitch,
                                 int32_t digits = 10, uint32_t flags = 0x3) {
    return moving_image(bitmap, at, drum_column, Range{0, 1}, position,
                        Range{0, static_cast<float>(digits)}, Travel{0, pitch * digits}, flags);
}

// A bitmap shifted in x and y with no mask.
constexpr MovingImage slider(int32_t bitmap, At at, ElementCallback x_value, Range x,
                             ElementCallback y_value, Range y, Travel travel,
                             uint32_t flags = 0x3) {
    MovingImage m = moving_image(bitmap, at, x_value, x, y_value, y, travel, flags);
    m.head.kind = ElementKind::slider;
    return m;
}

struct SpriteScale {
    float x = 1, y = 1, angle = 1;
};

// A bitmap turned about its texture centre and shifted, behind its mask.
constexpr Sprite sprite(int32_t bitmap, At at, ElementCallback x_value, ElementCallback y_value,
                        ElementCallback angle_value, SpriteScale scale, Pivot centre,
                        float texture_scale = 1.0f, uint32_t flags = 0x3) {
    return Sprite{element_head(ElementKind::sprite, bitmap, at, flags),
                  {},
                  x_value,
                  y_value,
                  angle_value,
                  scale.x,
                  scale.y,
                  scale.angle,
                  centre.x,
                  centre.y,
                  texture_scale};
}

// Gives an element its own host variables, which the host refreshes before
// calling the element's callbacks.
template <class E>
constexpr E sources(E element, Var a, Var b = Var{}, Var c = Var{}) {
    element.source[0].id = static_cast<int32_t>(a);
    element.source[1].id = static_cast<int32_t>(b);
    element.source[2].id = static_cast<int32_t>(c);
    return element;
}

constexpr ElementHeader& head_of(ElementHeader& e) {
    return e;
}
template <class E>
constexpr ElementHeader& head_of(E& e) {
    return e.head;
}

template <class E>
constexpr E failures(E element, const FailureEntry* list) {
    head_of(element).failures = list;
    return element;
}

// An element of a gauge that is not a plain chain: its owner and children
// given by hand.
template <class E>
constexpr E tree_node(E element, GaugeHeader* gauge, ElementHeader** children = nullptr) {
    head_of(element).gauge = gauge;
    head_of(element).children = children;
    return element;
}

// ---------------------------------------------------------------- the chain

template <class... E>
struct Chain {
    static constexpr std::size_t size = sizeof...(E);

    std::tuple<E...> elements;
    ElementHeader* index[size] = {};
    ElementHeader* links[size][2] = {};
    ElementHeader* list[2] = {};  // the header's element list: the root alone

    constexpr Chain(GaugeHeader* gauge, E... e) : elements{e...} {
        [&]<std::size_t... I>(std::index_sequence<I...>) {
            ((index[I] = &head_of(std::get<I>(elements))), ...);
        }
        (std::make_index_sequence<size>{});
        for (std::size_t i = 0; i < size; ++i) {
            index[i]->gauge = gauge;
            links[i][0] = i + 1 < size ? index[i + 1] : nullptr;
            index[i]->children = links[i];
        }
        list[0] = index[0];
    }

    // Element k of the chain, the root being 0.
    ElementHeader* operator[](std::size_t k) const { return index[k]; }
};

// ---------------------------------------------------------------- run time

inline bool hidden(const ElementHeader* e) {
    return (e->flags & kHidden) != 0;
}

inline void show(ElementHeader* e, bool visible) {
    if (visible)
        e->flags &= ~kHidden;
    else
        e->flags |= kHidden;
}

}  // namespace vk
