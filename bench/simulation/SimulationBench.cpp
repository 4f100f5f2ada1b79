// One acceleration run of 60 s (6000 samples through launch, four gears and
// three gear changes), the picture of its result, and its file.
#include "store/Varia.h"
#include "simulation/AccelerationFile.h"
#include "simulation/AccelerationModel.h"
#include "simulation/SpeedTimePlot.h"

#include <benchmark/benchmark.h>

namespace {

using namespace vornax;

struct Setup {
    Varia store;
    TorqueCurve curve;
    SimulationFields fields;

    Setup()
    {
        const char* entries[][2] = {
            {"LbPoid", "650"},   {"LbRp", "3,44"},   {"LbImoteur", "0,11"},   {"LbLp", "165"},  {"LbHp", "60"},
            {"LbDp", "12"},      {"LbPr", "3,2"},    {"LbDe", "2,06"},        {"LbTr", "1,35"}, {"lbqt", "1"},
            {"lbperte1e", "12"}, {"LbPerteB", "10"}, {"lbperte4e", "8"},      {"LbSCx", "0,6"}, {"lblboite", "5"},
            {"Lbcoefkm", "1"},   {"LbkmhMph", "km"}, {"LbConvertionNm", "1"},
        };
        for (const auto& [name, text] : entries)
            store.set(name, text);
        // A measured curve is about 200 rows of 30 tr/min.
        int row = 0;
        for (float rpm = 1000.0f; rpm <= 7000.0f; rpm += 30.0f, ++row) {
            const float x = (rpm - 4000.0f) / 3000.0f;
            curve.rpm[row] = rpm;
            curve.torque[row] = 95.0f - 35.0f * x * x;
        }
        curve.lastRow = static_cast<std::int16_t>(row - 1);
        curve.topRpm = curve.rpm[row - 1];
        fields = SimulationFields::fromStore(store);
    }
};

void BM_Simulate60s(benchmark::State& state)
{
    Setup setup;
    AccelerationModel model;
    for (auto _ : state) {
        const Status status = model.simulate({setup.fields, setup.store, setup.curve});
        benchmark::DoNotOptimize(status.ok());
        benchmark::DoNotOptimize(model.series().index);
    }
    state.counters["samples"] = model.series().index;
}
BENCHMARK(BM_Simulate60s)->Unit(benchmark::kMicrosecond);

void BM_DrawSpeedTime(benchmark::State& state)
{
    Setup setup;
    AccelerationModel model;
    model.simulate({setup.fields, setup.store, setup.curve});
    for (auto _ : state) {
        auto picture = DrawSpeedTime(model.series(), model.shownLength(), model.maxSpeed(), 1.0f, 1.0, 1.0);
        benchmark::DoNotOptimize(picture.plot.items.data());
    }
}
BENCHMARK(BM_DrawSpeedTime)->Unit(benchmark::kMicrosecond);

void BM_AccelerationFileBytes(benchmark::State& state)
{
    Setup setup;
    AccelerationModel model;
    model.simulate({setup.fields, setup.store, setup.curve});
    for (auto _ : state) {
        auto bytes = accelerationFileBytes(model.series(), model.shownLength(), 1.0f);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_AccelerationFileBytes)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
