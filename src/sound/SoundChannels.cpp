#include "sound/SoundChannels.h"

#include <algorithm>
#include <limits>

namespace vornax {

namespace {

constexpr double kReadShare = 0.25;  // of one pass: reading, then tracking
constexpr int kMostChannelsTried = 8;

bool sureTrack(const Result<SoundTrack>& t) { return t && t->sure && !t->orderSuspect; }

double steadiness(const SoundTrack& t)
{
    return t.timingNoise > 0 ? t.timingNoise : std::numeric_limits<double>::infinity();
}

}  // namespace

bool betterTrack(const Result<SoundTrack>& a, const Result<SoundTrack>& b)
{
    if (sureTrack(a) != sureTrack(b))
        return sureTrack(b);
    if (sureTrack(a))
        return steadiness(*b) < 0.9 * steadiness(*a);
    if (bool(a) != bool(b))
        return bool(b);
    return b && b->followedShare > a->followedShare + 0.01;
}

std::string soundChannelText(const SoundSamples& recording)
{
    const std::string of = std::to_string(recording.channels);
    return recording.channel == 0 ? "the mix of " + of + " channels"
                                  : "channel " + std::to_string(recording.channel) + " of " + of;
}

Result<TrackedSound> trackSoundFile(const std::filesystem::path& file, const SoundSettings& settings,
                                    const ChannelRequest& channel, const ProgressCheck& proceed)
{
    // The bar from `from` to `to` over one step.
    const auto span = [&proceed](double from, double to) {
        return [&proceed, from, to](double done) { return !proceed || proceed(from + (to - from) * done); };
    };
    const int asked = channel.mode == ChannelRequest::Mode::Number ? channel.number : 0;
    auto read = readSoundSamples(file, {}, span(0, kReadShare), asked);
    if (!read)
        return Failure{read.error()};
    TrackedSound best{std::move(*read)};
    const int channels = best.samples.channels;
    const bool eachChannel =
        channel.mode == ChannelRequest::Mode::Auto && channels > 1 && best.samples.likeness < kUnlikeChannels;
    const int tried = eachChannel ? std::min(channels, kMostChannelsTried) : 0;
    // What is left after the first reading, in passes of a reading and a
    // tracking: its tracking, then one pass for each channel tried.
    constexpr double r = kReadShare;
    const double perPass = (1 - r) / ((1 - r) + tried);
    best.track = trackEngineSound(best.samples.samples, best.samples.rate, settings, span(r, r + (1 - r) * perPass));
    for (int c = 1; c <= tried; ++c) {
        const double from = r + ((1 - r) + (c - 1)) * perPass;
        auto one = readSoundSamples(file, {}, span(from, from + r * perPass), c);
        if (!one)
            return Failure{one.error()};
        auto track = trackEngineSound(one->samples, one->rate, settings, span(from + r * perPass, from + perPass));
        if (betterTrack(best.track, track)) {
            best.samples = std::move(*one);
            best.track = std::move(track);
        }
    }
    if (proceed)
        (void)proceed(1.0);
    return best;
}

}  // namespace vornax
