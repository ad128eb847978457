// A cold aircraft: loaded on the ground with no choice screen, the start-up
// sequence opens every window, counts down to a cold aircraft, writes the
// cold switch positions for eight frames and closes the windows again.
#include "apps/panel_timeline.h"

VK_SCENARIO(cold_start, "loaded on the ground without the choice screen: a cold aircraft") {
    vkhost::load_aircraft(host);
    vkapp::PanelTimeline timeline(host, out);
    timeline.note("aircraft loaded on the ground: main panel open, " +
                  std::to_string(vkapp::placed_gauges(host)) + " gauges placed");
    timeline.run(vkhost::TestHost::kFramesPerSecond * 4);
    const auto cold = vkapp::frames_with(host, 0x101F5, 125);
    timeline.note("start-up steps: windows held open on " +
                  vkapp::frame_span(vkapp::frames_with(host, 0x103CB)) +
                  ", the countdown choosing a cold aircraft on frame " +
                  (cold.empty() ? std::string("-") : std::to_string(cold.front())) +
                  "; cold-aircraft settings on " + vkapp::frame_span(cold) +
                  "; windows closed on " + vkapp::frame_span(vkapp::frames_with(host, 0x103CC)));
    timeline.note("start-up over: " + std::to_string(vkapp::placed_gauges(host)) +
                  " gauges placed and running; windows open: " +
                  timeline.window_list(timeline.open_windows(), 11));
}
