// Cost of one whole frame of the module (every placed gauge's pre-update and
// every element callback, with the test host answering the services) against
// a baseline of the bare dispatch: the same calls into empty callbacks. The ratio of
// the two is printed at the end of the run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "gauges/state.h"
#include "host/test_host.h"

extern "C" vk::LinkageRecord Linkage;
extern "C" vk::ImportTableRecord ImportTable;

namespace {

void VKCALL empty_callback(vk::GaugeHeader*, int32_t, uint32_t) {}
double VKCALL empty_element(vk::ElementHeader*) {
    return 0.0;
}

// Every call one frame makes into the module: each placed gauge's callback
// with pre-update, then each element callback, as the host's drawing pass.
struct FrameCalls {
    std::vector<vk::GaugeHeader*> gauges;
    std::vector<std::pair<vk::ElementHeader*, vk::ElementCallback>> elements;
};

FrameCalls collect(vkhost::TestHost& host) {
    FrameCalls c;
    for (int i = 0; i < host.gauge_count(); ++i) {
        vk::GaugeHeader* g = host.gauge(i);
        if (g->callback) c.gauges.push_back(g);
        for (int k = 0; vk::ElementHeader* e = host.element(g, k); ++k) {
            auto add = [&](vk::ElementCallback fn) {
                if (fn) c.elements.emplace_back(e, fn);
            };
            switch (e->kind) {
                case vk::ElementKind::needle:
                    add(vk::as<vk::Needle>(e).value);
                    break;
                case vk::ElementKind::string:
                    add(vk::as<vk::StringElement>(e).value);
                    break;
                case vk::ElementKind::slider:
                case vk::ElementKind::moving_image:
                    add(vk::as<vk::MovingImage>(e).x_value);
                    add(vk::as<vk::MovingImage>(e).y_value);
                    break;
                case vk::ElementKind::sprite:
                    add(vk::as<vk::Sprite>(e).x_value);
                    add(vk::as<vk::Sprite>(e).y_value);
                    add(vk::as<vk::Sprite>(e).angle_value);
                    break;
                default:
                    break;
            }
        }
    }
    return c;
}

void BM_WholeFrame(benchmark::State& state) {
    vkhost::TestHost host(vkhost::Module::linked(&Linkage, &ImportTable),
                          [] { vk::reset_state(); });
    host.place_all();
    host.run_frames(18);
    const FrameCalls c = collect(host);
    for (auto _ : state) {
        for (vk::GaugeHeader* g : c.gauges) g->callback(g, 6, 0);
        double sum = 0.0;
        for (auto& [e, fn] : c.elements) sum += fn(e);
        benchmark::DoNotOptimize(sum);
    }
    state.counters["gauges"] = static_cast<double>(c.gauges.size());
    state.counters["element_calls"] = static_cast<double>(c.elements.size());
}
BENCHMARK(BM_WholeFrame);

void BM_BareDispatch(benchmark::State& state) {
    FrameCalls c;
    {
        vkhost::TestHost host(vkhost::Module::linked(&Linkage, &ImportTable));
        c = collect(host);
    }
    vk::GaugeCallback volatile gauge_fn = empty_callback;
    vk::ElementCallback volatile element_fn = empty_element;
    for (auto _ : state) {
        for (vk::GaugeHeader* g : c.gauges) gauge_fn(g, 6, 0);
        double sum = 0.0;
        for (auto& [e, fn] : c.elements) sum += element_fn(e);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_BareDispatch);

class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) times_[r.benchmark_name()] = r.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const double frame = times_["BM_WholeFrame"], bare = times_["BM_BareDispatch"];
        if (bare > 0.0) std::printf("whole frame / bare dispatch: %.1f\n", frame / bare);
    }

  private:
    std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
