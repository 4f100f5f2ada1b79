#include "signal/SignalVerdict.h"

#include "common/Physics.h"
#include "common/NumberText.h"
#include "common/Translation.h"

#include <algorithm>
#include <cmath>

namespace vornax {
namespace {

// Fewer pulses than this are no run of an engine through a gear.
constexpr int kFewest = 10;
// The spark check of a clean run finds nothing; a run with a faint pickup
// misses a few percent of its sparks. Noise and engine sound leave the rhythm
// for a quarter to most of their pulses.
constexpr double kMostSuspect = 0.10;
// From one spark to the next an engine's interval changes by well under 1 %
// (a fast first gear) and a worn distributor adds a percent or two; pulses of
// noise, gated by the anti-bounce gap, scatter by 10 % and more.
constexpr double kMostScatterPct = 2.5;
constexpr double kJumpRpm = 1000;
constexpr double kMostJumpShare = 0.02;

// A run through a gear changes its speed; pulses that keep to the mains
// period within this share all along are hum.
constexpr double kMainsTolerance = 0.03;

double mainsOf(const std::vector<double>& intervals)
{
    std::vector<double> sorted = intervals;
    std::sort(sorted.begin(), sorted.end());
    const double low = sorted[sorted.size() * 2 / 100], high = sorted[sorted.size() * 98 / 100];
    for (const double hz : {50.0, 60.0}) {
        const double period = 1.0 / hz;
        if (low > period * (1 - kMainsTolerance) && high < period * (1 + kMainsTolerance))
            return hz;
    }
    return 0;
}

double percentile(std::vector<double> values, double share)
{
    if (values.empty())
        return 0;
    const auto at = static_cast<std::ptrdiff_t>(std::round(share * double(values.size() - 1)));
    std::nth_element(values.begin(), values.begin() + at, values.end());
    return values[std::size_t(at)];
}

struct Speeds {
    double low = 0, high = 0, jumpShare = 0, largestJump = 0;
};

Speeds speedsOf(const std::vector<double>& intervals, float sparksPerRev)
{
    Speeds s;
    std::vector<double> rpm;
    rpm.reserve(intervals.size());
    for (const double i : intervals)
        rpm.push_back(physics::kSecondsPerMinute / sparksPerRev / i);
    s.low = percentile(rpm, 0.02);
    s.high = percentile(rpm, 0.98);
    int jumps = 0;
    for (std::size_t k = 1; k < rpm.size(); ++k) {
        const double jump = std::abs(rpm[k] - rpm[k - 1]);
        s.largestJump = std::max(s.largestJump, jump);
        jumps += jump > kJumpRpm;
    }
    s.jumpShare = rpm.size() > 1 ? double(jumps) / double(rpm.size() - 1) : 0.0;
    return s;
}

bool inRange(const Speeds& s) { return s.high <= kFastestEngineRpm && s.low >= kSlowestEngineRpm; }

std::string figure(double value, Pattern pattern, bool decimalPoint)
{
    return formatPattern(value, pattern, decimalPoint ? DecimalMark::Point : DecimalMark::Comma);
}

}  // namespace

SignalVerdict judgeSparks(const std::vector<double>& times, const SparkCheck& check, std::optional<float> sparksPerRev)
{
    SignalVerdict v;
    v.sparks = static_cast<int>(times.size());
    v.sparksPerRev = sparksPerRev;
    if (v.sparks < kFewest || check.steps.size() != times.size()) {
        v.fault = SignalVerdict::Fault::TooFew;
        return v;
    }
    v.suspectShare = double(check.missed + check.extra) / double(v.sparks);

    // The interval of one spark step between kept sparks.
    std::vector<double> intervals;
    std::size_t previous = times.size();
    for (std::size_t k = 0; k < times.size(); ++k) {
        if (check.steps[k] == 0)
            continue;
        if (previous < times.size() && times[k] > times[previous])
            intervals.push_back((times[k] - times[previous]) / check.steps[k]);
        previous = k;
    }
    if (intervals.size() + 1 < std::size_t(kFewest)) {
        v.fault = SignalVerdict::Fault::TooFew;
        return v;
    }
    std::vector<double> changes;
    changes.reserve(intervals.size());
    for (std::size_t k = 1; k < intervals.size(); ++k)
        changes.push_back(100.0 * std::abs(intervals[k] - intervals[k - 1]) / intervals[k]);
    v.scatterPct = percentile(changes, 0.5);

    Speeds speeds = speedsOf(intervals, sparksPerRev.value_or(0.5f));
    if (!sparksPerRev && !inRange(speeds)) {
        const Speeds other = speedsOf(intervals, 2.0f);
        if (inRange(other)) {
            speeds = other;
            v.sparksPerRev = 2.0f;
        }
    }
    v.lowRpm = speeds.low;
    v.highRpm = speeds.high;
    v.jumpShare = speeds.jumpShare;
    v.largestJumpRpm = speeds.largestJump;

    v.mainsHz = mainsOf(intervals);

    using Fault = SignalVerdict::Fault;
    if (v.mainsHz > 0)
        v.fault = Fault::Mains;
    else if (v.highRpm > kFastestEngineRpm)
        v.fault = Fault::TooFast;
    else if (v.lowRpm < kSlowestEngineRpm)
        v.fault = Fault::TooSlow;
    else if (v.suspectShare > kMostSuspect)
        v.fault = Fault::OffRhythm;
    else if (v.scatterPct > kMostScatterPct)
        v.fault = Fault::Scattered;
    else if (v.jumpShare > kMostJumpShare)
        v.fault = Fault::Jumps;
    return v;
}

std::string signalVerdictLine(const SignalVerdict& v, bool decimalPoint)
{
    using Fault = SignalVerdict::Fault;
    switch (v.fault) {
    case Fault::None: return {};
    case Fault::TooFew:
        return tx("SignalVerdict", "not an ignition signal: only %1 pulses, too few for a run")
            .arg(std::to_string(v.sparks))
            .str();
    case Fault::TooFast:
        return tx("SignalVerdict", "not an ignition signal: the engine speed reaches %1 rpm")
            .arg(figure(v.highRpm, Pattern::Whole, decimalPoint))
            .str();
    case Fault::TooSlow:
        return tx("SignalVerdict", "not an ignition signal: the engine speed falls to %1 rpm")
            .arg(figure(v.lowRpm, Pattern::Whole, decimalPoint))
            .str();
    case Fault::OffRhythm:
        return tx("SignalVerdict", "not an ignition signal: %1 % of the pulses are off the rhythm of a spark train")
            .arg(figure(100.0 * v.suspectShare, Pattern::Whole, decimalPoint))
            .str();
    case Fault::Scattered:
        return tx("SignalVerdict", "not an ignition signal: the intervals change by %1 % from one pulse to the next")
            .arg(figure(v.scatterPct, Pattern::OneDecimal, decimalPoint))
            .str();
    case Fault::Mains:
        return tx("SignalVerdict", "not an ignition signal: pulses at %1 Hz all along, mains hum")
            .arg(figure(v.mainsHz, Pattern::Whole, decimalPoint))
            .str();
    case Fault::Jumps:
        return tx("SignalVerdict", "not an ignition signal: the engine speed jumps by up to %1 rpm from one spark to "
                                   "the next")
            .arg(figure(v.largestJumpRpm, Pattern::Whole, decimalPoint))
            .str();
    }
    return {};
}

}  // namespace vornax
