// Every gauge placed on a parked aircraft for a few seconds: which gauges are
// built, what the debug gauge shows, the host variables read, the key events
// sent and the electrical state the panels show.
#include <cstdlib>
#include <map>
#include <string>

#include "apps/scenario.h"

namespace {

const char* lit(const vkhost::TestHost& host, const char* gauge, int element, const char* on,
                const char* off) {
    return host.shown(gauge, element) ? on : off;
}

// The DC network as its panels show it: the bus-bar and generator lamps, and
// the battery from the debug display's battery view (`battery` holds its four
// lines: charge, capacity, seconds into the phase, current).
void print_electrical(const vkhost::TestHost& host, const std::string (&battery)[4],
                      std::FILE* out) {
    std::fprintf(out, "\nelectrical state after the run (DC panel lamps, debug display):\n");
    if (!host.built(host.gauge("elec_bus_bat_vk")) || !host.placed(host.gauge("elec_bus_bat_vk"))) {
        std::fprintf(out, "  the DC network is not running\n");
        return;
    }
    std::fprintf(
        out, "  buses        main %s, battery %s, generator %s, shed %s\n",
        lit(host, "elec_bus_bat_vk", 8, "on", "off"), lit(host, "elec_bus_bat_vk", 5, "on", "off"),
        lit(host, "elec_bus_gen_vk", 5, "on", "off"), lit(host, "elec_bus_gen_vk", 4, "on", "off"));
    // The essential bus has its lamp on the alternator bus-bar panel.
    if (host.built(host.gauge("elec_bus_alt_vkm")) && host.placed(host.gauge("elec_bus_alt_vkm")))
        std::fprintf(out, "  essential    %s\n", lit(host, "elec_bus_alt_vkm", 6, "on", "off"));
    std::fprintf(out, "  generators   1 %s, 2 %s; supply to the buses %s\n",
                 lit(host, "elec_bus_gen_vk", 3, "on line", "off line"),
                 lit(host, "elec_bus_gen_vk", 2, "on line", "off line"),
                 lit(host, "elec_bus_bat_vk", 4, "on", "off"));
    std::fprintf(out, "  faults       generator 1 %s, generator 2 %s\n",
                 lit(host, "elec_breaker_vk", 9, "lamp lit", "none"),
                 lit(host, "elec_breaker_vk", 10, "lamp lit", "none"));
    std::fprintf(out, "  ground power %s\n",
                 lit(host, "elec_bus_gen_vk", 1, "on the DC network", "not on the DC network"));
    const auto number = [](const std::string& text) { return std::strtod(text.c_str(), nullptr); };
    std::fprintf(out,
                 "  battery      charge %.0f of %.0f, current %+.0f A, %.0f s into its phase\n",
                 number(battery[0]), number(battery[1]), number(battery[3]), number(battery[2]));
}

}  // namespace

VK_SCENARIO(overview, "every gauge placed on a parked aircraft for five seconds") {
    const auto built = host.built_gauges();
    const auto pending = host.pending_gauges();
    std::fprintf(out, "gauges   %d in the gauge table\n", host.gauge_count());
    std::fprintf(out, "built    %zu:", built.size());
    for (const auto& name : built) std::fprintf(out, " %s", name.c_str());
    std::fprintf(out, "\nwaiting  %zu gauges (header only, not built yet)\n", pending.size());

    host.place_all();
    host.run_seconds(5.0);
    std::fprintf(out, "ran      %llu frames\n", static_cast<unsigned long long>(host.frame()));

    std::fprintf(out, "\ndebug gauge (testgauge2k), host-variable view:\n");
    for (int k = 2; k < 6; ++k)
        std::fprintf(out, "  line %d  %s\n", k - 1, host.text("testgauge2k", k).c_str());
    host.click("testgauge2k", 0);
    host.run_frames(1);
    std::fprintf(out, "debug gauge after a click, battery view:\n");
    std::string battery[4];
    for (int k = 2; k < 6; ++k) {
        battery[k - 2] = host.text("testgauge2k", k);
        std::fprintf(out, "  line %d  %s\n", k - 1, battery[k - 2].c_str());
    }

    std::fprintf(out, "\nhost variables read (id: refreshes, value now):\n");
    for (const auto& [id, count] : host.lookup_counts())
        std::fprintf(out, "  0x%03X: %llu, %g\n", static_cast<unsigned>(id),
                     static_cast<unsigned long long>(count), host.get(id));

    std::fprintf(out, "\nkey events sent: %zu\n", host.keys().size());
    std::map<int32_t, int> per_event;
    for (const auto& k : host.keys()) ++per_event[k.id];
    for (const auto& [id, n] : per_event)
        std::fprintf(out, "  0x%05X x %d\n", static_cast<unsigned>(id), n);

    print_electrical(host, battery, out);

    const auto loaded = host.audio().loaded();
    std::fprintf(out, "\nsound set: %zu of 16 recordings loaded\n", loaded.size());
    std::fprintf(out, "sounds started or stopped: %zu\n", host.sounds().size());
    std::map<std::string, int> per_sound;
    for (const auto& s : host.sounds()) ++per_sound[s.name];
    for (const auto& [name, n] : per_sound) std::fprintf(out, "  %s x %d\n", name.c_str(), n);
    for (const auto& m : host.audio().misuse()) std::fprintf(out, "  misuse: %s\n", m.c_str());
}
