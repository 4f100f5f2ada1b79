#include "sound/SoundCurve.h"

#include "common/NumberText.h"
#include "common/Translation.h"
#include "signal/SparkDetection.h"

#include <algorithm>

namespace vornax {

Curve virtualSparkCurve(const std::vector<double>& sparks, float sparksPerRev)
{
    Curve curve;
    const int n = std::min<int>(static_cast<int>(sparks.size()), Curve::kLastRow);
    for (int i = 1; i < n; ++i) {
        CurvePoint& row = curve.rows[std::size_t(i)];
        row.time = static_cast<float>(sparks[std::size_t(i)]);
        row.speed = engineSpeed(sparksPerRev, static_cast<float>(sparks[std::size_t(i)] - sparks[std::size_t(i - 1)]));
    }
    curve.pointCount = std::max(0, n - 1);
    return curve;
}

PreciseSettings soundPreciseSettings(const SoundTrack& track)
{
    PreciseSettings settings;
    settings.sparksPerRev = track.sparksPerRev;
    settings.sampleRate = 0.0;
    settings.leastTimingNoise = track.timingNoise;
    return settings;
}

std::string soundPowerDoubt(double powerUncertaintyPct)
{
    if (powerUncertaintyPct <= kSoundPowerDoubtPct)
        return {};
    return tx("SoundCurve",
              "its power would be uncertain by ± %1 % (1 standard deviation, at most %2 % is taken): the firing's "
              "phase wanders in this recording; record nearer the engine or the exhaust")
        .arg(formatPattern(powerUncertaintyPct, Pattern::OneDecimal))
        .arg(formatPattern(kSoundPowerDoubtPct, Pattern::Whole));
}

}  // namespace vornax
