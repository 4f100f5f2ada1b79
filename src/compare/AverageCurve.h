// The average of the ticked curves, point by point by position: point i of
// every ticked slot is averaged with point i of the others. Engine speed and
// torque are averaged; power is recomputed from them in the display power
// unit, rpm × 2 × 3.14 ÷ 60 × (torque ÷ LbConvertionNm) ÷ LbConvertionWatt,
// so that the file reads back like the curves it came from.
// The curves are not resampled onto common engine speeds.
//
// The file has one line "rpm;torque;power" per point, shortest single texts,
// CR LF, and no factor lines. Point i is written only while the next averaged
// engine speed is not lower, so writing stops before the speed falls (where
// a shorter curve runs out and adds zeros); at most 5000 lines.
#pragma once

#include "common/CurveLimits.h"
#include "common/Result.h"
#include "compare/CurveSlot.h"

#include <string>
#include <vector>

namespace vornax::compare {

// Points of the working table (indices 0 to 5000).
constexpr int kAveragePoints = kMaxPowerLines;

struct AverageCurve {
    std::vector<CurvePoint> points;  // the points written, in order
    std::string fileBytes() const;
};

// Averages the ticked slots as they are in memory: point i of a slot is used
// whatever its point count (zeros beyond what was ever read, or an earlier
// longer file's points). A ticked slot never read adds zeros and still
// counts. Refused when no slot is ticked. `units` are the display units the
// slots were read into (both factors 1: N·m and W).
Result<AverageCurve> averageCurve(const CurveSet& slots, const DisplayUnits& units = {});

}  // namespace vornax::compare
