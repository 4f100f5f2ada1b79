// Speed of the ignition-signal processing:
//  - `vornax rpm` on a 60-second 8-bit mono recording as a whole process,
//    side by side with `sox REC.wav -n stat` on the same file (the target:
//    at most half of sox's time);
//  - the spark detection alone, in the process;
//  - smoothing a full 32 000-point curve (the target: under 50 ms).
#include "signal/Smoothing.h"
#include "signal/SparkDetection.h"
#include "signal/SyntheticRecording.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace vornax {
namespace {

namespace fs = std::filesystem;

// The 60-second run (1 500 to 6 000 rpm), written once per benchmark program
// into a folder removed at its end.
struct BenchFolder {
    fs::path path = fs::temp_directory_path() / ("vornax-signal-bench-" + std::to_string(getpid()));
    BenchFolder() { fs::create_directories(path); }
    ~BenchFolder()
    {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
};

const fs::path& recording()
{
    static const BenchFolder folder;
    static const fs::path path = [] {
        IgnitionSignal signal;
        signal.seconds = 60.0;
        signal.rpm = [](double t) { return 1500.0 + 75.0 * t; };
        const std::string wav = makeIgnitionRecording(signal).wav;
        std::ofstream(folder.path / "REC.wav", std::ios::binary).write(wav.data(), std::streamsize(wav.size()));
        return folder.path / "REC.wav";
    }();
    return path;
}

// Runs a program to its end with its output thrown away; false when it
// cannot be started or fails.
bool runProcess(std::vector<std::string> args)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int started = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (started != 0)
        return false;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void BM_VornaxRpmProcess60s(benchmark::State& state)
{
    const fs::path out = recording().parent_path() / "REC.ReT";
    for (auto _ : state)
        if (!runProcess({VORNAX_CLI, "rpm", recording().string(), "-o", out.string()}))
            state.SkipWithError("vornax rpm failed");
}
BENCHMARK(BM_VornaxRpmProcess60s)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

void BM_SoxStatProcess60s(benchmark::State& state)
{
    for (auto _ : state)
        if (!runProcess({"sox", recording().string(), "-n", "stat"}))
            state.SkipWithError("sox is missing or failed (apt-get install sox)");
}
BENCHMARK(BM_SoxStatProcess60s)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

void BM_Traiter60s(benchmark::State& state)
{
    std::ifstream in(recording(), std::ios::binary);
    const std::string wav((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (auto _ : state) {
        auto d = Traiter(wav, {});
        benchmark::DoNotOptimize(d);
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(wav.size()));
}
BENCHMARK(BM_Traiter60s)->Unit(benchmark::kMillisecond);

void BM_SmoothFullTable(benchmark::State& state)
{
    Curve raw;
    for (int r = 1; r <= Curve::kLastRow; ++r)
        raw.rows[r] = {r * 0.002f, 1500.0f + 0.15f * r + float(r % 7)};
    raw.pointCount = Curve::kLastRow;
    for (auto _ : state) {
        Curve curve = raw;
        const auto status = smoothCurve(curve, {});
        benchmark::DoNotOptimize(curve.rows[500]);
        if (!status)
            state.SkipWithError("smoothing failed");
    }
}
BENCHMARK(BM_SmoothFullTable)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vornax

BENCHMARK_MAIN();
