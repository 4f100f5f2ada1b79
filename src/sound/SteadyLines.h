// Steady lines in a recording of the engine's sound: mains hum and its
// harmonics from a recorder on the mains, a steady whine. They hold their
// pitch while the engine's harmonics sweep through them; a line louder than
// the engine where a harmonic crosses it would take that harmonic's phase,
// and its steady place would pull the salience of every speed whose
// harmonics or half-way points fall on it.
//
// Found on the recording cut into segments of about three seconds: a line
// is a bin that stands 20 dB above its neighbourhood (the median of 4 Hz
// either side) in three quarters of the segments or more, at the same
// frequency. The engine's own harmonics stand so only where its speed holds
// that steady for most of the recording.
//
// Taken out by a narrow notch at each line's frequency (about 0,16 Hz
// wide), run forward then backward so that it shifts no phase: a harmonic
// crossing it loses its power for the few hundredths of a second it is
// inside, and is not delayed.
#pragma once

#include <span>
#include <vector>

namespace vornax {

struct SteadyLine {
    double hz = 0;
    double db = 0;  // above the neighbourhood, the mean over the segments it stands in
};

// The steady lines of `y` (at `rate` Hz) from `lowHz` to `highHz`; none for
// a recording too short for four segments of 1 024 samples.
std::vector<SteadyLine> findSteadyLines(std::span<const float> y, double rate, double lowHz, double highHz);

// `y` without `lines`.
void removeSteadyLines(std::vector<float>& y, double rate, std::span<const SteadyLine> lines);

}  // namespace vornax
