// The stages of an import between the decoder and the bytes: the channel
// store that chooses the pickup's channel and keeps it as 16-bit samples,
// the drift removal and the gain that levels the sparks. Used by
// AudioImport only.
#pragma once

#include "capture/Resampler.h"
#include "capture/WavWriter.h"
#include "common/Result.h"
#include "signal/AudioImport.h"
#include "signal/AutoThreshold.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>
#include <vector>

namespace vornax::importing {

inline constexpr std::size_t kChoiceSamples = 20 * kRecordingRate;  // the channel is chosen on the first 20 s
inline constexpr std::size_t kDriftBlock = kRecordingRate / 10;     // 100 ms
inline constexpr double kStoreLevel = 8000;                         // loudest of the first 20 s, in the 16-bit store
inline constexpr double kMostClipped = 0.001;

// Nearest whole number, halves away from zero.
inline int nearest(double v) { return static_cast<int>(v < 0 ? v - 0.5 : v + 0.5); }

// How much one channel looks like a pickup's: with its offset and hum taken
// out (a high-pass above the mains and its first harmonics), its pulses are
// found halfway up the gap below their peaks, on the side that stands out
// more, and judged as a spark train (intervals that change slowly, a speed
// an engine turns at with either sparks-per-revolution setting).
struct ChannelLook {
    bool sparkTrain = false;  // the pulses of one side are a spark train
    double standing = 0;      // how far the higher side's pulses stand above its noise
    int pulses = 0;           // of the side judged
};
ChannelLook lookAtChannel(std::span<const float> samples);

// Collects the converted samples of the chosen channel as 16-bit values,
// scaled from the loudest of the first 20 s (four times louder still fits).
// Until those seconds are in, they are
// kept as they came (every channel while the pickup's is still to be
// chosen, else the chosen one alone).
class ChannelStore {
public:
    ChannelStore(ChannelRequest request, std::vector<std::int16_t>& store, std::size_t expected)
        : request_(request), store_(store), expected_(std::min(expected, kChoiceSamples))
    {
    }

    Status add(ChannelSamples& converted)
    {
        if (converted.empty() || converted[0].empty())
            return success();
        if (!decided_ && (converted.size() == 1 || request_.mode != ChannelRequest::Mode::Auto))
            if (auto chosen = decide(int(converted.size()), {}); !chosen)
                return chosen;
        if (!decided_) {
            if (opening_.size() < converted.size()) {
                opening_.resize(converted.size());
                for (auto& channel : opening_)
                    channel.reserve(expected_);
            }
            for (std::size_t c = 0; c < converted.size(); ++c)
                opening_[c].insert(opening_[c].end(), converted[c].begin(), converted[c].end());
            if (opening_[0].size() >= kChoiceSamples)
                if (auto chosen = decide(int(opening_.size()), opening_); !chosen)
                    return chosen;
        } else if (!scaled_) {
            picked_.reserve(expected_);
            pickInto(converted, picked_);
            if (picked_.size() >= kChoiceSamples)
                applyScale();
        } else {
            pickInto(converted, scratch_);
            push(scratch_);
            scratch_.clear();
        }
        for (auto& channel : converted)
            channel.clear();
        return success();
    }

    Status end()
    {
        if (!decided_ && !opening_.empty())
            if (auto chosen = decide(int(opening_.size()), opening_); !chosen)
                return chosen;
        if (!scaled_)
            applyScale();
        return success();
    }

    int channel() const { return channel_; }
    double scale() const { return scale_; }

private:
    void pickInto(const ChannelSamples& samples, std::vector<float>& out) const
    {
        if (channel_ > 0) {
            const auto& chosen = samples[static_cast<std::size_t>(channel_ - 1)];
            out.insert(out.end(), chosen.begin(), chosen.end());
            return;
        }
        const std::size_t count = samples[0].size();
        const float share = 1.0f / float(samples.size());
        for (std::size_t n = 0; n < count; ++n) {
            float sum = 0;
            for (const auto& c : samples)
                sum += c[n];
            out.push_back(sum * share);
        }
    }

    void push(const std::vector<float>& samples)
    {
        const float scale = static_cast<float>(scale_);
        const std::size_t at = store_.size();
        store_.resize(at + samples.size());
        std::int16_t* out = store_.data() + at;
        for (std::size_t n = 0; n < samples.size(); ++n) {
            float x = samples[n] * scale;
            x = x > 32767.0f ? 32767.0f : x < -32767.0f ? -32767.0f : x == x ? x : 0.0f;  // a NaN is silence
            out[n] = static_cast<std::int16_t>(x < 0 ? x - 0.5f : x + 0.5f);
        }
    }

    // The pickup's channel: the one asked for, or in `opening` the one whose
    // pulses are a spark train; of several (or none), the one whose pulses
    // stand highest above its own noise. Noise or hum stand high too, but
    // keep no rhythm.
    Status decide(int channels, const ChannelSamples& opening)
    {
        decided_ = true;
        if (request_.mode == ChannelRequest::Mode::Mix)
            channel_ = channels == 1 ? 1 : 0;
        else if (request_.mode == ChannelRequest::Mode::Number) {
            if (request_.number > channels)
                return Failure{"it has no channel " + std::to_string(request_.number) + " (" +
                               std::to_string(channels) + (channels == 1 ? " channel)" : " channels)")};
            channel_ = request_.number;
        } else if (channels > 1) {
            bool bestTrain = false;
            double best = -1;
            for (int c = 0; c < channels; ++c) {
                const ChannelLook look = lookAtChannel(opening[static_cast<std::size_t>(c)]);
                if (look.sparkTrain > bestTrain || (look.sparkTrain == bestTrain && look.standing > best)) {
                    bestTrain = look.sparkTrain;
                    best = look.standing;
                    channel_ = c + 1;
                }
            }
        }
        if (!opening.empty()) {
            picked_.reserve(expected_);
            pickInto(opening, picked_);
            opening_.clear();
            opening_.shrink_to_fit();
            if (picked_.size() >= kChoiceSamples)
                applyScale();
        }
        return success();
    }

    void applyScale()
    {
        scaled_ = true;
        float loudest = 0;
        for (const float v : picked_)
            if (std::isfinite(v))
                loudest = std::max(loudest, std::abs(v));
        scale_ = loudest > 0 ? kStoreLevel / loudest : 1.0;
        push(picked_);
        picked_.clear();
        picked_.shrink_to_fit();
    }

    ChannelRequest request_;
    std::vector<std::int16_t>& store_;
    std::size_t expected_;
    ChannelSamples opening_;  // every channel, until the choice
    std::vector<float> picked_, scratch_;
    bool decided_ = false, scaled_ = false;
    int channel_ = 1;
    double scale_ = 1;
};

// Hum hides the sparks when what lies under 500 Hz (the high-pass of
// lookAtChannel) swings, as a sine of its rms, by more than a quarter of the
// sparks' peak above it; judged on the first 20 s of the drift-free samples.
// A spark's burn, a few milliseconds a spark, stays well under that.
inline constexpr double kHumHiding = 0.25;
bool humHidesSparks(std::span<const std::int16_t> s);

// The high-pass of lookAtChannel, in place.
void removeHum(std::span<std::int16_t> s);

// Takes out the offset and the slow drift: the median of each 100 ms block,
// followed in straight lines from one block's middle to the next.
void removeDrift(std::span<std::int16_t> s);

// The largest gain (at most `wanted`) that clips no more than 0.1 % of the
// samples turned by `sign`; `clipped` gets the share it clips.
double gainWithinClipping(std::span<const std::int16_t> s, int sign, double wanted, double& clipped);

}  // namespace vornax::importing
