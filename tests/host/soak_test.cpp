// A randomized soak: every built gauge placed, host variables set to anything
// a double holds (NaN, infinities, huge and negative values included), random
// clicks, moves and held repeats on every area, frame after frame. Run under
// the sanitizer preset it must finish with no finding; everywhere it must
// leave every element's image flags with only known bits.
#include <cmath>
#include <limits>
#include <random>

#include "support.h"

namespace vktest {
namespace {

double wild_value(std::mt19937& rng) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double kInf = std::numeric_limits<double>::infinity();
    static constexpr double kSpecial[] = {kNaN,    kInf,         -kInf,         1e300,
                                          -1e300,  0.0,          1.0,           -1.0,
                                          16383.0, 2147483648.0, -2147483649.0, 4294967296.0};
    std::uniform_int_distribution<int> pick(0, 3);
    switch (pick(rng)) {
        case 0:
            return kSpecial[std::uniform_int_distribution<size_t>(0, std::size(kSpecial) - 1)(rng)];
        case 1:
            return std::uniform_real_distribution<double>(-1e6, 1e6)(rng);
        case 2:
            return std::uniform_real_distribution<double>(-2.0, 120.0)(rng);
        default:
            return std::uniform_int_distribution<int>(0, 5)(rng);
    }
}

TEST_F(LinkedHost, SoakWithWildValuesAndRandomClicks) {
    std::mt19937 rng(20261206);
    host.place_all();
    host.provide_named("airport_extpwr_connected", 0.0);
    constexpr uint32_t kEvents[] = {vk::kMouseLeft, vk::kMouseRepeat, vk::kMouseRight,
                                    vk::kMouseMove};
    std::vector<vk::GaugeHeader*> clickable;
    for (int i = 0; i < host.gauge_count(); ++i)
        if (host.area(host.gauge(i), 0)) clickable.push_back(host.gauge(i));

    constexpr int kFrames = 2000;
    for (int frame = 0; frame < kFrames; ++frame) {
        for (int n = 0; n < 20; ++n) {
            const vk::Var v = vk::kAllVars[std::uniform_int_distribution<size_t>(
                0, std::size(vk::kAllVars) - 1)(rng)];
            host.set(id(v), wild_value(rng));
        }
        for (int n = 0; n < 3 && !clickable.empty(); ++n) {
            vk::GaugeHeader* g =
                clickable[std::uniform_int_distribution<size_t>(0, clickable.size() - 1)(rng)];
            int areas = 0;
            while (host.area(g, areas)) ++areas;
            const int a = std::uniform_int_distribution<int>(0, areas - 1)(rng);
            host.click(g, a, kEvents[std::uniform_int_distribution<int>(0, 3)(rng)]);
        }
        host.run_frames(1);
    }
    EXPECT_EQ(host.frame(), static_cast<uint64_t>(kFrames));

    constexpr uint32_t kKnownFlags =
        vk::kTransparent | vk::kErase | vk::kBright | vk::kFiltered | vk::kLuminous | vk::kHidden;
    for (int i = 0; i < host.gauge_count(); ++i)
        for (int k = 0; vk::ElementHeader* e = host.element(host.gauge(i), k); ++k)
            EXPECT_EQ(e->flags & ~kKnownFlags, 0u) << host.gauge(i)->name << " element " << k;
}

}  // namespace
}  // namespace vktest
