// Speed of the engine-sound road on a 30-second pull (`vornax synth --sound`,
// 48 kHz 16-bit mono WAV, and the same encoded as AAC .m4a by ffmpeg):
//  - the tracker alone on the decoded low-rate signal (the target: under
//    0,2 s), and on the whole 48 kHz signal, which it brings down itself;
//  - reading the file into the tracker's signal (decoding, mixing, the
//    streaming decimation);
//  - FFmpeg's libraries decoding the same file and nothing else, the yardstick.
#include "sound/EngineSoundTracker.h"
#include "sound/SoundInput.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace vornax {
namespace {

namespace fs = std::filesystem;

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

// The pull, written once per benchmark program into a folder removed at its end.
struct Recordings {
    fs::path folder = fs::temp_directory_path() / ("vornax-sound-bench-" + std::to_string(getpid()));
    fs::path wav = folder / "pull.wav";
    fs::path m4a = folder / "pull.m4a";
    bool made = false;
    Recordings()
    {
        fs::create_directories(folder);
        made =
            runProcess({VORNAX_CLI, "synth", "--sound", "--gear", "3", "--start-rpm", "1500", "--end-rpm", "5800",
                        "--lead", "2", "--lift", "1.5", "-o", wav.string()}) &&
            runProcess({"ffmpeg", "-v", "error", "-y", "-i", wav.string(), "-c:a", "aac", "-b:a", "96k", m4a.string()});
    }
    ~Recordings()
    {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
};

const Recordings& recordings()
{
    static const Recordings r;
    return r;
}

void BM_TrackEngineSound30s(benchmark::State& state)
{
    const auto read = readSoundSamples(recordings().wav);
    if (!recordings().made || !read) {
        state.SkipWithError("no recording");
        return;
    }
    for (auto _ : state) {
        auto track = trackEngineSound(read->samples, read->rate, {});
        if (!track)
            state.SkipWithError(track.error().c_str());
        benchmark::DoNotOptimize(track);
    }
    state.counters["recording_s"] = double(read->samples.size()) / read->rate;
}
BENCHMARK(BM_TrackEngineSound30s)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

void BM_TrackEngineSound30sFullRate(benchmark::State& state)
{
    std::ifstream in(recordings().wav, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    const auto full = pcm16Samples(bytes);
    if (!full) {
        state.SkipWithError("no recording");
        return;
    }
    for (auto _ : state) {
        auto track = trackEngineSound(full->samples, full->rate, {});
        benchmark::DoNotOptimize(track);
    }
}
BENCHMARK(BM_TrackEngineSound30sFullRate)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

void readInto(benchmark::State& state, const fs::path& file)
{
    for (auto _ : state) {
        auto read = readSoundSamples(file);
        if (!read)
            state.SkipWithError(read.error().c_str());
        benchmark::DoNotOptimize(read);
    }
}
void BM_ReadSoundWav30s(benchmark::State& state) { readInto(state, recordings().wav); }
void BM_ReadSoundAac30s(benchmark::State& state) { readInto(state, recordings().m4a); }
BENCHMARK(BM_ReadSoundWav30s)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadSoundAac30s)->Unit(benchmark::kMillisecond);

// Demuxing and decoding every frame, the samples left where the decoder put them.
bool ffmpegDecode(const fs::path& file, std::int64_t& frames)
{
    AVFormatContext* format = nullptr;
    if (avformat_open_input(&format, file.c_str(), nullptr, nullptr) < 0)
        return false;
    bool ok = avformat_find_stream_info(format, nullptr) >= 0;
    const AVCodec* decoder = nullptr;
    const int index = ok ? av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, &decoder, 0) : -1;
    AVCodecContext* codec = index >= 0 ? avcodec_alloc_context3(decoder) : nullptr;
    ok = codec && avcodec_parameters_to_context(codec, format->streams[index]->codecpar) >= 0 &&
         avcodec_open2(codec, decoder, nullptr) >= 0;
    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    frames = 0;
    auto drain = [&] {
        while (avcodec_receive_frame(codec, frame) >= 0) {
            frames += frame->nb_samples;
            av_frame_unref(frame);
        }
    };
    while (ok && av_read_frame(format, packet) >= 0) {
        if (packet->stream_index == index)
            avcodec_send_packet(codec, packet);
        av_packet_unref(packet);
        drain();
    }
    if (ok) {
        avcodec_send_packet(codec, nullptr);
        drain();
    }
    av_frame_free(&frame);
    av_packet_free(&packet);
    avcodec_free_context(&codec);
    avformat_close_input(&format);
    return ok && frames > 0;
}

void decodeOnly(benchmark::State& state, const fs::path& file)
{
    std::int64_t frames = 0;
    for (auto _ : state)
        if (!ffmpegDecode(file, frames))
            state.SkipWithError("ffmpeg could not decode the recording");
    state.counters["frames"] = double(frames);
}
void BM_FfmpegDecodeWav30s(benchmark::State& state) { decodeOnly(state, recordings().wav); }
void BM_FfmpegDecodeAac30s(benchmark::State& state) { decodeOnly(state, recordings().m4a); }
BENCHMARK(BM_FfmpegDecodeWav30s)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FfmpegDecodeAac30s)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vornax

BENCHMARK_MAIN();
