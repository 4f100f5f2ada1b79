#include "LogPhysics.h"
#include "speedlog/SpeedLogPlot.h"

#include <gtest/gtest.h>

namespace vornax {
namespace {

// The log's span across, a little over its best speed upwards (y down);
// each stretch drawn over the speed in its colour.
TEST(SpeedLogPlot, ScaleAndStretchesInTheirColours)
{
    auto accel = [](double t, double) { return t < 10 ? 2.0 : -0.3; };
    const SpeedLog log = testlog::sampledLog(accel, 0, 60, 10, 0.1, 1, 0.05, 2.0);
    const auto stretches = findStretches(log);
    const PlotList plot = speedLogPlot(log, stretches);
    EXPECT_NEAR(plot.scaleWidth, log.fixes.back().time - log.fixes.front().time, 1e-9);
    EXPECT_NEAR(plot.scaleHeight, 72 * 1.1, 1.0);
    int coloured = 0;
    for (const PlotItem& item : plot.items)
        if (const auto* line = std::get_if<PlotPolyline>(&item))
            for (const LogStretch& s : stretches)
                coloured += line->colour == stretchColour(s.kind) && line->width == 3.0;
    EXPECT_EQ(coloured, int(stretches.size()));
    EXPECT_FALSE(stretches.empty());

    EXPECT_TRUE(speedLogPlot(SpeedLog{}, {}).items.empty());
}

}  // namespace
}  // namespace vornax
