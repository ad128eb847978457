// Red (standby) circuit pressure dial.
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "frame/pressure.h"
#include "gauges/state.h"

namespace vk {
namespace {

double VKCALL pressure(ElementHeader*) {
    return limit_written_back<uint16_t>(hyd.red_pressure, 5000);
}

ScaleEntry kScale[] = {point(0, 18, 114),    point(500, 3, 63),    point(1000, 25, 17),
                       point(1500, 76, 1),   point(2000, 122, 26), point(2500, 139, 75),
                       point(3000, 115, 121)};

constinit Chain elements{
    &hdr_hydrau_press_red_vk,
    image(1904),                                               // 0 dial
    needle(1888, At{70, 69}, Pivot{32, 9}, kScale, pressure),  // 1 pointer
};

constexpr auto kMouse = mouse_list(kNoHelp);

}  // namespace

GaugeHeader hdr_hydrau_press_red_vk =
    gauge_header(GaugeId::hydrau_press_red_vk, elements.list, kMouse.data(), nullptr);

}  // namespace vk
