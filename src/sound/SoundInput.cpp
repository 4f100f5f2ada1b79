#include "sound/SoundInput.h"

#include "common/NumberText.h"
#include "common/Translation.h"
#include "signal/AudioDecoding.h"
#include "signal/AudioImport.h"
#include "sound/Decimator.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/avutil.h>
}

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <system_error>

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

// Longer than any pull is ever recorded: the low-rate signal of four hours
// is some 300 MB.
constexpr double kLongestSeconds = 4 * 3600;

template <typename T>
T sampleAt(const std::uint8_t* p, std::size_t index)
{
    T v;
    std::memcpy(&v, p + index * sizeof(T), sizeof(T));
    return v;
}

// A decoded frame's channels averaged into `mono` (replacing it), or its
// channel `only` (1-based) alone. With the mix, each channel's power and its
// product with the mix are added up.
struct MixPower {
    std::vector<double> channel, withMix;
    double mix = 0;
};

template <typename T, typename Scale>
void mixFrame(const AVFrame& f, bool planar, Scale scale, int only, std::vector<float>& mono, MixPower& power)
{
    const int channels = f.ch_layout.nb_channels;
    const std::size_t n = std::size_t(f.nb_samples);
    const auto at = [&](std::size_t i, int c) {
        return planar ? double(sampleAt<T>(f.extended_data[c], i))
                      : double(sampleAt<T>(f.extended_data[0], i * std::size_t(channels) + std::size_t(c)));
    };
    const bool weigh = only == 0 && channels > 1;
    if (weigh && power.channel.size() != std::size_t(channels)) {
        power.channel.assign(std::size_t(channels), 0.0);
        power.withMix.assign(std::size_t(channels), 0.0);
    }
    std::array<double, 64> heard{};  // this sample of each channel, as read
    mono.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        double v = 0;
        if (only > 0) {
            v = scale(at(i, only - 1), 1);
        } else {
            double sum = 0;
            for (int c = 0; c < channels; ++c)
                sum += heard[std::size_t(c)] = at(i, c);
            v = scale(sum, channels);
        }
        // Held within what a float holds (a double beyond it would not
        // convert); damagedFloats() then finds it far beyond full scale.
        mono[i] = static_cast<float>(std::isnan(v) ? v : std::clamp(v, -1e6, 1e6));
        if (weigh && std::abs(v) <= 64) {
            power.mix += v * v;
            for (int c = 0; c < channels; ++c) {
                const double x = scale(heard[std::size_t(c)], 1);
                power.channel[std::size_t(c)] += x * x;
                power.withMix[std::size_t(c)] += x * v;
            }
        }
    }
}

// Float samples far beyond full scale, or not numbers at all, come from a
// damaged file, never from a microphone: true when a frame holds any.
bool damagedFloats(const std::vector<float>& mono)
{
    constexpr float kFarBeyondFullScale = 64.0f;
    return std::any_of(mono.begin(), mono.end(), [](float x) { return !(std::abs(x) <= kFarBeyondFullScale); });
}

// As mixFrame, for any sample format; false for one no sound decoder gives.
bool mixToMono(const AVFrame& f, int only, std::vector<float>& mono, MixPower& power)
{
    const auto format = static_cast<AVSampleFormat>(f.format);
    const bool planar = av_sample_fmt_is_planar(format) != 0;
    // 16-bit samples are summed whole and divided once, as a WAV file of
    // them read directly gives.
    const auto whole = [](double full) { return [full](double sum, int channels) { return sum / (full * channels); }; };
    switch (av_get_packed_sample_fmt(format)) {
    case AV_SAMPLE_FMT_U8:
        mixFrame<std::uint8_t>(
            f, planar, [](double sum, int channels) { return (sum - 128.0 * channels) / (128.0 * channels); }, only,
            mono, power);
        return true;
    case AV_SAMPLE_FMT_S16: mixFrame<std::int16_t>(f, planar, whole(32768.0), only, mono, power); return true;
    case AV_SAMPLE_FMT_S32: mixFrame<std::int32_t>(f, planar, whole(2147483648.0), only, mono, power); return true;
    case AV_SAMPLE_FMT_S64:
        mixFrame<std::int64_t>(f, planar, whole(9223372036854775808.0), only, mono, power);
        return true;
    case AV_SAMPLE_FMT_FLT: mixFrame<float>(f, planar, whole(1.0), only, mono, power); return true;
    case AV_SAMPLE_FMT_DBL: mixFrame<double>(f, planar, whole(1.0), only, mono, power); return true;
    default: return false;
    }
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
            out.rate = out.fileRate = rate;
            out.channels = channels;
            out.codec = "pcm_s16le";
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

Result<SoundSamples> readSoundSamples(const std::filesystem::path& file, const Progress& progress,
                                      const ProgressCheck& proceed, int channel)
{
    namespace fs = std::filesystem;
    const std::string name = file.filename().string();
    auto fail = [&](const std::string& why) { return Failure{name + ": " + why}; };
    std::error_code ec;
    if (!fs::is_regular_file(file, ec))
        return fail(fs::exists(file, ec) ? tx("AudioImport", "not a file") : tx("AudioImport", "no such file"));
    const std::uintmax_t fileSize = fs::file_size(file, ec);
    if (ec || fileSize == 0)
        return fail(tx("AudioImport", "the file is empty"));
    if (const auto cut = truncatedWavProblem(file))
        return fail(*cut);

    AudioDecoding d;
    if (const Status opened = d.open(file); !opened)
        return fail(opened.error());

    SoundSamples out;
    out.codec = avcodec_get_name(d.codec->codec_id);
    const double declared = d.declaredSeconds();

    std::optional<Decimator> decimator;
    std::vector<float> mono;
    MixPower power;
    std::int64_t framesIn = 0;
    int shown = -1;

    const auto take = [&](const AVFrame& f) -> Status {
        const int channels = f.ch_layout.nb_channels;
        if (f.sample_rate <= 0 || f.sample_rate > 1000000 || channels < 1 || channels > 64)
            return Failure{tx("AudioImport", "its audio cannot be decoded")};
        if (!decimator) {
            if (channel > channels)
                return Failure{
                    channels == 1
                        ? tx("AudioImport", "it has no channel %1 (one channel)").arg(std::to_string(channel)).str()
                        : tx("AudioImport", "it has no channel %1 (%2 channels)")
                              .arg(std::to_string(channel))
                              .arg(std::to_string(channels))
                              .str()};
            out.fileRate = f.sample_rate;
            out.channels = channels;
            out.channel = channels == 1 ? 1 : channel;
            decimator.emplace(soundDecimationFactor(f.sample_rate));
            out.rate = double(f.sample_rate) / decimator->factor();
            // Room for the declared length, as far as the file's bytes could
            // hold it (no codec packs a second of sound into under 250 bytes).
            const double room = std::min(declared, double(fileSize) / 250.0);
            if (room > 0 && room < kLongestSeconds)
                out.samples.reserve(static_cast<std::size_t>(room * out.rate) + 1024);
        } else if (f.sample_rate != out.fileRate || channels != out.channels) {
            return Failure{tx("AudioImport", "its audio changes format midway")};
        }
        if (!mixToMono(f, channel, mono, power))
            return Failure{tx("AudioImport", "its audio cannot be decoded")};
        if (damagedFloats(mono))
            return Failure{tx("AudioImport", "damaged audio: samples far beyond full scale or not numbers")};
        framesIn += f.nb_samples;
        if (double(framesIn) / out.fileRate > kLongestSeconds)
            return Failure{tx("AudioImport", "too long for a recording")};
        decimator->feed(mono, out.samples);
        const double done = declared > 0 ? std::min(1.0, double(framesIn) / out.fileRate / declared) : 0.0;
        if (progress && declared > 0) {
            const int value = static_cast<int>(done * 100) * 100;
            if (value != shown)
                progress(shown = value);
        }
        if (proceed && !proceed(done))
            return Failure{tx("AudioImport", "cancelled")};
        return success();
    };

    if (const Status decoded = d.decodeAll(take); !decoded)
        return fail(decoded.error());
    if (decimator)
        decimator->finish(out.samples);

    if (framesIn == 0 || out.samples.empty())
        return fail(d.badPackets > 0 ? tx("AudioImport", "damaged audio: nothing could be decoded")
                                     : tx("AudioImport", "its audio stream holds no samples"));
    if (d.badPackets > 0 && d.badPackets * 100 > d.packets)
        return fail(tx("AudioImport", "damaged audio: %1 of %2 packets could not be decoded")
                        .arg(std::to_string(d.badPackets))
                        .arg(std::to_string(d.packets)));
    if (!d.broken.empty() && declared == 0)
        return fail(tx("AudioImport", "damaged audio file (%1)").arg(d.broken));
    const double decoded = double(framesIn) / out.fileRate;
    // Encoders pad the last block: only a clear shortfall is a cut file.
    if (declared > 0 && decoded < declared - std::max(0.1, declared * 0.02))
        return fail(tx("AudioImport", "truncated: it holds %1 s of the %2 s its header declares")
                        .arg(formatPattern(decoded, Pattern::OneDecimal))
                        .arg(formatPattern(declared, Pattern::OneDecimal)));
    // The likeness: the least correlation of a channel with the mix.
    if (out.channel == 0 && !power.channel.empty()) {
        for (std::size_t c = 0; c < power.channel.size(); ++c) {
            const double both = power.channel[c] * power.mix;
            out.likeness = std::min(out.likeness, both > 0 ? power.withMix[c] / std::sqrt(both) : 0.0);
        }
    }
    if (out.samples.capacity() > out.samples.size() + out.samples.size() / 4)
        out.samples.shrink_to_fit();
    if (progress)
        progress(10000);
    return out;
}

}  // namespace vornax
