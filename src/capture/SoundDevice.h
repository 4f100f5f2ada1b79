// The sound device the recorder drives: one capture at a time. In the
// ignition mode it is recorded from the system's default input as mono,
// 8 bits, 44 100 samples per second whatever the input offers; in the
// microphone mode (the engine's sound) as mono, 16 bits, at 48 000 samples
// per second or the input's own rate, from the input the user chose. The Qt
// implementation (QtSoundDevice) is the real one; tests use a scripted fake.
#pragma once

#include "common/Result.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vornax {

// The words mode() gives, shown as they are in the recorder's status line.
namespace modeword {
inline constexpr const char* kNotReady = "not ready";  // no capture open
inline constexpr const char* kStopped = "stopped";     // open, neither recording nor playing
inline constexpr const char* kRecording = "recording";
inline constexpr const char* kPlaying = "playing";
inline constexpr const char* kNoInput = "no sound input";  // open, but the system has no sound input
}  // namespace modeword

enum class CaptureMode { Ignition, Microphone };

// A sound input the system offers.
struct SoundInputInfo {
    std::string id;    // stable while the input is plugged in
    std::string name;  // as the system describes it
    bool isDefault = false;
    bool operator==(const SoundInputInfo&) const = default;
};

// The microphone mode's rate, when the input takes it.
inline constexpr int kMicrophoneRate = 48000;

class SoundDevice {
public:
    virtual ~SoundDevice() = default;

    // The system's sound inputs, as it lists them now.
    virtual std::vector<SoundInputInfo> inputs() const = 0;
    // What the next record() captures: the mode and, in the microphone mode,
    // the input (an id from inputs(); empty or no longer present: the
    // system's default). Kept across open() and close().
    virtual void setCapture(CaptureMode mode, const std::string& inputId) = 0;

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
    // Writes the recording as a WAV file (PCM, mono, 44-byte header; 8 bits at
    // 44 100 Hz in the ignition mode, 16 bits at the recorded rate in the
    // microphone mode); an empty recording gives a header-only file.
    virtual Status save(const std::filesystem::path& file) = 0;
    // One of the modeword texts.
    virtual std::string mode() const = 0;
    // Ends the capture and drops it; mode() is then "not ready".
    virtual void close() = 0;
};

}  // namespace vornax
