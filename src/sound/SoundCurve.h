// The engine-speed curve of the tracker's virtual sparks, as the detection
// fills a curve from a pickup's sparks.
#pragma once

#include "signal/Curve.h"

#include <vector>

namespace vornax {

// One row a spark from the second on: its time and the speed of the
// interval since the one before (engineSpeed at `sparksPerRev`); row 0 and
// the rows past the sparks stay empty, and sparks past the table's last row
// are left out. pointCount is the last row filled (0 for fewer than two).
Curve virtualSparkCurve(const std::vector<double>& sparks, float sparksPerRev);

}  // namespace vornax
