#include "gauges/hydraulics/hydraulic_loss.h"

#include "frame/host.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr uint16_t kGreenLost = 1750;     // green at or below this is lost
constexpr uint16_t kBlueLost = 1750;      // and so is blue
constexpr uint16_t kYellowServos = 1900;  // a yellow pump at or above this powers the servos
constexpr uint16_t kRedBrakes = 950;      // red below this gives no brake pressure at all
constexpr double kPilotBrake = 5000.0;    // a left brake beyond this is the pilot braking

bool on_ground() {
    return var(Var::on_ground) == 1.0;
}

// Without green the airbrakes close when nearly in, fall fully open at low
// speed, and are pushed back to 7000 by the airflow above 60 kt.
void airbrakes() {
    const double p = var(Var::airbrake_left);
    if (p < 3000.0) {
        if (p >= 1.0) send_key(Key::airbrakes_retract);
    } else if (var(Var::indicated_airspeed) <= 60.0) {
        if (p > 6000.0 && p < 16382.0) send_key(Key::airbrakes_extend);
    } else if (p > 4000.0) {
        send_key(Key::airbrakes_set, 7000);
    }
}

// No steering pressure: the nose wheel follows no rudder input while taxiing.
void steering() {
    const double ias = var(Var::indicated_airspeed);
    if (on_ground() && ias >= 10.0 && ias <= 60.0 && var(Var::rudder_position) != 0.0 &&
        hyd.red_pressure < kRedBrakes)
        send_key(Key::rudder_centre);
}

// The host brake event is a toggle. The module keeps `brake_loss_toggle` in
// step with the events it sends: 1 after an odd number since the last reset
// to 0, 0 or 2 after an even one. A reset sends the event only when the count
// is odd, so the host's brakes always end up as they were.
void send_brake_toggle(uint8_t to) {
    send_key(Key::brake_loss_toggle);
    hyd.brake_loss_toggle = to;
}

void reset_brake_toggle() {
    if (hyd.brake_loss_toggle == 1)
        send_brake_toggle(0);
    else
        hyd.brake_loss_toggle = 0;
}

void brakes_without_green() {
    if (hyd.red_pressure < kRedBrakes) {
        if (hyd.brake_loss_toggle == 0 && var(Var::parking_brake) == 0.0) send_brake_toggle(1);
    } else if (hyd.brake_loss_toggle != 0) {
        reset_brake_toggle();
    }
}

// Without blue and with neither yellow pump up to pressure the flight
// controls have no power: the host surfaces are brought back to neutral.
void flight_controls() {
    if (hyd.blue_pressure <= kBlueLost && hyd.yellow1_pressure < kYellowServos &&
        hyd.yellow2_pressure < kYellowServos) {
        hyd.servo_power_lost = 1;
        if (on_ground()) {
            if (var(Var::aileron_position) != 0.0) send_key(Key::aileron_centre);
            if (var(Var::elevator_position) != 0.0) send_key(Key::elevator_set, 0);
        } else {
            send_key(Key::aileron_centre);
            send_key(Key::rudder_set, 0);
            send_key(Key::elevator_set, 0);
        }
    } else {
        hyd.servo_power_lost = 0;
    }
}

}  // namespace

void hydraulic_loss_effects() {
    if (hyd.green_pressure <= kGreenLost) {
        airbrakes();
        steering();
        brakes_without_green();
        flight_controls();
    } else {
        reset_brake_toggle();
        hyd.servo_power_lost = 0;
    }

    // A parked aircraft with green gets its brakes back; a pilot braking hard
    // after the loss toggles the host brakes once more.
    const double left_brake = var(Var::brake_left);
    if (hyd.brake_loss_toggle == 1 && var(Var::parking_brake) > 0.0 &&
        hyd.green_pressure > kGreenLost && left_brake < kPilotBrake)
        send_brake_toggle(0);
    if (hyd.brake_loss_toggle == 1 && left_brake > kPilotBrake) send_brake_toggle(2);
}

}  // namespace vk
