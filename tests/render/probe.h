#pragma once
// Gauges made for the artwork and renderer tests: between them every element
// kind, a switch with two positions, a night overlay, a lamp shared by two
// gauges at different spacings, and a string.
#include <string>

#include "frame/element.h"
#include "frame/records.h"
#include "tools/artwork/artwork.h"

namespace vktest::probe {

// What the probe's callbacks return.
struct Inputs {
    double needle = 0, drum = 0, sprite_angle = 0, sprite_dy = 0, slider = 0;
};
extern Inputs in;

extern vk::GaugeHeader gauge;   // everything
extern vk::GaugeHeader second;  // the shared lamp again, with room around it

// Element numbers of `gauge`.
enum Element {
    kRoot,
    kNeedle,
    kLamp,
    kDrum,
    kDrumNext,
    kSprite,
    kSlider,
    kText,
    kSwitchUp,
    kSwitchDown,
    kOverlay,
    kCount
};
vk::ElementHeader* element(int k);
vk::ElementHeader* second_lamp();

// The probe gauges' pictures, planned and written once into a temporary folder.
const vkart::Plan& plan();
const std::string& bitmap_dir();

}  // namespace vktest::probe
