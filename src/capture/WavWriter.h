// The recorder's WAV files: PCM, mono, 8 bits per sample (unsigned, silence at
// 128), 44 100 samples per second, behind the standard 44-byte header. The
// data chunk is not padded to an even length: the WAV window reads every byte
// after the header as a sample, so a pad byte would turn into a false sample.
#pragma once

#include "common/Result.h"
#include "common/WavHeader.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace vornax {

inline constexpr std::size_t kWavHeaderBytes = 44;

// The largest sample count whose RIFF size (data size + 36) still fits the
// header's 32-bit field. Recordings stop growing there.
inline constexpr std::uint64_t kMaxRecordingSamples = 0xFFFFFFFFull - 36;

// The 44-byte header of a recording of `samples` bytes of data.
// samples must not exceed kMaxRecordingSamples.
std::string wavHeader(std::uint32_t samples);

// Header followed by the samples, ready to be written as one file.
std::string wavFileBytes(std::span<const std::uint8_t> samples);

// Writes the recording as a WAV file through writeFileAtomically: the target
// is replaced only once the new file is complete. Refuses recordings longer
// than kMaxRecordingSamples.
Status writeWavFile(const std::filesystem::path& file, std::span<const std::uint8_t> samples);

// The microphone's recordings: PCM, mono, 16 bits (little-endian) at `rate`,
// behind the same 44-byte header. Refuses more samples than the header can
// count.
std::string wav16FileBytes(std::span<const std::int16_t> samples, int rate);
Status writeWav16File(const std::filesystem::path& file, std::span<const std::int16_t> samples, int rate);

}  // namespace vornax
