#include "speedlog/MeasuredPlot.h"

#include <algorithm>

namespace vornax {
namespace {

constexpr Rgb kMeasuredSpeed{255, 0, 0};
constexpr Rgb kMeasuredDistance{0, 0, 255};

}  // namespace

PlotList measuredStartPlot(const MeasuredStart& measured, double width, double height, double maxSpeedKmh,
                           double distancePerMetre)
{
    PlotList plot;
    plot.scaleWidth = width;
    plot.scaleHeight = height;
    if (!(width > 0) || !(height > 0) || !(maxSpeedKmh > 0))
        return plot;
    std::vector<PlotPoint> speed, distance;
    for (const MeasuredPoint& p : measured.curve) {
        if (p.time > width)
            break;
        speed.push_back({p.time, height - height * std::min(p.speedKmh / maxSpeedKmh, 1.0)});
        distance.push_back({p.time, height - std::min(distancePerMetre * p.distance, height)});
    }
    plot.polyline(speed, kMeasuredSpeed, 1.0, true);
    plot.polyline(distance, kMeasuredDistance, 1.0, true);
    return plot;
}

}  // namespace vornax
