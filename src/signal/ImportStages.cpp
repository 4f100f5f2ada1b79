#include "signal/ImportStages.h"

#include "signal/AutoThreshold.h"

#include <algorithm>
#include <cmath>

namespace vornax::importing {

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
