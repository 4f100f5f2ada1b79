// The real sound device: Qt Multimedia's inputs and default output, so it
// works with whatever sound server the system runs (PulseAudio, PipeWire,
// ALSA). In the ignition mode the default input is opened as 8-bit mono
// 44 100 Hz when it takes that; otherwise in a format it offers, converted as
// it arrives (RecordingConverter). In the microphone mode the chosen input is
// opened as 16-bit mono 48 000 Hz, else at its own rate, else in a format it
// offers, turned into 16-bit mono at its rate (MicrophoneConverter). The
// recording is held in memory. Everything runs on the thread that owns the
// object, driven by its event loop.
#pragma once

#include "capture/SampleConverter.h"
#include "capture/SoundDevice.h"

#include <QByteArray>
#include <QObject>

#include <memory>
#include <optional>
#include <vector>

class QAudioSink;
class QAudioSource;
class QBuffer;
class QIODevice;

namespace vornax {

class QtSoundDevice final : public QObject, public SoundDevice {
    Q_OBJECT
public:
    explicit QtSoundDevice(QObject* parent = nullptr);
    ~QtSoundDevice() override;

    std::vector<SoundInputInfo> inputs() const override;
    void setCapture(CaptureMode mode, const std::string& inputId) override;
    void open() override;
    Status record() override;
    void stop() override;
    Status play() override;
    Status save(const std::filesystem::path& file) override;
    std::string mode() const override;
    void close() override;

    // The recording so far (8-bit mono 44 100 Hz samples).
    const std::vector<std::uint8_t>& samples() const { return samples_; }
    // The microphone mode's recording so far (16-bit mono at microphoneRate()).
    const std::vector<std::int16_t>& microphoneSamples() const { return micSamples_; }
    int microphoneRate() const { return micRate_; }
    // The format the input was opened with by the last record(), if any.
    std::optional<PcmFormat> inputFormat() const { return inputFormat_; }

private:
    void takeInput();
    void endRecording();
    void endPlaying();

    bool open_ = false;
    std::unique_ptr<QAudioSource> source_;
    QIODevice* input_ = nullptr;  // owned by source_
    std::optional<RecordingConverter> converter_;
    std::optional<PcmFormat> inputFormat_;
    std::unique_ptr<QAudioSink> sink_;
    std::unique_ptr<QBuffer> playback_;
    QByteArray playbackBytes_;
    std::vector<std::uint8_t> samples_;
    CaptureMode captureMode_ = CaptureMode::Ignition;
    bool recordedMicrophone_ = false;  // the recording in hand: played and saved as it was made
    std::string inputId_;
    std::optional<MicrophoneConverter> micConverter_;
    std::vector<std::int16_t> micSamples_;
    int micRate_ = kMicrophoneRate;
};

}  // namespace vornax
