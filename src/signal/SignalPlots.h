// What the WAV window draws, computed without a window: the engine-speed plot
// with its axis labels, and the trace of the recorded signal. Coordinates are
// in each surface's user scale (origin top left, y downwards).
#pragma once

#include "common/PlotList.h"
#include "signal/Curve.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vornax {

inline constexpr Rgb kSpeedPlotGridColour{0, 0, 0};
inline constexpr Rgb kSpeedPlotCurveColour{255, 0, 0};

struct SpeedPlot {
    // User scale: time span (s) x speed span (rpm); the black grid lines,
    // then the curve as one red polyline.
    PlotList plot;
    // Where a (time, speed) point lies: x = time - timeLeft, y = speedTop - speed.
    double timeLeft = 0, speedTop = 0;
    // Speed axis from the top: Label5, Label6 .. Label12, Label1, Label13.
    std::array<std::string, 10> speedLabels;
    // Time axis from the left: Label14 .. Label22.
    std::array<std::string, 9> timeLabels;
};

// `graphtemp`, with n = pointCount - 3: the scale spans rows 6..n (speeds
// from 0.95 x min to 1.025 x max, times from 0.95 x min to 1.05 x max), a
// 10 x 17 black grid, the curve in red over rows 7..n-10; speed labels as
// whole numbers, the first time label whole and the others "#0.0". nullopt
// when no row falls in 6..n or a span is zero or not finite (nothing to
// scale a plot on).
std::optional<SpeedPlot> graphtemp(const Curve& curve);

// The waveform trace of `GraphWaver` on a picture `width` wide and 256 high:
// from (0, 128 - 15 x (first byte - 128)); when width < frames, points
// (zoom x i, 256 - byte at dataStart + int(frames / width x i)) for
// i = 1..9 999, else (zoom x int(width / frames x i), 256 - next byte) for
// i = 1..frames-1. The trace stops at the end of the file. `steps` other
// than 9 999 carries the first form on (the window's scroll bar takes it to
// the end of the recording).
std::vector<PlotPoint> waveformTrace(std::string_view file, std::int64_t dataStart, std::int64_t frameCount,
                                     double width, int zoom, std::int64_t steps = 9999);

// The waveform picture, `width` x 256: the black middle line at 128, the red
// threshold line at 256 - threshold, then in black the part of the trace
// (x increasing) that lies between `offset` and `offset` + width, moved left
// by `offset` (the scroll bar's place).
PlotList waveformPlot(double width, int threshold, const std::vector<PlotPoint>& trace, double offset = 0);

}  // namespace vornax
