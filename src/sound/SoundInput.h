// A recording of the engine's sound as samples. Any file the import reads
// (WAV of any sample format, FLAC, AAC, Opus, MP3, ...; any rate, any number
// of channels) is decoded through FFmpeg's libraries, its channels averaged,
// and brought down to the tracker's working rate while it is decoded
// (Decimator), so that an hour's recording holds only its low-rate signal:
// about 20 MB a quarter of an hour.
#pragma once

#include "common/Result.h"
#include "signal/Curve.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vornax {

struct SoundSamples {
    std::vector<float> samples;  // mono, full scale +-1
    double rate = 0;             // Hz
    double fileRate = 0;         // Hz, of the file before decimation
    int channels = 0;            // of the file
    std::string codec;           // "pcm_s16le", "aac", ...
};

// The samples of a RIFF/WAVE file of 16-bit PCM held in memory, at the file's
// own rate (channels averaged); nothing for any other file.
std::optional<SoundSamples> pcm16Samples(std::string_view bytes);

// Reads `file`; fails with a message naming it: not found, empty, not an
// audio file, no audio stream, no samples, damaged or truncated, a format
// changing midway. Progress 0..10 000; `proceed` stops it between decoded
// frames (failing with "cancelled").
Result<SoundSamples> readSoundSamples(const std::filesystem::path& file, const Progress& progress = {},
                                      const ProgressCheck& proceed = {});

}  // namespace vornax
