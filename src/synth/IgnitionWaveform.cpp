#include "synth/IgnitionWaveform.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace vornax {

std::string ignitionSamples(const std::vector<double>& sparkTimes, const WaveformSettings& settings)
{
    constexpr double kTwoPi = 2.0 * std::numbers::pi;
    constexpr double kRing = 2000.0;          // Hz
    constexpr double kDecay = 0.0006;         // s
    constexpr double kAmplitude = 140.0;      // sample steps, before the decay
    constexpr int kPulseSamples = 120;        // about 2,7 ms: the pulse has died out
    constexpr double kRate = kRecordingRate;  // samples per second, for times in s

    const auto count = static_cast<std::size_t>(std::max(0.0, std::ceil(settings.seconds * kRate)));
    std::vector<double> level(count, 0.0);
    std::mt19937 random(settings.seed);

    // Each spark's pulse is sampled from its true start time, so the sampled
    // shape shifts with the spark's place between two samples, as it does
    // in a real recording.
    std::uniform_real_distribution<double> strength(0.92, 1.08);
    const double sign = settings.lowPolarity ? -1.0 : 1.0;
    for (const double spark : sparkTimes) {
        const double amplitude = sign * kAmplitude * strength(random);
        const auto first = static_cast<std::int64_t>(std::ceil(spark * kRate));
        for (std::int64_t n = std::max<std::int64_t>(first, 0);
             n < first + kPulseSamples && n < static_cast<std::int64_t>(count); ++n) {
            const double tau = n / kRate - spark;
            level[static_cast<std::size_t>(n)] += amplitude * std::sin(kTwoPi * kRing * tau) * std::exp(-tau / kDecay);
        }
    }

    // Background: two slow swings of the rest level (a few tenths of a hertz,
    // random phases) and white noise.
    std::uniform_real_distribution<double> phase(0.0, kTwoPi);
    const double phase1 = phase(random);
    const double phase2 = phase(random);
    std::normal_distribution<double> noise(0.0, std::max(0.0, settings.noise));
    std::string samples(count, '\0');
    for (std::size_t n = 0; n < count; ++n) {
        const double t = n / kRate;
        const double rest =
            128.0 + 4.0 * std::sin(kTwoPi * 0.23 * t + phase1) + 2.5 * std::sin(kTwoPi * 0.71 * t + phase2);
        const double v = rest + level[n] + (settings.noise > 0 ? noise(random) : 0.0);
        samples[n] = static_cast<char>(std::clamp<long>(std::lround(v), 0, 255));
    }
    return samples;
}

}  // namespace vornax
