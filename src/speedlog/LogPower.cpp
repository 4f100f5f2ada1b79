#include "speedlog/LogPower.h"

#include "common/CurveLimits.h"
#include "common/NumberText.h"
#include "common/Physics.h"
#include "speedlog/LogStretches.h"
#include "speedlog/SpeedFit.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vornax {
namespace {

constexpr double kRowSeconds = 0.01;
constexpr double kCoarseRate = 5.0;
constexpr double kGapFactor = 2.5;
constexpr double kLowestRpm = 100, kHighestRpm = 20000;
// The curve file leaves out its first 7 and last 8 rows.
constexpr int kRowsNotSaved = 15;

}  // namespace

std::string fixesPerSecondText(double rate)
{
    const double tenths = std::round(rate * 10) / 10;
    return tenths == std::round(tenths) ? wholeText(tenths) : formatPattern(tenths, Pattern::OneDecimal);
}

Result<LogEngineCurve> engineCurveFromLog(const SpeedLog& log, const PowerInputs& inputs, double from, double to)
{
    const std::vector<SpeedFix> fixes = validFixes(log, from, to);
    const auto fit = SpeedFit::make(fixes);
    if (!fit)
        return Failure{"the stretch of " + formatPattern(from, Pattern::OneDecimal) + " to " +
                       formatPattern(to, Pattern::OneDecimal) + " s: " + fit.error()};
    LogEngineCurve out;
    out.from = fixes.front().time;
    out.to = fixes.back().time;
    out.fixes = fixes.size();
    std::vector<double> spacing;
    for (std::size_t i = 1; i < fixes.size(); ++i)
        spacing.push_back(fixes[i].time - fixes[i - 1].time);
    std::vector<double> sorted = spacing;
    std::nth_element(sorted.begin(), sorted.begin() + std::ptrdiff_t(sorted.size() / 2), sorted.end());
    const double usual = sorted[sorted.size() / 2];
    out.rate = usual > 0 ? 1 / usual : 0;
    for (double s : spacing)
        if (s > kGapFactor * usual) {
            ++out.gaps;
            out.longestGap = std::max(out.longestGap, s);
        }
    for (const SpeedFix& f : log.fixes)
        if (!f.valid && f.time >= out.from && f.time <= out.to)
            ++out.lostFixes;

    // Engine speed of a road speed, as the power computation turns it back.
    const double G = overallRatio(inputs);
    const double R = wheelRadius(inputs);
    const double rpmPerMs = G * physics::kSecondsPerMinute / (R * physics::kPowerPi * 2.0);

    const double span = out.to - out.from;
    int step = 1;
    while (span / (kRowSeconds * step) + 1 > kMaxPowerLines + kRowsNotSaved)
        ++step;
    out.rowSeconds = kRowSeconds * step;
    const int rows = std::min(Curve::kLastRow + 1, int(std::floor(span / out.rowSeconds + 1e-9)) + 1);
    double bestWork = -std::numeric_limits<double>::infinity();
    for (int r = 0; r < rows; ++r) {
        const double t = out.from + r * out.rowSeconds;
        const double v = fit->speed(t);
        const double rpm = v * rpmPerMs;
        if (!(rpm >= kLowestRpm && rpm <= kHighestRpm))
            return Failure{"at " + formatPattern(t, Pattern::OneDecimal) + " s the engine would turn at " +
                           wholeText(rpm) + " rpm in this gear: not a pull in this gear"};
        out.curve.rows[std::size_t(r)] = {float(t), float(rpm)};
        const double work = v * fit->acceleration(t);
        if (work > bestWork) {
            bestWork = work;
            out.peakTime = t;
        }
    }
    out.curve.pointCount = rows - 1;
    const double v = fit->speed(out.peakTime), a = fit->acceleration(out.peakTime);
    out.rpmUncertaintyPct = 100 * fit->speedSd(out.peakTime) / v;
    out.powerUncertaintyPct =
        a > 0 ? 100 * fit->accelerationSd(out.peakTime) / a : std::numeric_limits<double>::infinity();

    if (out.rate < kCoarseRate) {
        out.coarse = true;
        out.notes.push_back("The log has " + fixesPerSecondText(out.rate) +
                            " fixes a second: under 5 the power curve is only a rough one");
    }
    if (out.gaps > 0) {
        out.coarse = true;
        out.notes.push_back(std::to_string(out.gaps) + " gap" + (out.gaps > 1 ? "s" : "") +
                            " between fixes in the pull (the longest " +
                            formatPattern(out.longestGap, Pattern::TwoDecimals) + " s): the curve is bridged there");
    }
    if (out.lostFixes > 0) {
        out.coarse = true;
        out.notes.push_back("The receiver lost its fix " + std::to_string(out.lostFixes) + " time" +
                            (out.lostFixes > 1 ? "s" : "") + " in the pull: those fixes are left out");
    }
    return out;
}

Result<LogEngineCurve> engineCurveOfLongestPull(const SpeedLog& log, const PowerInputs& inputs, const std::string& name)
{
    const auto stretches = findStretches(log);
    const LogStretch* pull = bestStretch(stretches, StretchKind::Pull);
    if (!pull)
        return Failure{name + ": no pull found (the car speeding up without a break for 3 s and 10 km/h or more)"};
    auto curve = engineCurveFromLog(log, inputs, pull->from, pull->to);
    if (!curve)
        return Failure{name + ": " + curve.error()};
    return curve;
}

}  // namespace vornax
