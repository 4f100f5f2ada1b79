// Made-up ignition recordings with a known engine speed: what the tests, the
// benchmarks and the demonstration feed to the detection, so that what comes
// back can be checked against what went in.
#pragma once

#include "common/WavHeader.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vornax {

// A 44-byte-header PCM WAV around the given data bytes (8-bit mono 44 100 Hz
// unless told otherwise). blockAlign = channels x bits / 8.
std::string makeWav(std::string_view data, std::uint32_t sampleRate = kRecordingRate, std::uint16_t channels = 1,
                    std::uint16_t bitsPerSample = 8);

struct SyntheticRecording {
    std::string wav;                   // the whole file
    std::vector<std::int64_t> sparks;  // data index (0-based) of each spark's first sample
};

struct IgnitionSignal {
    double seconds = 20.0;
    // Engine speed in rpm at a time in seconds.
    std::function<double(double)> rpm = [](double t) { return 1500.0 + 300.0 * t; };
    double sparksPerRev = 0.5;  // 0.5: one spark every second revolution
    int noise = 2;              // +- byte noise on the resting level
    double jitter = 0.0;        // each spark interval varies at random by up to +- this share (0.03: 3 %)
    unsigned seed = 1;
};

// 8-bit mono 44 100 Hz: silence at 128 with a little noise, and at each spark
// a sharp spike (peak 230), a burn plateau near 150 for about 1.5 ms and a
// ringing that dies within 4 ms; only the spike reaches the usual threshold
// of 165. Sparks are at least 170 samples apart up to 7 700 rpm at 0.5 spark
// per revolution.
SyntheticRecording makeIgnitionRecording(const IgnitionSignal& signal);

}  // namespace vornax
