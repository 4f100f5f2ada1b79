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
    std::vector<std::string> log;  // "open", "record", "stop", "play", "save <path>", "close"

    void open() override
    {
        log.push_back("open");
        open_ = true;
        state_ = modeword::kStopped;
        samples_.clear();
    }
    Status record() override
    {
        log.push_back("record");
        if (!open_ || !hasInput)
            return Failure{"No sound input was found."};
        samples_ = nextRecording;
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
    }

private:
    bool open_ = false;
    std::string state_ = modeword::kNotReady;
    std::vector<std::uint8_t> samples_;
};

}  // namespace vornax::testing
