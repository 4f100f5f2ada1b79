// Any audio file into the recorder's own kind of recording: 8-bit unsigned
// mono at 44 100 Hz, rest at 128, sparks pointing up with their typical peak
// near 224, so that the detection's default threshold (165, high polarity)
// finds every spark.
//
// The file is decoded through FFmpeg's libraries, limited to audio
// containers and audio decoders and to reading plain files. The channel that
// carries the pickup is chosen (by default the one whose sparks stand highest
// above its own noise, judged on the first 20 s), the rate is changed by
// the program's resampler, the offset and slow drift are taken out (the
// median of each 100 ms, followed between blocks), and mains hum too where
// it hides the sparks (a high-pass at 500 Hz), the signal is turned so
// its sparks point up and levelled, with at most 0.1 % of samples clipped.
//
// Memory: the chosen channel is kept as 16-bit samples while the file is
// decoded, then turned into bytes in place: about twice the size of the
// converted recording.
#pragma once

#include "common/Result.h"
#include "signal/Curve.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vornax {

// Which channel carries the pickup.
struct ChannelRequest {
    enum class Mode { Auto, Number, Mix };
    Mode mode = Mode::Auto;
    int number = 1;  // 1-based, with Mode::Number
    // The engine's sound heard by a microphone rather than a pickup: the
    // mains-hum filter, which keeps sparks apart from hum, would take the
    // firing's own harmonics out, so it is left off.
    bool engineSound = false;
};

// For a RIFF/WAVE file whose data chunk declares more bytes than the file
// holds (FFmpeg reads such a file as a shorter one without a word): the
// message saying so; nothing for any other file.
std::optional<std::string> truncatedWavProblem(const std::filesystem::path& file);

// "auto", "left" (1), "right" (2), "mix" or a channel number from 1;
// nothing for any other text.
std::optional<ChannelRequest> parseChannelRequest(std::string_view text);

// What the import found and did.
struct ImportReport {
    std::string format;          // the container, as FFmpeg names it ("wav", "mov,mp4,m4a,3gp,3g2,mj2", ...)
    std::string codec;           // "pcm_s16le", "aac", ...
    int sampleRate = 0;          // of the file, Hz
    int channels = 0;            // of the file
    int channel = 1;             // 1-based channel used; 0 for the mix of all
    bool inverted = false;       // the sparks pointed down and were turned up
    bool humRemoved = false;     // mains hum hid the sparks: everything under 500 Hz was filtered out
    double gainDb = 0;           // from the file's full scale to the recorder's
    double durationSeconds = 0;  // converted samples / 44 100
    double clippedFraction = 0;  // share of converted samples held at 0 or 255
};

// A converted recording: the whole WAV file (44-byte header, then one byte a
// sample) in memory.
class ImportedRecording {
public:
    ImportReport report;
    std::string_view wav() const;
    std::span<const std::uint8_t> samples() const;

private:
    friend std::optional<ImportedRecording> canonicalAsItStands(const std::filesystem::path&);
    friend Result<ImportedRecording> importRecording(const std::filesystem::path&, const ChannelRequest&,
                                                     const Progress&, const ProgressCheck&);
    std::vector<std::int16_t> store_;  // header, then the samples (bytes at the end)
    std::size_t dataOffset_ = 44;      // bytes before the samples
    std::size_t sampleCount_ = 0;
    std::size_t wavSize_ = 0;  // the whole file
};

// True for a file the detection reads as it stands: RIFF/WAVE PCM, 8-bit,
// mono, 44 100 Hz, its data chunk whole. Such a file is never converted.
bool isCanonicalRecording(std::string_view bytes);

// A canonical file as it stands (whole, byte for byte); nothing for any
// other file.
std::optional<ImportedRecording> canonicalAsItStands(const std::filesystem::path& file);

// Decodes and converts; a canonical file is kept as it stands. Fails with one message naming the file: not found,
// empty, not an audio file, no audio stream, no samples, damaged or
// truncated, a channel it does not have. Progress 0..10 000; `proceed`
// stops it between decoded frames (failing with "cancelled").
Result<ImportedRecording> importRecording(const std::filesystem::path& file, const ChannelRequest& channel = {},
                                          const Progress& progress = {}, const ProgressCheck& proceed = {});

// Writes a converted recording atomically to `output`, never over its
// source `input`.
Status saveImported(const ImportedRecording& recording, const std::filesystem::path& input,
                    const std::filesystem::path& output);

// Imports and writes the result with saveImported; gives the converted
// recording. Stopped by `proceed`, it writes nothing.
Result<ImportedRecording> importToWav(const std::filesystem::path& input, const std::filesystem::path& output,
                                      const ChannelRequest& channel = {}, const Progress& progress = {},
                                      const ProgressCheck& proceed = {});

}  // namespace vornax
