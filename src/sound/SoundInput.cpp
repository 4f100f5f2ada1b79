#include "sound/SoundInput.h"

#include "signal/AudioImport.h"
#include "signal/MappedFile.h"

#include <cstdint>
#include <cstring>

namespace vornax {
namespace {

std::uint32_t le32(std::string_view b, std::size_t at)
{
    return std::uint32_t(std::uint8_t(b[at])) | std::uint32_t(std::uint8_t(b[at + 1])) << 8 |
           std::uint32_t(std::uint8_t(b[at + 2])) << 16 | std::uint32_t(std::uint8_t(b[at + 3])) << 24;
}
std::uint16_t le16(std::string_view b, std::size_t at)
{
    return static_cast<std::uint16_t>(std::uint8_t(b[at]) | std::uint8_t(b[at + 1]) << 8);
}

}  // namespace

std::optional<SoundSamples> pcm16Samples(std::string_view b)
{
    if (b.size() < 12 || b.substr(0, 4) != "RIFF" || b.substr(8, 4) != "WAVE")
        return std::nullopt;
    std::uint16_t format = 0, channels = 0, bits = 0;
    std::uint32_t rate = 0;
    for (std::size_t at = 12; at + 8 <= b.size();) {
        const std::string_view id = b.substr(at, 4);
        const std::uint64_t size = le32(b, at + 4);
        const std::size_t body = at + 8;
        if (id == "fmt " && size >= 16 && body + 16 <= b.size()) {
            format = le16(b, body);
            channels = le16(b, body + 2);
            rate = le32(b, body + 4);
            bits = le16(b, body + 14);
            if (format == 0xFFFE && size >= 40 && body + 26 <= b.size())
                format = le16(b, body + 24);  // the sub-format's first field
        } else if (id == "data") {
            if (format != 1 || bits != 16 || channels == 0 || rate == 0)
                return std::nullopt;
            const std::size_t bytes = std::size_t(std::min<std::uint64_t>(size, b.size() - body));
            const std::size_t frames = bytes / (2u * channels);
            SoundSamples out;
            out.rate = rate;
            out.samples.resize(frames);
            for (std::size_t f = 0; f < frames; ++f) {
                int sum = 0;
                for (std::size_t c = 0; c < channels; ++c)
                    sum += static_cast<std::int16_t>(le16(b, body + 2 * (f * channels + c)));
                out.samples[f] = static_cast<float>(sum) / (32768.0f * channels);
            }
            return out;
        }
        at = body + std::size_t(size) + (size & 1);
    }
    return std::nullopt;
}

Result<SoundSamples> readSoundSamples(const std::filesystem::path& file)
{
    {
        auto mapped = MappedFile::open(file);
        if (mapped) {
            if (auto direct = pcm16Samples(mapped->bytes()))
                return std::move(*direct);
        }
    }
    ChannelRequest mix;
    mix.mode = ChannelRequest::Mode::Mix;
    mix.engineSound = true;
    auto imported = importRecording(file, mix);
    if (!imported)
        return Failure{imported.error()};
    SoundSamples out;
    out.rate = 44100;
    const auto bytes = imported->samples();
    out.samples.resize(bytes.size());
    for (std::size_t n = 0; n < bytes.size(); ++n)
        out.samples[n] = (float(bytes[n]) - 128.0f) / 128.0f;
    return out;
}

}  // namespace vornax
