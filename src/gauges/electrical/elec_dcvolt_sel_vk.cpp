// DC voltmeter selector and its push button. The six positions read the
// generators together, generator 1, generator 2, the battery on the main bus
// (positions 3 and 4 alike) and the battery at the master switch. While the
// button's step counter runs, the DC voltmeter reads 0.
#include "frame/bitmaps.h"
#include "frame/controls.h"
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/meter.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr uint8_t kTopPosition = 5;

ScaleEntry kPositions[] = {
    point(0, 41, 180), point(1, 25, 140), point(2, 42, 107),
    point(3, 80, 107), point(4, 98, 140), point(5, 80, 180),
};

double VKCALL position(ElementHeader*) {
    return reading(elec.dc_volt_selector, 0, kTopPosition);
}

// The knob is drawn as a needle that turns straight to its position.
constinit Chain elements{
    &hdr_elec_dcvolt_sel_vk,
    image(own_background(GaugeId::elec_dcvolt_sel_vk)),                   // 0 background
    needle(1376, At{59, 141}, Pivot{32, 31}, kPositions, position, 0x3),  // 1 knob
};

int32_t VKCALL turn_down(const MousePoint*, uint32_t) {
    if (elec.dc_volt_selector > 0) set_switch(elec.dc_volt_selector, elec.dc_volt_selector - 1);
    return 0;
}
int32_t VKCALL turn_up(const MousePoint*, uint32_t) {
    if (elec.dc_volt_selector < kTopPosition)
        set_switch(elec.dc_volt_selector, elec.dc_volt_selector + 1);
    return 0;
}
int32_t VKCALL press_button(const MousePoint*, uint32_t) {
    spring_press(elec.dc_volt_test);
    return 0;
}

constexpr auto kMouse =
    mouse_list(kNoHelp, area(2, 100, 57, 83, kCursorDown, kMouseLeft, turn_down),
               area(59, 100, 57, 83, kCursorUp, kMouseLeft, turn_up),
               area(46, 22, 30, 30, kCursorHand, kMouseKnob, press_button));

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    spring_tick(elec.dc_volt_test);
}

}  // namespace

GaugeHeader hdr_elec_dcvolt_sel_vk =
    gauge_header(GaugeId::elec_dcvolt_sel_vk, elements.list, kMouse.data(), update);

}  // namespace vk
