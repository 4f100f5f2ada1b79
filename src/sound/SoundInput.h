// A recording of the engine's sound as samples. Any file the import reads
// (WAV of any sample format, FLAC, AAC, Opus, MP3, ...; any rate, any number
// of channels) is decoded through FFmpeg's libraries, its channels averaged
// (or one of them taken),
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
    int channel = 0;             // 1-based channel read; 0 for the mix of them all
    // Read as their mix, the least correlation of a channel with it: 1 when
    // every channel carries the same sound (at any level), 0,71 for two of
    // the same power that are unrelated, near 0 for a channel of next to
    // nothing. 1 for one channel, or one read alone.
    double likeness = 1;
    std::string codec;  // "pcm_s16le", "aac", ...
};

// The samples of a RIFF/WAVE file of 16-bit PCM held in memory, at the file's
// own rate (channels averaged); nothing for any other file.
std::optional<SoundSamples> pcm16Samples(std::string_view bytes);

// Reads `file`, its channels averaged or only its `channel` (1-based);
// fails with a message naming it: not found, empty, not an audio file, no
// audio stream, no such channel, no samples, damaged or truncated, a format
// changing midway. Progress 0..10 000; `proceed` stops it between decoded
// frames (failing with "cancelled").
Result<SoundSamples> readSoundSamples(const std::filesystem::path& file, const Progress& progress = {},
                                      const ProgressCheck& proceed = {}, int channel = 0);

}  // namespace vornax
