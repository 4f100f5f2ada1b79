#include "simulation/SpeedTimePlot.h"

#include "common/NumberText.h"

#include <algorithm>
#include <cmath>

namespace vornax {
namespace {

std::string figure(double value) { return formatPattern(value, Pattern::OneDecimal); }

}  // namespace

DistanceUnit distanceUnitFor(std::string_view speedUnitName)
{
    // 1 yd = 0,9144 m exactly.
    if (speedUnitName == "mi")
        return {"yd", 1.0 / 0.9144};
    return {"m", 1.0};
}

SpeedTimePicture DrawSpeedTime(const ResultSeries& series, std::int32_t shownLength, float runMaxSpeed,
                               float speedFactor, double currentWidth, double currentHeight, double distancePerMetre)
{
    SpeedTimePicture picture;
    const std::int32_t K = std::min(shownLength, ResultSeries::kLastIndex);
    const float coef = speedFactor;
    double W = currentWidth, H = currentHeight;
    float a = 0.0f;
    picture.maxSpeed = runMaxSpeed;

    if (K > 1 && series.time[K] > 0.0f) {
        float vmax = runMaxSpeed;
        for (std::int32_t i = 0; i <= K; ++i)
            vmax = std::max(vmax, series.speed[i]);
        picture.maxSpeed = vmax;
        const double height = distancePerMetre * static_cast<double>(series.distance[K - 1]);
        if (std::isfinite(height) && height != 0.0) {
            W = series.time[K];
            H = height;
            picture.scale = std::make_pair(W, H);
            // Plot height per displayed speed unit: vmax reaches the top edge.
            a = static_cast<float>(height / (static_cast<double>(coef) * vmax));
        }
    }

    picture.plot.scaleWidth = W;
    picture.plot.scaleHeight = H;
    if (picture.scale) {
        std::vector<PlotPoint> speed, distance;
        // y grows downwards: a speed of vmax lies on the top edge.
        const double speedScale = static_cast<double>(coef) * a;
        for (std::int32_t i = 1; i <= K - 1; ++i) {
            speed.push_back({series.time[i], H - speedScale * series.speed[i]});
            distance.push_back({series.time[i], H - distancePerMetre * static_cast<double>(series.distance[i])});
        }
        picture.plot.polyline(speed, kSpeedCurveColour);
        picture.plot.polyline(distance, kDistanceCurveColour);
    }
    for (int i = 0; i <= 5; ++i)
        picture.plot.line(0.0, i * H / 5, W, i * H / 5, kSpeedTimeGridColour);
    for (int i = 0; i <= 9; ++i)
        picture.plot.line(i * W / 9, 0.0, i * W / 9, H, kSpeedTimeGridColour);

    picture.distanceLabels[0] = "0";
    for (int i = 1; i <= 5; ++i)
        picture.distanceLabels[i] = figure(i * H / 5);
    picture.speedLabels[0] = "0";
    if (a != 0.0f)
        for (int i = 1; i <= 5; ++i)
            picture.speedLabels[i] = figure(i * H / (a * 5.0));
    picture.timeLabels[0] = "0";
    for (int i = 1; i <= 9; ++i)
        picture.timeLabels[i] = figure(i * W / 9);
    return picture;
}

SpeedTimeLayout layoutSpeedTimePlot(int windowWidth, int windowHeight, const SpeedTimeLayout& design)
{
    SpeedTimeLayout layout = design;
    SpeedTimeRect& plot = layout.plot;
    if (windowWidth > 1200)
        plot.width = windowWidth - 1200;
    if (plot.top + 1000 < windowHeight)
        plot.height = windowHeight - plot.top - 1000;
    for (int i = 0; i <= 9; ++i) {
        layout.timeLabels[i].top = plot.top + plot.height;
        layout.timeLabels[i].left = plot.left + i * plot.width / 9;
    }
    // The distance column keeps its designed gap to the plot's right edge.
    const SpeedTimeRect& designPlot = design.plot;
    for (int i = 0; i <= 5; ++i) {
        const int top = plot.top + (5 - i) * plot.height / 5;
        layout.speedLabels[i].top = top;
        layout.distanceLabels[i].top = top;
        const int gap = design.distanceLabels[i].left - (designPlot.left + designPlot.width);
        layout.distanceLabels[i].left = plot.left + plot.width + gap;
    }
    return layout;
}

}  // namespace vornax
