// Conversion between what a sound device offers and the recorder's own
// samples: mono, unsigned 8 bits (silence at 128), 44 100 per second.
#pragma once

#include "capture/Resampler.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace vornax {

// Sample encodings a device may offer, in the machine's byte order:
// unsigned 8 bits (silence 128), signed 16 and 32 bits, 32-bit float (-1 to 1).
enum class SampleType { UInt8, Int16, Int32, Float };

struct PcmFormat {
    int sampleRate = 44100;  // frames per second
    int channels = 1;        // interleaved within each frame
    SampleType type = SampleType::UInt8;

    int bytesPerSample() const;
    int bytesPerFrame() const { return bytesPerSample() * channels; }
    // A rate of 1 Hz to 1 MHz and 1 to 32 channels.
    bool valid() const;
    bool operator==(const PcmFormat&) const = default;
};

// Turns a stream of interleaved PCM into recorder samples: the rate is
// changed by the program's resampler (the one imports use), the channels are
// averaged, and the value is rounded to the nearest 8-bit step (full scale
// maps to 0 and 255). An input already 8-bit mono 44 100 Hz comes out
// unchanged, byte for byte.
class RecordingConverter {
public:
    // input must be valid().
    explicit RecordingConverter(PcmFormat input);
    RecordingConverter(RecordingConverter&&) noexcept;
    RecordingConverter& operator=(RecordingConverter&&) noexcept;
    ~RecordingConverter();

    // Appends the samples that `bytes` completes to `out`. Feeds may split a
    // frame anywhere; the incomplete rest waits for the next feed. The output
    // sample n stands for input time n / 44 100 s. At another rate than
    // 44 100 the filter holds back a few dozen frames until finish().
    void feed(std::span<const std::uint8_t> bytes, std::vector<std::uint8_t>& out);
    // Lets out what the filter still holds, at the end of the input.
    void finish(std::vector<std::uint8_t>& out);

    const PcmFormat& input() const { return input_; }

private:
    void append(std::vector<std::uint8_t>& out);

    PcmFormat input_;
    std::unique_ptr<Resampler> resampler_;
    std::vector<std::uint8_t> partial_;
    ChannelSamples converted_;
};

// The microphone's samples: interleaved PCM of any encoding to 16-bit mono
// at the input's own rate, the channels averaged and rounded to the nearest
// step (full scale clipped at -32 768 and 32 767). Feeds may split a frame
// anywhere; the incomplete rest waits for the next feed.
class MicrophoneConverter {
public:
    // input must be valid().
    explicit MicrophoneConverter(PcmFormat input) : input_(input) {}
    void feed(std::span<const std::uint8_t> bytes, std::vector<std::int16_t>& out);
    const PcmFormat& input() const { return input_; }

private:
    void frame(const std::uint8_t* bytes, std::vector<std::int16_t>& out) const;

    PcmFormat input_;
    std::vector<std::uint8_t> partial_;
};

// Recorder samples for a device that takes another encoding or channel count
// (for playback): same rate, each sample repeated on every channel.
// channels must be 1 to 32.
std::vector<std::uint8_t> fromRecordingSamples(std::span<const std::uint8_t> samples, SampleType type, int channels);

}  // namespace vornax
