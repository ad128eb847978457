// The "green lost in flight" scenario flown end to end with the hydraulic
// gauges and the hydraulic-loss effects, the buses held powered as the
// electrical network would keep them.
#include <cstdio>
#include <string>

#include "apps/scenarios/green_loss_flight.h"
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "gauges/hydraulics/hydraulic_loss.h"
#include "host/effects/gear.h"
#include "hydraulics_fixture.h"

namespace vktest {
namespace {

using vk::hyd;
using vk::Var;

extern vk::GaugeHeader effects_probe;
constinit vk::Chain effects_probe_elements{&effects_probe, vk::image(1)};
void VKCALL effects_probe_update(vk::GaugeHeader*, int32_t service, uint32_t) {
    if (service == static_cast<int32_t>(vk::Service::pre_update)) vk::hydraulic_loss_effects();
}
constexpr auto kNoAreas = vk::mouse_list(vk::kNoHelp);
vk::GaugeHeader effects_probe = [] {
    vk::GaugeHeader h = vk::gauge_header(vk::GaugeId::testgauge2k, effects_probe_elements.list,
                                         kNoAreas.data(), effects_probe_update);
    h.name = "hydraulic loss effects";
    return h;
}();

TEST_F(Hydraulics, GreenLostInFlightEndsWithGearDownFlapsSetAndServosOnYellow) {
    std::FILE* log = std::tmpfile();
    ASSERT_NE(log, nullptr);
    vkapp::GreenLossFlight flight(host, log,
                                  {[&] {
                                       for (int i = 0; i < host.gauge_count(); ++i) {
                                           const std::string name = host.gauge(i)->name;
                                           if (name.find("hydrau_") != std::string::npos ||
                                               name == "morvalde servos_vk" ||
                                               name == "morvalde emerg_lev_vk")
                                               host.place(host.gauge(i));
                                       }
                                       host.place(&effects_probe);
                                   },
                                   [&] { power(true); }});
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
         {"green lost (1750 psi or less)", "yellow pump 2 charged", "gear down after 8.0 s",
          "flaps held at 20.0 deg", "standby 600/600 psi"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
}

}  // namespace
}  // namespace vktest
