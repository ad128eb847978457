#pragma once
// The records the simulator reads: exported linkage, gauge headers, host
// variable records, elements, scale tables and mouse areas. Field order is
// fixed; on 32-bit builds the byte layout is pinned by the asserts at the end.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "frame/abi.h"

namespace vk {

struct GaugeHeader;
struct ElementHeader;

// ---------------------------------------------------------------- host variables

#pragma pack(push, 4)
// One host variable as the module asks for it: the module sets the id, the
// host's lookup_var writes the value. 32 bytes on every build.
struct HostVar {
    int32_t id = 0;
    uint32_t host_a[2] = {};
    double value = 0.0;  // a double, or an int32 in its first half for integer variables
    uint32_t host_b[3] = {};

    // The first half of the value field, for variables the host keeps as integers.
    int32_t as_int() const {
        int32_t i;
        std::memcpy(&i, &value, sizeof i);
        return i;
    }
    void set_int(int32_t i) {
        value = 0.0;
        std::memcpy(&value, &i, sizeof i);
    }
};
#pragma pack(pop)

// ---------------------------------------------------------------- callbacks

enum class Service : int32_t { install = 2, pre_update = 6, kill = 12 };

using GaugeCallback = void(VKCALL*)(GaugeHeader* gauge, int32_t service, uint32_t extra);
using ElementCallback = double(VKCALL*)(ElementHeader* element);
struct MousePoint {
    int32_t x, y;
};
using ClickFunction = int32_t(VKCALL*)(const MousePoint* point, uint32_t mouse_flags);

using RoutineOne = void(VKCALL*)(GaugeHeader* gauge);
using RoutineTwo = void(VKCALL*)(GaugeHeader* gauge, uint32_t argument);

// ---------------------------------------------------------------- gauge header

inline constexpr uint32_t kGaugeHeaderVersion = 0x320;

struct GaugeHeader {
    uint32_t version;
    const char* name;
    ElementHeader** element_list;  // null-terminated; the first entry is the root
    RoutineOne query;
    RoutineTwo install;
    RoutineOne initialize;
    RoutineOne update;
    RoutineTwo generate;
    RoutineOne draw;
    RoutineOne kill;
    uint32_t reserved;
    uint32_t size_mm;
    uintptr_t host_a[8];
    const struct MouseRect* mouse_list;
    GaugeCallback callback;
    uintptr_t user_data;
    uintptr_t host_b[13];
};

// ---------------------------------------------------------------- exported records

inline constexpr int kGaugeCount = 228;

struct ImportEntry {
    uint32_t id;
    void* table;
};

struct ImportTableRecord {
    ImportEntry services;  // id 0x0F, table filled by the host
    ImportEntry end;
};

struct LinkageRecord {
    uint32_t module_id;
    void(VKCALL* module_init)();
    void(VKCALL* module_deinit)();
    uint32_t reserved_a;
    uint32_t reserved_b;
    uint32_t version;
    GaugeHeader* gauges[kGaugeCount + 1];  // null-terminated
};

// ---------------------------------------------------------------- elements

enum class ElementKind : int32_t {
    static_image = 0,
    needle = 1,
    string = 2,
    slider = 3,
    icon = 4,
    moving_image = 5,
    sprite = 6,
};

// Image flags.
inline constexpr uint32_t kTransparent = 0x1;
inline constexpr uint32_t kErase = 0x2;
inline constexpr uint32_t kBright = 0x4;
inline constexpr uint32_t kFiltered = 0x80;
inline constexpr uint32_t kLuminous = 0x4000;
inline constexpr uint32_t kHidden = 0x40000000;

struct FailureEntry {
    int32_t failure_id;  // 0 ends the list
    int32_t action;
};

// Fields shared by every element kind. Static images and icons are just this.
struct ElementHeader {
    ElementKind kind;
    int32_t bitmap_id;
    int32_t x, y;              // top-left corner, or for needles the pivot on the dial
    int32_t pivot_x, pivot_y;  // pivot inside the element's own bitmap (needles, sprites)
    GaugeHeader* gauge;
    ElementHeader** children;  // null-terminated
    const FailureEntry* failures;
    uint32_t flags;
};

struct ScaleEntry {
    int32_t x, y;   // the needle points from the pivot towards this point ...
    double value;   // ... when the value equals this
    int32_t angle;  // written by the host
    int32_t reserved;
};

struct Needle {
    ElementHeader head;
    HostVar source[3];
    ElementCallback value;
    ScaleEntry* scale;
    int32_t scale_count;
    int32_t max_turn;  // degrees per frame, 0 for no limit
};

struct StringElement {
    ElementHeader head;
    HostVar source[3];
    ElementCallback value;  // writes the text and returns the value
    char* text;
    int32_t text_size;
    int32_t box_w, box_h;
    uint32_t text_colour, background_colour, highlight_colour;  // 0x00BBGGRR
    const char* font;
    int32_t weight, charset, font_size;
    uint32_t text_flags;
};

// Sliders and moving images: the x and y values map linearly from their ranges
// onto the travel in pixels; a moving image is seen through its mask (id + 1).
struct MovingImage {
    ElementHeader head;
    HostVar source[3];
    ElementCallback x_value;
    ElementCallback y_value;
    float x_min, x_max, y_min, y_max;
    int32_t travel_x, travel_y;
};

// A bitmap turned about its texture centre and shifted, seen through its mask.
struct Sprite {
    ElementHeader head;
    HostVar source[3];
    ElementCallback x_value;
    ElementCallback y_value;
    ElementCallback angle_value;  // degrees
    float x_scale, y_scale, angle_scale;
    int32_t centre_x, centre_y;
    float texture_scale;
};

// The full record behind an element pointer: callbacks and the host receive
// the common header, which is the first member of every element record.
template <class E>
E& as(ElementHeader* e) {
    return *reinterpret_cast<E*>(e);
}

// ---------------------------------------------------------------- mouse areas

enum class MouseType : int32_t { end = 0, parent = 1, child = 2, end_parent = 3, tooltip = 4 };

// Mouse flags.
inline constexpr uint32_t kMouseLeft = 0x20000000;
inline constexpr uint32_t kMouseRepeat = 0x00200000;
inline constexpr uint32_t kMouseMove = 0x00400000;
inline constexpr uint32_t kMouseRight = 0x80000000;
inline constexpr uint32_t kMouseNothing = 0x8000;
inline constexpr uint32_t kMouseKnob = kMouseLeft | kMouseRepeat;

// Cursors.
inline constexpr int32_t kCursorNone = -1;
inline constexpr int32_t kCursorUp = 1;
inline constexpr int32_t kCursorDown = 2;
inline constexpr int32_t kCursorHand = 5;

struct MouseRect {
    MouseType type;
    int32_t x, y, w, h;
    int32_t cursor;
    int32_t help_id;
    uint32_t flags;
    int32_t event_id;
    union {
        ClickFunction function;
        const char* tooltip;
    };
    uint32_t extra;
};

// ---------------------------------------------------------------- layout

#define VK_PIN(type, field, offset) \
    static_assert(offsetof(type, field) == (offset), #type "." #field " must sit at " #offset)

static_assert(sizeof(HostVar) == 32);
static_assert(offsetof(HostVar, value) == 12);
static_assert(sizeof(ScaleEntry) == 24);

#if VK_32BIT
VK_PIN(ImportTableRecord, services.table, 0x04);
static_assert(sizeof(ImportTableRecord) == 0x10);
VK_PIN(LinkageRecord, version, 0x14);
VK_PIN(LinkageRecord, gauges, 0x18);
static_assert(offsetof(LinkageRecord, gauges) + 4 * kGaugeCount == 0x3A8);
static_assert(sizeof(LinkageRecord) == 0x3AC);

VK_PIN(GaugeHeader, name, 0x04);
VK_PIN(GaugeHeader, element_list, 0x08);
VK_PIN(GaugeHeader, query, 0x0C);
VK_PIN(GaugeHeader, kill, 0x24);
VK_PIN(GaugeHeader, reserved, 0x28);
VK_PIN(GaugeHeader, size_mm, 0x2C);
VK_PIN(GaugeHeader, mouse_list, 0x50);
VK_PIN(GaugeHeader, callback, 0x54);
VK_PIN(GaugeHeader, user_data, 0x58);
static_assert(sizeof(GaugeHeader) == 0x90);

VK_PIN(ElementHeader, bitmap_id, 0x04);
VK_PIN(ElementHeader, pivot_x, 0x10);
VK_PIN(ElementHeader, gauge, 0x18);
VK_PIN(ElementHeader, children, 0x1C);
VK_PIN(ElementHeader, failures, 0x20);
VK_PIN(ElementHeader, flags, 0x24);
static_assert(sizeof(ElementHeader) == 0x28);

VK_PIN(Needle, source, 0x28);
VK_PIN(Needle, value, 0x88);
VK_PIN(Needle, scale, 0x8C);
VK_PIN(Needle, scale_count, 0x90);
VK_PIN(Needle, max_turn, 0x94);
VK_PIN(StringElement, value, 0x88);
VK_PIN(StringElement, text, 0x8C);
VK_PIN(StringElement, text_size, 0x90);
VK_PIN(StringElement, box_w, 0x94);
VK_PIN(StringElement, text_colour, 0x9C);
VK_PIN(StringElement, font, 0xA8);
VK_PIN(StringElement, text_flags, 0xB8);
VK_PIN(MovingImage, x_value, 0x88);
VK_PIN(MovingImage, y_value, 0x8C);
VK_PIN(MovingImage, x_min, 0x90);
VK_PIN(MovingImage, travel_x, 0xA0);
VK_PIN(Sprite, x_value, 0x88);
VK_PIN(Sprite, y_value, 0x8C);
VK_PIN(Sprite, angle_value, 0x90);
VK_PIN(Sprite, x_scale, 0x94);

VK_PIN(MouseRect, x, 0x04);
VK_PIN(MouseRect, cursor, 0x14);
VK_PIN(MouseRect, help_id, 0x18);
VK_PIN(MouseRect, flags, 0x1C);
VK_PIN(MouseRect, event_id, 0x20);
VK_PIN(MouseRect, function, 0x24);
VK_PIN(MouseRect, extra, 0x28);
static_assert(sizeof(MouseRect) == 0x2C);
#endif

}  // namespace vk
