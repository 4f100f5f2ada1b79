#include "speedlog/StandingStart.h"

#include "speedlog/LogStretches.h"

#include "common/Physics.h"

#include <algorithm>
#include <cmath>

namespace vornax {
namespace {

constexpr double kMoving = 0.5;           // m/s: the first fix above this is moving
constexpr double kStill = 0.15;           // m/s: a fix below this may still be at rest (receiver noise)
constexpr double kLaunchTop = 15 * physics::kMpsPerKmh;  // the launch line takes the fixes below this speed
constexpr double kLaunchSeconds = 1.0;    // ... and within this time of the first moving fix
constexpr int kCrossingFixes = 2;         // fixes either side of a crossing in its line

struct Line {
    double slope = 0, at = 0, mean = 0;  // y = at + slope (x − mean)
};

template <typename X, typename Y>
std::optional<Line> fitLine(std::size_t first, std::size_t last, X x, Y y)
{
    const double n = double(last - first + 1);
    double sx = 0, sy = 0;
    for (std::size_t k = first; k <= last; ++k) {
        sx += x(k);
        sy += y(k);
    }
    const double mx = sx / n, my = sy / n;
    double sxx = 0, sxy = 0;
    for (std::size_t k = first; k <= last; ++k) {
        sxx += (x(k) - mx) * (x(k) - mx);
        sxy += (x(k) - mx) * (y(k) - my);
    }
    if (!(sxx > 0))
        return std::nullopt;
    return Line{sxy / sxx, my, mx};
}

// When y first reaches `level`, between points k − 1 and k, on the line
// through the points around them (the plain interpolation when the line
// does not rise).
template <typename Y>
double crossing(const std::vector<double>& t, std::size_t k, double level, Y y)
{
    const std::size_t first = k >= kCrossingFixes ? k - kCrossingFixes : 0;
    const std::size_t last = std::min(t.size() - 1, k + kCrossingFixes - 1);
    const auto line = fitLine(
        first, last, [&](std::size_t i) { return t[i]; }, y);
    const double plain = t[k - 1] + (t[k] - t[k - 1]) * (level - y(k - 1)) / (y(k) - y(k - 1));
    if (!line || !(line->slope > 0))
        return plain;
    const double at = line->mean + (level - line->at) / line->slope;
    // Never outside the two points that bracket it.
    return std::clamp(at, t[k - 1], t[k]);
}

}  // namespace

Result<MeasuredStart> measureStart(const std::vector<SpeedFix>& fixes)
{
    std::size_t moving = 0;
    while (moving < fixes.size() && fixes[moving].speed < kMoving)
        ++moving;
    if (moving == 0 || moving + 2 >= fixes.size())
        return Failure{"the run does not start from rest"};

    // The launch: a line through the first moving fixes, run back to zero.
    std::size_t launchEnd = moving;
    while (launchEnd + 1 < fixes.size() && fixes[launchEnd + 1].speed < kLaunchTop &&
           fixes[launchEnd + 1].time - fixes[moving].time <= kLaunchSeconds)
        ++launchEnd;
    launchEnd = std::max(launchEnd, moving + 1);
    const auto launch = fitLine(
        moving, launchEnd, [&](std::size_t i) { return fixes[i].time; }, [&](std::size_t i) { return fixes[i].speed; });
    // Between the last fix that may be at rest and the first moving one.
    std::size_t still = moving - 1;
    while (still > 0 && fixes[still].speed >= kStill)
        --still;
    double start = fixes[still].time;
    if (launch && launch->slope > 0)
        start = launch->mean - launch->at / launch->slope;
    // The car may have left between the fix before that and the first
    // moving one, never earlier (a line run back past it is the clutch's
    // slow first metres, not the start).
    start = std::clamp(start, fixes[still > 0 ? still - 1 : 0].time, fixes[moving].time);

    MeasuredStart out;
    out.startTime = start;
    std::vector<double> t{0.0}, v{0.0}, d{0.0};
    for (std::size_t i = moving; i < fixes.size(); ++i) {
        const double ti = fixes[i].time - start;
        const double vi = fixes[i].speed;
        d.push_back(d.back() + 0.5 * (ti - t.back()) * (vi + v.back()));
        t.push_back(ti);
        v.push_back(vi);
    }
    auto speedAt = [&](std::size_t i) { return v[i]; };
    auto distanceAt = [&](std::size_t i) { return d[i]; };
    for (std::size_t k = 1; k < t.size(); ++k) {
        if (!out.time0To100 && v[k] >= 100 * physics::kMpsPerKmh)
            out.time0To100 = crossing(t, k, 100 * physics::kMpsPerKmh, speedAt);
        if (!out.time400m && d[k] >= 400)
            out.time400m = crossing(t, k, 400, distanceAt);
        if (!out.time1000m && d[k] >= 1000)
            out.time1000m = crossing(t, k, 1000, distanceAt);
    }
    for (std::size_t k = 1; k + 1 < t.size(); ++k) {
        const double mean = (v[k - 1] + v[k] + v[k + 1]) / 3;
        if (mean / physics::kMpsPerKmh > out.topSpeedKmh) {
            out.topSpeedKmh = mean / physics::kMpsPerKmh;
            out.topSpeedTime = t[k];
        }
    }
    for (std::size_t k = 0; k < t.size(); ++k)
        out.curve.push_back({t[k], v[k] / physics::kMpsPerKmh, d[k]});
    return out;
}

Result<MeasuredStart> measureStandingStart(const SpeedLog& log, const std::string& name)
{
    const auto stretches = findStretches(log);
    const LogStretch* start = bestStretch(stretches, StretchKind::StandingStart);
    if (!start)
        return Failure{name + ": no standing start found (from rest to above 40 km/h)"};
    auto measured = measureStart(validFixes(log, start->from, start->to));
    if (!measured)
        return Failure{name + ": " + measured.error()};
    return measured;
}

}  // namespace vornax
