#include "capture/WavWriter.h"

#include "common/TextFile.h"
#include "common/Translation.h"
#include "common/WavHeader.h"

namespace vornax {
std::string wavHeader(std::uint32_t samples)
{
    // One byte a sample: the data size is the sample count.
    return pcmWavHeader(samples, kRecordingRate, 1, 8);
}

std::string wavFileBytes(std::span<const std::uint8_t> samples)
{
    std::string out = wavHeader(static_cast<std::uint32_t>(samples.size()));
    out.append(reinterpret_cast<const char*>(samples.data()), samples.size());
    return out;
}

Status writeWavFile(const std::filesystem::path& file, std::span<const std::uint8_t> samples)
{
    if (samples.size() > kMaxRecordingSamples)
        return Failure{tx("WavWriter", "the recording is too long for a WAV file")};
    return writeFileAtomically(file, wavFileBytes(samples));
}

}  // namespace vornax
