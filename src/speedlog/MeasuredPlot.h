// A measured standing start drawn over a simulated run's picture: the
// measured speed and distance as dashed lines in the colours of the
// simulated ones, in the picture's own scale (time across, the speed's top
// at vmax, the distance in the axis's unit), so both runs read on one grid.
#pragma once

#include "common/PlotList.h"
#include "speedlog/StandingStart.h"

namespace vornax {

// The picture's scale: width W (s) and height H; `maxSpeedKmh` reaches the
// top edge; `distancePerMetre` is the distance axis's unit. The measured
// curve is cut at W and at the top edge.
PlotList measuredStartPlot(const MeasuredStart& measured, double width, double height, double maxSpeedKmh,
                           double distancePerMetre);

}  // namespace vornax
