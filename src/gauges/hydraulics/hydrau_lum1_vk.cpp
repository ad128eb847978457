// Hydraulic panel plate 1: a plain picture.
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"

namespace vk {
namespace {

constinit Chain elements{&hdr_hydrau_lum1_vk, image(1808)};

constexpr auto kMouse = mouse_list(kNoHelp);

}  // namespace

GaugeHeader hdr_hydrau_lum1_vk =
    gauge_header(GaugeId::hydrau_lum1_vk, elements.list, kMouse.data(), nullptr);

}  // namespace vk
