// Hydraulic panel plate 3: a plain picture.
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"

namespace vk {
namespace {

constinit Chain elements{&hdr_hydrau_lum3_vk, image(1840)};

constexpr auto kMouse = mouse_list(kNoHelp);

}  // namespace

GaugeHeader hdr_hydrau_lum3_vk =
    gauge_header(GaugeId::hydrau_lum3_vk, elements.list, kMouse.data(), nullptr);

}  // namespace vk
