#pragma once
// The flight of the "green lost in flight" scenario, written once for the
// cockpit program and for the test that checks its outcome: cruise with both
// engines, the green circuit lost (both green pump valves shut), yellow pump 2
// started on the servos, flaps by the emergency lever, gear by emergency
// extension, and a landing on the standby brakes. Everything is read through
// the host, as the simulator would see it: dials, lights, host variables and
// key events.
#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <functional>
#include <map>
#include <string>

#include "frame/host_vars.h"
#include "frame/key_events.h"
#include "host/ids.h"
#include "host/test_host.h"

namespace vkapp {

using vkhost::id;

class GreenLossFlight {
  public:
    struct Hooks {
        std::function<void()> place;       // places the gauges the flight uses
        std::function<void()> each_frame;  // runs before every frame (may be empty)
    };

    GreenLossFlight(vkhost::TestHost& host, std::FILE* out, Hooks hooks)
        : host_(host), out_(out), hooks_(std::move(hooks)) {}

    void run() {
        cruise();
        lose_green();
        yellow_on_the_servos();
        flaps_without_green();
        emergency_gear();
        land();
        summary();
    }

  private:
    static constexpr int kFps = vkhost::TestHost::kFramesPerSecond;
    static constexpr double kEngineSpeed = 92.0;  // percent, both engines

    void set(vk::Var v, double value) { host_.set(id(v), value); }
    double get(vk::Var v) const { return host_.get(id(v)); }

    double green() const { return host_.needle_value("hydrau_press_green_vk", 1); }
    double blue() const { return host_.needle_value("hydrau_press_blue_vk", 1); }
    double yellow() const { return host_.needle_value("hydrau_press_yellow_vk", 1); }
    double red() const { return host_.needle_value("hydrau_press_red_vk", 1); }

    void note(const char* format, ...) __attribute__((format(printf, 2, 3))) {
        std::fprintf(out_, "t=%7.2fs  ", static_cast<double>(host_.frame()) / kFps);
        va_list args;
        va_start(args, format);
        std::vfprintf(out_, format, args);
        va_end(args);
        std::fputc('\n', out_);
    }

    void pressures(const char* what) {
        note("%-28s green %4.0f  blue %4.0f  yellow %4.0f  red %4.0f psi", what, green(), blue(),
             yellow(), red());
    }

    // One frame: the engines keep turning (the scenario stands in for the
    // engine model), then the host runs the frame.
    void frame() {
        if (hooks_.each_frame) hooks_.each_frame();
        set(vk::Var::engine_speed_1, kEngineSpeed);
        set(vk::Var::engine_speed_2, kEngineSpeed);
        host_.run_frames(1);
    }
    void seconds(double s) {
        for (int f = 0; f < static_cast<int>(s * kFps); ++f) frame();
    }
    // Runs until the condition holds or the time is up; false on time-out.
    bool until(double max_seconds, const std::function<bool()>& done) {
        for (int f = 0; f < static_cast<int>(max_seconds * kFps); ++f) {
            if (done()) return true;
            frame();
        }
        return done();
    }

    void cruise() {
        set(vk::Var::on_ground, 0.0);
        set(vk::Var::indicated_airspeed, 250.0);
        set(vk::Var::altitude, 20000.0);
        set(vk::Var::radio_height, 6000.0);
        set(vk::Var::parking_brake, 0.0);
        for (vk::Var v : {vk::Var::gear_handle, vk::Var::gear_centre_position,
                          vk::Var::gear_left_position, vk::Var::gear_right_position})
            set(v, 0.0);
        hooks_.place();
        // Loaded in flight, the circuits start empty: until blue or a yellow
        // pump is up the flight controls have no power.
        const bool charged = until(10.0, [&] { return blue() > 1750.0; });
        note(charged ? "blue above 1750 psi: the servos have power"
                     : "blue not charged after 10 s");
        seconds(8.0);
        pressures("cruise, 250 kt, FL200");
        // The valve position lights need the essential bus.
        if (!host_.shown("hydrau_gbvalves_vk", 1))
            note("essential bus unpowered: no valve lights, and the valves cannot be moved");
        host_.click("hydrau_pump_red_vk", 0);
        seconds(3.0);
        pressures("red pump switched on");
    }

    void lose_green() {
        host_.click("hydrau_gbvalves_vk", 1);  // raises the guard
        host_.click("hydrau_gbvalves_vk", 1);  // shuts green pump valve 1
        host_.click("hydrau_gbvalves_vk", 3);  // and valve 2
        note("both green pump valves shut");
        if (!until(30.0, [&] { return green() <= 1750.0; })) {
            note("green not lost after 30 s: the valves did not move");
            return;
        }
        pressures("green lost (1750 psi or less)");
        until(5.0, [&] { return host_.shown("servos_vk", 4); });
        note("green servo light %s, green low-flow lights %s", lit("servos_vk", 4),
             lit("hydrau_lowflow_g_vk", 1));
        until(30.0, [&] { return green() == 0.0; });
        pressures("green empty");
    }

    void yellow_on_the_servos() {
        host_.click("servos_vk", 6);  // selector 0 -> 1
        host_.click("servos_vk", 5);  // 1 -> 2: yellow pump 2
        note("servo selector to 2: yellow pump 2 started");
        if (!until(10.0, [&] { return yellow() >= 2471.0; })) {
            note("yellow pump 2 not charged after 10 s: no main bus");
            return;
        }
        pressures("yellow pump 2 charged");
        double low = 1e9, high = 0.0;
        for (int f = 0; f < 20 * kFps; ++f) {
            frame();
            low = std::min(low, yellow());
            high = std::max(high, yellow());
        }
        note("yellow pump 2 cycles between %.0f and %.0f psi over 20 s", low, high);
    }

    void flaps_without_green() {
        set(vk::Var::indicated_airspeed, 180.0);
        // The crew tries the normal flap lever (the host's own flap key).
        host_.on_key_event(id(vk::Key::flaps_extend_step), 0);
        note("crew's flap key: handle to %.0f", get(vk::Var::flap_handle));
        seconds(3.0);
        note("flap hold: handle back at %.0f, flaps %.1f deg", get(vk::Var::flap_handle),
             get(vk::Var::flap_angle_left));

        host_.click("emerg_lev_vk", 2);  // guard up
        host_.click("emerg_lev_vk", 6);  // lever down
        note("emergency flap lever down: flaps running out");
        double lowest_red = red();
        until(30.0, [&] {
            lowest_red = std::min(lowest_red, red());
            return get(vk::Var::flap_angle_left) >= 20.0;
        });
        host_.click("emerg_lev_vk", 5);  // neutral
        note("emergency flap lever to neutral at %.1f deg (red went down to %.0f psi)",
             get(vk::Var::flap_angle_left), lowest_red);
        seconds(5.0);
        note("flaps held at %.1f deg, handle %.0f", get(vk::Var::flap_angle_left),
             get(vk::Var::flap_handle));
        pressures("flaps set");
    }

    void emergency_gear() {
        set(vk::Var::indicated_airspeed, 160.0);
        const uint64_t start = host_.frame();
        host_.click("emerg_lev_vk", 1);
        note("emergency gear lever pulled");
        for (int s = 0; s < 20 && get(vk::Var::gear_left_position) < 16383.0; s += 2) {
            seconds(2.0);
            note("gear %5.0f of 16383, red %4.0f psi", get(vk::Var::gear_left_position), red());
        }
        if (get(vk::Var::gear_left_position) >= 16383.0)
            note("gear down after %.1f s", static_cast<double>(host_.frame() - start) / kFps);
        else
            note("gear not down after 20 s");
        seconds(10.0);
        pressures("gear down, red recharged");
    }

    void land() {
        set(vk::Var::on_ground, 1.0);
        set(vk::Var::altitude, 0.0);
        set(vk::Var::radio_height, 0.0);
        set(vk::Var::indicated_airspeed, 130.0);
        set(vk::Var::brake_left, 12000.0);
        set(vk::Var::brake_right, 12000.0);
        seconds(1.0);
        note("touchdown, pedals at 12000: normal brakes %.0f/%.0f psi, standby %.0f/%.0f psi",
             host_.needle_value("hydrau_brakes_norm_vk", 2),
             host_.needle_value("hydrau_brakes_norm_vk", 3),
             host_.needle_value("hydrau_brakes_stby_vk", 2),
             host_.needle_value("hydrau_brakes_stby_vk", 3));
        for (double knots = 120.0; knots >= 0.0; knots -= 10.0) {
            set(vk::Var::indicated_airspeed, knots);
            seconds(1.0);
        }
        set(vk::Var::brake_left, 0.0);
        set(vk::Var::brake_right, 0.0);
        host_.on_key_event(id(vk::Key::parking_brake_toggle), 0);  // the crew parks
        seconds(1.0);
        note("stopped and parked: standby brakes %.0f/%.0f psi",
             host_.needle_value("hydrau_brakes_stby_vk", 2),
             host_.needle_value("hydrau_brakes_stby_vk", 3));
        pressures("parked");
    }

    void summary() {
        static const std::map<int32_t, const char*> kNames = {
            {id(vk::Key::gear_down), "gear down"},
            {id(vk::Key::emerg_flaps_down), "emergency flaps down"},
            {id(vk::Key::emerg_flaps_up), "emergency flaps up"},
            {id(vk::Key::flaps_extend_step), "flaps one step down"},
            {id(vk::Key::flaps_retract_step), "flaps one step up"},
            {id(vk::Key::airbrakes_retract), "airbrakes retract"},
            {id(vk::Key::brake_loss_toggle), "brake-loss toggle"},
            {id(vk::Key::aileron_centre), "aileron centre"},
            {id(vk::Key::elevator_set), "elevator set"},
            {id(vk::Key::rudder_set), "rudder set"},
            {id(vk::Key::parking_brake_toggle), "parking brake"},
        };
        std::map<int32_t, int> count;
        for (const auto& k : host_.keys()) ++count[k.id];
        std::fprintf(out_, "key events (crew's host keys included):\n");
        for (const auto& [key, n] : count) {
            auto name = kNames.find(key);
            std::fprintf(out_, "  0x%05X x %-4d %s\n", static_cast<unsigned>(key), n,
                         name == kNames.end() ? "(other systems)" : name->second);
        }
    }

    const char* lit(const char* gauge, int k) const { return host_.shown(gauge, k) ? "on" : "off"; }

    vkhost::TestHost& host_;
    std::FILE* out_;
    Hooks hooks_;
};

}  // namespace vkapp
