#include "capture/SampleConverter.h"

#include "capture/WavWriter.h"

extern "C" {
#include <libavutil/samplefmt.h>
}

#include <algorithm>
#include <cmath>
#include <cstring>

namespace vornax {
namespace {

template <typename T>
void store(std::vector<std::uint8_t>& out, T value)
{
    std::uint8_t bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    out.insert(out.end(), bytes, bytes + sizeof value);
}

std::uint8_t toRecordingSample(double value)
{
    if (!std::isfinite(value))
        return 128;
    const double step = std::round(value * 128.0) + 128.0;
    return static_cast<std::uint8_t>(std::clamp(step, 0.0, 255.0));
}

// The resampler's name for each device encoding (all interleaved).
int ffmpegFormat(SampleType type)
{
    switch (type) {
    case SampleType::UInt8: return AV_SAMPLE_FMT_U8;
    case SampleType::Int16: return AV_SAMPLE_FMT_S16;
    case SampleType::Int32: return AV_SAMPLE_FMT_S32;
    case SampleType::Float: return AV_SAMPLE_FMT_FLT;
    }
    return AV_SAMPLE_FMT_U8;
}

}  // namespace

int PcmFormat::bytesPerSample() const
{
    switch (type) {
    case SampleType::UInt8: return 1;
    case SampleType::Int16: return 2;
    case SampleType::Int32:
    case SampleType::Float: return 4;
    }
    return 1;
}

bool PcmFormat::valid() const { return sampleRate >= 1 && sampleRate <= 1000000 && channels >= 1 && channels <= 32; }

RecordingConverter::RecordingConverter(PcmFormat input) : input_(input)
{
    auto resampler = Resampler::create(ffmpegFormat(input.type), input.channels, input.sampleRate);
    // A valid() format always has a converter; without one nothing comes out.
    if (resampler)
        resampler_ = std::make_unique<Resampler>(std::move(resampler.value()));
}

RecordingConverter::RecordingConverter(RecordingConverter&&) noexcept = default;
RecordingConverter& RecordingConverter::operator=(RecordingConverter&&) noexcept = default;
RecordingConverter::~RecordingConverter() = default;

void RecordingConverter::append(std::vector<std::uint8_t>& out)
{
    if (converted_.empty())
        return;
    const std::size_t count = converted_[0].size();
    const double channels = static_cast<double>(converted_.size());
    for (std::size_t n = 0; n < count; ++n) {
        double sum = 0;
        for (const auto& channel : converted_)
            sum += channel[n];
        out.push_back(toRecordingSample(sum / channels));
    }
    for (auto& channel : converted_)
        channel.clear();
}

void RecordingConverter::feed(std::span<const std::uint8_t> bytes, std::vector<std::uint8_t>& out)
{
    if (!resampler_)
        return;
    const std::size_t frameBytes = static_cast<std::size_t>(input_.bytesPerFrame());
    if (!partial_.empty()) {
        const std::size_t take = std::min(frameBytes - partial_.size(), bytes.size());
        partial_.insert(partial_.end(), bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(take));
        bytes = bytes.subspan(take);
        if (partial_.size() < frameBytes)
            return;
        const std::uint8_t* data = partial_.data();
        (void)resampler_->convert(&data, 1, converted_);
        partial_.clear();
    }
    const std::size_t whole = bytes.size() / frameBytes;
    if (whole > 0) {
        const std::uint8_t* data = bytes.data();
        (void)resampler_->convert(&data, static_cast<int>(whole), converted_);
    }
    partial_.assign(bytes.begin() + static_cast<std::ptrdiff_t>(whole * frameBytes), bytes.end());
    append(out);
}

void RecordingConverter::finish(std::vector<std::uint8_t>& out)
{
    if (!resampler_)
        return;
    (void)resampler_->finish(converted_);
    append(out);
}

void MicrophoneConverter::frame(const std::uint8_t* bytes, std::vector<std::int16_t>& out) const
{
    double sum = 0;  // full scale 1
    for (int c = 0; c < input_.channels; ++c) {
        const std::uint8_t* at = bytes + static_cast<std::size_t>(c * input_.bytesPerSample());
        switch (input_.type) {
        case SampleType::UInt8: sum += (at[0] - 128) / 128.0; break;
        case SampleType::Int16: {
            std::int16_t v;
            std::memcpy(&v, at, sizeof v);
            sum += v / 32768.0;
            break;
        }
        case SampleType::Int32: {
            std::int32_t v;
            std::memcpy(&v, at, sizeof v);
            sum += v / 2147483648.0;
            break;
        }
        case SampleType::Float: {
            float v;
            std::memcpy(&v, at, sizeof v);
            sum += std::isfinite(v) ? double(v) : 0.0;
            break;
        }
        }
    }
    const double step = std::round(sum / input_.channels * 32768.0);
    out.push_back(static_cast<std::int16_t>(std::clamp(step, -32768.0, 32767.0)));
}

void MicrophoneConverter::feed(std::span<const std::uint8_t> bytes, std::vector<std::int16_t>& out)
{
    const std::size_t frameBytes = static_cast<std::size_t>(input_.bytesPerFrame());
    if (!partial_.empty()) {
        const std::size_t take = std::min(frameBytes - partial_.size(), bytes.size());
        partial_.insert(partial_.end(), bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(take));
        bytes = bytes.subspan(take);
        if (partial_.size() < frameBytes)
            return;
        frame(partial_.data(), out);
        partial_.clear();
    }
    const std::size_t whole = bytes.size() / frameBytes;
    for (std::size_t f = 0; f < whole; ++f)
        frame(bytes.data() + f * frameBytes, out);
    partial_.assign(bytes.begin() + static_cast<std::ptrdiff_t>(whole * frameBytes), bytes.end());
}

std::vector<std::uint8_t> fromRecordingSamples(std::span<const std::uint8_t> samples, SampleType type, int channels)
{
    PcmFormat format{kRecordingRate, channels, type};
    std::vector<std::uint8_t> out;
    out.reserve(samples.size() * static_cast<std::size_t>(format.bytesPerFrame()));
    for (const std::uint8_t sample : samples) {
        const int centred = sample - 128;
        for (int c = 0; c < channels; ++c) {
            switch (type) {
            case SampleType::UInt8: out.push_back(sample); break;
            case SampleType::Int16: store(out, static_cast<std::int16_t>(centred * 256)); break;
            case SampleType::Int32: store(out, static_cast<std::int32_t>(centred * 16777216)); break;
            case SampleType::Float: store(out, static_cast<float>(centred / 128.0)); break;
            }
        }
    }
    return out;
}

}  // namespace vornax
