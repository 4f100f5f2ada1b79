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

std::string wav16FileBytes(std::span<const std::int16_t> samples, int rate)
{
    std::string out =
        pcmWavHeader(static_cast<std::uint32_t>(2 * samples.size()), static_cast<std::uint32_t>(rate), 1, 16);
    out.reserve(out.size() + 2 * samples.size());
    for (const std::int16_t v : samples) {
        const auto u = static_cast<std::uint16_t>(v);
        out.push_back(static_cast<char>(u & 0xFF));
        out.push_back(static_cast<char>(u >> 8));
    }
    return out;
}

Status writeWav16File(const std::filesystem::path& file, std::span<const std::int16_t> samples, int rate)
{
    if (samples.size() > kMaxRecordingSamples / 2)
        return Failure{tx("WavWriter", "the recording is too long for a WAV file")};
    return writeFileAtomically(file, wav16FileBytes(samples, rate));
}

}  // namespace vornax
