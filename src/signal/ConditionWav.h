// The WAV conditioning tool ("Filtre Wav"): writes a smoothed, levelled copy
// of a recording as an 8-bit mono 44 100 Hz file.
#pragma once

#include "common/Result.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace vornax {

// The conditioned file's bytes, from the input file's bytes:
//  - frames = data size / block align; buffer indices 1..frames take the
//    bytes at file positions 1..frames (the header bytes included, as the
//    tool always did), index 0 is 0, positions past the end give 0;
//  - smoothing: y[k] = nearest(0.8 y[k-1] + 55/255 x[k]) - 1;
//  - levelling in blocks of 501 samples (each block's last sample is the
//    next one's first) towards the amplitude of the whole signal;
//  - a 44-byte header (PCM, mono, 44 100 Hz, 8 bits, block align 1, data
//    size frames) then indices 0..frames-1.
// Fails with the header scan's "Erreur", or when a smoothed value leaves
// 0..255 (there is no byte to store it in), naming the sample.
Result<std::string> conditionedWav(std::string_view input);

// `ConditionWav` from file to file. Refuses to write over its input; writes
// through a temporary file, so on any failure no output file appears.
Status ConditionWav(const std::filesystem::path& input, const std::filesystem::path& output);

}  // namespace vornax
