// Hydraulic panel plate 2: a plain picture.
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"

namespace vk {
namespace {

constinit Chain elements{&hdr_hydrau_lum2_vk, image(1824)};

constexpr auto kMouse = mouse_list(kNoHelp);

}  // namespace

GaugeHeader hdr_hydrau_lum2_vk =
    gauge_header(GaugeId::hydrau_lum2_vk, elements.list, kMouse.data(), nullptr);

}  // namespace vk
