// Loaded in flight: the start-up sequence takes the running branch whatever
// the choice, and closes the electrical panel as well.
#include "apps/panel_timeline.h"
#include "frame/host_vars.h"

VK_SCENARIO(airborne_start, "loaded at 3000 m with no choice screen: a running aircraft") {
    host.set(static_cast<int32_t>(vk::Var::radio_height), 3000.0);
    host.set(static_cast<int32_t>(vk::Var::on_ground), 0.0);
    vkhost::load_aircraft(host);
    vkapp::PanelTimeline timeline(host, out);
    timeline.note("aircraft loaded in flight, 3000 m above the ground");
    timeline.run(vkhost::TestHost::kFramesPerSecond * 2);
    timeline.note(
        "start-up steps: running-aircraft windows opened on " +
        vkapp::frame_span(vkapp::frames_with(host, 0x103CB, 10170)) +
        ", the electrical panel closed on " +
        vkapp::frame_span(vkapp::frames_with(host, 0x103CC, 10080)) + ", the other windows on " +
        vkapp::frame_span(vkapp::frames_with(host, 0x103CC, 10040)) +
        "; cold-aircraft settings on " + vkapp::frame_span(vkapp::frames_with(host, 0x101F5)));
    timeline.note("start-up over; windows open: " +
                  timeline.window_list(timeline.open_windows(), 11));
}
