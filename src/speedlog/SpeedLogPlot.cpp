#include "speedlog/SpeedLogPlot.h"

#include "common/NumberText.h"
#include "common/Physics.h"

#include <algorithm>

namespace vornax {
namespace {

constexpr double kHeadroom = 1.1;
constexpr Rgb kGrid{220, 220, 220};
constexpr Rgb kAxisText{110, 110, 110};

}  // namespace

Rgb stretchColour(StretchKind kind)
{
    switch (kind) {
    case StretchKind::Pull: return {0, 160, 0};
    case StretchKind::CoastDown: return {0, 0, 220};
    case StretchKind::StandingStart: return {220, 0, 0};
    }
    return {0, 0, 0};
}

PlotList speedLogPlot(const SpeedLog& log, const std::vector<LogStretch>& stretches)
{
    PlotList plot;
    const std::vector<SpeedFix> fixes = validFixes(log);
    if (fixes.size() < 2)
        return plot;
    double top = 0;
    for (const SpeedFix& f : fixes)
        top = std::max(top, f.speed * physics::kKmhPerMps);
    const double t0 = fixes.front().time;
    const double W = std::max(fixes.back().time - t0, 1e-3), H = std::max(top * kHeadroom, 1.0);
    plot.scaleWidth = W;
    plot.scaleHeight = H;
    for (int i = 1; i < 10; ++i) {
        plot.line(i * W / 10, 0, i * W / 10, H, kGrid);
        plot.line(0, i * H / 10, W, i * H / 10, kGrid);
        // The axes' figures along the bottom (s) and the left edge (km/h).
        plot.text(i * W / 10, H, formatPattern(i * W / 10, Pattern::Whole) + " s", TextAnchor::Bottom, kAxisText, 10);
        plot.text(0, H - i * H / 10, formatPattern(i * H / 10, Pattern::Whole) + " km/h", TextAnchor::Left, kAxisText,
                  10);
    }
    auto point = [&](const SpeedFix& f) { return PlotPoint{f.time - t0, H - f.speed * physics::kKmhPerMps}; };
    std::vector<PlotPoint> all;
    for (const SpeedFix& f : fixes)
        all.push_back(point(f));
    plot.polyline(all, kLogSpeedColour);
    for (std::size_t k = 0; k < stretches.size(); ++k) {
        const LogStretch& s = stretches[k];
        std::vector<PlotPoint> part;
        for (const SpeedFix& f : fixes)
            if (f.time >= s.from && f.time <= s.to)
                part.push_back(point(f));
        if (part.empty())
            continue;
        plot.polyline(part, stretchColour(s.kind), 3.0);
        double highest = H;
        for (const PlotPoint& p : part)
            highest = std::min(highest, p.y);
        plot.text(part[part.size() / 2].x, std::max(highest - H * 0.02, 0.0), std::to_string(k + 1), TextAnchor::Bottom,
                  stretchColour(s.kind), 12.0, true);
    }
    return plot;
}

}  // namespace vornax
