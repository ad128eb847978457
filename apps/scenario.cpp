#include "apps/scenario.h"

namespace vkapp {

std::vector<Scenario>& scenarios() {
    static std::vector<Scenario> list;
    return list;
}

std::string timestamp(const vkhost::TestHost& host) {
    char text[32];
    std::snprintf(text, sizeof text, "t=%6.2fs",
                  static_cast<double>(host.frame()) / vkhost::TestHost::kFramesPerSecond);
    return text;
}

}  // namespace vkapp
