// Reading the recorded ignition signal: the header scan every operation on a
// WAV runs first, and the load step that hands the sample data to the
// waveform drawing.
//
// File positions are 1-based throughout: position 1 is the "R" of "RIFF".
// Samples are unsigned bytes, silence at 128. The scan reads the format
// fields but does not judge them; recordingProblem() is the check for callers
// that want only the recorder's own kind of file.
#pragma once

#include "common/Result.h"
#include "signal/Curve.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vornax {

// The text of every header-scan failure, shown in a message box: its source
// text, and the text in the language in force.
inline constexpr const char* kScanFailure = "Erreur";
std::string scanFailure();

struct WavHeader {
    std::uint32_t fmtSize = 0;
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t byteRate = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint32_t dataSize = 0;
    // 1-based position of the first byte after the data chunk's size field
    // (45 in a standard 44-byte-header file).
    std::int64_t dataStart = 0;
    // Single characters read in the last attempt of the data-chunk search
    // (1 in a standard file); the detection starts from the byte at this
    // position.
    int lastAttemptReads = 0;
};

// The header scan:
//  1. "fmt " is looked for in 4-byte steps from the start, at most 100 reads,
//     so it is found only at positions 1 + 4k (13 in a standard file); when
//     it is not found the fields are read from where the search stopped (401).
//  2. The format fields follow, little-endian.
//  3. The data chunk: single bytes are read, at most 100, until a "d"; then
//     3 more. "ata" ends the search. Otherwise the scan fails when that
//     attempt read more than 90 single bytes, else it steps back to just
//     after the "d" and tries again.
//  4. The data size; dataStart is the position after it.
// A read past the end of the file gives 0. Failure: kScanFailure.
Result<WavHeader> scanHeader(std::string_view file);

// What the waveform drawing gets from a load.
struct WavLoad {
    WavHeader header;
    std::string channelText;      // "Mono" or "Stereo"
    std::int64_t frameCount = 0;  // data size / (2 for mono, 4 for stereo), rounded
    std::int64_t dataStart = 0;
};

// "Mono", "Stereo" or "Erreur de canaux.".
std::string channelText(int channels);

// `Charger`: the header scan, the channel text and the drawing frame count
// (two data bytes per mono frame: the drawing was made for it). A channel
// count other than 1 or 2 fails with kScanFailure. Progress reports 10, 20,
// 30, 40 as the header fields are read.
Result<WavLoad> Charger(std::string_view file, const Progress& progress = {});

// Why a file is not an ignition recording the program can measure: not a
// RIFF/WAVE file, no data chunk, not PCM 8-bit mono at 44 100 Hz, or a data
// chunk that runs past the end of the file. nullopt when it is fine. The
// message names the problem in plain words (for the command line and
// scripted callers).
std::optional<std::string> recordingProblem(std::string_view file);

// Frames for the detection and the time checks: data size / block align,
// rounded to the nearest integer (halves to even); 0 when block align is 0.
std::int64_t detectionFrames(const WavHeader& header);

}  // namespace vornax
