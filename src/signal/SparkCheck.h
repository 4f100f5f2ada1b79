// A check of the detected sparks: an interval about k times its neighbours'
// holds k - 1 sparks the detection missed; a pulse that comes far too early
// (off the rhythm of its neighbours) is an extra pulse, not a spark. The
// precise curve uses the result to give every kept spark its crank angle.
#pragma once

#include <string>
#include <vector>

namespace vornax {

struct SparkCheck {
    int sparks = 0;  // spark times checked
    int missed = 0;  // sparks missing inside the long intervals
    int extra = 0;   // pulses dropped as too early
    // Where each missing spark should have been, and where each dropped
    // pulse was, s, in time order.
    std::vector<double> missedTimes;
    std::vector<double> extraTimes;
    // Per spark time: how many spark steps the crank turned since the
    // previous kept spark (1 normally, k after k - 1 missed sparks), or 0 for
    // a dropped pulse. The first spark has step 1.
    std::vector<int> steps;
};

// `times` in increasing order, seconds. Each interval is compared with the
// median of the 16 intervals around it (8 on each side): the time since the
// last kept spark, in those local intervals, rounds to the spark steps turned.
// A pulse that lies far from a whole number of steps is extra; of two pulses
// claiming the same step the one nearer the rhythm is kept. Fewer than 4
// times are not checked (every step 1).
SparkCheck checkSparks(const std::vector<double>& times);

// Both kinds of suspect times merged in time order, at most `count`.
std::vector<double> suspectTimes(const SparkCheck& check, std::size_t count);

// The line the WAV window shows under its plot, empty when nothing was found:
// "3 missed sparks near 12.4 s" in the language in force ("3 étincelles
// manquantes vers 12,4 s"), then the extra pulses likewise; the time is the
// first suspect's, with a decimal point or a decimal comma.
std::string sparkCheckLine(const SparkCheck& check, bool decimalPoint);

}  // namespace vornax
