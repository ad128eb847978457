// Every gauge placed on a parked aircraft for a few seconds: which gauges are
// built, what the debug gauge shows, the host variables read and the key
// events sent.
#include <map>

#include "apps/scenario.h"

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
    for (int k = 2; k < 6; ++k)
        std::fprintf(out, "  line %d  %s\n", k - 1, host.text("testgauge2k", k).c_str());

    std::fprintf(out, "\nhost variables read (id: refreshes, value now):\n");
    for (const auto& [id, count] : host.lookup_counts())
        std::fprintf(out, "  0x%03X: %llu, %g\n", static_cast<unsigned>(id),
                     static_cast<unsigned long long>(count), host.get(id));

    std::fprintf(out, "\nkey events sent: %zu\n", host.keys().size());
    std::map<int32_t, int> per_event;
    for (const auto& k : host.keys()) ++per_event[k.id];
    for (const auto& [id, n] : per_event)
        std::fprintf(out, "  0x%05X x %d\n", static_cast<unsigned>(id), n);
}
