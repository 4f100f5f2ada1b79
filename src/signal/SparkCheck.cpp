#include "signal/SparkCheck.h"

#include "common/NumberText.h"
#include "common/Translation.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace vornax {
namespace {

constexpr std::ptrdiff_t kNeighbours = 8;  // intervals on each side of the local median
// A time since the last kept spark this far from a whole number of local
// intervals is no spark: a spark's interval changes by a few percent at most
// from one spark to the next, even in first gear.
constexpr double kOffRhythm = 0.3;

// Median of the intervals around interval k (the one ending at spark k + 1).
std::vector<double> localIntervals(const std::vector<double>& times)
{
    const auto count = static_cast<std::ptrdiff_t>(times.size()) - 1;
    std::vector<double> intervals(static_cast<std::size_t>(count));
    for (std::ptrdiff_t k = 0; k < count; ++k)
        intervals[std::size_t(k)] = times[std::size_t(k + 1)] - times[std::size_t(k)];
    std::vector<double> local(intervals.size());
    std::vector<double> window;
    for (std::ptrdiff_t k = 0; k < count; ++k) {
        const std::ptrdiff_t first = std::max<std::ptrdiff_t>(0, k - kNeighbours);
        const std::ptrdiff_t last = std::min(count - 1, k + kNeighbours);
        window.assign(intervals.begin() + first, intervals.begin() + last + 1);
        auto middle = window.begin() + std::ptrdiff_t(window.size() / 2);
        std::nth_element(window.begin(), middle, window.end());
        local[std::size_t(k)] = *middle;
    }
    return local;
}

// Spark steps from spark `from` to spark `to` measured in the local interval.
double stepsBetween(const std::vector<double>& times, const std::vector<double>& local, std::size_t from,
                    std::size_t to)
{
    const std::size_t interval = std::min(from, to);  // the interval leaving the earlier spark
    const double reference = local[std::min(interval, local.size() - 1)];
    return reference > 0 ? std::abs(times[to] - times[from]) / reference : 0.0;
}

struct Walk {
    std::vector<std::size_t> kept;  // in walking order, starting with the anchor
    std::vector<int> gaps;          // gaps[i]: steps between kept[i] and kept[i + 1]
};

// From the anchor towards one end (direction +1 or -1): keeps each pulse that
// lies a whole number of steps from the last kept one, unless the pulse after
// it claims the same step nearer the rhythm.
Walk walk(const std::vector<double>& times, const std::vector<double>& local, std::size_t anchor, int direction)
{
    Walk w;
    w.kept.push_back(anchor);
    const auto count = static_cast<std::ptrdiff_t>(times.size());
    std::size_t last = anchor;
    for (std::ptrdiff_t k = std::ptrdiff_t(anchor) + direction; k >= 0 && k < count; k += direction) {
        const double r = stepsBetween(times, local, last, std::size_t(k));
        const double steps = std::round(r);
        const double off = std::abs(r - steps);
        if (steps < 1 || off > kOffRhythm)
            continue;
        const std::ptrdiff_t next = k + direction;
        if (next >= 0 && next < count) {
            const double rNext = stepsBetween(times, local, last, std::size_t(next));
            if (std::round(rNext) == steps && std::abs(rNext - steps) < off)
                continue;
        }
        w.kept.push_back(std::size_t(k));
        w.gaps.push_back(static_cast<int>(steps));
        last = std::size_t(k);
    }
    return w;
}

// The first spark whose two following intervals both keep the rhythm: a
// pulse that cannot be a stray one to start the walks from.
std::size_t anchorSpark(const std::vector<double>& times, const std::vector<double>& local)
{
    for (std::size_t k = 0; k + 2 < times.size(); ++k) {
        const double a = stepsBetween(times, local, k, k + 1);
        const double b = stepsBetween(times, local, k + 1, k + 2);
        if (std::abs(a - 1) < kOffRhythm && std::abs(b - 1) < kOffRhythm)
            return k;
    }
    return 0;
}

std::string timeText(double time, bool decimalPoint)
{
    return formatPattern(time, Pattern::OneDecimal, decimalPoint ? DecimalMark::Point : DecimalMark::Comma);
}

}  // namespace

SparkCheck checkSparks(const std::vector<double>& times)
{
    SparkCheck check;
    check.sparks = static_cast<int>(times.size());
    check.steps.assign(times.size(), 1);
    if (times.size() < 4)
        return check;
    const std::vector<double> local = localIntervals(times);
    const std::size_t anchor = anchorSpark(times, local);
    const Walk forward = walk(times, local, anchor, +1);
    const Walk backward = walk(times, local, anchor, -1);

    std::fill(check.steps.begin(), check.steps.end(), 0);
    // Kept sparks in time order with the steps that lead to each.
    for (std::size_t i = 0; i < backward.gaps.size(); ++i)
        check.steps[backward.kept[i]] = backward.gaps[i];
    check.steps[backward.kept.back()] = 1;
    for (std::size_t i = 0; i < forward.gaps.size(); ++i)
        check.steps[forward.kept[i + 1]] = forward.gaps[i];

    std::size_t previous = times.size();
    for (std::size_t k = 0; k < times.size(); ++k) {
        const int steps = check.steps[k];
        if (steps == 0) {
            ++check.extra;
            check.extraTimes.push_back(times[k]);
            continue;
        }
        if (previous < times.size()) {
            for (int q = 1; q < steps; ++q)
                check.missedTimes.push_back(times[previous] + (times[k] - times[previous]) * q / steps);
            check.missed += steps - 1;
        }
        previous = k;
    }
    return check;
}

std::vector<double> suspectTimes(const SparkCheck& check, std::size_t count)
{
    std::vector<double> all;
    std::merge(check.missedTimes.begin(), check.missedTimes.end(), check.extraTimes.begin(), check.extraTimes.end(),
               std::back_inserter(all));
    if (all.size() > count)
        all.resize(count);
    return all;
}

std::string sparkCheckLine(const SparkCheck& check, bool decimalPoint)
{
    std::string line;
    if (check.missed > 0) {
        const std::string when = timeText(check.missedTimes.front(), decimalPoint);
        line = check.missed == 1
                   ? tx("SparkCheck", "1 missed spark near %1 s").arg(when).str()
                   : tx("SparkCheck", "%1 missed sparks near %2 s").arg(std::to_string(check.missed)).arg(when).str();
    }
    if (check.extra > 0) {
        if (!line.empty())
            line += ", ";
        const std::string when = timeText(check.extraTimes.front(), decimalPoint);
        line += check.extra == 1
                    ? tx("SparkCheck", "1 extra pulse near %1 s").arg(when).str()
                    : tx("SparkCheck", "%1 extra pulses near %2 s").arg(std::to_string(check.extra)).arg(when).str();
    }
    return line;
}

}  // namespace vornax
