// Loaded in flight: the start-up sequence takes the running branch whatever
// the choice, and closes the electrical panel as well.
#include "apps/panel_timeline.h"
#include "frame/host_vars.h"

VK_SCENARIO(airborne_start, "loaded at 3000 m with no choice screen: a running aircraft") {
    host.set(static_cast<int32_t>(vk::Var::radio_height), 3000.0);
    host.set(static_cast<int32_t>(vk::Var::on_ground), 0.0);
    // Both engines run, as in any aircraft loaded in flight: their hydraulic
    // pumps charge the circuits, and once the servos have pressure the
    // control-centring events of the hydraulic-loss watch stop.
    host.set(static_cast<int32_t>(vk::Var::engine_speed_1), 92.0);
    host.set(static_cast<int32_t>(vk::Var::engine_speed_2), 92.0);
    vkhost::load_aircraft(host);
    vkapp::PanelTimeline timeline(host, out);
    timeline.note("aircraft loaded in flight, 3000 m above the ground, both engines at 92 %");
    timeline.run(vkhost::TestHost::kFramesPerSecond * 6);
    vkapp::note_running_start_up(timeline, host);
}
