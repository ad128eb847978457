#pragma once
// The host's engines: two turbojets that a starter spools, that light off
// with fuel, accelerate by themselves to idle, follow their throttles, and run
// down without fuel. docs/aircraft-model.md gives the numbers and why.
//
// An engine is left to whatever the host variables say until its starter is
// first engaged: from then on the model owns its speed, thrust, fuel flow,
// temperatures, oil pressure and turbine rpm. A value written over the speed
// afterwards (a test, a scenario) is taken as the engine's new speed.
#include <array>

namespace vkhost {

class TestHost;

struct EngineModel {
    struct Engine {
        bool modelled = false;  // the starter has been engaged once
        bool burning = false;   // lit, with fuel
        bool starter = false;   // a starter event came since the last step
        double speed = 0.0;     // percent
        double written = 0.0;   // the speed the model last wrote to the host
        double exhaust_c = 15.0;
        double oil_c = 15.0;
    };
    std::array<Engine, 2> engine;
};

// Engine speeds, percent.
inline constexpr double kStarterSpeed = 25.0;   // a starter alone turns the engine this fast
inline constexpr double kLightOffSpeed = 15.0;  // lights off from here with the starter and fuel
inline constexpr double kIdleSpeed = 45.0;      // idle, throttle at 0
inline constexpr double kFullSpeed = 100.0;     // throttle at 1

// Rates, percent per second.
inline constexpr double kStarterRate = 3.0;      // starter spooling a dry engine
inline constexpr double kLitAcceleration = 2.5;  // a lit engine below idle
inline constexpr double kSpoolUp = 5.0;          // above idle, towards the throttle
inline constexpr double kSpoolDown = 6.0;
inline constexpr double kRunDown = 4.0;           // without fuel
inline constexpr double kWindmillPerKnot = 0.12;  // windmill speed in flight
inline constexpr double kMaxWindmill = 30.0;

// Outputs.
inline constexpr double kIdleThrust = 22.0;             // percent, at idle
inline constexpr double kIdleFuelFlow = 900.0;          // lb/h, at idle
inline constexpr double kFullFuelFlow = 7000.0;         // lb/h, at full speed
inline constexpr double kRpmPerPercent = 87.0;          // turbine rpm at 1 %
inline constexpr double kOilPressurePerPercent = 90.0;  // host oil pressure units at 1 %

// Whether engine `index` (0 or 1) has fuel now: fuel control on, fuel valve
// open, not failed, and its selector on a tank with fuel.
bool engine_has_fuel(const TestHost& host, int index);

}  // namespace vkhost
