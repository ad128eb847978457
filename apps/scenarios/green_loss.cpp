// Green lost in flight: cruise, both green pump valves shut, yellow pump 2 on
// the servos, flaps by the emergency lever, gear by emergency extension, and a
// landing on the standby brakes. The aircraft is loaded in flight as the
// simulator loads it: the start-up sequence opens every window, so that every
// gauge runs, and leaves a running aircraft whose electrical network supplies
// the buses the valves and pumps need.
#include "apps/scenario.h"
#include "apps/scenarios/green_loss_flight.h"
#include "host/aircraft.h"

VK_SCENARIO(green_loss,
            "green lost in flight: emergency gear and flaps, yellow pump on the servos") {
    vkapp::GreenLossFlight flight(host, out, {[&host] { vkhost::load_aircraft(host); }, {}});
    flight.run();
}
