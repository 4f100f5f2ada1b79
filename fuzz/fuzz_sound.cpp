// Any file as `vornax rpm --source sound` and the WAV window's engine-sound
// road take it: FFmpeg's demuxers and decoders (audio ones only), the
// channels' mix and each channel where they differ, the streaming
// decimation, the steady lines taken out and the tracker; and the same bytes
// as a WAV file read in memory at its own rate. The input is written to a
// file first, since recordings are read by name.
#include "sound/EngineSoundTracker.h"
#include "sound/SoundChannels.h"
#include "sound/SoundInput.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>

using namespace vornax;

namespace {

// Whatever went in, a track that comes out holds only numbers in its range.
void check(const Result<SoundTrack>& track, const SoundSettings& settings)
{
    if (!track)
        return;
    for (const float rpm : track->rpm)
        if (!(rpm >= settings.minRpm * 0.99f && rpm <= settings.maxRpm * 1.01f))
            std::abort();
    if (!(track->followedShare >= 0 && track->followedShare <= 1) || !(track->pullStart <= track->pullEnd))
        std::abort();
    for (std::size_t k = 1; k < track->virtualSparks.size(); ++k)
        if (!(track->virtualSparks[k] > track->virtualSparks[k - 1]))
            std::abort();
    for (const double hz : track->steadyLinesHz)
        if (!(hz > 0 && hz < 2000))
            std::abort();
}

void checkSamples(const SoundSamples& read)
{
    if (!(read.rate > 0) || read.samples.empty())
        std::abort();
    for (const float x : read.samples)
        if (!std::isfinite(x))
            std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string path = "/tmp/vornax-fuzz-sound-" + std::to_string(::getpid());
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    const SoundSettings settings;
    if (const auto tracked = trackSoundFile(path, settings, ChannelRequest{})) {
        checkSamples(tracked->samples);
        check(tracked->track, settings);
    }
    if (const auto direct = pcm16Samples({reinterpret_cast<const char*>(data), size})) {
        checkSamples(*direct);
        check(trackEngineSound(direct->samples, direct->rate, settings), settings);
    }
    return 0;
}
