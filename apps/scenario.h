#pragma once
// Scenarios the cockpit program can run: each is a function that drives a
// fresh test host and prints a readable timeline. A scenario file registers
// itself with VK_SCENARIO; the program runs one by name, or all of them.
#include <cstdio>
#include <string>
#include <vector>

#include "host/test_host.h"

namespace vkapp {

using ScenarioFn = void (*)(vkhost::TestHost& host, std::FILE* out);

struct Scenario {
    const char* name;
    const char* description;
    ScenarioFn run;
};

std::vector<Scenario>& scenarios();

struct ScenarioRegistrar {
    ScenarioRegistrar(const char* name, const char* description, ScenarioFn run) {
        scenarios().push_back({name, description, run});
    }
};

#define VK_SCENARIO(ident, description)                                            \
    static void scenario_##ident(vkhost::TestHost& host, std::FILE* out);          \
    static const ::vkapp::ScenarioRegistrar registrar_##ident(#ident, description, \
                                                              scenario_##ident);   \
    static void scenario_##ident(vkhost::TestHost& host, std::FILE* out)

// "t=12.5s" for the host's current simulated time.
std::string timestamp(const vkhost::TestHost& host);

}  // namespace vkapp
