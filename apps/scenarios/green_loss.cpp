// Green lost in flight: cruise, both green pump valves shut, yellow pump 2 on
// the servos, flaps by the emergency lever, gear by emergency extension, and a
// landing on the standby brakes. The whole cockpit is placed; the electrical
// network's gauges supply the buses the valves and pumps need.
#include "apps/scenario.h"
#include "apps/scenarios/green_loss_flight.h"

VK_SCENARIO(green_loss,
            "green lost in flight: emergency gear and flaps, yellow pump on the servos") {
    vkapp::GreenLossFlight flight(host, out, {[&host] { host.place_all(); }, {}});
    flight.run();
}
