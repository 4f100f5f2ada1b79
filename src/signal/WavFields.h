// The WAV window's fields read into the settings of the work they start:
// each gives its value, or the message that refuses it in the language in
// force (the texts keep the window's own context in the translations).
#pragma once

#include "common/Result.h"
#include "signal/Smoothing.h"

#include <string>

namespace vornax {

// The sparks per revolution of the window's choice: "0,5" or "2".
float sparksPerRevChoice(bool half);

// "Début" or "Fin" as typed: seconds, never negative.
Result<float> secondsField(const std::string& text);

// A start time holds for a recording of `duration` s when it is before its end.
bool startsWithin(float start, float duration);

// The detection's tuning (the test mode's "Traitement" frame): the bounding
// of the variations and the anti-bounce in ms, both decimal numbers.
struct DetectionTuning {
    float bounding = 0;
    float antiBounce = 0;
};
Result<DetectionTuning> detectionTuning(const std::string& bounding, const std::string& antiBounce);

// The smoothing of the choices made: averaging, Bézier and the filter level,
// with the points Bézier skips (a whole number, not negative, when Bézier is
// used; 10 when it is not and the field holds none).
Result<SmoothingSettings> smoothingFields(bool average, bool bezier, int level, const std::string& skipped);

// The engine's speed range for the sound: from 100 to 30 000 rpm, the top at
// least 1.5 times the bottom.
struct RpmRange {
    float low = 0;
    float high = 0;
};
Result<RpmRange> engineRange(const std::string& low, const std::string& high);

}  // namespace vornax
