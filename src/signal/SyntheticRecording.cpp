#include "signal/SyntheticRecording.h"

#include "common/Physics.h"
#include "common/WavHeader.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace vornax {

std::string makeWav(std::string_view data, std::uint32_t sampleRate, std::uint16_t channels,
                    std::uint16_t bitsPerSample)
{
    std::string out = pcmWavHeader(static_cast<std::uint32_t>(data.size()), sampleRate, channels, bitsPerSample);
    out.reserve(out.size() + data.size());
    out += data;
    return out;
}

SyntheticRecording makeIgnitionRecording(const IgnitionSignal& signal)
{
    constexpr double rate = kRecordingRate;
    const auto count = static_cast<std::size_t>(std::max(0.0, std::floor(signal.seconds * rate)));
    std::mt19937 random(signal.seed);
    std::uniform_int_distribution<int> noise(-signal.noise, signal.noise);
    std::vector<double> level(count, 128.0);
    SyntheticRecording result;

    // The pulse, as an ignition pickup shows it: a sharp spike, the spark's
    // burn as a plateau of about 1.5 ms, then a ringing that dies away. Only
    // the spike's first two samples reach the usual threshold of 165; the
    // plateau and ringing stay under 155.
    constexpr int kPulse = 170;
    double shape[kPulse];
    for (int k = 0; k < kPulse; ++k) {
        if (k == 0)
            shape[k] = 102.0;
        else if (k == 1)
            shape[k] = 70.0;
        else if (k < 66)
            shape[k] = 22.0 - 4.0 * std::exp(-(k - 2) / 6.0);
        else
            shape[k] = 24.0 * std::exp(-(k - 66) / 22.0) * std::cos(2.0 * std::numbers::pi * (k - 66) / 24.0);
    }

    // Each interval ends when the phase reaches a target near 1; the jitter
    // spreads the targets.
    std::uniform_real_distribution<double> spread(-signal.jitter, signal.jitter);
    double phase = 0.0;
    double target = 1.0 + spread(random);
    for (std::size_t n = 0; n < count; ++n) {
        phase += signal.rpm(n / rate) / physics::kSecondsPerMinute * signal.sparksPerRev / rate;
        if (phase >= target) {
            phase -= target;
            target = 1.0 + spread(random);
            result.sparks.push_back(static_cast<std::int64_t>(n));
            for (int k = 0; k < kPulse && n + k < count; ++k)
                level[n + k] += shape[k];
        }
    }
    std::string data(count, '\0');
    for (std::size_t n = 0; n < count; ++n) {
        const bool inPulse = std::abs(level[n] - 128.0) > 0.5;
        const double v = level[n] + (inPulse ? 0 : noise(random));
        data[n] = static_cast<char>(std::clamp(static_cast<int>(std::lround(v)), 0, 255));
    }
    result.wav = makeWav(data);
    return result;
}

}  // namespace vornax
