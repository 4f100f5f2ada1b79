// Spark detection: each ignition spark is a crossing of a threshold in the
// recorded bytes, and the time between two sparks gives the engine speed.
#pragma once

#include "common/Result.h"
#include "common/WavHeader.h"
#include "common/Physics.h"
#include "signal/Curve.h"
#include "signal/WavReader.h"

#include <filesystem>
#include <string_view>
#include <vector>

namespace vornax {

struct DetectionSettings {
    float sparksPerRev = 0.5f;   // 0.5 (one spark every second revolution) or 2
    float startSeconds = 0.0f;   // start position = nearest integer of start x 44 100
    float endSeconds = 1000.0f;  // end position, likewise
    int threshold = 165;         // 128..255 in the high polarity, 1..128 in the low one
    bool lowPolarity = false;    // "1 - 128": a spark is a byte at or below the threshold
    float antiBounce = 0.3f;     // minimum gap after a spark = value x 441 samples
    float bounding = 0.05f;      // largest relative speed change per spark, from the 101st
};

struct Detection {
    Curve curve;  // rows 1..pointCount: one spark each; row 0 is (0, 0)
    WavHeader header;
    std::int64_t frameCount = 0;  // data size / block align
    int crossings = 0;            // sparks found at a threshold crossing (not the end-of-file point)
    bool tableFull = false;       // more sparks than the table holds: stopped at row 32 000
    // Times of the sparks found at a threshold crossing, s, in double: where
    // a straight line through the byte before the spark's position and the
    // byte at it crosses the threshold, over the header's rate (finer than
    // the sample). What the spark check and the precise curve work from; the
    // curve's rows stay as they are.
    std::vector<double> sparkTimes;
};

// speed = 60 / sparksPerRev / interval, rpm from seconds.
inline float engineSpeed(float sparksPerRev, float intervalSeconds)
{
    return physics::kSecondsPerMinuteSingle / sparksPerRev / intervalSeconds;
}

// `Traiter` over a whole WAV file held in memory.
//
// Positions are 1-based and count the header: start and end times become
// positions at the fixed rate 44 100, spark times are position / the header's
// sample rate. The scan starts from the byte at the position given by the
// data-chunk search, moves the start forward to the first byte at or above
// the threshold (both polarities), then looks for sparks: a byte on the spark
// side of the threshold more than the anti-bounce gap after the last recorded
// spark. After each spark it moves past the bytes at or above the threshold
// (both polarities). The end position is tested only after a spark, so the
// spark that ends the run may lie past it; when the file runs out, a last
// point is recorded where it ran out. From the 101st spark on, each speed is
// kept within (1 +- bounding) x the previous one.
//
// Fails only when the header scan does (kScanFailure) or the header's sample
// rate is 0. A table that fills up stops the detection (tableFull).
// Progress cycles 0..9 900 while sparks are left and ends at 10 000.
Result<Detection> Traiter(std::string_view file, const DetectionSettings& settings, const Progress& progress = {});

// The simple entry point for a recording on disk: reads it, refuses files
// that are not the recorder's 8-bit mono 44 100 Hz PCM (recordingProblem), a
// start time at or past the end of the recording and a run in which no byte
// reaches the threshold, then detects as Traiter does. Messages name the file.
Result<Detection> detectSparksInFile(const std::filesystem::path& wav, const DetectionSettings& settings = {},
                                     const Progress& progress = {});

// The same checks and detection over a recording already in memory (a
// canonical file, or one converted by the import); `name` heads messages.
Result<Detection> detectSparksInRecording(const std::string& name, std::string_view bytes,
                                          const DetectionSettings& settings = {}, const Progress& progress = {});

// Duration the time checks use: frames / 44 100, single precision.
inline float recordingSeconds(std::int64_t frameCount)
{
    return static_cast<float>(frameCount) / static_cast<float>(kRecordingRate);
}

}  // namespace vornax
