// Transformer-rectifier mimic panel: alternator lines, TRs, AC ground power
// and the two cross-feed lamps that light when one side is fed from the other.
#include "frame/bitmaps.h"
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr uint32_t kLamp = 0x40004003;

constinit Chain elements{
    &hdr_elec_bus_tr_vkm,
    image(own_background(GaugeId::elec_bus_tr_vkm)),  // 0 background
    icon(1280, At{6, 84}, kLamp),                     // 1 alternator 1 line
    icon(1280, At{239, 84}, kLamp),                   // 2 alternator 2 line
    icon(1136, At{6, 32}, kLamp),                     // 3 TR 1
    icon(1136, At{239, 32}, kLamp),                   // 4 TR 2
    icon(1280, At{123, 84}, kLamp),                   // 5 AC ground power
    icon(1136, At{80, 2}, kLamp),                     // 6 cross-feed to side 1
    icon(1136, At{166, 2}, kLamp),                    // 7 cross-feed to side 2
};

constexpr auto kMouse = mouse_list(kNoHelp);

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    const ElecState& e = elec;
    const bool alt1 = e.alt1_available && e.alt1_line_switch == 1;
    const bool alt2 = e.alt2_available && e.alt2_line_switch == 1;

    show(elements[1], e.ess_bus_powered && alt1);
    show(elements[2], e.ess_bus_powered && alt2);
    show(elements[3], e.tr1_on);
    show(elements[4], e.tr2_on);
    show(elements[5], e.ess_bus_powered && e.ac_gndpwr_on);

    // A side feeds itself through its own alternator, line switch and TR;
    // missing any of them it is fed across from the other alternator. With
    // AC ground power, a side whose TR is off shows as fed across.
    if (e.ac_gndpwr_on) {
        show(elements[6], !e.tr1_on);
        show(elements[7], !e.tr2_on);
    } else {
        show(elements[6], !(alt1 && e.tr1_on) && alt2);
        show(elements[7], !(alt2 && e.tr2_on) && alt1);
    }
}

}  // namespace

GaugeHeader hdr_elec_bus_tr_vkm =
    gauge_header(GaugeId::elec_bus_tr_vkm, elements.list, kMouse.data(), update);

}  // namespace vk
