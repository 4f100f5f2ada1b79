// A recording of the engine's sound as samples: a 16-bit PCM WAV (any rate,
// any number of channels) is read as it stands, every other file goes
// through the import (its channels mixed, 44 100 Hz).
#pragma once

#include "common/Result.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace vornax {

struct SoundSamples {
    std::vector<float> samples;  // mono, full scale +-1
    double rate = 0;             // Hz
};

// The samples of a RIFF/WAVE file of 16-bit PCM (channels averaged);
// nothing for any other file.
std::optional<SoundSamples> pcm16Samples(std::string_view bytes);

// Reads `file`; fails with the import's message.
Result<SoundSamples> readSoundSamples(const std::filesystem::path& file);

}  // namespace vornax
