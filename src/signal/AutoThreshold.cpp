#include "signal/AutoThreshold.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vornax {
namespace {

constexpr std::size_t kBlock = 66;  // 1.5 ms at 44 100 Hz

// Events of both sides in one pass: the block heights above and below rest,
// and of those the blocks at least as high as their neighbours (a spark's
// peak block, not its flanks; every block of an even noise). Only the
// events are kept: a one-hour recording has 2.4 million blocks.
template <typename T>
void eventHeights(std::span<const T> samples, double rest, std::vector<float>& up, std::vector<float>& down,
                  std::size_t& blocks)
{
    struct Side {
        std::vector<float>& events;
        float before = -1.0f, current = -1.0f;
        void next(float height)  // `current` is an event when no lower than either neighbour
        {
            if (current >= 0 && current >= before && current >= height)
                events.push_back(current);
            before = current;
            current = height;
        }
    };
    Side high{up}, low{down};
    blocks = 0;
    for (std::size_t at = 0; at < samples.size(); at += kBlock, ++blocks) {
        const std::size_t end = std::min(samples.size(), at + kBlock);
        T most = samples[at], least = samples[at];
        for (std::size_t k = at + 1; k < end; ++k) {
            most = std::max(most, samples[k]);
            least = std::min(least, samples[k]);
        }
        high.next(static_cast<float>(std::max(0.0, double(most) - rest)));
        low.next(static_cast<float>(std::max(0.0, rest - double(least))));
    }
    high.next(-1.0f);
    low.next(-1.0f);
}

SideLevels levelsOf(std::vector<float> events, std::size_t blocks, double unit)
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

template <typename T>
BothSides bothSidesOf(std::span<const T> samples, double rest, double unit)
{
    std::vector<float> up, down;
    std::size_t blocks = 0;
    eventHeights(samples, rest, up, down, blocks);
    return {levelsOf(std::move(up), blocks, unit), levelsOf(std::move(down), blocks, unit)};
}

}  // namespace

BothSides bothSides(std::span<const std::int16_t> samples, double rest, double unit)
{
    return bothSidesOf(samples, rest, unit);
}

BothSides bothSides(std::span<const std::uint8_t> samples, double rest, double unit)
{
    return bothSidesOf(samples, rest, unit);
}

BothSides bothSides(std::span<const float> samples, double rest, double unit)
{
    return bothSidesOf(samples, rest, unit);
}

AutoSettings autoThreshold(std::span<const std::uint8_t> samples, std::optional<bool> lowPolarity)
{
    const auto [up, down] = bothSides(samples, 128.0, 1.0);
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
