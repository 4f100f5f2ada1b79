// The precise engine-speed curve ("Précise"): instead of turning each spark
// interval into a speed and smoothing those, it fits the crank angle against
// time through every spark (the crank turns 1 / sparks-per-revolution of a
// revolution from one spark to the next) and takes the fit's slope as the
// engine speed. The result is an ordinary curve, one row every 10 ms, that
// saves and loads as any other. A pull too long for the power computation's
// lines at that spacing gets rows every 20, 30 ... ms instead, so that it
// still fits (`rowSeconds` tells which).
//
// The fit is a penalised spline: quintic B-splines on knots every 50 ms, the
// fourth differences of their coefficients penalised (so near the ends the
// curve continues as a cubic: no swing of the speed or of its slope). The
// amount of smoothing is chosen from the data: the spark times' own noise is
// measured from their fourth differences (sample quantisation plus detection
// jitter), and the smoothing is the largest that leaves residuals of that
// size (residual sum, in time, = sparks x noise variance).
//
// Pulses that are no ignition (an engine's sound, interference) give a
// "fit" that follows nothing: it is refused, in words, rather than drawn
// with an uncertainty that means nothing.
#pragma once

#include "common/CurveLimits.h"
#include "common/Result.h"
#include "common/WavHeader.h"
#include "signal/Curve.h"
#include "signal/SparkCheck.h"

#include <string>
#include <vector>

namespace vornax {

// The precise curve's row spacing, s: the power computation's time step.
inline constexpr double kPreciseRowSeconds = 0.01;

struct PreciseSettings {
    float sparksPerRev = 0.5f;  // 0.5 or 2
    // Rate of the recording the spark times come from: the timing noise is
    // never taken below a hundredth of a sample (the detection places a
    // spark between two bytes, so finer than the sample, but no finer than
    // that). 0 for exact times.
    double sampleRate = kRecordingRate;
    // Lines the saved curve may hold: past that at 10 ms the rows are spaced
    // by a whole number of 10 ms so that they fit (0: always 10 ms, up to
    // the table's rows).
    int maxSavedLines = kMaxPowerLines;
    // The least timing noise (s) of spark times whose errors are not
    // independent from one spark to the next, which their fourth differences
    // then see only in part: the virtual sparks of the engine's sound, whose
    // crank can wander slowly (SoundTrack::timingNoise). 0 for a pickup's.
    double leastTimingNoise = 0;
};

struct PreciseCurve {
    // Rows 0..pointCount at whole multiples of rowSeconds from the first kept
    // spark to the last (at most 32 000 rows; `truncated` when the span held
    // more).
    Curve curve;
    bool truncated = false;
    double rowSeconds = kPreciseRowSeconds;  // or a whole multiple of it for a long pull
    SparkCheck check;
    int sparksFitted = 0;    // kept by the check and by the residual pass
    int outliers = 0;        // kept by the check, then set aside: residual over 8 noise deviations
    double timingNoise = 0;  // s, one standard deviation of a spark time, as measured
    double smoothing = 0;    // the penalty weight chosen (relative to the data's own scale)
    // At the row where speed x acceleration (the power spent accelerating) is
    // largest: its time, and one standard deviation of the fitted speed and
    // of that power, in percent. The vehicle is not known here, so the power
    // figure counts the acceleration's uncertainty in full, as if all the
    // power went into accelerating (the drag share is known better), and
    // with it the rounding of the curve file the power is computed from.
    double peakTime = 0;
    // When the speed does not rise at that row the power's share is unknown:
    // powerUncertaintyPct is then infinite, never small.
    double rpmUncertaintyPct = 0;
    double powerUncertaintyPct = 0;
};

// `sparkTimes` in seconds, increasing (Detection::sparkTimes). Fails when
// fewer than two sparks are left after the check, and, with a message that
// says why, when the pulses are no ignition: more than a quarter of them off
// the rhythm, spark times scattered by more than 2 % of their interval, a fit
// that cannot come near them, or a fitted speed outside 100 to 20 000 rpm.
// Stops with "cancelled" when `proceed` answers false.
Result<PreciseCurve> preciseCurve(const std::vector<double>& sparkTimes, const PreciseSettings& settings,
                                  const ProgressCheck& proceed = {});

// A percentage of uncertainty with two significant digits, at most six
// decimals ("0,00017", "0,31", "2,3"; "0.31" with a decimal point); "> 100"
// from 100 on, infinite or not a number included.
std::string uncertaintyText(double percent, bool decimalPoint);

// The uncertainty as the WAV window shows it, in the language in force:
// "Precise: engine speed ± 0.052 %, power ± 0.31 % (1 standard deviation)"
// ("Précise : régime ± 0,052 %, puissance ± 0,31 % (1 écart-type)"), from
// the precise curve's rpmUncertaintyPct and powerUncertaintyPct.
std::string uncertaintyLine(double rpmPct, double powerPct, bool decimalPoint);

// The sentence that tells of wider rows ("The pull lasts 55,3 s: the precise
// curve has one row every 20 ms so that the power computation reads it
// whole"), empty for rows every 10 ms.
std::string rowSpacingNote(const PreciseCurve& precise, bool decimalPoint);

}  // namespace vornax
