// How high the sparks of a recording stand above its noise, and a detection
// threshold chosen from that: the level in the gap between the noise (with
// the ringing and burn that follow each spark) and the spark peaks.
//
// The signal is cut into blocks of 1.5 ms; a block's height is its largest
// excursion from rest on one side. Blocks at least as high as both neighbours
// are the events: one per spark, many per stretch of noise. Sorted, their heights
// leave one wide gap (in ratio) below the spark peaks; the heights above it
// are the sparks. That gap must lie above the middle event and leave at
// least 0.3 % of the blocks above it (a run with its engine turning gives
// more than that; a handful of clicks does not).
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace vornax {

struct SideLevels {
    double noise = 0;      // middle event height: the noise, in the signal's units
    double gapLow = 0;     // highest event below the gap
    double gapHigh = 0;    // lowest spark peak
    double sparkPeak = 0;  // middle spark peak
    std::int64_t sparks = 0;
    // How far the sparks stand above the noise (0 when nothing does).
    double standing() const { return noise > 0 ? sparkPeak / noise : sparkPeak > 0 ? sparkPeak : 0; }
};

// Levels of the excursions above `rest` (up) and below it (down), in one
// pass. `unit` is the smallest step of the samples, so that an all-quiet
// noise of zeros still has a size.
struct BothSides {
    SideLevels up, down;
};
BothSides bothSides(std::span<const std::int16_t> samples, double rest, double unit);
BothSides bothSides(std::span<const std::uint8_t> samples, double rest, double unit);
BothSides bothSides(std::span<const float> samples, double rest, double unit);

struct AutoSettings {
    int threshold = 165;       // the threshold slider's value
    bool lowPolarity = false;  // "1 - 128" when the sparks point down
};

// Threshold and polarity for the recorder's 8-bit samples (rest 128): the
// side whose sparks stand higher, and the level in the middle of its gap,
// kept within the slider's range for that polarity (128..255, or 1..128).
// A recording with no gap at all gives the defaults. With `lowPolarity`
// given, only the threshold is chosen, on that side.
AutoSettings autoThreshold(std::span<const std::uint8_t> samples, std::optional<bool> lowPolarity = std::nullopt);

}  // namespace vornax
