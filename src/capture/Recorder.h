// What the recorder window does, without the window: which buttons are
// enabled, what each button sends to the sound device, the save through the
// temporary recording, and the cleanup on close.
//
// Idle (a capture open, nothing recorded) → Recording ("Record") → Stopped
// ("Stop": "Play" and "Save As..." available) → saved (still Stopped, further
// saves possible). "Record" from any state starts a new recording that
// replaces the previous one.
#pragma once

#include "capture/SoundDevice.h"

#include <filesystem>
#include <string>

namespace vornax {

struct RecorderButtons {
    bool record = true;   // Command2
    bool stop = false;    // Command3
    bool play = false;    // Command4
    bool saveAs = false;  // Command1
    bool operator==(const RecorderButtons&) const = default;
};

// Where the recording waits between the device and the file the user picks:
// the user's temporary folder, under a name of the program's own that holds
// the user id, so that users of one machine never share it. One name for every
// run of the program.
std::filesystem::path defaultTemporaryRecording();

class Recorder {
public:
    // The device must outlive the recorder.
    Recorder(SoundDevice& device, std::filesystem::path temporaryRecording);

    // The window opens: a new capture is opened; buttons as at start.
    void open();
    // What the next "Record" captures (see SoundDevice::setCapture); the
    // recording in hand stays as it was made. The input is kept in the
    // ignition mode too (which records from the default input), for a
    // return to the microphone.
    void setCapture(CaptureMode mode, const std::string& inputId = {});
    CaptureMode captureMode() const { return mode_; }
    const std::string& inputId() const { return inputId_; }
    std::vector<SoundInputInfo> inputs() const { return device_.inputs(); }
    // "Record": a new capture, recording at once. A device that cannot record
    // (no sound input) is reported in a message; the buttons are then as at
    // start, since the new capture holds nothing.
    void record();
    // "Stop": the recording ends; "Play" and "Save As..." become available.
    void stop();
    // "Play": the recording from its start; a failure is reported in a message.
    void play();
    // "Save As...": asks for a file name in the Wav folder, has the device
    // write the temporary recording and copies it to the chosen name, replacing
    // a file of that name only once the copy is complete. Cancelling changes
    // nothing; a failure says so and keeps the temporary recording.
    void saveAs();
    // The status line: the device's mode word followed by one space.
    std::string statusText() const;
    // The window closes: the capture ends; after a successful save the
    // temporary recording is deleted, otherwise it stays.
    void close();

    const RecorderButtons& buttons() const { return buttons_; }
    bool saved() const { return saved_; }
    const std::filesystem::path& temporaryRecording() const { return temporary_; }

private:
    Status copyToChosen(const std::filesystem::path& chosen) const;

    SoundDevice& device_;
    std::filesystem::path temporary_;
    RecorderButtons buttons_;
    bool saved_ = false;
    CaptureMode mode_ = CaptureMode::Ignition;
    std::string inputId_;
};

}  // namespace vornax
