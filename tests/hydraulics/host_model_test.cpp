// The test host's gear, flaps and control positions as key events drive them
// (the other hydraulic tests lean on the rest of the model).
#include "host/effects/gear.h"
#include "hydraulics_fixture.h"

namespace vktest {
namespace {

using vk::Key;
using vk::Var;

TEST_F(Hydraulics, HostModelMovesOnlyAfterAnEventAndSetsControls) {
    in_flight(200.0);
    set(Var::gear_left_position, 5000.0);  // put there directly: stays
    host.run_frames(18);
    EXPECT_EQ(get(Var::gear_left_position), 5000.0);
    host.on_key_event(id(Key::gear_down), 0);
    host.run_frames(18);
    EXPECT_NEAR(get(Var::gear_centre_position), vkhost::kGearDown / vkhost::kGearSeconds, 1e-6);

    set(Var::flap_handle, 8000.0);  // between detents: one step goes to the next one
    host.on_key_event(id(Key::flaps_retract_step), 0);
    EXPECT_EQ(get(Var::flap_handle), 6553.0);
    host.run_frames(18);
    EXPECT_NEAR(get(Var::flap_angle_right), vkhost::kFlapDegreesPerSecond, 1e-9);

    host.on_key_event(id(Key::elevator_set), -200);
    host.on_key_event(id(Key::rudder_set), 150);
    EXPECT_EQ(get(Var::elevator_position), -200.0);
    EXPECT_EQ(get(Var::rudder_position), 150.0);
}

}  // namespace
}  // namespace vktest
