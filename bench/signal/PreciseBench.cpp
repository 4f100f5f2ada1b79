// Speed of the precise curve ("Précise"): the spark check and the fit of the
// crank angle through 32 000 sparks, the most a detection holds (target:
// under 50 ms).
#include "signal/PreciseCurve.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace vornax {
namespace {

// 32 000 sparks at 2 per revolution of an engine pulling from 3 000 to
// 5 000 rpm, each time rounded up to a sample of the recording: 3 minutes.
std::vector<double> sparks(int count, double sparksPerRev, double rpmStart, double rpmEnd)
{
    std::vector<double> times;
    double t = 0.1;
    for (int k = 0; k < count; ++k) {
        const double rpm = rpmStart + (rpmEnd - rpmStart) * k / count;
        t += 60.0 / sparksPerRev / rpm;
        times.push_back(std::ceil(t * 44100.0) / 44100.0);
    }
    return times;
}

void BM_PreciseCurve32000(benchmark::State& state)
{
    const std::vector<double> times = sparks(32000, 2.0, 3000, 5000);
    for (auto _ : state) {
        auto curve = preciseCurve(times, {2.0f, 44100});
        if (!curve)
            state.SkipWithError("no curve");
        benchmark::DoNotOptimize(curve);
    }
}
BENCHMARK(BM_PreciseCurve32000)->Unit(benchmark::kMillisecond);

// A usual run: 1 000 sparks (25 s at 0,5 per revolution).
void BM_PreciseCurveRun(benchmark::State& state)
{
    const std::vector<double> times = sparks(1000, 0.5, 2000, 5800);
    for (auto _ : state)
        benchmark::DoNotOptimize(preciseCurve(times, {0.5f, 44100}));
}
BENCHMARK(BM_PreciseCurveRun)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vornax

BENCHMARK_MAIN();
