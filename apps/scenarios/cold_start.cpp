// A cold aircraft: loaded on the ground with no choice screen, the start-up
// sequence opens every window, counts down to a cold aircraft, writes the
// cold switch positions for eight frames and closes the windows again. A
// crew that moves the battery master in the middle sees it put back.
#include "apps/panel_timeline.h"
#include "host/crew.h"

namespace {

// The battery master lever as its panel draws it.
std::string master_lever(const vkhost::TestHost& host) {
    if (host.shown("elec_mas_sw_vk", 3)) return "battery";
    if (host.shown("elec_mas_sw_vk", 1)) return "ground power";
    return host.shown("elec_mas_sw_vk", 2) ? "off" : "not drawn";
}

}  // namespace

VK_SCENARIO(cold_start, "loaded on the ground without the choice screen: a cold aircraft") {
    vkhost::load_aircraft(host);
    vkapp::PanelTimeline timeline(host, out);
    timeline.note("aircraft loaded on the ground: main panel open, " +
                  std::to_string(vkapp::placed_gauges(host)) + " gauges placed");
    constexpr int kCrewFrame = 16;
    timeline.run(kCrewFrame - 1);
    vkhost::Crew(host).master_switch(2);
    timeline.note("the crew puts the battery master to battery");
    timeline.run(1);
    timeline.note("the master panel draws the lever at " + master_lever(host) +
                  ": the cold settings are written again on every one of their frames");
    timeline.run(vkhost::TestHost::kFramesPerSecond * 4 - kCrewFrame);
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
    timeline.note("cold aircraft as its panels draw it: battery master " + master_lever(host) +
                  ", TADG " + (host.shown("tadg_sw_vk", 2) ? "off" : "on") + " under its " +
                  (host.shown("tadg_sw_vk", 1) ? "open" : "closed") + " guard, main bus " +
                  (host.shown("elec_bus_bat_vk", 8) ? "powered" : "dark"));
}
