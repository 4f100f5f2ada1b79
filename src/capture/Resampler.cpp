#include "capture/Resampler.h"

#include "capture/WavWriter.h"
#include "common/Translation.h"

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libavutil/samplefmt.h>
#include <libswresample/swresample.h>
}

namespace vornax {

struct Resampler::State {
    SwrContext* swr = nullptr;
    int inputRate = 0;
    std::vector<std::vector<float>> planes;  // scratch output, one per channel
    ~State() { swr_free(&swr); }
};

Result<Resampler> Resampler::create(int inputFormat, int channels, int inputRate)
{
    if (inputRate < 1 || inputRate > 1000000 || channels < 1 || channels > 64)
        return Failure{tx("Resampler", "unsupported sample rate or channel count (%1 Hz, %2 channels)")
                           .arg(std::to_string(inputRate))
                           .arg(std::to_string(channels))};
    const auto format = static_cast<AVSampleFormat>(inputFormat);
    if (av_get_bytes_per_sample(format) <= 0)
        return Failure{tx("Resampler", "unknown sample encoding")};
    auto state = std::make_unique<State>();
    state->inputRate = inputRate;
    // An unordered layout: the channels are kept apart, never mixed.
    AVChannelLayout layout;
    av_channel_layout_default(&layout, channels);
    layout.order = AV_CHANNEL_ORDER_UNSPEC;
    layout.u.mask = 0;
    const int made = swr_alloc_set_opts2(&state->swr, &layout, AV_SAMPLE_FMT_FLTP, kRecordingRate, &layout, format,
                                         inputRate, 0, nullptr);
    av_channel_layout_uninit(&layout);
    if (made < 0 || swr_init(state->swr) < 0)
        return Failure{tx("Resampler", "the sample-rate converter could not start")};
    return Resampler(std::move(state), channels);
}

Resampler::Resampler(std::unique_ptr<State> state, int channels) : state_(std::move(state)), channels_(channels) {}
Resampler::Resampler(Resampler&&) noexcept = default;
Resampler& Resampler::operator=(Resampler&&) noexcept = default;
Resampler::~Resampler() = default;

Status Resampler::drain(const std::uint8_t* const* data, int frames, ChannelSamples& out)
{
    if (out.size() != static_cast<std::size_t>(channels_))
        out.resize(static_cast<std::size_t>(channels_));
    const int room = swr_get_out_samples(state_->swr, frames);
    if (room < 0)
        return Failure{tx("Resampler", "the sample-rate converter failed")};
    auto& planes = state_->planes;
    planes.resize(static_cast<std::size_t>(channels_));
    std::vector<std::uint8_t*> targets(static_cast<std::size_t>(channels_));
    for (std::size_t c = 0; c < planes.size(); ++c) {
        planes[c].resize(static_cast<std::size_t>(room) + 1);
        targets[c] = reinterpret_cast<std::uint8_t*>(planes[c].data());
    }
    const int made = swr_convert(state_->swr, targets.data(), room + 1, const_cast<const std::uint8_t**>(data), frames);
    if (made < 0)
        return Failure{tx("Resampler", "the sample-rate converter failed")};
    for (std::size_t c = 0; c < planes.size(); ++c)
        out[c].insert(out[c].end(), planes[c].begin(), planes[c].begin() + made);
    return success();
}

Status Resampler::convert(const std::uint8_t* const* data, int frames, ChannelSamples& out)
{
    if (frames <= 0)
        return success();
    return drain(data, frames, out);
}

Status Resampler::finish(ChannelSamples& out) { return drain(nullptr, 0, out); }

}  // namespace vornax
