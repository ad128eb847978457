// Two push-buttons beside the start panel that silence and test the gear
// warning horn.
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

constinit Chain elements{
    &hdr_engstart_test_vk,
    image(18800),  // 0 panel with the two buttons
};

// The horn cannot be silenced while the overspeed warning sounds it.
void silence() {
    if (!warn.overspeed) eng.gear_horn_silenced = 1;
}

int32_t VKCALL silence_horn(const MousePoint*, uint32_t) {
    silence();
    return 0;
}

int32_t VKCALL test_horn(const MousePoint*, uint32_t) {
    if (!elec.ess_bus_powered) return 0;
    eng.gear_horn_test = !eng.gear_horn_test;
    if (!eng.gear_horn_test) silence();
    return 0;
}

constexpr auto kMouse =
    mouse_list(kNoHelp, area(0, 0, 32, 32, kCursorHand, kMouseLeft, silence_horn),
               area(34, 0, 32, 32, kCursorHand, kMouseLeft, test_horn));

void VKCALL update(GaugeHeader*, int32_t, uint32_t) {}

}  // namespace

GaugeHeader hdr_engstart_test_vk =
    gauge_header(GaugeId::engstart_test_vk, elements.list, kMouse.data(), update);

}  // namespace vk
