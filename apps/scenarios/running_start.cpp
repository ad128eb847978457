// A running aircraft: the choice screen is open at load and the windows wait
// until the crew clicks the running-aircraft side.
#include "apps/panel_timeline.h"
#include "frame/records.h"

VK_SCENARIO(running_start, "the crew chooses a running aircraft on the choice screen") {
    vkhost::load_aircraft(host, vkhost::ChoiceScreen::open);
    vkapp::PanelTimeline timeline(host, out);
    timeline.note("aircraft loaded on the ground with the choice screen open, " +
                  std::to_string(vkapp::placed_gauges(host)) + " gauges placed");
    timeline.run(vkhost::TestHost::kFramesPerSecond * 2);
    host.click("panload", 1, vk::kMouseMove);
    host.click("panload", 1, vk::kMouseLeft);
    timeline.note("the crew clicks \"running aircraft\" on the choice screen");
    timeline.run(vkhost::TestHost::kFramesPerSecond * 2);
    vkapp::note_running_start_up(timeline, host);
}
