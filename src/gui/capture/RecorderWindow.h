// The recorder window "Form1" ("WAV Recorder"): four buttons over a status
// line. Command2 "Record", Command3 "Stop", Command4 "Play", Command1
// "Save As..."; Label1 shows the sound device's mode, refreshed every 500 ms
// by Timer1 while the window is open. The window is deleted when closed, so
// opening it again starts afresh with a new capture. Closing it while a
// recording is under way asks first: Yes stops the recording and saves it in
// the Wav folder under a new name before the window closes; No keeps it
// recording.
//
// Above the status line, the choice of what is recorded: IgnitionMode
// "Ignition pickup (line input)" as always (the default input, 8 bits,
// 44 100 Hz), or MicrophoneMode "Engine sound (microphone)": 16 bits, mono,
// 48 000 Hz or the input's own rate, from the input picked in InputList
// (the system's default chosen at first). FormatLine says what will be
// recorded. The choice is locked while a recording is under way.
#pragma once

#include "capture/Recorder.h"
#include "capture/SoundDevice.h"

#include <QWidget>

#include <filesystem>
#include <memory>

class QLabel;
class QListWidget;
class QRadioButton;
class QPushButton;
class QTimer;

namespace vornax {

class RecorderWindow : public QWidget {
    Q_OBJECT
public:
    // Without a device the window uses the system's sound device (QtSoundDevice).
    explicit RecorderWindow(std::unique_ptr<SoundDevice> device = nullptr,
                            std::filesystem::path temporaryRecording = defaultTemporaryRecording(),
                            QWidget* parent = nullptr);
    ~RecorderWindow() override;

    const Recorder& recorder() const { return *recorder_; }
    // The sound device is recording.
    bool recording() const;

public slots:
    void Command2_Click();  // Record
    void Command3_Click();  // Stop
    void Command4_Click();  // Play
    void Command1_Click();  // Save As...
    void Timer1_Timer();    // status line
    // The sound inputs listed again (an input plugged in or out).
    void refreshInputs();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void showCaptions();
    void showButtons();
    void takeCaptureChoice();
    void showCaptureChoice();
    // A recording under way is stopped and written to `target`; false (with
    // a message) when it could not be.
    bool keepRecordingUnderWay(const std::filesystem::path& target);

    std::unique_ptr<SoundDevice> device_;
    std::unique_ptr<Recorder> recorder_;
    QPushButton* command2_ = nullptr;
    QPushButton* command3_ = nullptr;
    QPushButton* command4_ = nullptr;
    QPushButton* command1_ = nullptr;
    QLabel* label1_ = nullptr;
    QRadioButton* ignitionMode_ = nullptr;
    QRadioButton* microphoneMode_ = nullptr;
    QListWidget* inputList_ = nullptr;
    QLabel* formatLine_ = nullptr;
    QTimer* timer1_ = nullptr;
    bool closed_ = false;
};

}  // namespace vornax
