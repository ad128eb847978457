// Runs the cockpit module in the test host: loads it as the simulator does and
// runs scenarios (all of them, or the ones named), each on a fresh load,
// printing what happened.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "apps/scenario.h"
#include "host/module.h"
#include "host/test_host.h"

namespace {

void usage(const char* argv0) {
    std::fprintf(stderr,
                 "usage: %s [--module PATH] [--scenario NAME]... [--list]\n"
                 "  --module PATH    the module library (default: $VKMORL1_MODULE, or\n"
                 "                   vkmorl1.so beside this program)\n"
                 "  --scenario NAME  run this scenario (repeatable; default: all of them)\n"
                 "  --list           list the scenarios and stop\n",
                 argv0);
}

const vkapp::Scenario* find(const std::string& name) {
    for (const auto& s : vkapp::scenarios())
        if (name == s.name) return &s;
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    std::string module_path;
    std::vector<const vkapp::Scenario*> chosen;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            usage(argv[0]);
            return 0;
        } else if (arg == "--list") {
            for (const auto& s : vkapp::scenarios())
                std::printf("%-20s %s\n", s.name, s.description);
            return 0;
        } else if (arg == "--module" && i + 1 < argc) {
            module_path = argv[++i];
        } else if (arg == "--scenario" && i + 1 < argc) {
            const vkapp::Scenario* s = find(argv[++i]);
            if (!s) {
                std::fprintf(stderr, "%s: no scenario named \"%s\" (--list shows them)\n", argv[0],
                             argv[i]);
                return 2;
            }
            chosen.push_back(s);
        } else {
            std::fprintf(stderr, "%s: unknown or incomplete option \"%s\"\n", argv[0], arg.c_str());
            usage(argv[0]);
            return 2;
        }
    }
    if (module_path.empty()) module_path = vkhost::default_module_path(argv[0]);
    if (chosen.empty())
        for (const auto& s : vkapp::scenarios()) chosen.push_back(&s);

    try {
        for (const vkapp::Scenario* s : chosen) {
            std::printf("== %s: %s\n", s->name, s->description);
            std::printf("module   %s\n", module_path.c_str());
            vkhost::TestHost host(vkhost::Module::load(module_path));
            s->run(host, stdout);
            std::printf("\n");
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", argv[0], e.what());
        return 1;
    }
    return 0;
}
