// A gauge of the tests' own whose pre-update runs the hydraulic-loss effects,
// as the start panel's toggle gauge does in the cockpit.
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "gauges/hydraulics/hydraulic_loss.h"
#include "hydraulics_fixture.h"

namespace vktest {
namespace {

constinit vk::Chain elements{&loss_effects_gauge, vk::image(1)};
constexpr auto kNoAreas = vk::mouse_list(vk::kNoHelp);

void VKCALL update(vk::GaugeHeader*, int32_t service, uint32_t) {
    if (service == static_cast<int32_t>(vk::Service::pre_update)) vk::hydraulic_loss_effects();
}

}  // namespace

vk::GaugeHeader loss_effects_gauge = [] {
    vk::GaugeHeader h =
        vk::gauge_header(vk::GaugeId::testgauge2k, elements.list, kNoAreas.data(), update);
    h.name = "hydraulic loss effects";
    return h;
}();

}  // namespace vktest
