// The standby brake dial (red circuit): accumulator pressure and the left and
// right brake pressures. The standby brakes act with the parking brake lever
// out of its released position, or by themselves when green cannot brake.
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/host.h"
#include "frame/mouse.h"
#include "frame/pressure.h"
#include "gauges/hydraulics/brakes.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr uint16_t kRedEmpty = 50;       // red at or below this holds only the parking brake
constexpr uint16_t kRedBrakes = 1400;    // red above this works the pedals
constexpr uint16_t kGreenBrakes = 1400;  // green below this hands the pedals over to red
constexpr double kParkingSet = 0.1;

constexpr BrakeFields kFields{&HydState::stby_accu_shown, &HydState::stby_brake_left,
                              &HydState::stby_brake_right};
using Dial = BrakeDial<kFields>;

constinit BrakeScales kScales = brake_scales();

constinit Chain elements{
    &hdr_hydrau_brakes_stby_vk,
    image(1584),                                                               // 0 dial
    needle(1568, At{93, 16}, Pivot{8, 8}, kScales.accu, Dial::accumulator),    // 1 accumulator
    needle(1568, At{85, 112}, Pivot{8, 8}, kScales.left, Dial::left_brake),    // 2 left brake
    needle(1568, At{85, 112}, Pivot{8, 8}, kScales.right, Dial::right_brake),  // 3 right brake
};

constexpr auto kMouse = mouse_list(kNoHelp);

void pedals() {
    Dial::set_brakes(brake_psi(var(Var::brake_left)), brake_psi(var(Var::brake_right)));
}

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    hyd.stby_accu_shown = hyd.red_pressure;
    const double ground = var(Var::on_ground);
    if (ground == 0.0 || hyd.brake_loss_toggle == 1) {
        Dial::set_brakes(0, 0);
        return;
    }
    if (ground != 1.0 || !elec.main_bus_powered) return;  // the dials keep their values

    const double parking = var(Var::parking_brake);
    const uint16_t red = hyd.red_pressure;
    if (parking > kParkingSet)
        Dial::set_brakes(brake_psi(parking), brake_psi(parking));
    else if (red <= kRedEmpty)
        Dial::set_brakes(0, 0);
    else if (gear.parking_brake_lever >= 1 && red > kRedBrakes)
        pedals();
    else if (hyd.green_pressure < kGreenBrakes && red > kRedBrakes)
        pedals();  // automatic changeover to standby
    else
        Dial::set_brakes(0, 0);
}

}  // namespace

GaugeHeader hdr_hydrau_brakes_stby_vk =
    gauge_header(GaugeId::hydrau_brakes_stby_vk, elements.list, kMouse.data(), update);

}  // namespace vk
