// The picture of a speed log: speed (km/h) against time (s), the stretches
// found drawn over it in their colours (pull green, coast-down blue,
// standing start red) with their number above them, and a grid every
// tenth with its figures. A display list in the log's own scale (width = the log's span,
// height = a little over its best speed), drawn by the window's canvas.
#pragma once

#include "common/PlotList.h"
#include "speedlog/LogStretches.h"

#include <vector>

namespace vornax {

inline constexpr Rgb kLogSpeedColour{60, 60, 60};
Rgb stretchColour(StretchKind kind);

// Empty (scale 1 × 1, no item) for a log without valid fixes.
PlotList speedLogPlot(const SpeedLog& log, const std::vector<LogStretch>& stretches);

}  // namespace vornax
