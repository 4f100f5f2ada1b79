// The power chart as a display list in the picture's user scale: width =
// engine-speed span, height = power span, origin top left, y downwards. A
// black grid of ten horizontal and nine vertical lines, the power in red and
// the torque in blue as polylines, drawn on the power scale, through rows
// 10 ... n - 39 (none for n <= 49).
#pragma once

#include "common/PlotList.h"
#include "power/PowerComputation.h"

namespace vornax {

constexpr Rgb kGridColour{0, 0, 0};
constexpr Rgb kPowerColour{255, 0, 0};
constexpr Rgb kTorqueColour{0, 0, 255};

// In drawing order: grid, power, torque.
PlotList powerChart(const PowerResult& result);

// Where an engine speed, a power and a torque lie on the chart.
double chartX(const ChartScale& scale, double rpm);
double chartPowerY(const ChartScale& scale, double power);
double chartTorqueY(const ChartScale& scale, double torque);

}  // namespace vornax
