// The battery master switch (off, ground power, battery), the AC voltmeter
// selector and the ground power lamp. Its callback sets the AC voltmeter
// value and connects or drops the ground power unit.
#include <cstdint>

#include "frame/controls.h"
#include "frame/element.h"
#include "frame/gauge_parts.h"
#include "frame/gauge_table.h"
#include "frame/host.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr uint32_t kSwitch = kTransparent | kErase;
constexpr uint32_t kLamp = kHidden | kBright | kErase | kTransparent;

constinit Chain elements{&hdr_elec_mas_sw_vk,
                         image(848, At{}, kLuminous | kTransparent),  // 0 panel
                         icon(1072, At{33, 25}, kSwitch | kHidden),   // 1 master at ground power
                         icon(1024, At{28, 25}, kSwitch | kHidden),   // 2 master off
                         icon(1056, At{17, 25}, kSwitch),             // 3 master at battery
                         icon(1056, At{47, 106}, kSwitch),            // 4 AC volts: converter 1
                         icon(1072, At{62, 106}, kSwitch | kHidden),  // 5 AC volts: converter 2
                         icon(384, At{91, 23}, kLamp)};               // 6 ground power connected

constexpr auto kMouse = mouse_list(
    kNoHelp,
    area(47, 5, 23, 50, kCursorHand, kMouseLeft, switch_to<elec, &ElecState::master_switch, 1>),
    area(24, 5, 23, 50, kCursorHand, kMouseLeft, switch_to<elec, &ElecState::master_switch, 0>),
    area(1, 5, 23, 50, kCursorHand, kMouseLeft, switch_to<elec, &ElecState::master_switch, 2>),
    area(47, 106, 32, 35, kCursorHand, kMouseLeft,
         switch_to<elec, &ElecState::ac_volt_selector, 1>),
    area(62, 106, 32, 35, kCursorHand, kMouseLeft,
         switch_to<elec, &ElecState::ac_volt_selector, 2>));

// Shared with the airport's own add-on: 1.0 while our ground power unit is
// plugged in.
constexpr NamedVar kExternalPower{"airport_extpwr_connected"};

// Ground power can be plugged in only on (or within 2 m of) the ground, with
// an engine below 40 percent and the aircraft standing still. A request that
// cannot be met is dropped.
void ground_power() {
    ElecState& e = elec;
    const double speed_1 = var(Var::engine_speed_1);
    const double speed_2 = var(Var::engine_speed_2);
    const double on_ground = var(Var::on_ground);
    const double drift = var(Var::velocity_longitudinal) + var(Var::velocity_lateral);
    const double height = var(Var::radio_height);

    const bool near_ground = height <= 2.0 || on_ground == 1.0;
    e.gpu_available =
        near_ground && (speed_1 < 40.0 || speed_2 < 40.0) && drift >= -2.0 && drift <= 2.0;
    if (e.gpu_available && e.gpu_request) {
        e.gpu_connected = 1;
    } else {
        e.gpu_connected = 0;
        e.gpu_request = 0;
    }
    e.gpu_on_dc = e.master_switch == 1 && e.gpu_connected;

    // Written only when it differs, so that the airport sees each change once.
    if (near_ground) {
        const double shown = kExternalPower.read();
        if (e.gpu_connected && shown == 0.0)
            kExternalPower.write(1.0);
        else if (!e.gpu_connected && shown > 0.0)
            kExternalPower.write(0.0);
    }
}

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    ElecState& e = elec;

    show(elements[1], e.master_switch == 1);
    show(elements[2], e.master_switch != 1 && e.master_switch != 2);
    show(elements[3], e.master_switch == 2);
    show(elements[4], e.ac_volt_selector == 1);
    show(elements[5], e.ac_volt_selector != 1);
    show(elements[6], e.gpu_connected);

    e.ac_volts = (e.ac_volt_selector == 1 && e.ac_bus1_powered) ||
                         (e.ac_volt_selector == 2 && e.ac_bus2_powered)
                     ? 115
                     : 0;

    ground_power();
}

}  // namespace

GaugeHeader hdr_elec_mas_sw_vk =
    gauge_header(GaugeId::elec_mas_sw_vk, elements.list, kMouse.data(), update);

}  // namespace vk
