// Hydraulic panel plate 5: a plain picture.
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"

namespace vk {
namespace {

constinit Chain elements{&hdr_hydrau_lum5_vk, image(1872)};

constexpr auto kMouse = mouse_list(kNoHelp);

}  // namespace

GaugeHeader hdr_hydrau_lum5_vk =
    gauge_header(GaugeId::hydrau_lum5_vk, elements.list, kMouse.data(), nullptr);

}  // namespace vk
