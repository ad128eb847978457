// The panel light knob of the electrical panel, drawn twice side by side. Its
// off side sets the knob to 180 and starts the switching-off sequence of the
// night lighting, its on side sets 0 and starts the switching-on sequence
// (panelnight_vk runs both). The two pointers turn by the knob's angle.
#include "frame/bitmaps.h"
#include "frame/controls.h"
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr uint8_t kKnobOff = 180;
constexpr uint8_t kKnobOn = 0;
constexpr uint8_t kSwitchingOff = 1;
constexpr uint8_t kSwitchingOn = 3;

double VKCALL knob(ElementHeader*) {
    return panel.panel_light_knob;
}

constinit Chain elements{
    &hdr_elec_panlight_vk,
    image(own_background(GaugeId::elec_panlight_vk)),        // 0 the two knob plates
    needle_by_angle(880, At{49, 52}, Pivot{36, 23}, knob),   // 1 left pointer
    needle_by_angle(880, At{166, 52}, Pivot{36, 23}, knob),  // 2 right pointer
};

// A turn changes the knob only when it stands the other way, and then clicks.
int32_t VKCALL turn_off(const MousePoint*, uint32_t) {
    if (set_switch(panel.panel_light_knob, kKnobOff)) panel.panel_light_state = kSwitchingOff;
    return 0;
}

int32_t VKCALL turn_on(const MousePoint*, uint32_t) {
    if (set_switch(panel.panel_light_knob, kKnobOn)) panel.panel_light_state = kSwitchingOn;
    return 0;
}

constexpr auto kMouse = mouse_list(kNoHelp, area(6, 13, 43, 71, kCursorDown, kMouseLeft, turn_off),
                                   area(49, 13, 43, 71, kCursorUp, kMouseLeft, turn_on),
                                   area(123, 13, 43, 71, kCursorDown, kMouseLeft, turn_off),
                                   area(166, 13, 43, 71, kCursorUp, kMouseLeft, turn_on));

void VKCALL callback(GaugeHeader*, int32_t, uint32_t) {}

}  // namespace

GaugeHeader hdr_elec_panlight_vk =
    gauge_header(GaugeId::elec_panlight_vk, elements.list, kMouse.data(), callback);

}  // namespace vk
