// The measured standing start: from a log of a start from rest, the times to
// 100 km/h, over 400 m and over 1000 m, and the best speed. The log's fixes
// come every tenth of a second or so, so every time is taken between fixes:
// the start is the moment the speed leaves zero (the first moving fixes'
// straight line run back to zero speed), the thresholds are crossed on a
// straight line through the fixes around them, and the distance is the
// speed integrated from the start (trapezoids).
#pragma once

#include "common/Result.h"
#include "speedlog/SpeedLog.h"

#include <optional>
#include <string>
#include <vector>

namespace vornax {

struct MeasuredPoint {
    double time = 0;      // s from the start
    double speedKmh = 0;  // km/h
    double distance = 0;  // m from the start
};

struct MeasuredStart {
    double startTime = 0;  // s, in the log's time
    // Seconds from the start; nullopt when the run never got there.
    std::optional<double> time0To100, time400m, time1000m;
    double topSpeedKmh = 0;  // the best speed of the run (three fixes averaged, against a stray fix)
    double topSpeedTime = 0;
    std::vector<MeasuredPoint> curve;  // the start, then every valid fix of the run
};

// Measures the first standing start of the log (found as LogStretches finds
// it); fails in words when there is none. `name` is for the message.
Result<MeasuredStart> measureStandingStart(const SpeedLog& log, const std::string& name);

// Measures a run given as its valid fixes, the first at rest (below 0,5 m/s)
// and the next ones moving.
Result<MeasuredStart> measureStart(const std::vector<SpeedFix>& fixes);

}  // namespace vornax
