// A cold aircraft brought to two running engines by its crew: ground power,
// engine 2 then engine 1, generators on line, ground power gone; then, in
// flight, engine 1 starved by its pumps switched off and the crossfeed
// closed, and relit. Everything is done through the panels' areas and
// everything printed is what the panels show or what the host's engines and
// tanks do.
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "apps/scenario.h"
#include "frame/convert.h"
#include "frame/host_vars.h"
#include "frame/key_events.h"
#include "host/crew.h"

namespace {

using vkhost::TestHost;

double var(const TestHost& h, vk::Var v) {
    return h.get(static_cast<int32_t>(v));
}

const char* tank_name(int selector) {
    switch (selector) {
        case 0:
            return "none (the engine starves)";
        case 2:
            return "2, first left tank";
        case 3:
            return "3, first right tank";
        case 4:
            return "4, second left tank";
        case 5:
            return "5, second right tank";
        default:
            return "another tank";
    }
}

// Something the timeline watches: a value read every frame, and what to
// print when it changes.
struct Signal {
    std::function<double()> read;
    std::function<std::string(double now, double before)> describe;
    double last = std::nan("");
};

class Timeline {
  public:
    Timeline(TestHost& host, std::FILE* out) : h_(host), out_(out) {}

    void watch(std::function<double()> read,
               std::function<std::string(double now, double before)> describe) {
        signals_.push_back({std::move(read), std::move(describe)});
    }
    void watch(std::function<double()> read, std::function<std::string(double)> describe) {
        watch(std::move(read), [describe](double now, double) { return describe(now); });
    }
    // A lamp or picture of a built gauge.
    void lamp(const char* gauge, int element, std::string on, std::string off) {
        if (!h_.built(h_.gauge(gauge))) return;
        watch([this, gauge, element] { return h_.shown(gauge, element) ? 1.0 : 0.0; },
              [on, off](double v) { return v != 0.0 ? on : off; });
    }
    void say(const std::string& text) {
        std::fprintf(out_, "%s  %s\n", vkapp::timestamp(h_).c_str(), text.c_str());
    }
    // Runs frames, printing what changes, until `done` holds or `seconds`
    // pass; `each_frame` (a held button) acts before every frame.
    bool run_until(const std::function<bool()>& done, double seconds,
                   const std::function<void(int)>& each_frame = {}) {
        const int frames = static_cast<int>(seconds * TestHost::kFramesPerSecond);
        for (int f = 0; f < frames && !done(); ++f) {
            if (each_frame) each_frame(f);
            step();
        }
        return done();
    }
    void run(double seconds) {
        run_until([] { return false; }, seconds);
    }

  private:
    void step() {
        mark_ = h_.mark();
        h_.run_frames(1);
        // The first frame only takes note of how things stand.
        for (Signal& s : signals_) {
            const double v = s.read();
            if (v != s.last && !(std::isnan(v) && std::isnan(s.last))) {
                const std::string text = first_ ? std::string() : s.describe(v, s.last);
                if (!text.empty()) say(text);
                s.last = v;
            }
        }
        first_ = false;
    }

  public:
    // Key events of the last frame.
    bool sent(vk::Key k) const {
        for (const auto& e : h_.keys_since(mark_))
            if (e.id == static_cast<int32_t>(k)) return true;
        return false;
    }

  private:
    TestHost& h_;
    std::FILE* out_;
    std::vector<Signal> signals_;
    size_t mark_ = 0;
    bool first_ = true;
};

std::string fmt(const char* format, double a = 0, double b = 0, double c = 0, double d = 0) {
    char text[200];
    std::snprintf(text, sizeof text, format, a, b, c, d);
    return text;
}

// What the timeline prints about one engine.
void watch_engine(Timeline& t, TestHost& h, int n) {
    const bool one = n == 1;
    const vk::Var speed = one ? vk::Var::engine_speed_1 : vk::Var::engine_speed_2;
    const vk::Var flow = one ? vk::Var::fuel_flow_1 : vk::Var::fuel_flow_2;
    const vk::Var thrust = one ? vk::Var::thrust_1 : vk::Var::thrust_2;
    const vk::Var egt = one ? vk::Var::engine_temp_1 : vk::Var::engine_temp_2;
    const vk::Key starter = one ? vk::Key::starter_1 : vk::Key::starter_2;
    const std::string name = "engine " + std::to_string(n);

    t.watch(
        [&h, one] {
            return var(h, one ? vk::Var::fuel_control_1 : vk::Var::fuel_control_2) >= 0.5;
        },
        [name](double v) {
            return name +
                   (v != 0.0 ? " fuel control on (HP and BP levers open)" : " fuel control off");
        });
    t.watch([&h, one] { return var(h, one ? vk::Var::fuel_selector_1 : vk::Var::fuel_selector_2); },
            [name](double v) {
                return name + " host fuel selector: tank " + tank_name(vk::to_i32(v));
            });
    t.watch(
        [&t, starter] { return t.sent(starter) ? 1.0 : 0.0; },
        [name](double v) { return name + (v != 0.0 ? " starter engaged" : " starter released"); });
    t.watch([&h, flow] { return var(h, flow) > 0.0 ? 1.0 : 0.0; },
            [&h, name, speed](double v) {
                return name + (v != 0.0 ? fmt(" lights off at %.1f %%", var(h, speed))
                                        : fmt(" flames out at %.1f %%", var(h, speed)));
            });
    // Milestones of the speed: 20 % (generator, suction), 40 % (start ends), idle.
    t.watch(
        [&h, speed] {
            const double s = var(h, speed);
            return s >= 44.99 ? 3.0 : s > 40.0 ? 2.0 : s >= 20.0 ? 1.0 : 0.0;
        },
        [&h, name, speed, thrust, flow, egt](double v, double before) -> std::string {
            const double s = var(h, speed);
            if (v < before) {
                if (v == 2.0) return name + fmt(" below idle (%.2f %%)", s);
                if (v == 1.0) return name + fmt(" below 40 %% (%.2f %%)", s);
                return name + fmt(" below 20 %% (%.2f %%)", s);
            }
            if (v == 3.0)
                return name +
                       fmt(" at %.1f %%: thrust %.1f %%, fuel flow %.0f lb/h, exhaust %.0f deg C",
                           s, var(h, thrust), var(h, flow), (var(h, egt) - 491.67) / 1.8);
            if (v == 2.0) return name + fmt(" passes 40 %% (%.2f %%)", s);
            return name + fmt(" turning at %.1f %%", s);
        });
}

}  // namespace

VK_SCENARIO(engine_start,
            "a cold aircraft brought to two running engines, then a starved engine relit") {
    vkhost::Crew crew(host);
    Timeline t(host, out);
    crew.place_power_plant_panels();
    host.provide_named("airport_extpwr_connected", 0.0);  // the airport's ground power add-on

    t.lamp("elec_bus_gen_vk", 1, "ground power lamp lit: ground power feeds the DC network",
           "ground power lamp out");
    t.lamp("elec_bus_gen_vk", 3, "generator 1 on line", "generator 1 off line");
    t.lamp("elec_bus_gen_vk", 2, "generator 2 on line", "generator 2 off line");
    if (host.built(host.gauge("elec_bus_bat_vk")))
        t.watch(
            [&host] {
                int lit = 0;
                for (int k = 3; k <= 9; ++k) lit += host.shown("elec_bus_bat_vk", k);
                return lit;
            },
            [](double v) { return fmt("bus-bar lamps of the DC panel lit: %.0f of 7", v); });
    t.watch([&host] { return host.view(host.element("engstart_volt_vk", 1)).value; },
            [](double v) { return fmt("start supply voltmeter %.0f V", v); });
    t.lamp("fuel_valves_lh_vk", 5, "left fuel valve lamps: open", "");
    t.lamp("fuel_pumps_lh_vk", 23, "left low fuel pressure lamp lit",
           "left low fuel pressure lamp out");
    t.lamp("fuel_pumps_rh_vk", 23, "right low fuel pressure lamp lit",
           "right low fuel pressure lamp out");
    // The start lamps, and how long each start ran by the host's tick counter.
    for (int n : {1, 2}) {
        auto lit_at = std::make_shared<double>(0.0);
        t.watch([&host, n] { return host.shown("engstart_lights_vk", n == 1 ? 1 : 3) ? 1.0 : 0.0; },
                [&host, n, lit_at](double v) {
                    const double tick = var(host, vk::Var::tick_counter);
                    if (v != 0.0) {
                        *lit_at = tick;
                        return fmt("engine %.0f start lamps lit", n);
                    }
                    return fmt("engine %.0f start lamps out: the start ran %.0f ticks (%.1f s)", n,
                               tick - *lit_at, (tick - *lit_at) / 18.0);
                });
    }
    watch_engine(t, host, 2);
    watch_engine(t, host, 1);

    const auto level = [&host](vk::Var v) { return var(host, v); };
    const double tanks_before[4] = {
        level(vk::Var::left_tank_1_level), level(vk::Var::left_tank_2_level),
        level(vk::Var::right_tank_1_level), level(vk::Var::right_tank_2_level)};

    t.say("cold aircraft on the ground, tanks full; the crew takes the flight engineer's panel");
    t.run(1.0);
    t.say(fmt("engines at %.0f %% and %.0f %%; host fuel selectors on tanks %.0f and %.0f",
              var(host, vk::Var::engine_speed_1), var(host, vk::Var::engine_speed_2),
              var(host, vk::Var::fuel_selector_1), var(host, vk::Var::fuel_selector_2)));

    t.say("crew: battery master switch to ground power, ground power requested");
    crew.master_switch(1);
    crew.ground_power_button();
    t.run(3.0);

    t.say("crew: start selector to engine 2, start master on, start pressed");
    crew.start_selector(2);
    crew.start_master(true);
    crew.press_start();
    const bool idle_2 =
        t.run_until([&] { return var(host, vk::Var::engine_speed_2) >= 44.99; }, 60.0);
    if (!idle_2) t.say("engine 2 did not reach idle within a minute");
    t.run(2.0);

    t.say("crew: start selector to engine 1, start pressed");
    crew.start_selector(1);
    crew.press_start();
    const bool idle_1 =
        t.run_until([&] { return var(host, vk::Var::engine_speed_1) >= 44.99; }, 60.0);
    if (!idle_1) t.say("engine 1 did not reach idle within a minute");
    t.run(2.0);

    t.say("crew: battery master switch to battery, start master off, start selector centred");
    crew.master_switch(2);
    crew.start_master(false);
    crew.start_selector(0);
    t.run(60.0);

    const auto needle = [&host](const char* gauge) {
        return host.view(host.element(gauge, 1)).value;
    };
    // A counter's reading from its five drums: the units drum turns
    // continuously, the others stand on their digits.
    const auto counter = [&host](const char* gauge) {
        double value = host.view(host.element(gauge, 5)).value_y;
        for (int k = 4, scale = 10; k >= 1; --k, scale *= 10)
            value += scale * std::floor(host.view(host.element(gauge, k)).value_y);
        return value;
    };
    t.say(fmt("tank gauges: left main %.0f kg, right main %.0f kg, left aux %.0f, right aux %.0f",
              needle("fuel_qtty_main_left_vk"), needle("fuel_qtty_main_right_vk"),
              needle("fuel_qtty_aux_left_vk"), needle("fuel_qtty_aux_right_vk")));
    t.say(fmt(
        "fuel used counters: engine 1 %.1f kg, engine 2 %.1f kg; fuel pressure dial %.0f / %.0f",
        counter("fuelused_1_vk"), counter("fuelused_2_vk"), needle("fuel_press_vk"),
        host.view(host.element("fuel_press_vk", 2)).value));
    const char* names[4] = {"first left", "second left", "first right", "second right"};
    const double tanks_after[4] = {
        level(vk::Var::left_tank_1_level), level(vk::Var::left_tank_2_level),
        level(vk::Var::right_tank_1_level), level(vk::Var::right_tank_2_level)};
    const double gallons[4] = {300, 1500, 300, 1500};
    std::string burnt = "fuel burnt by the host's engines:";
    for (int i = 0; i < 4; ++i) {
        const double pounds = (tanks_before[i] - tanks_after[i]) / 8388608.0 * gallons[i] * 6.7;
        burnt += std::string(i ? "," : "") + " " + names[i] + fmt(" %.1f kg", pounds * 0.4536);
    }
    t.say(burnt);

    t.say("the aircraft is now flown at 25000 ft and 250 kt (set by the scenario)");
    host.set(static_cast<int32_t>(vk::Var::on_ground), 0.0);
    host.set(static_cast<int32_t>(vk::Var::radio_height), 7000.0);
    host.set(static_cast<int32_t>(vk::Var::altitude), 25000.0);
    host.set(static_cast<int32_t>(vk::Var::indicated_airspeed), 250.0);
    t.say("crew: throttle 2 forward for two seconds");
    t.run_until([] { return false; }, 2.0, [&](int f) { crew.throttle(2, true, f > 0); });
    t.say(fmt("throttle 2 at %.2f", var(host, vk::Var::throttle_2)));
    t.run(10.0);
    t.say(fmt("engine 2 at %.1f %%, fuel flow %.0f lb/h", var(host, vk::Var::engine_speed_2),
              var(host, vk::Var::fuel_flow_2)));

    t.say("crew: crossfeed open, left pumps A and D off (pump B on automatic, C off)");
    crew.crossfeed(true);
    crew.pump_a(1, false);
    crew.pump_d(1, false);
    t.run(5.0);
    t.say("crew: crossfeed closed");
    crew.crossfeed(false);
    t.run(15.0);
    t.say(fmt("engine 1 windmills at %.1f %%", var(host, vk::Var::engine_speed_1)));

    t.say("crew: left pumps A and D on");
    crew.pump_a(1, true);
    crew.pump_d(1, true);
    t.run(2.0);
    t.say("crew: engine 1 relight switch held up for 3 s");
    t.run_until([] { return false; }, 3.0, [&](int f) { crew.relight_switch_up(1, f > 0); });
    t.say("crew: relight switch released");
    t.run_until([&] { return var(host, vk::Var::engine_speed_1) >= 44.99; }, 30.0);
    t.run(2.0);
    t.say("end of the scenario");
}
