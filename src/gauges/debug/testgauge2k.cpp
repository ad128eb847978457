// A debugging display, not placed on the aircraft's panels: four numbers as
// text, switched by a click between their own host variables and the battery.
#include <cstdio>

#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr TextStyle kText{
    .box_w = 80,
    .box_h = 30,
    .text_colour = 0x000080FF,        // orange
    .background_colour = 0x00000000,  // black
    .highlight_colour = 0x005C5C5C,   // grey
    .font = "Courier New",
    .weight = 400,
    .charset = 1,
    .font_size = 37,
    .text_flags = 6,  // right-aligned, vertically centred
};

char text[4][32];

// Writes the value into the element's own text buffer, never past its end.
double show_number(ElementHeader* e, double value) {
    auto& s = as<StringElement>(e);
    if (s.text && s.text_size > 0)
        std::snprintf(s.text, static_cast<size_t>(s.text_size), "%1.6f", value);
    return value;
}

double own_variable(ElementHeader* e) {
    return as<StringElement>(e).source[0].value;
}

double VKCALL line_1(ElementHeader* e) {
    return show_number(e, debug.battery_view ? elec.battery_charge : own_variable(e));
}
double VKCALL line_2(ElementHeader* e) {
    return show_number(e, debug.battery_view ? elec.battery_capacity : own_variable(e));
}
double VKCALL line_3(ElementHeader* e) {
    return show_number(e, debug.battery_view ? elec.battery_phase_elapsed_s : air.cabin_diff_psi);
}
double VKCALL line_4(ElementHeader* e) {
    return show_number(e, debug.battery_view ? elec.battery_amps : instr.vsi_fpm);
}

constexpr uint32_t kStringFlags = 0x6;

GaugeHeader* const self = &hdr_testgauge2k;

constinit StringElement lines[4] = {
    tree_node(sources(string_element(At{0, 36}, text[0], kText, line_1, kStringFlags),
                      Var::course_deviation),
              self),
    tree_node(
        sources(string_element(At{0, 72}, text[1], kText, line_2, kStringFlags), Var::debug_watch),
        self),
    tree_node(string_element(At{0, 108}, text[2], kText, line_3, kStringFlags), self),
    tree_node(string_element(At{0, 144}, text[3], kText, line_4, kStringFlags), self),
};
constinit ElementHeader* line_list[5] = {&lines[0].head, &lines[1].head, &lines[2].head,
                                         &lines[3].head, nullptr};

// The root, and under it an always hidden icon that holds the four lines.
constinit ElementHeader holder = tree_node(icon(4, At{}, 0x40000006), self, line_list);
constinit ElementHeader* holder_list[2] = {&holder, nullptr};
constinit ElementHeader root = tree_node(image(1, At{}, kTransparent), self, holder_list);
constinit ElementHeader* element_list[2] = {&root, nullptr};

int32_t VKCALL switch_view(const MousePoint*, uint32_t) {
    debug.battery_view = !debug.battery_view;
    return 0;
}

constexpr auto kMouse =
    mouse_list(0xAA1A, area(0, 0, 36, 17, kCursorHand, kMouseLeft, switch_view));

void VKCALL callback(GaugeHeader*, int32_t, uint32_t) {}

}  // namespace

GaugeHeader hdr_testgauge2k =
    gauge_header(GaugeId::testgauge2k, element_list, kMouse.data(), callback);

}  // namespace vk
