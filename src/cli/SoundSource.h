// The engine's sound as the source of `vornax rpm` (--source sound): the
// options of the engine, and the run from recording to curve file.
#pragma once

#include "sound/EngineSoundTracker.h"

#include <CLI/CLI.hpp>

#include <string>

namespace vornax::cli {

struct SoundRpmOptions {
    std::string source = "ignition";
    std::string cylinders = "4", strokes = "4", rpmRange = "800:8000";
    // `--channel`: auto (the mix, or the channel that carries the engine
    // where the channels differ), left, right, mix or a number.
    std::string channel = "auto";
    // `--write-untrusted`: a precise curve whose power is too uncertain is
    // written anyway, with the warning.
    bool writeUntrusted = false;
};

void addSoundRpmOptions(CLI::App* rpm, SoundRpmOptions& options);

// The engine of the options; UsageError for a count, stroke or range that
// describes none.
SoundSettings soundSettings(const SoundRpmOptions& options);

// Nothing done (false) for the ignition source. For the sound: tracks the
// firing, writes the precise curve (a `method` of "standard" is a
// UsageError: spark to spark the sound's speeds are no curve for a power) and
// reports; BadInput, with nothing written, for a recording
// whose firing can't be followed through the pull or whose speed suggests
// the wrong order.
bool runSoundRpm(const SoundRpmOptions& options, const std::string& input, const std::string& output,
                 const std::string& method, bool json);

// The sound source's work, once the source is known to be the sound: in the
// media program the tracking; `vornax` hands the whole command over to the
// media program here, before anything is read or written.
void runSoundTracking(const SoundRpmOptions& options, const std::string& input, const std::string& output,
                      const std::string& method, bool json);

}  // namespace vornax::cli
