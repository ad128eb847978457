// The Machmeter: its pointer climbs to the host's Mach value at most ten
// units a frame, drops to it at once, and winds down to 0 when the host fails
// the instrument.
#include <algorithm>

#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/host.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr double kStep = 10.0;

double VKCALL pointer(ElementHeader*) {
    return instr.mach_shown;
}

ScaleEntry kMach[] = {point(0, 93, 1),      point(300, 127, 9),   point(400, 176, 57),
                      point(500, 175, 125), point(600, 126, 172), point(700, 59, 173),
                      point(800, 11, 124),  point(900, 10, 57),   point(1000, 59, 8)};

constinit Chain elements{
    &hdr_mach_vk,
    image(0x2630),                                            // 0 dial
    needle(0x2610, At{93, 93}, Pivot{4, 4}, kMach, pointer),  // 1 pointer
};

constexpr auto kMouse = mouse_list(kNoHelp);

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    double& shown = instr.mach_shown;
    if (var(Var::machmeter_failed) == 1.0) {
        shown = shown > kStep ? shown - kStep : 0.0;
    } else {
        const double input = var(Var::mach);
        const double target = input > 3000.0 ? input / 20.0 - 5.0 : 0.0;
        shown = shown < target - kStep ? shown + kStep : target;
    }
    shown = std::clamp(shown, 0.0, 1000.0);
}

}  // namespace

GaugeHeader hdr_mach_vk = gauge_header(GaugeId::mach_vk, elements.list, kMouse.data(), update);

}  // namespace vk
