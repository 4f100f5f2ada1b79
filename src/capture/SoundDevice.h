// The sound device the recorder drives: one capture at a time, always
// recorded as mono, 8 bits, 44 100 samples per second whatever the input
// offers. The Qt implementation (QtSoundDevice) is the real one; tests use a
// scripted fake.
#pragma once

#include "common/Result.h"

#include <filesystem>
#include <string>

namespace vornax {

// The words mode() gives, shown as they are in the recorder's status line.
namespace modeword {
inline constexpr const char* kNotReady = "not ready";  // no capture open
inline constexpr const char* kStopped = "stopped";     // open, neither recording nor playing
inline constexpr const char* kRecording = "recording";
inline constexpr const char* kPlaying = "playing";
inline constexpr const char* kNoInput = "no sound input";  // open, but the system has no sound input
}  // namespace modeword

class SoundDevice {
public:
    virtual ~SoundDevice() = default;

    // Ends any capture (recording or playing stops, its samples are dropped)
    // and opens a new, empty one.
    virtual void open() = 0;
    // Records into the open capture from its start, replacing what it held.
    // Fails with a message for the user when no capture is open or no sound
    // input can be used; the capture is then left empty.
    virtual Status record() = 0;
    // Ends recording or playing; what was recorded stays. Does nothing when idle.
    virtual void stop() = 0;
    // Plays the recording from its first sample.
    virtual Status play() = 0;
    // Writes the recording as a WAV file (PCM, mono, 8 bits, 44 100 Hz, 44-byte
    // header); an empty recording gives a header-only file.
    virtual Status save(const std::filesystem::path& file) = 0;
    // One of the modeword texts.
    virtual std::string mode() const = 0;
    // Ends the capture and drops it; mode() is then "not ready".
    virtual void close() = 0;
};

}  // namespace vornax
