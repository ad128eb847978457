// Alternator line mimic panel. Its callback feeds the two alternator lines
// and sets the line voltmeter and ammeter values, then lights the supply
// lamps of the lines and the bus-bar lamps of the DC and essential buses.
#include "frame/bitmaps.h"
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr uint32_t kLamp = 0x40004003;

constinit Chain elements{
    &hdr_elec_bus_alt_vkm,
    image(own_background(GaugeId::elec_bus_alt_vkm)),  // 0 background
    icon(1280, At{32, 100}, kLamp),                    // 1 line 1 fed
    icon(1136, At{32, 44}, kLamp),                     // 2 DC bus 1
    icon(1280, At{329, 100}, kLamp),                   // 3 line 2 fed
    icon(1136, At{329, 44}, kLamp),                    // 4 DC bus 2
    icon(1280, At{172, 100}, kLamp),                   // 5 line 1 fed
    icon(1136, At{172, 44}, kLamp),                    // 6 essential bus
};

constexpr auto kMouse = mouse_list(kNoHelp);

constexpr uint8_t kLineVolts = 28;
constexpr uint16_t kLine1AmpsTadg = 170;  // the attitude gyro unit adds its load to line 1
constexpr uint16_t kLine1Amps = 120;
constexpr uint16_t kLine2Amps = 90;

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    ElecState& e = elec;
    const bool alt1 = e.alt1_available && e.alt1_line_switch == 1;
    const bool alt2 = e.alt2_available && e.alt2_line_switch == 1;

    // Each line is fed by ground power, by its own alternator through its TR,
    // or by the other side's alternator directly.
    const bool line1 = e.ac_gndpwr_on || (alt1 && e.tr1_on) || alt2;
    const bool line2 = e.ac_gndpwr_on || (alt2 && e.tr2_on) || alt1;
    e.line1_volts = line1 ? kLineVolts : 0;
    e.line1_amps = !line1 ? 0 : e.tadg_switch ? kLine1AmpsTadg : kLine1Amps;
    e.line2_volts = line2 ? kLineVolts : 0;
    e.line2_amps = line2 ? kLine2Amps : 0;

    show(elements[1], line1);
    show(elements[5], line1);
    show(elements[3], line2);
    show(elements[2], e.dc_bus1_powered);
    show(elements[4], e.dc_bus2_powered);
    show(elements[6], e.ess_bus_powered);
}

}  // namespace

GaugeHeader hdr_elec_bus_alt_vkm =
    gauge_header(GaugeId::elec_bus_alt_vkm, elements.list, kMouse.data(), update);

}  // namespace vk
