#include "signal/ImportStages.h"

#include "common/HighPass.h"
#include "signal/AutoThreshold.h"
#include "signal/SignalVerdict.h"

#include <algorithm>
#include <cmath>

namespace vornax::importing {

namespace {

// Mains hum at 50 or 60 Hz falls by 40 dB under a 500 Hz high-pass, its
// third harmonic by 20 dB, while a spark's edge, a fraction of a millisecond,
// passes.
constexpr double kHumCorner = 500.0;

template <typename T>
std::vector<float> highPassed(std::span<const T> x)
{
    std::vector<float> y(x.size());
    if (x.empty())
        return y;
    HighPass filter{kHumCorner, double(kRecordingRate), static_cast<double>(x[0])};
    for (std::size_t n = 0; n < x.size(); ++n)
        y[n] = static_cast<float>(filter.next(double(x[n])));
    return y;
}

double standingOf(const BothSides& sides) { return std::max(sides.up.standing(), sides.down.standing()); }

// Times of the pulses on one side (sign +1 up, -1 down): where the signal
// crosses `level` on its way out, at least the detection's default
// anti-bounce gap after the previous pulse; between samples in a straight line.
std::vector<double> pulseTimes(const std::vector<float>& y, int sign, double level)
{
    constexpr double kGap = 0.3 * 441;
    std::vector<double> times;
    double last = -1e9;
    for (std::size_t n = 1; n < y.size(); ++n) {
        const double before = sign * double(y[n - 1]), now = sign * double(y[n]);
        if (now < level || before >= level || double(n) - last <= kGap)
            continue;
        const double at = double(n - 1) + (level - before) / (now - before);
        times.push_back(at / kRecordingRate);
        last = double(n);
    }
    return times;
}

}  // namespace

ChannelLook lookAtChannel(std::span<const float> samples)
{
    ChannelLook look;
    const std::vector<float> y = highPassed(samples);
    const auto [up, down] = bothSides(std::span<const float>(y), 0.0, 1e-5);
    look.standing = standingOf({up, down});
    for (const int sign : {+1, -1}) {
        const SideLevels& side = sign > 0 ? up : down;
        if (side.sparks == 0)
            continue;
        const std::vector<double> times = pulseTimes(y, sign, (side.gapLow + side.gapHigh) / 2);
        if (judgeSparks(times, std::nullopt).trustworthy()) {
            look.sparkTrain = true;
            look.pulses = static_cast<int>(times.size());
            return look;
        }
        look.pulses = std::max(look.pulses, static_cast<int>(times.size()));
    }
    return look;
}

bool humHidesSparks(std::span<const std::int16_t> s)
{
    const std::span<const std::int16_t> opening = s.first(std::min(s.size(), kChoiceSamples));
    if (opening.empty())
        return false;
    const std::vector<float> filtered = highPassed(opening);
    const auto [up, down] = bothSides(std::span<const float>(filtered), 0.0, 1.0);
    const double peak = std::max(up.sparkPeak, down.sparkPeak);
    double power = 0;
    for (std::size_t n = 0; n < opening.size(); ++n) {
        const double low = double(opening[n]) - double(filtered[n]);
        power += low * low;
    }
    const double amplitude = std::sqrt(2 * power / double(opening.size()));
    return peak > 0 && amplitude > kHumHiding * peak;
}

void removeHum(std::span<std::int16_t> s)
{
    if (s.empty())
        return;
    HighPass filter(kHumCorner, double(kRecordingRate), s[0]);
    for (std::int16_t& v : s)
        v = static_cast<std::int16_t>(std::clamp(nearest(filter.next(v)), -32767, 32767));
}

void removeDrift(std::span<std::int16_t> s)
{
    if (s.empty())
        return;
    std::vector<double> centre, level;
    std::vector<std::int16_t> block;
    for (std::size_t at = 0; at < s.size(); at += kDriftBlock) {
        const std::size_t end = std::min(s.size(), at + kDriftBlock);
        // Every fourth sample: plenty for the middle level of 100 ms.
        block.clear();
        for (std::size_t k = at; k < end; k += 4)
            block.push_back(s[k]);
        std::nth_element(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(block.size() / 2), block.end());
        centre.push_back(double(at + end - 1) / 2.0);
        level.push_back(block[block.size() / 2]);
    }
    // Flat before the first middle and after the last, straight between;
    // the line in 1/65 536 steps, so that the loop stays in integers.
    std::size_t k = 0;
    for (std::size_t b = 0; b < centre.size(); ++b) {
        const bool last = b + 1 == centre.size();
        const std::size_t upto = std::min(s.size(), last ? s.size() : static_cast<std::size_t>(centre[b + 1]) + 1);
        const double slope = last ? 0.0 : (level[b + 1] - level[b]) / (centre[b + 1] - centre[b]);
        const double from = b == 0 ? std::min(double(k), centre[0]) : double(k);
        auto base = static_cast<std::int64_t>(
            std::llround((level[b] + slope * (std::max(from, centre[b]) - centre[b])) * 65536.0));
        const auto rise = static_cast<std::int64_t>(std::llround(slope * 65536.0));
        for (; k < upto; ++k) {
            const std::int64_t v = std::int64_t(s[k]) - ((base + 32768) >> 16);
            s[k] = static_cast<std::int16_t>(std::clamp<std::int64_t>(v, -32767, 32767));
            if (b > 0 || double(k) >= centre[0])
                base += rise;
        }
    }
}

// From a histogram of the turned samples.
double gainWithinClipping(std::span<const std::int16_t> s, int sign, double wanted, double& clipped)
{
    std::vector<std::int64_t> counts(65536, 0);
    for (const std::int16_t v : s)
        ++counts[static_cast<std::size_t>(sign * int(v) + 32768)];
    // Samples above `top` or below `bottom` (turned values) clip.
    auto clippedAt = [&](double gain) {
        const double top = 127.5 / gain, bottom = -128.5 / gain;
        std::int64_t n = 0;
        for (int v = -32767; v <= 32767; ++v)
            if (double(v) > top || double(v) < bottom)
                n += counts[static_cast<std::size_t>(v + 32768)];
        return double(n) / double(s.size());
    };
    double gain = wanted;
    clipped = clippedAt(gain);
    if (clipped > kMostClipped) {
        double lo = 0, hi = wanted;
        for (int i = 0; i < 40; ++i) {
            const double mid = (lo + hi) / 2;
            (clippedAt(mid) > kMostClipped ? hi : lo) = mid;
        }
        gain = lo;
        clipped = clippedAt(gain);
    }
    return gain;
}

}  // namespace vornax::importing
