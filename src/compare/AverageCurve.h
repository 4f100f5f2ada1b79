// The average of the ticked curves.
//
// Curves that share their engine-speed column (the same engine speed at every
// position they all hold, as curves computed from one recording do) are
// averaged point by point by position: point i of every ticked slot with
// point i of the others, engine speed and torque averaged. Point i is written
// only while the next averaged engine speed is not lower, so writing stops
// before the speed falls (where a shorter curve runs out and adds zeros); at
// most 5000 lines. This is how the stored average files were made.
//
// Curves that do not share it (a fine curve and a standard one, two different
// runs) cannot be averaged by position: row i of one is not at the engine
// speed of row i of the other. They are averaged on a common engine-speed
// grid over the range every one of them covers: each curve's torque is
// interpolated linearly in engine speed at each grid speed and the torques
// are averaged.
//
// In both cases the power is recomputed in the display power unit from the
// averaged engine speed and torque, rpm × 2 × 3.14 ÷ 60 × (torque ÷
// LbConvertionNm) ÷ LbConvertionWatt, so that the file reads back like the
// curves it came from.
//
// The file has one line "rpm;torque;power" per point, shortest single texts,
// CR LF, then the two factor lines a power curve file ends with (watts per
// power unit, torque units per N·m), so that it reads back in the units it
// was written in whatever the language in force when it is read.
#pragma once

#include "common/CurveLimits.h"
#include "common/Result.h"
#include "compare/CurveSlot.h"

#include <string>
#include <vector>

namespace vornax::compare {

// Points of the working table (indices 0 to 5000).
constexpr int kAveragePoints = kMaxPowerLines;
// Most engine speeds of a common grid (the lines a position average can hold).
constexpr int kMaxGridPoints = kMaxPowerLines - 1;

struct AverageCurve {
    std::vector<PowerPoint> points;  // the points written, in order
    DisplayUnits units;              // the units torque and power are in
    // True when the curves did not share their engine-speed column and were
    // averaged on a common grid from `gridFrom` to `gridTo` rpm.
    bool commonGrid = false;
    float gridFrom = 0, gridTo = 0;
    std::string fileBytes() const;
};

// Whether the ticked slots share their engine-speed column: the same engine
// speed at every position below the smallest point count.
bool shareEngineSpeeds(const CurveSet& slots);

// Averages the ticked slots as they are in memory. With shared engine speeds
// point i of a slot is used whatever its point count (an earlier longer
// file's points beyond it). Refused when no slot is ticked, when a ticked slot
// holds no curve (ticked since the last plot command, never read), and when
// curves without shared engine speeds have no engine-speed range in common.
// `units` are the display units the slots were read into (both factors 1:
// N·m and W).
Result<AverageCurve> averageCurve(const CurveSet& slots, const DisplayUnits& units = {});

}  // namespace vornax::compare
