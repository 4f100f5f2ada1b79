// The canonical 44-byte header of a PCM WAV file: RIFF, a 16-byte "fmt "
// chunk and the "data" chunk's size, every number little-endian.
#pragma once

#include <cstdint>
#include <string>

namespace vornax {

inline constexpr std::size_t kPcmWavHeaderBytes = 44;

// Samples per second of every recording the program makes and reads: the
// recorder's, the conditioning's and the synthetic ones.
inline constexpr int kRecordingRate = 44100;

std::string pcmWavHeader(std::uint32_t dataBytes, std::uint32_t sampleRate, std::uint16_t channels,
                         std::uint16_t bitsPerSample);

}  // namespace vornax
