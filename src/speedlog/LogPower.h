// The engine-speed curve of a pull in one gear, from a speed log: in one gear
// engine speed = road speed × overall ratio ÷ (2π × rolling radius), with the
// ratio and the radius read from the vehicle as the power computation reads
// them, so that the power computation turns the curve back into the same
// road speeds. The road speed is a smooth fit through the fixes (SpeedFit),
// written as an ordinary curve, one row every 10 ms (wider for a pull too
// long for the power computation's lines), that saves and loads as any other.
//
// A log is coarser than an ignition: the curve says in words when the log
// is too coarse for a power figure (under 5 fixes a second, gaps, a fix
// lost) and gives the power's uncertainty.
#pragma once

#include "common/Result.h"
#include "power/PowerInputs.h"
#include "signal/Curve.h"
#include "speedlog/SpeedLog.h"

#include <string>
#include <vector>

namespace vornax {

struct LogEngineCurve {
    Curve curve;                // rows 0..pointCount
    double rowSeconds = 0.01;   // 0,01 s, or a whole multiple of it for a long pull
    double from = 0, to = 0;    // s of the log: the stretch used
    double rate = 0;            // fixes per second of the stretch
    std::size_t fixes = 0;      // valid fixes used
    std::size_t gaps = 0;       // spacings over 2,5 times the usual
    double longestGap = 0;      // s
    std::size_t lostFixes = 0;  // fixes the receiver marked as lost, within the stretch
    // At the row where speed × acceleration is largest: its time, and one
    // standard deviation of the engine speed and of the power there, in
    // percent (the power counted as if all of it went into accelerating,
    // the drag share being known better).
    double peakTime = 0;
    double rpmUncertaintyPct = 0;
    double powerUncertaintyPct = 0;
    bool coarse = false;  // under 5 fixes a second, gaps or a lost fix: a rough curve
    // The sentences that say so ("The log has 1 fix a second: ..."), English.
    std::vector<std::string> notes;
};

// The curve of [from, to] of the log (times of the log, s) in the gear of
// `inputs`. Fails in words for too few fixes, a stretch in which the car
// does not move, or engine speeds outside 100 to 20 000 rpm (the wrong gear).
Result<LogEngineCurve> engineCurveFromLog(const SpeedLog& log, const PowerInputs& inputs, double from, double to);

// Fixes a second as a sentence writes it: "10", "2,5".
std::string fixesPerSecondText(double rate);

// The stretch to use when none is given: the longest pull of the log; fails
// in words when it has none.
Result<LogEngineCurve> engineCurveOfLongestPull(const SpeedLog& log, const PowerInputs& inputs,
                                                const std::string& name);

}  // namespace vornax
