// Alternator voltmeter selector: alternator 1 or 2. Its callback sets the
// alternator voltmeter and frequency meter values for the chosen alternator.
#include "frame/bitmaps.h"
#include "frame/controls.h"
#include "frame/element.h"
#include "frame/gauge_parts.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr uint32_t kPicture = 0x3 | kHidden;

constinit Chain elements{
    &hdr_elec_ac_altvoltsel_vkm,
    image(own_background(GaugeId::elec_ac_altvoltsel_vkm)),  // 0 background
    icon(1056, At{36, 14}, kPicture),                        // 1 selector at 1
    icon(1072, At{51, 14}, kPicture),                        // 2 selector at 2
};

constexpr auto kMouse = mouse_list(
    kNoHelp,
    area(1, 0, 54, 41, kCursorHand, kMouseLeft, switch_to<elec, &ElecState::alt_volt_selector, 1>),
    area(55, 0, 54, 41, kCursorHand, kMouseLeft,
         switch_to<elec, &ElecState::alt_volt_selector, 2>));

constexpr uint8_t kAltVolts = 115;
constexpr uint16_t kAltHz = 400;

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    ElecState& e = elec;
    const bool running = e.alt_volt_selector == 1   ? e.alt1_available
                         : e.alt_volt_selector == 2 ? e.alt2_available
                                                    : false;
    e.alt_volts = running ? kAltVolts : 0;
    e.alt_freq_hz = running ? kAltHz : 0;
    show(elements[1], e.alt_volt_selector == 1);
    show(elements[2], e.alt_volt_selector == 2);
}

}  // namespace

GaugeHeader hdr_elec_ac_altvoltsel_vkm =
    gauge_header(GaugeId::elec_ac_altvoltsel_vkm, elements.list, kMouse.data(), update);

}  // namespace vk
