#include "signal/SignalPlots.h"

#include "common/NumberText.h"
#include "signal/ByteReader.h"

#include <algorithm>
#include <cmath>

namespace vornax {

std::optional<SpeedPlot> graphtemp(const Curve& curve)
{
    const int n = std::min(curve.pointCount - 3, Curve::kLastRow);
    if (n < 6)
        return std::nullopt;
    double sMax = curve.rows[6].speed, sMin = sMax, tMax = curve.rows[6].time, tMin = tMax;
    for (int r = 7; r <= n; ++r) {
        sMax = std::max<double>(sMax, curve.rows[r].speed);
        sMin = std::min<double>(sMin, curve.rows[r].speed);
        tMax = std::max<double>(tMax, curve.rows[r].time);
        tMin = std::min<double>(tMin, curve.rows[r].time);
    }
    sMax *= 1.025;
    sMin *= 0.95;
    tMax *= 1.05;
    tMin *= 0.95;
    const double dS = sMax - sMin, dT = tMax - tMin;
    if (!PlotMapping::validExtent(dS) || !PlotMapping::validExtent(dT))
        return std::nullopt;

    SpeedPlot plot;
    plot.plot.scaleWidth = dT;
    plot.plot.scaleHeight = dS;
    plot.timeLeft = tMin;
    plot.speedTop = sMax;
    for (int k = 0; k <= 9; ++k) {
        const double y = dS - dS * k / 9;
        plot.plot.line(0, y, dT, y, kSpeedPlotGridColour);
    }
    for (int k = 0; k <= 16; ++k) {
        const double x = dT - dT * k / 16;
        plot.plot.line(x, 0, x, dS, kSpeedPlotGridColour);
    }
    std::vector<PlotPoint> points;
    for (int i = 7; i <= n - 9; ++i)
        points.push_back({curve.rows[i].time - tMin, sMax - curve.rows[i].speed});
    plot.plot.polyline(points, kSpeedPlotCurveColour);

    plot.speedLabels[0] = formatPattern(sMax, Pattern::Whole);
    for (int k = 8; k >= 1; --k)
        plot.speedLabels[9 - k] = formatPattern(sMin + dS * k / 9, Pattern::Whole);
    plot.speedLabels[9] = formatPattern(sMin, Pattern::Whole);
    plot.timeLabels[0] = formatPattern(tMin, Pattern::Whole);
    for (int k = 1; k <= 7; ++k)
        plot.timeLabels[k] = formatPattern(tMin + dT * k / 8, Pattern::OneDecimal);
    plot.timeLabels[8] = formatPattern(tMax, Pattern::OneDecimal);
    return plot;
}

std::vector<PlotPoint> waveformTrace(std::string_view file, std::int64_t dataStart, std::int64_t frameCount,
                                     double width, int zoom, std::int64_t steps)
{
    std::vector<PlotPoint> trace;
    ByteReader in(file);
    const int first = in.at(dataStart);
    if (in.exhausted())
        return trace;
    trace.push_back({0.0, 2048.0 - 15.0 * first});
    if (width < double(frameCount)) {
        const double step = double(frameCount) / width;
        for (std::int64_t i = 1; i <= steps; ++i) {
            const int v = in.at(dataStart + static_cast<std::int64_t>(step * double(i)));
            if (in.exhausted())
                break;
            trace.push_back({double(zoom) * double(i), 256.0 - v});
        }
    } else {
        const double step = width / double(frameCount);
        for (std::int64_t i = 1; i <= frameCount - 1; ++i) {
            const int v = in.at(dataStart + i);
            if (in.exhausted())
                break;
            trace.push_back({double(zoom) * std::floor(step * double(i)), 256.0 - v});
        }
    }
    return trace;
}

PlotList waveformPlot(double width, int threshold, const std::vector<PlotPoint>& trace, double offset)
{
    PlotList plot;
    plot.scaleWidth = width;
    plot.scaleHeight = 256.0;
    plot.line(0, 128, width, 128, {0, 0, 0});
    plot.line(0, 256.0 - threshold, width, 256.0 - threshold, {255, 0, 0});
    // The segments in view: those from a point before the right edge to a
    // point after the left edge, one run since x only grows.
    std::vector<PlotPoint> shown;
    for (std::size_t k = 1; k < trace.size(); ++k) {
        if (trace[k].x < offset || trace[k - 1].x > offset + width)
            continue;
        if (shown.empty())
            shown.push_back({trace[k - 1].x - offset, trace[k - 1].y});
        shown.push_back({trace[k].x - offset, trace[k].y});
    }
    plot.polyline(shown, {0, 0, 0});
    return plot;
}

}  // namespace vornax
