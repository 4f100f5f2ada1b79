// The stretches of a speed log that the computations take: a pull in one gear
// (the car speeding up without a break), a coast-down (slowing down gently,
// clutch down, over a good span of speed) and a standing start (from rest to
// well above town speed). Found from the speed's local slope, each fix's
// slope being a straight-line fit over the valid fixes around it, so that
// the receiver's noise does not cut a stretch in two.
#pragma once

#include "speedlog/SpeedLog.h"

#include <string>
#include <vector>

namespace vornax {

enum class StretchKind { Pull, CoastDown, StandingStart };

// "pull", "coast-down", "standing start"
const char* stretchKindName(StretchKind kind);

struct LogStretch {
    StretchKind kind = StretchKind::Pull;
    double from = 0, to = 0;            // s, times of the log's fixes
    double fromSpeed = 0, toSpeed = 0;  // m/s at those fixes
};

// The valid fixes of [from, to], in order.
std::vector<SpeedFix> validFixes(const SpeedLog& log, double from = -1e300, double to = 1e300);

// The local slope (m/s²) at each of `fixes`: a straight line through the
// fixes within `halfWindow` seconds either side (at least two either side
// where the log has them).
std::vector<double> localSlopes(const std::vector<SpeedFix>& fixes, double halfWindow);

// Every stretch found, in the order of the log. Pulls last at least 3 s and
// gain at least 10 km/h; coast-downs last at least 10 s, lose at least 20 km/h
// and slow at 0,03 to 1,5 m/s² throughout (harder is braking or engine
// braking); standing starts begin at rest and pass 40 km/h.
std::vector<LogStretch> findStretches(const SpeedLog& log);

// The first stretch of that kind (longest in time for pulls and coast-downs),
// or nullptr.
const LogStretch* bestStretch(const std::vector<LogStretch>& stretches, StretchKind kind);

}  // namespace vornax
