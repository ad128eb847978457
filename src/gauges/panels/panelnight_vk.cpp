// Night lighting of the main panel: a 1279 mm lit overlay, the night flag that
// every instrument reads for its night copies, the host's panel light, and
// load shedding of the host's lights without generated power. Each change of
// the lighting closes and reopens the clock window so that it is redrawn.
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/host.h"
#include "frame/mouse.h"
#include "frame/panel_windows.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr const char* kCabinLight = "(A:Light cabin,bool)";

constinit Chain elements{&hdr_panelnight_vk,
                         image(4928, At{}, kTransparent | kErase | kBright | kHidden)};

constexpr auto kMouse = mouse_list(kNoHelp);

// The lighting sequence: 1 and 2 switch off, 3 to 5 switch on. Each step
// toggles the clock window, so a change closes and reopens it in one frame.
void step(uint8_t from, uint8_t to) {
    if (panel.panel_light_state != from) return;
    toggle_window(Window::clock, WindowBy::key_event);
    panel.panel_light_state = to;
}

void lighting() {
    const bool supplied = elec.dc_bus2_powered || elec.ess_bus_powered;
    if (panel.panel_light_state < 3 || !supplied) {
        show(elements[0], false);
        step(1, 2);
        step(2, 0);
        step(5, 4);
        step(4, 3);
        panel.night_lighting = 0;
    } else {
        show(elements[0], true);
        step(3, 4);
        step(4, 5);
        panel.night_lighting = 1;
    }
}

// The host's panel light follows the lighting while the converter or the
// essential bus can feed it.
void host_panel_light() {
    const double light = var(Var::panel_light);
    if (panel.panel_light_state >= 3 && (elec.ac_conv_out_b || elec.ess_bus_powered)) {
        if (light == 0.0) send_key(Key::panel_light_on);
    } else if (light == 1.0) {
        send_key(Key::panel_light_off);
    }
}

// Without a generator on line or ground power, the host's lights are shed.
void load_shedding() {
    if (elec.gen_supply_on) return;
    if (var(Var::shed_light_b) == 1.0) send_key(Key::shed_light_b_off);
    if (var(Var::shed_light_a) == 1.0) send_key(Key::shed_light_a_off);
    if (evaluate(kCabinLight) == 1.0) send_key(Key::cabin_light_off);
}

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    lighting();
    host_panel_light();
    load_shedding();
}

}  // namespace

GaugeHeader hdr_panelnight_vk =
    gauge_header(GaugeId::panelnight_vk, elements.list, kMouse.data(), update);

}  // namespace vk
