#include "speedlog/LogStretches.h"

#include "common/Physics.h"

#include <algorithm>
#include <cmath>

namespace vornax {
namespace {

constexpr double kRestSpeed = 0.5;  // m/s: below this the car stands (a receiver's noise is far smaller)

// Pulls: a short window, so that a gear change's half second without drive
// ends the pull.
constexpr double kPullWindow = 0.3;
constexpr double kPullSlope = 0.2;
constexpr double kPullSeconds = 3.0;
constexpr double kPullGain = 10 * physics::kMpsPerKmh;
// Coast-downs: a long window (the slope is small and the stretch long).
constexpr double kCoastWindow = 1.0;
constexpr double kCoastSlowest = -0.03;
constexpr double kCoastHardest = -1.5;
constexpr double kCoastSeconds = 10.0;
constexpr double kCoastLoss = 20 * physics::kMpsPerKmh;
constexpr double kStartSpeed = 40 * physics::kMpsPerKmh;
// A standing start ends where the speed has fallen this far below the best.
constexpr double kStartEndDrop = 5 * physics::kMpsPerKmh;

struct Run {
    std::size_t first, last;
};

// Maximal runs of fixes for which `keep` holds.
template <typename Keep>
std::vector<Run> runsWhere(std::size_t n, Keep keep)
{
    std::vector<Run> runs;
    std::size_t i = 0;
    while (i < n) {
        if (!keep(i)) {
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j + 1 < n && keep(j + 1))
            ++j;
        runs.push_back({i, j});
        i = j + 1;
    }
    return runs;
}

LogStretch stretch(StretchKind kind, const std::vector<SpeedFix>& f, std::size_t a, std::size_t b)
{
    return {kind, f[a].time, f[b].time, f[a].speed, f[b].speed};
}

}  // namespace

const char* stretchKindName(StretchKind kind)
{
    switch (kind) {
    case StretchKind::Pull: return "pull";
    case StretchKind::CoastDown: return "coast-down";
    case StretchKind::StandingStart: return "standing start";
    }
    return "";
}

std::vector<SpeedFix> validFixes(const SpeedLog& log, double from, double to)
{
    std::vector<SpeedFix> fixes;
    for (const SpeedFix& f : log.fixes)
        if (f.valid && std::isfinite(f.speed) && f.time >= from && f.time <= to)
            fixes.push_back(f);
    return fixes;
}

std::vector<double> localSlopes(const std::vector<SpeedFix>& fixes, double halfWindow)
{
    const std::size_t n = fixes.size();
    std::vector<double> slopes(n, 0.0);
    std::size_t lo = 0, hi = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double t = fixes[i].time;
        while (lo < i && t - fixes[lo].time > halfWindow && i - lo > 2)
            ++lo;
        hi = std::max(hi, i);
        while (hi + 1 < n && (fixes[hi + 1].time - t <= halfWindow || hi + 1 - i <= 2))
            ++hi;
        double st = 0, sv = 0;
        const double count = double(hi - lo + 1);
        for (std::size_t k = lo; k <= hi; ++k) {
            st += fixes[k].time;
            sv += fixes[k].speed;
        }
        const double tm = st / count, vm = sv / count;
        double stt = 0, stv = 0;
        for (std::size_t k = lo; k <= hi; ++k) {
            stt += (fixes[k].time - tm) * (fixes[k].time - tm);
            stv += (fixes[k].time - tm) * (fixes[k].speed - vm);
        }
        slopes[i] = stt > 0 ? stv / stt : 0.0;
    }
    return slopes;
}

std::vector<LogStretch> findStretches(const SpeedLog& log)
{
    const std::vector<SpeedFix> f = validFixes(log);
    std::vector<LogStretch> found;
    if (f.size() < 5)
        return found;
    const std::size_t n = f.size();

    const std::vector<double> pullSlope = localSlopes(f, kPullWindow);
    for (const Run& r :
         runsWhere(n, [&](std::size_t i) { return pullSlope[i] > kPullSlope && f[i].speed > kRestSpeed; }))
        if (f[r.last].time - f[r.first].time >= kPullSeconds && f[r.last].speed - f[r.first].speed >= kPullGain)
            found.push_back(stretch(StretchKind::Pull, f, r.first, r.last));

    const std::vector<double> coastSlope = localSlopes(f, kCoastWindow);
    for (const Run& r : runsWhere(n, [&](std::size_t i) {
             return coastSlope[i] < kCoastSlowest && coastSlope[i] > kCoastHardest && f[i].speed > kRestSpeed;
         })) {
        // The window reaches past the ends: leave out its width at each end,
        // where the coasting had not begun or had already ended.
        std::size_t a = r.first, b = r.last;
        while (a < b && f[a].time < f[r.first].time + kCoastWindow)
            ++a;
        while (b > a && f[b].time > f[r.last].time - kCoastWindow)
            --b;
        if (f[b].time - f[a].time >= kCoastSeconds && f[a].speed - f[b].speed >= kCoastLoss)
            found.push_back(stretch(StretchKind::CoastDown, f, a, b));
    }

    // Standing starts: the last fix at rest before the car passes the start
    // speed, to the best speed before it slows again.
    std::size_t i = 0;
    while (i < n) {
        if (f[i].speed >= kRestSpeed) {
            ++i;
            continue;
        }
        std::size_t rest = i;
        std::size_t j = i + 1;
        while (j < n && f[j].speed < kRestSpeed)
            rest = j++;
        std::size_t best = j, k = j;
        while (k < n && f[k].speed >= kRestSpeed && f[k].speed > f[best].speed - kStartEndDrop) {
            if (f[k].speed > f[best].speed)
                best = k;
            ++k;
        }
        // A few fixes of the rest before: the last below the rest speed may
        // already be moving.
        if (best < n && f[best].speed >= kStartSpeed)
            found.push_back(stretch(StretchKind::StandingStart, f, std::max(i, rest >= 3 ? rest - 3 : 0), best));
        i = std::max(k, j);
    }
    std::sort(found.begin(), found.end(), [](const LogStretch& a, const LogStretch& b) { return a.from < b.from; });
    return found;
}

const LogStretch* bestStretch(const std::vector<LogStretch>& stretches, StretchKind kind)
{
    const LogStretch* best = nullptr;
    for (const LogStretch& s : stretches) {
        if (s.kind != kind)
            continue;
        if (kind == StretchKind::StandingStart)
            return &s;
        if (!best || s.to - s.from > best->to - best->from)
            best = &s;
    }
    return best;
}

}  // namespace vornax
