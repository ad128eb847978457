// Cost of one whole frame of the module (every placed gauge's pre-update and
// every element callback, through the test host) against a baseline of the
// bare dispatch: the same number of calls into empty callbacks. The ratio of
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

struct Counts {
    int gauges = 0;
    int element_calls = 0;
};

Counts count_calls(vkhost::TestHost& host) {
    Counts c;
    for (int i = 0; i < host.gauge_count(); ++i) {
        vk::GaugeHeader* g = host.gauge(i);
        if (g->callback) ++c.gauges;
        for (int k = 0; vk::ElementHeader* e = host.element(g, k); ++k)
            if (e->kind != vk::ElementKind::static_image && e->kind != vk::ElementKind::icon)
                ++c.element_calls;
    }
    return c;
}

void BM_WholeFrame(benchmark::State& state) {
    vkhost::TestHost host(vkhost::Module::linked(&Linkage, &ImportTable),
                          [] { vk::reset_state(); });
    host.place_all();
    for (auto _ : state) host.run_frames(1);
}
BENCHMARK(BM_WholeFrame);

void BM_BareDispatch(benchmark::State& state) {
    Counts c;
    {
        vkhost::TestHost host(vkhost::Module::linked(&Linkage, &ImportTable));
        c = count_calls(host);
    }
    vk::GaugeCallback volatile gauge_fn = empty_callback;
    vk::ElementCallback volatile element_fn = empty_element;
    for (auto _ : state) {
        for (int i = 0; i < c.gauges; ++i) gauge_fn(nullptr, 6, 0);
        double sum = 0.0;
        for (int i = 0; i < c.element_calls; ++i) sum += element_fn(nullptr);
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
