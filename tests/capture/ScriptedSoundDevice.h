// A sound device for tests: it "records" the samples it was given, logs every
// operation the recorder asks for, and can be told that the system has no
// sound input or that saving fails.
#pragma once

#include "capture/SoundDevice.h"
#include "capture/WavWriter.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vornax::testing {

class ScriptedSoundDevice final : public SoundDevice {
public:
    // What the next record() captures.
    std::vector<std::uint8_t> nextRecording = {128, 200, 60, 128};
    bool hasInput = true;
    bool saveFails = false;
    std::vector<std::string> log;  // "open", "record", "stop", "play", "save <path>", "close", "capture <mode> <id>"
    std::vector<SoundInputInfo> systemInputs = {{"mic-1", "Realtek ALC256", true}, {"usb-2", "USB Audio", false}};
    // What the next microphone record() captures, 16 bits at micRate.
    std::vector<std::int16_t> nextMicRecording = {0, 1200, -800, 0};
    int micRate = kMicrophoneRate;
    CaptureMode captureMode = CaptureMode::Ignition;
    std::string inputId;

    std::vector<SoundInputInfo> inputs() const override { return systemInputs; }
    void setCapture(CaptureMode mode, const std::string& id) override
    {
        log.push_back(std::string("capture ") + (mode == CaptureMode::Microphone ? "microphone " : "ignition ") + id);
        captureMode = mode;
        inputId = id;
    }

    void open() override
    {
        log.push_back("open");
        open_ = true;
        state_ = modeword::kStopped;
        samples_.clear();
        micSamples_.clear();
    }
    Status record() override
    {
        log.push_back("record");
        if (!open_ || !hasInput)
            return Failure{"No sound input was found."};
        samples_ = nextRecording;
        micSamples_ = nextMicRecording;
        state_ = modeword::kRecording;
        return success();
    }
    void stop() override
    {
        log.push_back("stop");
        if (open_)
            state_ = modeword::kStopped;
    }
    Status play() override
    {
        log.push_back("play");
        if (!open_)
            return Failure{"The sound device is not ready."};
        state_ = modeword::kPlaying;
        return success();
    }
    Status save(const std::filesystem::path& file) override
    {
        log.push_back("save " + file.string());
        if (saveFails)
            return Failure{"the disk is full"};
        if (captureMode == CaptureMode::Microphone)
            return writeWav16File(file, micSamples_, micRate);
        return writeWavFile(file, samples_);
    }
    std::string mode() const override
    {
        if (!open_)
            return modeword::kNotReady;
        if (!hasInput && state_ == modeword::kStopped)
            return modeword::kNoInput;
        return state_;
    }
    void close() override
    {
        log.push_back("close");
        open_ = false;
        samples_.clear();
        micSamples_.clear();
    }

private:
    bool open_ = false;
    std::string state_ = modeword::kNotReady;
    std::vector<std::uint8_t> samples_;
    std::vector<std::int16_t> micSamples_;
};

}  // namespace vornax::testing
