// The engine-speed curve shared by the detection, the smoothing, the curve
// file and the plot: a fixed table of rows (time in seconds from the start of
// the recording, engine speed in rpm), both single precision.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace vornax {

struct CurvePoint {
    float time = 0.0f;   // s
    float speed = 0.0f;  // rpm
    bool operator==(const CurvePoint&) const = default;
};

struct Curve {
    // Rows 0 to 32 000. A detection fills rows 1..pointCount with one spark
    // each and leaves row 0 at (0, 0).
    static constexpr int kLastRow = 32000;

    std::vector<CurvePoint> rows = std::vector<CurvePoint>(kLastRow + 1);
    // Index of the last valid row. Smoothing may leave rows past it holding
    // older values; readers look at rows 0..pointCount only.
    int pointCount = 0;

    // Row r; (0, 0) for a row outside the table (averaging and the Bezier
    // control points can reach past it).
    CurvePoint at(std::int64_t r) const
    {
        return r >= 0 && r <= kLastRow ? rows[static_cast<std::size_t>(r)] : CurvePoint{};
    }
};

// Progress of a long operation, 0 to 10 000 (the window's progress bar range).
// Called from the computing thread; may be empty.
using Progress = std::function<void(int value)>;

// Progress of a long operation that can also be stopped, called from the
// computing thread with the share done (0 to 1; 0 while the share is not
// known). Returning false asks the operation to stop: it then fails at once,
// gives back nothing and leaves nothing written. May be empty.
using ProgressCheck = std::function<bool(double fraction)>;

}  // namespace vornax
