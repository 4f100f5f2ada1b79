// The power chart as lines in the picture's user scale: width = engine-speed
// span, height = power span, origin top left, y downwards. A black grid of
// ten horizontal and nine vertical lines, the power in red and the torque in
// blue, drawn on the power scale, for the segments that start at rows
// 10 ... n - 40 (none for n <= 49).
#pragma once

#include "common/PlatformServices.h"
#include "power/PowerComputation.h"

#include <vector>

namespace vornax {

struct ChartLine {
    double x1, y1, x2, y2;
    Rgb colour;
};

struct ChartDrawing {
    double width = 1, height = 1;  // user scale
    Rgb background{255, 255, 255};
    std::vector<ChartLine> lines;  // in drawing order: grid, power, torque
};

constexpr Rgb kGridColour{0, 0, 0};
constexpr Rgb kPowerColour{255, 0, 0};
constexpr Rgb kTorqueColour{0, 0, 255};

ChartDrawing powerChart(const PowerResult& result);

}  // namespace vornax
