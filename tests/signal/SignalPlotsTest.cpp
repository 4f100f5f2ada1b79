#include "SignalFiles.h"
#include "common/NumberText.h"
#include "signal/SignalPlots.h"

#include <gtest/gtest.h>

namespace vornax {
namespace {

TEST(Graphtemp, ScalesOnRowsSixToThreeBeforeTheEndAndDrawsSevenToTwelveBefore)
{
    Curve curve;
    for (int r = 1; r <= 100; ++r)
        curve.rows[r] = {r * 0.1f, 1000.0f + 10.0f * r};
    curve.rows[99].speed = 99999.0f;  // outside the scale's rows: ignored
    curve.pointCount = 100;
    const auto plot = graphtemp(curve);
    ASSERT_TRUE(plot);
    // Rows 6..97: speed 1 060..1 970, time 0,6..9,7.
    const double sMax = 1970.0 * 1.025, sMin = 1060.0 * 0.95;
    const double tMax = 9.7f * 1.05, tMin = 0.6f * 0.95;
    EXPECT_NEAR(plot->plot.scaleHeight, sMax - sMin, 1e-3);
    EXPECT_NEAR(plot->plot.scaleWidth, tMax - tMin, 1e-6);
    const std::vector<PlotLine> lines = segmentsOf(plot->plot);
    // 10 + 17 grid lines, then segments 7->8 .. 87->88.
    ASSERT_EQ(lines.size(), 27u + 81u);
    EXPECT_EQ(lines[0].colour, (Rgb{0, 0, 0}));
    const PlotLine& first = lines[27];
    EXPECT_EQ(first.colour, (Rgb{255, 0, 0}));
    EXPECT_NEAR(first.x1, 0.7f - tMin, 1e-6);
    EXPECT_NEAR(first.y1, sMax - 1070.0, 1e-3);
    EXPECT_NEAR(lines.back().x2, 8.8f - tMin, 1e-6);

    EXPECT_EQ(plot->speedLabels[0], "2019");  // 2 019,25
    EXPECT_EQ(plot->speedLabels[9], "1007");  // 1 007
    EXPECT_EQ(plot->speedLabels[1], formatPattern(sMin + (sMax - sMin) * 8 / 9, Pattern::Whole));
    EXPECT_EQ(plot->timeLabels[0], "1");     // 0,57 as a whole number
    EXPECT_EQ(plot->timeLabels[4], "5,4");   // 0,57 + 9,615 / 2
    EXPECT_EQ(plot->timeLabels[8], "10,2");  // 10,185

    curve.pointCount = 8;  // no row in 6..5
    EXPECT_FALSE(graphtemp(curve));
    Curve zeros;
    zeros.pointCount = 50;
    EXPECT_FALSE(graphtemp(zeros));  // zero spans
}

TEST(WaveformTrace, CloseUpOfTheStartOrTheWholeShortFile)
{
    std::string data(5000, char(128));
    data[0] = char(130);
    data[10] = char(200);
    const std::string wav = makeWav(data);
    // Picture narrower than the file: 9 999 steps of frames / width.
    auto trace = waveformTrace(wav, 45, 2500, 1000.0, 30);
    ASSERT_EQ(trace.size(), 2000u);  // the steps past the end of the file are left out
    EXPECT_EQ(trace[0].x, 0.0);
    EXPECT_EQ(trace[0].y, 2048.0 - 15.0 * 130);
    EXPECT_EQ(trace[4].x, 120.0);
    EXPECT_EQ(trace[4].y, 256.0 - 200);  // data index 2.5 x 4 = 10

    // Picture wider than the file: one point per byte.
    trace = waveformTrace(wav, 45, 20, 100.0, 2);
    ASSERT_EQ(trace.size(), 20u);
    EXPECT_EQ(trace[10].x, 2 * 50.0);
    EXPECT_EQ(trace[10].y, 56.0);
}

}  // namespace
}  // namespace vornax
