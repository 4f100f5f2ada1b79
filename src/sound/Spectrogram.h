// The spectrogram of a recording over a time range, for the eye: level in dB
// against time and frequency, made for a view of a given size. Its cost and
// size follow the view, never the recording: one Hann-windowed transform a
// column, however long the range, so an hour's recording seen whole costs
// what a second of it seen closely does.
#pragma once

#include "common/Result.h"

#include <functional>
#include <span>
#include <vector>

namespace vornax {

struct SpectrogramSettings {
    double start = 0;                  // s, into the recording
    double end = -1;                   // s; below zero: the recording's end
    int columns = 800;                 // across the range, 2 .. 4 000
    int rows = 300;                    // across the frequencies, 2 .. 2 000
    double lowHz = 20, highHz = 1200;  // the bottom and top edges; the top at most half the rate
    bool logFrequency = false;         // rows evenly spaced in log frequency rather than in hertz
    double windowSeconds = 0.12;       // of the transform of each column
};

struct Spectrogram {
    double start = 0, end = 0;  // s, the range: column c is centred at start + (c + 0,5) x columnSeconds()
    double lowHz = 0, highHz = 0;
    bool logFrequency = false;
    int columns = 0, rows = 0;
    // Level in dB of a full-scale sine, columns x rows, row after row from
    // the top (highHz) down: db[row x columns + column].
    std::vector<float> db;
    float peakDb = 0;  // the highest of them

    double columnSeconds() const { return (end - start) / columns; }
    // Position of a frequency on the rows, 0 at the top edge (highHz), rows
    // at the bottom edge (lowHz); frequencies outside give positions outside.
    double rowOf(double hz) const;
    // Its inverse: the frequency at a row position.
    double hzAt(double row) const;
};

// A progress report with its share done (0 .. 1); false asks to stop.
using SpectrogramProgress = std::function<bool(double fraction)>;

// The spectrogram of `samples` (one channel at `rate` Hz, full scale +-1)
// over the settings' range, cut to the recording. Each column is the
// transform of the window centred on it (zeros beyond the recording); each
// row takes the strongest bin inside its band of frequencies, or the level
// between the two bins around it where the band is narrower than a bin (the
// low rows of a log axis). Fails, with a message in words, for an empty
// recording or one whose rate is not positive, a range that misses it, a
// frequency range that is empty or (log) starts at zero, and when `progress`
// asks to stop.
Result<Spectrogram> spectrogram(std::span<const float> samples, double rate, const SpectrogramSettings& settings,
                                const SpectrogramProgress& progress = {});

}  // namespace vornax
