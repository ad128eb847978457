// The second, smaller attitude director indicator: the same sphere, bars,
// flags and auxiliary pointer as the captain's, drawn from the results the
// captain's indicator computes. It computes nothing itself.
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "gauges/flight_instruments/flight_director.h"
#include "gauges/state.h"

namespace vk {
namespace {

constinit Chain elements{
    &hdr_fdadimini_vk,
    image(0x1570),                          // 0 background
    adi::sphere_element(),                  // 1 sphere
    adi::bank_scale_element(),              // 2 bank scale
    adi::aux_scale_element(),               // 3 auxiliary moving scale
    adi::fd_flag_element(),                 // 4 flight director flag
    adi::att_flag_element(),                // 5 attitude flag
    adi::pitch_bar_element(),               // 6 pitch command bar
    adi::roll_bar_element(),                // 7 roll command bar
    adi::aux_pointer_element(0x1660, 0x3),  // 8 auxiliary pointer
};

constexpr auto kMouse = mouse_list(adi::kHelpId);

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    show(elements[adi::fd_flag], instr.fd_flag_shown == 1);
    show(elements[adi::att_flag], instr.att_flag_shown == 1);
}

}  // namespace

GaugeHeader hdr_fdadimini_vk =
    gauge_header(GaugeId::fdadimini_vk, elements.list, kMouse.data(), update);

}  // namespace vk
