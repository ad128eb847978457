// The captain's attitude director indicator: the sphere with its bank scale,
// the two command bars of the flight director, its two warning flags and the
// auxiliary pointer. Its pre-update runs the flight director computer and the
// attitude gyro for both indicators.
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "frame/panel_display.h"
#include "gauges/flight_instruments/flight_director.h"
#include "gauges/state.h"

namespace vk {
namespace {

constinit Chain elements{
    &hdr_fdadi_vk,
    image(0x1570),                                   // 0 background, hidden at night
    adi::sphere_element(),                           // 1 sphere
    adi::bank_scale_element(),                       // 2 bank scale
    adi::aux_scale_element(),                        // 3 auxiliary moving scale
    adi::fd_flag_element(),                          // 4 flight director flag
    adi::att_flag_element(),                         // 5 attitude flag
    adi::pitch_bar_element(),                        // 6 pitch command bar
    adi::roll_bar_element(),                         // 7 roll command bar
    adi::aux_pointer_element(0x1660, 0x3),           // 8 auxiliary pointer, by day
    icon(0x2060, At{}, 0x3 | kHidden),               // 9 night background
    adi::aux_pointer_element(0x2070, 0x3 | kHidden)  // 10 auxiliary pointer, at night
};

constexpr auto kMouse = mouse_list(adi::kHelpId);

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    run_flight_director();
    show(elements[adi::fd_flag], instr.fd_flag_shown);
    show(elements[adi::att_flag], instr.att_flag_shown);
    const bool night = panel.night_lighting;
    show_day_night(elements[adi::background], elements[adi::night_background], true, night);
    show_day_night(elements[adi::aux_pointer], elements[adi::night_aux_pointer], true, night);
}

}  // namespace

GaugeHeader hdr_fdadi_vk = gauge_header(GaugeId::fdadi_vk, elements.list, kMouse.data(), update);

}  // namespace vk
