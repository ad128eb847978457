#include "probe.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "frame/gauge_table.h"
#include "frame/mouse.h"

namespace vktest::probe {

Inputs in;

namespace {

double VKCALL needle_value(vk::ElementHeader*) {
    return in.needle;
}
double VKCALL one(vk::ElementHeader*) {
    return 1.0;
}
double VKCALL drum_value(vk::ElementHeader*) {
    return in.drum;
}
double VKCALL sprite_angle(vk::ElementHeader*) {
    return in.sprite_angle;
}
double VKCALL sprite_dy(vk::ElementHeader*) {
    return in.sprite_dy;
}
double VKCALL slider_value(vk::ElementHeader*) {
    return in.slider;
}

char text[16];
double VKCALL write_text(vk::ElementHeader*) {
    std::snprintf(text, sizeof text, "%s", "88");
    return 88;
}

int32_t VKCALL nothing(const vk::MousePoint*, uint32_t) {
    return 0;
}

// A dial of radius 40 about (60, 60): 0 at the left, 50 straight up, 100 at the right.
vk::ScaleEntry kDial[] = {vk::point(0, 20, 60), vk::point(50, 60, 20), vk::point(100, 100, 60)};

constexpr vk::TextStyle kStyle{.box_w = 40,
                               .box_h = 20,
                               .text_colour = 0x0000FFFF,        // yellow
                               .background_colour = 0x00800000,  // dark blue
                               .highlight_colour = 0,
                               .font = "Courier New",
                               .weight = 400,
                               .charset = 0,
                               .font_size = 16,
                               .text_flags = 0x5};  // centred both ways

constinit vk::Chain chain{
    &gauge,
    vk::image(9000),
    vk::needle(9016, vk::At{60, 60}, vk::Pivot{-1, 2}, kDial, needle_value, 0x3, 6),
    vk::icon(9032, vk::At{130, 44}, 0x4003 | vk::kHidden),
    vk::moving_image(9048, vk::At{130, 60}, one, vk::Range{0, 1}, drum_value, vk::Range{0, 10},
                     vk::Travel{0, 140}),
    vk::moving_image(9048, vk::At{142, 60}, one, vk::Range{0, 1}, drum_value, vk::Range{0, 10},
                     vk::Travel{0, 140}),
    vk::sprite(9080, vk::At{10, 130}, nullptr, sprite_dy, sprite_angle, vk::SpriteScale{1, 1, 1},
               vk::Pivot{40, 40}, 0.5f),
    vk::slider(9112, vk::At{130, 130}, nullptr, vk::Range{0, 1}, slider_value, vk::Range{0, 1},
               vk::Travel{0, 30}),
    vk::string_element(vk::At{10, 190}, text, kStyle, write_text, 0x6),
    vk::icon(9144, vk::At{180, 20}, 0x3),
    vk::icon(9160, vk::At{180, 35}, 0x3 | vk::kHidden),
    vk::icon(9176, vk::At{0, 0}, 0x3 | vk::kHidden),
};
constexpr auto kMouse =
    vk::mouse_list(vk::kNoHelp, vk::area(175, 15, 30, 60, vk::kCursorHand, vk::kMouseLeft, nothing),
                   vk::area(200, 200, 20, 14, vk::kCursorUp, vk::kMouseKnob, nothing));

constinit vk::Chain second_chain{&second, vk::image(9200), vk::icon(9032, vk::At{40, 40}, 0x4003)};

vk::GaugeHeader make(vk::ElementHeader** list, const vk::MouseRect* mouse, const char* name) {
    vk::GaugeHeader h = vk::gauge_header(vk::GaugeId::testgauge2k, list, mouse, nullptr);
    h.name = name;
    h.size_mm = 100;
    return h;
}

}  // namespace

vk::GaugeHeader gauge = make(chain.list, kMouse.data(), "probe");
vk::GaugeHeader second = make(second_chain.list, vk::kNoMouse.data(), "probe second");

vk::ElementHeader* element(int k) {
    return chain[static_cast<size_t>(k)];
}
vk::ElementHeader* second_lamp() {
    return second_chain[1];
}

const vkart::Plan& plan() {
    static const vkart::Plan p = vkart::plan_artwork({&gauge, &second});
    return p;
}

const std::string& bitmap_dir() {
    // One folder per test process (ctest runs tests side by side), removed at exit.
    struct Folder {
        std::string path = ::testing::TempDir() + "vk_probe_bitmaps_" + std::to_string(getpid());
        Folder() { EXPECT_TRUE(vkart::write_artwork(plan(), path).errors.empty()); }
        ~Folder() {
            std::error_code ec;
            std::filesystem::remove_all(path, ec);
        }
    };
    static const Folder folder;
    return folder.path;
}

}  // namespace vktest::probe
