// The recorded ignition signal: unsigned 8-bit samples at 44 100 Hz, resting
// near 128 on a slowly wandering, noisy background, with one short ringing
// pulse for each spark, as an inductive pickup on a plug lead gives it.
#pragma once

#include "common/WavHeader.h"

#include <string>
#include <vector>

namespace vornax {

struct WaveformSettings {
    double seconds = 0;        // length of the recording
    bool lowPolarity = false;  // pulses swing downwards first ("1 - 128")
    double noise = 2.0;        // standard deviation of the random part, in sample steps
    unsigned seed = 1;
};

// The samples (one byte each). Each pulse starts at its spark time and rings
// at 2 kHz, decaying with a time constant of 0,6 ms: its first swing
// reaches 105 to 123 steps from the rest level (spark strengths vary by
// +-8 %), and the ringing is under 12 steps 1,5 ms after the spark, so the
// usual thresholds (165 upwards, 50 downwards) see one crossing per spark
// outside the detection's anti-bounce gap of 3 ms.
std::string ignitionSamples(const std::vector<double>& sparkTimes, const WaveformSettings& settings);

}  // namespace vornax
