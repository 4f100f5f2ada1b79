// Whether the pulses a detection found can be the sparks of a running engine.
// A spark train keeps a rhythm: each interval is within a few percent of its
// neighbours, the speed it gives moves smoothly and stays between a slow idle
// and what no road engine turns. White noise, mains hum or the sound of the
// engine picked up by a phone give pulses too, but no such train: their
// intervals scatter, the spark check finds many of them off the rhythm, and
// the speed they give leaves any engine's range. Such a detection is no curve
// to compute a power from.
#pragma once

#include "signal/SparkCheck.h"

#include <optional>
#include <string>
#include <vector>

namespace vornax {

// Above what any road engine turns, with a margin for a run that ends at a
// 12 000 rpm limiter.
inline constexpr double kFastestEngineRpm = 12500;
inline constexpr double kSlowestEngineRpm = 300;

struct SignalVerdict {
    enum class Fault {
        None,
        TooFew,     // too few pulses to be a run
        TooFast,    // the speed lies above any engine's
        TooSlow,    // the speed lies below a running engine's
        OffRhythm,  // the spark check finds a large share of the pulses suspect
        Scattered,  // neighbouring intervals differ by far more than an engine's
        Jumps,      // the speed jumps by thousands of rpm from one spark to the next
        Mains,      // pulses at the mains frequency all along: hum, not a run
    };
    Fault fault = Fault::None;
    int sparks = 0;
    double suspectShare = 0;  // (missed + extra) / sparks
    double scatterPct = 0;    // median change from one kept interval to the next, % of the interval
    double lowRpm = 0;        // 2nd percentile of the speed between kept sparks
    double highRpm = 0;       // 98th percentile
    double jumpShare = 0;     // share of neighbouring speeds more than 1 000 rpm apart
    double largestJumpRpm = 0;
    double mainsHz = 0;                 // with Fault::Mains: 50, 60, 100 or 120
    std::optional<float> sparksPerRev;  // the speeds' setting; none: judged for either
    bool trustworthy() const { return fault == Fault::None; }
};

// Judges spark times (increasing, seconds) with their spark check. With no
// `sparksPerRev`, the speed range passes when either setting (0,5 or 2)
// puts the pulses inside it, and the figures are those of that setting
// (0,5 when both do).
SignalVerdict judgeSparks(const std::vector<double>& times, const SparkCheck& check, std::optional<float> sparksPerRev);
inline SignalVerdict judgeSparks(const std::vector<double>& times, std::optional<float> sparksPerRev)
{
    return judgeSparks(times, checkSparks(times), sparksPerRev);
}

// What was seen, in the language in force, empty for a trustworthy
// detection: "not an ignition signal: the engine speed reaches 38224 rpm",
// with a decimal point or comma in its figures.
std::string signalVerdictLine(const SignalVerdict& verdict, bool decimalPoint);

}  // namespace vornax
