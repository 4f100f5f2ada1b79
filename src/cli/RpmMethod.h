// What `vornax rpm` adds for the spark check and the precise curve: the
// "Précise" smoothing of a detection, and the figures it reports.
#pragma once

#include "signal/PreciseCurve.h"
#include "signal/SparkCheck.h"
#include "signal/SparkDetection.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>

namespace vornax::cli {

// "standard" (the described smoothing, the default) or "precise"; UsageError
// for anything else.
bool preciseMethod(const std::string& method);

// The precise curve of a detection; BadInput when it cannot be made. Replaces
// the detection's curve.
PreciseCurve smoothPrecisely(Detection& detection, float sparksPerRev);

// `sparks`, `missed`, `extra`, `suspect_times_s` (first 20), and with a
// precise curve `rpm_uncertainty_pct` and `power_uncertainty_pct`.
void addSparkFigures(nlohmann::json& out, const SparkCheck& check, const PreciseCurve* precise);

// The text lines of the same: the check when it found anything, the
// precise curve's uncertainty.
std::string sparkFiguresText(const SparkCheck& check, const PreciseCurve* precise);

}  // namespace vornax::cli
