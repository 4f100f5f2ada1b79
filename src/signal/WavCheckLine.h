// The line under the WAV window's engine-speed plot: what the spark check
// found, or how sure the track of the engine's sound is, then the precise
// curve's uncertainty; said loudly, with the reason the curve is not saved,
// when the curve is no measurement. In the language in force, its figures
// with a decimal comma.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vornax {

struct CheckLine {
    std::string text;
    // Why the curve on show is no measurement; empty when it is one.
    std::string untrusted;
    bool loud = false;  // in bold red
};

// The precise curve's engine speed's and power's uncertainty, in percent.
using PreciseUncertainty = std::pair<double, double>;

// The ignition's line: the sparks of the last detection (none after a curve
// file), whether it found too few for a curve at `threshold`, and the sparks
// per revolution chosen.
struct SparkLineInput {
    bool tooFewSparks = false;
    int threshold = 0;
    const std::vector<double>* sparkTimes = nullptr;
    float sparksPerRev = 0.5f;
    std::optional<PreciseUncertainty> precise;
};
CheckLine sparkLine(const SparkLineInput& input);

// The engine's sound's line, from its track's figures.
struct SoundLineInput {
    double firingsPerRev = 2;
    double pullStart = 0, pullEnd = 0;  // s
    double followedShare = 1;           // of the pull
    double medianConfidenceDb = 0;
    int channels = 1;  // of the recording
    int channel = 0;   // 1-based channel tracked, 0 for the mix
    std::vector<double> steadyLinesHz;  // hum taken out
    // The track's own, in the language in force: the stretches the firing
    // cannot be followed among them.
    std::vector<std::string> warnings;
    bool sure = true;
    bool orderSuspect = false;
    std::optional<PreciseUncertainty> precise;
    // Why the precise curve's power is far off, empty when it is not.
    std::string powerDoubt;
};
CheckLine soundLine(const SoundLineInput& input);

}  // namespace vornax
