// The start panel's toggle zone on the main panel: drawn while the toggle
// zones are shown; a click opens or closes the start, TADG and battery switch
// panels together. The gauge's install and kill also carry the cockpit's sound
// set: it exists from this gauge's install to its kill; and its pre-update
// runs the effects of lost hydraulics on the airbrakes, brakes and controls.
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/host.h"
#include "frame/mouse.h"
#include "gauges/hydraulics/hydraulic_loss.h"
#include "gauges/state.h"
#include "sound/sound_set.h"

namespace vk {
namespace {

constexpr int32_t kZoneBitmap = 60010;
constexpr int32_t kStartPanel = 10090;    // start and TADG switch panel
constexpr int32_t kBatteryPanel = 10100;  // battery switch panel

constinit Chain elements{
    &hdr_toggle_pan_start, image(kZoneBitmap, At{}, kTransparent | kHidden),  // 0 zone
};

int32_t VKCALL toggle_panels(const MousePoint*, uint32_t) {
    send_key(Key::panel_window_toggle, kStartPanel);
    send_key(Key::panel_window_toggle, kBatteryPanel);
    return 0;
}

constexpr auto kMouse = mouse_list(kNoHelp, tooltip("display/hide start, TADG and battery panels"),
                                   area(0, 0, 70, 70, kCursorHand, kMouseLeft, toggle_panels));

void pre_update() {
    show(elements[0], panel.toggles_visible);
    hydraulic_loss_effects();
}

void VKCALL callback(GaugeHeader*, int32_t service, uint32_t extra) {
    switch (static_cast<Service>(service)) {
        case Service::install:
            install_sound_set(extra);  // the extra argument is the module's handle
            break;
        case Service::pre_update:
            pre_update();
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
