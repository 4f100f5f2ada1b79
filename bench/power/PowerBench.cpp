// Speed of the power computation on the largest curve it takes (5001 lines).
#include "power/PowerComputation.h"
#include "power/PowerCurveFile.h"

#include "PowerTestData.h"
#include "common/TextFile.h"
#include "store/Varia.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

namespace vornax {
namespace {

constexpr int kGear = 3;

std::vector<std::string> curveLines() { return splitLines(testing::testCurveText(kMaxPowerPoints)); }

PowerInputs inputs()
{
    Varia store;
    testing::fillTestVehicle(store);
    return readPowerInputs(store, kGear).value();
}

// Rows, extremes and chart scale from parsed points.
void BM_ComputeRows(benchmark::State& state)
{
    const auto points = parsePowerCurveLines(curveLines(), "bench").value();
    const PowerInputs in = inputs();
    const PowerTable previous = emptyPowerTable();
    for (auto _ : state) {
        auto result = computePower(in, points, previous, "bench");
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_ComputeRows)->Unit(benchmark::kMicrosecond);

// The same from the file's lines: both numbers of every line parsed first.
void BM_ParseAndCompute(benchmark::State& state)
{
    const auto lines = curveLines();
    const PowerInputs in = inputs();
    const PowerTable previous = emptyPowerTable();
    for (auto _ : state) {
        auto points = parsePowerCurveLines(lines, "bench");
        auto result = computePower(in, *points, previous, "bench");
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_ParseAndCompute)->Unit(benchmark::kMicrosecond);

// What loading a curve costs: store reads, reading the file, parsing,
// computing.
void BM_WholeComputationFromFile(benchmark::State& state)
{
    const auto file = std::filesystem::temp_directory_path() / "vornax-power-bench.ReT";
    std::ofstream(file, std::ios::binary) << testing::testCurveText(kMaxPowerPoints);
    Varia store;
    testing::fillTestVehicle(store);
    const PowerTable previous = emptyPowerTable();
    for (auto _ : state) {
        auto in = readRunInputs(store, kGear);
        auto points = readPowerCurveInput(file);
        auto result = computePower(*in, *points, previous, file.string());
        benchmark::DoNotOptimize(result);
    }
    std::filesystem::remove(file);
}
BENCHMARK(BM_WholeComputationFromFile)->Unit(benchmark::kMicrosecond);

void BM_PowerCurveFileText(benchmark::State& state)
{
    const auto points = parsePowerCurveLines(curveLines(), "bench").value();
    const auto result = computePower(inputs(), points, emptyPowerTable(), "bench").value();
    for (auto _ : state) {
        auto bytes = powerCurveFileBytes(result.table, result.pointCount, 735.49875f, 0.1019716f);
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_PowerCurveFileText)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vornax

BENCHMARK_MAIN();
