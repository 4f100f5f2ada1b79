// Recordings built byte by byte for the signal tests: silence at 128 with
// pulses at chosen data indices, so each spark's file position is known
// (data index d is at file position 45 + d in a 44-byte-header file).
#pragma once

#include "signal/SyntheticRecording.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vornax::testing {

struct Pulse {
    std::int64_t at;  // first data index
    int width = 3;    // samples
    int value = 200;  // byte value during the pulse
};

inline std::string pulseData(std::int64_t length, const std::vector<Pulse>& pulses, int rest = 128)
{
    std::string data(static_cast<std::size_t>(length), static_cast<char>(rest));
    for (const Pulse& p : pulses)
        for (int k = 0; k < p.width && p.at + k < length; ++k)
            data[static_cast<std::size_t>(p.at + k)] = static_cast<char>(p.value);
    return data;
}

inline std::string pulseWav(std::int64_t length, const std::vector<Pulse>& pulses, int rest = 128)
{
    return makeWav(pulseData(length, pulses, rest));
}

// Pulses every `period` samples from `first`.
inline std::vector<Pulse> pulseTrain(std::int64_t first, std::int64_t period, int count, int value = 200)
{
    std::vector<Pulse> pulses;
    for (int k = 0; k < count; ++k)
        pulses.push_back({first + k * period, 3, value});
    return pulses;
}

// File position of data index d in a 44-byte-header file.
constexpr std::int64_t position(std::int64_t d) { return 45 + d; }

}  // namespace vornax::testing
