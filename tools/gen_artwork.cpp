// Generates the pictures of every built gauge of the module linked into this
// program: one 8-bit palette BMP per referenced bitmap id, masks at id + 1.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "frame/records.h"
#include "tools/artwork/artwork.h"

extern "C" vk::LinkageRecord Linkage;

int main(int argc, char** argv) {
    std::string out;
    bool quiet = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--out" && i + 1 < argc) {
            out = argv[++i];
        } else if (arg == "--quiet") {
            quiet = true;
        } else {
            std::fprintf(stderr,
                         "%s: unknown or incomplete option \"%s\"\n"
                         "usage: %s --out DIR [--quiet]\n",
                         argv[0], arg.c_str(), argv[0]);
            return 2;
        }
    }
    if (out.empty()) {
        std::fprintf(stderr, "usage: %s --out DIR [--quiet]\n", argv[0]);
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    std::vector<const vk::GaugeHeader*> gauges;
    int built = 0;
    for (int i = 0; i < vk::kGaugeCount && Linkage.gauges[i]; ++i) {
        gauges.push_back(Linkage.gauges[i]);
        built += Linkage.gauges[i]->element_list != nullptr;
    }
    const vkart::Plan plan = vkart::plan_artwork(gauges);
    const vkart::GenerateResult r = vkart::write_artwork(plan, out);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    for (const std::string& w : plan.warnings) std::fprintf(stderr, "warning: %s\n", w.c_str());
    for (const std::string& e : r.errors) std::fprintf(stderr, "error: %s\n", e.c_str());
    if (!quiet) {
        std::map<std::string, int> roles;
        for (const auto& [id, p] : plan.pictures) ++roles[vkart::role_name(p.role)];
        std::printf(
            "artwork: %d built gauges, %d pictures written to %s (%d stale removed) in %.0f ms\n",
            built, r.written, out.c_str(), r.removed, ms);
        std::printf("        ");
        for (const auto& [role, n] : roles) std::printf(" %s %d", role.c_str(), n);
        std::printf("\n");
    }
    return r.errors.empty() ? 0 : 1;
}
