// The attitude gyro unit (TADG) switch under its guard, and the TADG off
// lamp. Its callback decides whether the unit runs and keeps the host's gyro
// value within +/-50 while it does.
#include <cstdint>

#include "frame/controls.h"
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/host.h"
#include "frame/mouse.h"
#include "gauges/state.h"
#include "sound/sound_set.h"

namespace vk {
namespace {

constexpr uint32_t kSwitch = kTransparent | kErase;
constexpr uint32_t kLamp = kHidden | kBright | kErase | kTransparent;

constinit Chain elements{&hdr_tadg_sw_vk,
                         image(2416, At{}, kErase),                  // 0 panel
                         icon(4128, At{0, 74}, kSwitch | kHidden),   // 1 guard open
                         icon(4096, At{27, 53}, kSwitch | kHidden),  // 2 switch off
                         icon(4112, At{32, 38}, kSwitch),            // 3 switch on
                         icon(2432, At{0, 0}, kSwitch),              // 4 guard closed over it
                         icon(512, At{29, 136}, kLamp)};             // 5 TADG off

// The lower half: with the guard closed it opens the guard; with it open it
// switches the unit off.
int32_t VKCALL lower(const MousePoint*, uint32_t) {
    GuardedSwitch{elec.tadg_guard_open, elec.tadg_lever}.click_lower();
    return 0;
}

// The upper half switches the unit on if it is off, and in every case flips
// the guard: a click with the guard open and the unit off switches on and
// closes the guard over it.
int32_t VKCALL upper(const MousePoint*, uint32_t) {
    ElecState& e = elec;
    if (e.tadg_lever != 1) {
        play(Sound::click);
        play(Sound::cachemetal);
        e.tadg_lever = 1;
    }
    e.tadg_guard_open = e.tadg_guard_open ? 0 : 1;
    return 0;
}

constexpr auto kMouse = mouse_list(kNoHelp, area(11, 55, 43, 38, kCursorDown, kMouseLeft, lower),
                                   area(16, 17, 43, 38, kCursorUp, kMouseLeft, upper));

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    ElecState& e = elec;

    e.tadg_switch =
        e.tadg_lever == 1 && (e.ess_bus_powered || e.ac_bus1_powered || e.ac_bus2_powered);
    if (e.tadg_switch) {
        const double gyro = var(Var::gyro_error);
        if (gyro >= 50.0 || gyro <= -50.0) send_key(Key::gyro_error_reset, 0);
    }

    show(elements[1], e.tadg_guard_open);
    show(elements[4], !e.tadg_guard_open);
    show(elements[3], e.tadg_lever == 1);
    show(elements[2], e.tadg_lever != 1);
    show(elements[5], !e.tadg_switch && e.ess_bus_powered);
}

}  // namespace

GaugeHeader hdr_tadg_sw_vk =
    gauge_header(GaugeId::tadg_sw_vk, elements.list, kMouse.data(), update);

}  // namespace vk
