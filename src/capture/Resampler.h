// The program's one sample-rate converter: what a sound device offers and
// what an imported recording decodes to both reach 44 100 samples per second
// through it. It keeps every channel apart and gives 32-bit float samples
// (full scale -1 to 1), one vector per channel; choosing or mixing channels
// and quantising are the caller's.
#pragma once

#include "common/Result.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace vornax {

// Planar float output: one vector per channel, appended to.
using ChannelSamples = std::vector<std::vector<float>>;

class Resampler {
public:
    // inputFormat is an FFmpeg sample format (AVSampleFormat); planar formats
    // take one data pointer per channel, packed ones a single pointer.
    // Fails for a rate outside 1 Hz to 1 MHz, 1 to 64 channels or a format
    // the converter does not know.
    static Result<Resampler> create(int inputFormat, int channels, int inputRate);

    Resampler(Resampler&&) noexcept;
    Resampler& operator=(Resampler&&) noexcept;
    ~Resampler();

    int channels() const { return channels_; }

    // Converts `frames` input frames and appends what comes out to `out`
    // (resized to channels() vectors when needed). The filter holds back a
    // few dozen frames; finish() lets them out at the end of the input.
    // Output sample n stands for input time n / 44 100 s.
    Status convert(const std::uint8_t* const* data, int frames, ChannelSamples& out);
    Status finish(ChannelSamples& out);

private:
    struct State;
    Resampler(std::unique_ptr<State> state, int channels);
    Status drain(const std::uint8_t* const* data, int frames, ChannelSamples& out);
    std::unique_ptr<State> state_;
    int channels_ = 0;
};

}  // namespace vornax
