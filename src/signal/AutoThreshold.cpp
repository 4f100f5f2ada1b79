#include "signal/AutoThreshold.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vornax {
namespace {

constexpr std::size_t kBlock = 66;  // 1.5 ms at 44 100 Hz

template <typename T>
std::vector<double> eventHeights(std::span<const T> samples, double rest, bool up, std::size_t& blocks)
{
    std::vector<double> heights;
    heights.reserve(samples.size() / kBlock + 1);
    for (std::size_t at = 0; at < samples.size(); at += kBlock) {
        const std::size_t end = std::min(samples.size(), at + kBlock);
        double high = 0;
        for (std::size_t k = at; k < end; ++k) {
            const double d = up ? double(samples[k]) - rest : rest - double(samples[k]);
            high = std::max(high, d);
        }
        heights.push_back(high);
    }
    blocks = heights.size();
    // Keep the blocks at least as high as their neighbours: a spark's peak
    // block, not its flanks; every block of an even noise.
    std::vector<double> events;
    for (std::size_t b = 0; b < heights.size(); ++b) {
        const double left = b > 0 ? heights[b - 1] : -1.0;
        const double right = b + 1 < heights.size() ? heights[b + 1] : -1.0;
        if (heights[b] >= left && heights[b] >= right)
            events.push_back(heights[b]);
    }
    return events;
}

SideLevels levelsOf(std::vector<double> events, std::size_t blocks, double unit)
{
    SideLevels levels;
    if (events.empty())
        return levels;
    std::sort(events.begin(), events.end());
    const std::size_t n = events.size();
    const std::size_t middle = n / 2;
    levels.noise = events[middle];
    const std::size_t fewest = std::max<std::size_t>(3, blocks * 3 / 1000);
    if (n < fewest + 1 || middle + fewest >= n)
        return levels;
    // The widest gap in ratio; the offset keeps a noise of a few steps from
    // showing wide ratios between its own small values.
    const double offset = std::max(levels.noise, unit);
    std::size_t best = n;
    double widest = 0;
    for (std::size_t i = middle; i + fewest < n; ++i) {
        const double gap = std::log(events[i + 1] + offset) - std::log(events[i] + offset);
        if (gap > widest) {
            widest = gap;
            best = i;
        }
    }
    if (best == n)
        return levels;
    levels.gapLow = events[best];
    levels.gapHigh = events[best + 1];
    levels.sparks = static_cast<std::int64_t>(n - best - 1);
    levels.sparkPeak = events[best + 1 + (n - best - 1) / 2];
    return levels;
}

}  // namespace

SideLevels sideLevels(std::span<const std::int16_t> samples, double rest, bool up, double unit)
{
    std::size_t blocks = 0;
    auto events = eventHeights(samples, rest, up, blocks);
    return levelsOf(std::move(events), blocks, unit);
}

SideLevels sideLevels(std::span<const std::uint8_t> samples, double rest, bool up, double unit)
{
    std::size_t blocks = 0;
    auto events = eventHeights(samples, rest, up, blocks);
    return levelsOf(std::move(events), blocks, unit);
}

SideLevels sideLevels(std::span<const float> samples, double rest, bool up, double unit)
{
    std::size_t blocks = 0;
    auto events = eventHeights(samples, rest, up, blocks);
    return levelsOf(std::move(events), blocks, unit);
}

AutoSettings autoThreshold(std::span<const std::uint8_t> samples, std::optional<bool> lowPolarity)
{
    const SideLevels up = sideLevels(samples, 128.0, true, 1.0);
    const SideLevels down = sideLevels(samples, 128.0, false, 1.0);
    const bool low = lowPolarity ? *lowPolarity : down.standing() > up.standing();
    AutoSettings settings;
    if (low)
        settings = {50, true};
    const SideLevels& side = low ? down : up;
    if (side.sparks == 0)
        return settings;
    // The first whole step above the gap's lower edge, halfway to its top.
    const int level = static_cast<int>(std::floor((side.gapLow + side.gapHigh) / 2.0)) + 1;
    settings.lowPolarity = low;
    settings.threshold = low ? std::clamp(128 - level, 1, 128) : std::clamp(128 + level, 128, 255);
    return settings;
}

}  // namespace vornax
