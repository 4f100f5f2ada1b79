#include "cli/RpmMethod.h"

#include "cli/CliSupport.h"
#include "common/NumberText.h"
#include "signal/CurveFile.h"

#include <cmath>
#include <iostream>
#include <sstream>

namespace vornax::cli {
namespace {

std::string twoDecimals(double value)
{
    std::string text = formatPattern(value, Pattern::TwoDecimals);
    for (char& c : text)
        if (c == ',')
            c = '.';
    return text;
}

}  // namespace

bool preciseMethod(const std::string& method)
{
    if (method == "standard")
        return false;
    if (method == "precise")
        return true;
    throw UsageError("--method: \"" + method + "\" must be standard or precise");
}

PreciseCurve smoothPrecisely(Detection& detection, float sparksPerRev)
{
    PreciseSettings settings;
    settings.sparksPerRev = sparksPerRev;
    settings.sampleRate = detection.header.sampleRate;
    auto precise = preciseCurve(detection.sparkTimes, settings);
    if (!precise)
        throw BadInput(precise.error());
    if (precise->truncated)
        std::cerr << "vornax: the sparks span more than " << Curve::kLastRow / 100
                  << " s; the precise curve stops there (shorten the span with --start/--end)\n";
    // A long pull comes with wider rows, so that its curve is computed whole.
    if (const std::string note = rowSpacingNote(*precise, true); !note.empty())
        std::cerr << "vornax: " << note << " (" << savedLineCount(precise->curve.pointCount) << " lines, at most "
                  << kMaxPowerLines << ")\n";
    detection.curve = precise->curve;
    return std::move(*precise);
}

void addSparkFigures(nlohmann::json& out, const SparkCheck& check, const PreciseCurve* precise)
{
    out["sparks"] = check.sparks;
    out["missed"] = check.missed;
    out["extra"] = check.extra;
    auto times = nlohmann::json::array();
    for (const double t : suspectTimes(check, 20))
        times.push_back(jsonSingle(static_cast<float>(t)));
    out["suspect_times_s"] = times;
    if (precise) {
        out["rpm_uncertainty_pct"] = jsonSingle(static_cast<float>(precise->rpmUncertaintyPct));
        out["power_uncertainty_pct"] = jsonSingle(static_cast<float>(precise->powerUncertaintyPct));
    }
}

std::string sparkFiguresText(const SparkCheck& check, const PreciseCurve* precise)
{
    std::ostringstream text;
    if (const std::string line = sparkCheckLine(check, true); !line.empty())
        text << "spark check: " << line << "\n";
    if (precise)
        text << "precise curve: engine speed +-" << uncertaintyText(precise->rpmUncertaintyPct, true) << " %, power +-"
             << uncertaintyText(precise->powerUncertaintyPct, true) << " % (1 sigma) at "
             << twoDecimals(precise->peakTime) << " s, " << precise->sparksFitted << " sparks fitted\n";
    return text.str();
}

}  // namespace vornax::cli
