// Yellow circuit pressure dial: the pressure of the yellow pump on line.
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "frame/pressure.h"
#include "gauges/state.h"

namespace vk {
namespace {

double VKCALL pressure(ElementHeader*) {
    return limit_written_back<uint16_t>(hyd.yellow_pressure, 5000);
}

ScaleEntry kScale[] = {point(0, 5, 86),      point(500, 11, 35),   point(1000, 53, 3),
                       point(1500, 106, 11), point(2000, 136, 54), point(2500, 130, 106),
                       point(3000, 86, 137)};

constinit Chain elements{
    &hdr_hydrau_press_yellow_vk,
    image(1904),                                               // 0 dial
    needle(1888, At{70, 70}, Pivot{32, 9}, kScale, pressure),  // 1 pointer
};

constexpr auto kMouse = mouse_list(kNoHelp);

}  // namespace

GaugeHeader hdr_hydrau_press_yellow_vk =
    gauge_header(GaugeId::hydrau_press_yellow_vk, elements.list, kMouse.data(), nullptr);

}  // namespace vk
