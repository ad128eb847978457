// The test push-button of the right auxiliary tank gauge: starts its test sweep.
#include "frame/element.h"
#include "frame/gauge_parts.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

constinit Chain elements{
    &hdr_fuel_testsw_aux_right_vk,
    image(13600),  // 0 push-button
};

constexpr auto kMouse = mouse_list(kNoHelp, area(0, 0, 20, 20, kCursorHand, kMouseLeft,
                                                 press_test<fuel, &FuelState::right_aux_test>));

void VKCALL update(GaugeHeader*, int32_t, uint32_t) {}

}  // namespace

GaugeHeader hdr_fuel_testsw_aux_right_vk =
    gauge_header(GaugeId::fuel_testsw_aux_right_vk, elements.list, kMouse.data(), update);

}  // namespace vk
