// The host's engines and throttles: throttle and fuel control key events,
// the starters, and a step per frame that moves each engine and burns its fuel.
#include "host/effects/engines.h"

#include <algorithm>
#include <cmath>

#include "frame/convert.h"
#include "frame/host_vars.h"
#include "frame/key_events.h"
#include "host/effects.h"
#include "host/effects/fuel.h"
#include "host/ids.h"
#include "host/test_host.h"

namespace vkhost {

namespace {

struct EngineVars {
    vk::Var speed, thrust, fuel_flow, exhaust_temp, oil_temp, oil_pressure;
    vk::Var throttle, fuel_control, fuel_valve, fuel_selector, failed;
    const char* rpm_name;
};

constexpr EngineVars kVars[2] = {
    {vk::Var::engine_speed_1, vk::Var::thrust_1, vk::Var::fuel_flow_1, vk::Var::engine_temp_1,
     vk::Var::oil_temp_1, vk::Var::oil_pressure_1, vk::Var::throttle_1, vk::Var::fuel_control_1,
     vk::Var::fuel_valve_1, vk::Var::fuel_selector_1, vk::Var::engine_failed_1, "leftTurbineRPM"},
    {vk::Var::engine_speed_2, vk::Var::thrust_2, vk::Var::fuel_flow_2, vk::Var::engine_temp_2,
     vk::Var::oil_temp_2, vk::Var::oil_pressure_2, vk::Var::throttle_2, vk::Var::fuel_control_2,
     vk::Var::fuel_valve_2, vk::Var::fuel_selector_2, vk::Var::engine_failed_2, "rightTurbineRPM"},
};

constexpr double kThrottleStep = 0.02;
constexpr double kMinThrottle = -0.25;  // full reverse
constexpr double kMaxThrottle = 1.0;
constexpr double kExhaustLag = 2.0;  // seconds
constexpr double kOilLag = 60.0;     // seconds

double finite_or(double v, double fallback) {
    return std::isfinite(v) ? v : fallback;
}

double celsius(double rankine) {
    return (rankine - 491.67) / 1.8;
}
double rankine(double celsius) {
    return celsius * 1.8 + 491.67;
}

// The host keeps throttles on a grid of thousandths, so that steps add up.
void set_throttle(TestHost& h, vk::Var v, double t) {
    h.set(id(v), std::round(std::clamp(t, kMinThrottle, kMaxThrottle) * 1000.0) / 1000.0);
}

double throttle_of(const TestHost& h, vk::Var v) {
    return finite_or(h.get(id(v)), 0.0);
}

// Speed a lit engine settles at for its throttle; reverse spools it too.
double governed_speed(double throttle) {
    return kIdleSpeed + (kFullSpeed - kIdleSpeed) * std::clamp(std::fabs(throttle), 0.0, 1.0);
}

double thrust_at(double speed) {
    if (speed < kIdleSpeed)
        return kIdleThrust * std::max(0.0, speed - kLightOffSpeed) / (kIdleSpeed - kLightOffSpeed);
    return kIdleThrust + (100.0 - kIdleThrust) * (speed - kIdleSpeed) / (kFullSpeed - kIdleSpeed);
}

double fuel_flow_at(double speed) {
    if (speed < kIdleSpeed) return kIdleFuelFlow * speed / kIdleSpeed;
    return kIdleFuelFlow +
           (kFullFuelFlow - kIdleFuelFlow) * (speed - kIdleSpeed) / (kFullSpeed - kIdleSpeed);
}

double windmill_speed(const TestHost& h) {
    if (h.get(id(vk::Var::on_ground)) != 0.0) return 0.0;
    const double knots = finite_or(h.get(id(vk::Var::indicated_airspeed)), 0.0);
    return std::clamp(knots * kWindmillPerKnot, 0.0, kMaxWindmill);
}

void take_over(TestHost& h, EngineModel::Engine& e, const EngineVars& v) {
    e.modelled = true;
    e.speed = std::clamp(finite_or(h.get(id(v.speed)), 0.0), 0.0, 110.0);
    e.written = e.speed;
    e.exhaust_c = finite_or(celsius(h.get(id(v.exhaust_temp))), 15.0);
    e.oil_c = finite_or(celsius(h.get(id(v.oil_temp))), 15.0);
}

void step_engine(TestHost& h, EngineModel::Engine& e, const EngineVars& v, int index, double dt) {
    // A speed written over the model's is the engine's new speed.
    const double host_speed = h.get(id(v.speed));
    if (host_speed != e.written) e.speed = std::clamp(finite_or(host_speed, 0.0), 0.0, 110.0);

    const bool fuel = engine_has_fuel(h, index);
    if (e.burning && !fuel) e.burning = false;  // flame-out
    if (!e.burning && fuel && e.starter && e.speed >= kLightOffSpeed) e.burning = true;

    if (e.burning) {
        const double target = governed_speed(throttle_of(h, v.throttle));
        if (e.speed < kIdleSpeed)
            e.speed = std::min(kIdleSpeed, e.speed + kLitAcceleration * dt);
        else if (e.speed < target)
            e.speed = std::min(target, e.speed + kSpoolUp * dt);
        else
            e.speed = std::max(target, e.speed - kSpoolDown * dt);
    } else {
        const double windmill = windmill_speed(h);
        const double target = e.starter ? std::max(kStarterSpeed, windmill) : windmill;
        if (e.speed < target)
            e.speed = std::min(target, e.speed + (e.starter ? kStarterRate : kRunDown) * dt);
        else
            e.speed = std::max(target, e.speed - kRunDown * dt);
    }
    e.starter = false;

    const double outside = finite_or(h.get(id(vk::Var::outside_air_temp)), 15.0);
    const double hot = e.burning ? 380.0 + 2.8 * (e.speed - kIdleSpeed) : outside;
    e.exhaust_c += (hot - e.exhaust_c) * std::min(1.0, dt / kExhaustLag);
    const double warm = outside + (e.burning ? 25.0 + 35.0 * std::max(0.0, e.speed - kIdleSpeed) /
                                                          (kFullSpeed - kIdleSpeed)
                                             : 0.0);
    e.oil_c += (warm - e.oil_c) * std::min(1.0, dt / kOilLag);

    const double flow = e.burning ? fuel_flow_at(e.speed) : 0.0;
    h.set(id(v.speed), e.speed);
    e.written = e.speed;
    h.set(id(v.thrust), e.burning ? thrust_at(e.speed) : 0.0);
    h.set(id(v.fuel_flow), flow);
    h.set(id(v.exhaust_temp), rankine(e.exhaust_c));
    h.set(id(v.oil_temp), rankine(e.oil_c));
    h.set(id(v.oil_pressure), kOilPressurePerPercent * e.speed);
    h.provide_named(v.rpm_name, kRpmPerPercent * e.speed);

    burn_fuel(h, vk::to_i32(h.get(id(v.fuel_selector))), flow * dt / 3600.0);
}

}  // namespace

bool engine_has_fuel(const TestHost& h, int index) {
    const EngineVars& v = kVars[index];
    return h.get(id(v.fuel_control)) >= 0.5 && h.get(id(v.fuel_valve)) >= 0.5 &&
           !(h.get(id(v.failed)) >= 0.5) &&
           tank_gallons(h, vk::to_i32(h.get(id(v.fuel_selector)))) > 0.0;
}

void register_engine_effects(EffectRegistry& r) {
    using vk::Key;
    using vk::Var;
    struct ThrottleKeys {
        Key forward, back, idle, fuel_on, fuel_off, starter;
    };
    static constexpr ThrottleKeys kKeys[2] = {
        {Key::throttle_1_inc, Key::throttle_1_dec, Key::throttle_1_idle, Key::fuel_control_1_on,
         Key::fuel_control_1_off, Key::starter_1},
        {Key::throttle_2_inc, Key::throttle_2_dec, Key::throttle_2_idle, Key::fuel_control_2_on,
         Key::fuel_control_2_off, Key::starter_2},
    };
    for (int i = 0; i < 2; ++i) {
        const ThrottleKeys& k = kKeys[i];
        const Var throttle = kVars[i].throttle, control = kVars[i].fuel_control;
        r.add(id(k.forward), [throttle](TestHost& h, int32_t) {
            set_throttle(h, throttle, throttle_of(h, throttle) + kThrottleStep);
        });
        r.add(id(k.back), [throttle](TestHost& h, int32_t) {
            set_throttle(h, throttle, throttle_of(h, throttle) - kThrottleStep);
        });
        r.add(id(k.idle), [throttle](TestHost& h, int32_t) { set_throttle(h, throttle, 0.0); });
        r.add(id(k.fuel_on), [control](TestHost& h, int32_t) { h.set(id(control), 1.0); });
        r.add(id(k.fuel_off), [control](TestHost& h, int32_t) { h.set(id(control), 0.0); });
        r.add(id(k.starter), [i](TestHost& h, int32_t) {
            EngineModel::Engine& e = h.model<EngineModel>().engine[i];
            if (!e.modelled) take_over(h, e, kVars[i]);
            e.starter = true;
        });
    }
    r.add_step([](TestHost& h, double dt) {
        auto& model = h.model<EngineModel>();
        for (int i = 0; i < 2; ++i)
            if (model.engine[i].modelled) step_engine(h, model.engine[i], kVars[i], i, dt);
    });
}

}  // namespace vkhost
