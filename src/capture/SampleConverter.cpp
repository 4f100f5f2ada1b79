#include "capture/SampleConverter.h"

#include "capture/WavWriter.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace vornax {
namespace {

template <typename T>
T load(const std::uint8_t* at)
{
    T value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

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

RecordingConverter::RecordingConverter(PcmFormat input) : input_(input) {}

double RecordingConverter::frameValue(const std::uint8_t* frame) const
{
    double sum = 0;
    const int width = input_.bytesPerSample();
    for (int c = 0; c < input_.channels; ++c, frame += width) {
        switch (input_.type) {
        case SampleType::UInt8: sum += (frame[0] - 128) / 128.0; break;
        case SampleType::Int16: sum += load<std::int16_t>(frame) / 32768.0; break;
        case SampleType::Int32: sum += load<std::int32_t>(frame) / 2147483648.0; break;
        case SampleType::Float: sum += load<float>(frame); break;
        }
    }
    return sum / input_.channels;
}

void RecordingConverter::addFrame(double value, std::vector<std::uint8_t>& out)
{
    // Output n sits at input frame position p = n × rate / 44 100. Every
    // output with p <= framesIn_ - 1 was written with the earlier frames, so
    // the ones written now lie in (k − 1, k] and interpolate between the
    // previous frame and this one; p = k takes this frame exactly.
    const std::int64_t k = framesIn_;
    const std::int64_t rate = input_.sampleRate;
    while (samplesOut_ * rate <= k * kRecordingRate) {
        double sample = value;
        if (k > 0) {
            const double fraction =
                static_cast<double>(samplesOut_ * rate - (k - 1) * kRecordingRate) / kRecordingRate;
            sample = previous_ + (value - previous_) * fraction;
        }
        out.push_back(toRecordingSample(sample));
        ++samplesOut_;
    }
    previous_ = value;
    ++framesIn_;
}

void RecordingConverter::feed(std::span<const std::uint8_t> bytes, std::vector<std::uint8_t>& out)
{
    const std::size_t frameBytes = static_cast<std::size_t>(input_.bytesPerFrame());
    if (!partial_.empty()) {
        const std::size_t take = std::min(frameBytes - partial_.size(), bytes.size());
        partial_.insert(partial_.end(), bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(take));
        bytes = bytes.subspan(take);
        if (partial_.size() < frameBytes)
            return;
        addFrame(frameValue(partial_.data()), out);
        partial_.clear();
    }
    std::size_t at = 0;
    for (; at + frameBytes <= bytes.size(); at += frameBytes)
        addFrame(frameValue(bytes.data() + at), out);
    partial_.assign(bytes.begin() + static_cast<std::ptrdiff_t>(at), bytes.end());
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
