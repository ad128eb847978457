// The normal brake dial (green circuit): accumulator pressure and the left and
// right brake pressures. Its callback also plays the brake squeal.
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/host.h"
#include "frame/mouse.h"
#include "frame/pressure.h"
#include "gauges/hydraulics/brakes.h"
#include "gauges/state.h"
#include "sound/sound_set.h"

namespace vk {
namespace {

constexpr uint16_t kNoBrakes = 1400;  // green at or below this gives no brake pressure
constexpr double kParkingSet = 0.1;   // a parking brake above this holds the brakes

constexpr BrakeFields kFields{&HydState::norm_accu_shown, &HydState::norm_brake_left,
                              &HydState::norm_brake_right};
using Dial = BrakeDial<kFields>;

constinit BrakeScales kScales = brake_scales();

constinit Chain elements{
    &hdr_hydrau_brakes_norm_vk,
    image(1584),                                                               // 0 dial
    needle(1568, At{93, 16}, Pivot{8, 8}, kScales.accu, Dial::accumulator),    // 1 accumulator
    needle(1568, At{85, 112}, Pivot{8, 8}, kScales.left, Dial::left_brake),    // 2 left brake
    needle(1568, At{85, 112}, Pivot{8, 8}, kScales.right, Dial::right_brake),  // 3 right brake
};

constexpr auto kMouse = mouse_list(kNoHelp);

// The brakes squeal while the aircraft rolls on the ground at 30 kt or more
// with the parking brake off and either brake above 1000.
bool brakes_squeal() {
    return var(Var::on_ground) == 1.0 && var(Var::parking_brake) == 0.0 &&
           var(Var::indicated_airspeed) >= 30.0 &&
           (var(Var::brake_left) > 1000.0 || var(Var::brake_right) > 1000.0);
}

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    hyd.norm_accu_shown = hyd.green_pressure;
    const double ground = var(Var::on_ground);
    if (ground == 0.0 || hyd.brake_loss_toggle == 1) {
        Dial::set_brakes(0, 0);
    } else if (ground == 1.0 && elec.ess_bus_powered) {
        const double parking = var(Var::parking_brake);
        if (hyd.green_pressure <= kNoBrakes)
            Dial::set_brakes(0, 0);
        else if (parking <= kParkingSet)
            Dial::set_brakes(brake_psi(var(Var::brake_left)), brake_psi(var(Var::brake_right)));
        else
            Dial::set_brakes(brake_psi(parking), brake_psi(parking));
    }

    if (brakes_squeal())
        loop(Sound::brakessnd);
    else
        stop(Sound::brakessnd);
}

}  // namespace

GaugeHeader hdr_hydrau_brakes_norm_vk =
    gauge_header(GaugeId::hydrau_brakes_norm_vk, elements.list, kMouse.data(), update);

}  // namespace vk
