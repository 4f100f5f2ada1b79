// Reading a two-hour log at 25 Hz (180 000 fixes) in each format, from the
// bytes in memory as `vornax rpm` and the window have them. Goal: under
// 0,5 s for each.
#include "common/TextFile.h"
#include "speedlog/Geodesic.h"
#include "speedlog/SpeedLog.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>

namespace {

using namespace vornax;

constexpr int kFixes = 2 * 3600 * 25;

// A drive of pulls and coasting along a straight road, with positions.
SpeedLog twoHourLog()
{
    SpeedLog log;
    log.clockStart = "22:30:00.00";
    log.fixes.reserve(kFixes);
    double distance = 0;
    for (int i = 0; i < kFixes; ++i) {
        SpeedFix fix;
        fix.time = i / 25.0;
        fix.speed = 20.0 + 10.0 * std::sin(fix.time / 30.0);
        distance += fix.speed / 25.0;
        geodesicDestination(47.0, 1.0, 40.0, distance, fix.latitude, fix.longitude);
        fix.altitude = 100.0 + 5.0 * std::sin(fix.time / 100.0);
        log.fixes.push_back(fix);
    }
    return log;
}

const std::string& fileOf(SpeedLogFormat format)
{
    static std::map<SpeedLogFormat, std::string> files;
    auto& bytes = files[format];
    if (bytes.empty()) {
        static const SpeedLog log = twoHourLog();
        const auto path =
            std::filesystem::temp_directory_path() / ("bench_speedlog_" + std::to_string(static_cast<int>(format)));
        if (!writeSpeedLogFile(log, format, path.string()))
            std::abort();
        bytes = *readFileBytes(path);
        std::filesystem::remove(path);
    }
    return bytes;
}

void readTwoHours(benchmark::State& state, SpeedLogFormat format)
{
    const std::string& bytes = fileOf(format);
    for (auto _ : state) {
        auto log = readSpeedLog(std::span<const char>(bytes.data(), bytes.size()));
        if (!log || log->fixes.size() != static_cast<std::size_t>(kFixes))
            state.SkipWithError("the log did not read back whole");
        benchmark::DoNotOptimize(log);
    }
    state.counters["MB"] = static_cast<double>(bytes.size()) / 1e6;
}

BENCHMARK_CAPTURE(readTwoHours, nmea, SpeedLogFormat::Nmea)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK_CAPTURE(readTwoHours, gpx, SpeedLogFormat::Gpx)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK_CAPTURE(readTwoHours, csv, SpeedLogFormat::Csv)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK_CAPTURE(readTwoHours, vbo, SpeedLogFormat::Vbo)->Unit(benchmark::kMillisecond)->MinTime(2);

}  // namespace

BENCHMARK_MAIN();
