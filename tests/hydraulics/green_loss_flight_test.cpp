// The "green lost in flight" scenario flown end to end with the hydraulic
// gauges and the hydraulic-loss effects, the buses held powered as the
// electrical network would keep them.
#include <cstdio>
#include <string>

#include "apps/scenarios/green_loss_flight.h"
#include "host/effects/gear.h"
#include "hydraulics_fixture.h"

namespace vktest {
namespace {

using vk::hyd;
using vk::Var;

TEST_F(Hydraulics, GreenLostInFlightEndsWithGearDownFlapsSetAndServosOnYellow) {
    std::FILE* log = std::tmpfile();
    ASSERT_NE(log, nullptr);
    auto place = [&] {
        for (const char* g :
             {"servos_vk", "emerg_lev_vk", "hydrau_level_vk", "hydrau_gbvalves_vk",
              "hydrau_pump_yellow_vk", "hydrau_pump_red_vk", "hydrau_press_green_vk",
              "hydrau_press_blue_vk", "hydrau_press_yellow_vk", "hydrau_press_red_vk",
              "hydrau_lowflow_g_vk", "hydrau_brakes_norm_vk", "hydrau_brakes_stby_vk",
              "toggle_pan_start"})
            host.place(g);
    };
    vkapp::GreenLossFlight flight(host, log, {place, [&] { power(true); }});
    flight.run();

    EXPECT_EQ(hyd.green_pressure, 0);
    EXPECT_EQ(hyd.blue_pressure, 2500);
    EXPECT_GE(hyd.yellow2_pressure, 2000);  // standing in on the servos
    EXPECT_EQ(hyd.servo_power_lost, 0);
    EXPECT_EQ(get(Var::gear_left_position), 16383.0);
    EXPECT_EQ(get(Var::flap_angle_left), 20.0);
    EXPECT_EQ(get(Var::flap_handle), 9830.0);
    EXPECT_EQ(hyd.red_pressure, 2500);
    EXPECT_EQ(hyd.stby_brake_left, 819);  // parked on the standby brakes
    EXPECT_EQ(hyd.brake_loss_toggle, 0);  // red kept the brakes: never toggled
    EXPECT_EQ(host.model<vkhost::BrakeModel>().loss_events, 0u);
    EXPECT_EQ(sent(0, vk::Key::gear_down), 1);

    std::rewind(log);
    std::string text;
    for (int c; (c = std::fgetc(log)) != EOF;) text += static_cast<char>(c);
    std::fclose(log);
    for (const char* line :
         {"green lost (1750 psi or less)", "yellow pump 2 charged",
          "gear  4096 of 16383, red 1500 psi", "gear down after 8.0 s", "flaps held at 20.0 deg",
          "red went down to 1000 psi", "standby 600/600 psi"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
}

}  // namespace
}  // namespace vktest
