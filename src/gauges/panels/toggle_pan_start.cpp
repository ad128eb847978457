// The start panel's toggle zone on the main panel: drawn while the toggle
// zones are shown; a click opens or closes the start, TADG and battery switch
// panels together. The gauge's install and kill also carry the cockpit's sound
// set: it exists from this gauge's install to its kill; and its pre-update
// runs the effects of lost hydraulics on the airbrakes, brakes and controls.
#include "frame/gauge_table.h"
#include "frame/toggle_zone.h"
#include "gauges/hydraulics/hydraulic_loss.h"
#include "sound/sound_set.h"

namespace vk {
namespace {

constinit Chain elements{&hdr_toggle_pan_start, zone_picture(GaugeId::toggle_pan_start)};

constexpr auto kMouse =
    zone_mouse("display/hide start, TADG and battery panels", ZoneSize{70, 40},
               toggle_windows<WindowBy::key_event, Window::start, Window::tadg_battery>);

void VKCALL callback(GaugeHeader* g, int32_t service, uint32_t extra) {
    switch (static_cast<Service>(service)) {
        case Service::install:
            install_sound_set(extra);  // the extra argument is the module's handle
            break;
        case Service::pre_update:
            show_zone(g);
            hydraulic_loss_effects();
            break;
        case Service::kill:
            kill_sound_set();
            break;
    }
}

}  // namespace

GaugeHeader hdr_toggle_pan_start =
    gauge_header(GaugeId::toggle_pan_start, elements.list, kMouse.data(), callback);

}  // namespace vk
