#include "SimulationFixture.h"

#include "common/NumberText.h"
#include "common/TextFile.h"
#include "simulation/AccelerationFile.h"
#include "simulation/SpeedTimePlot.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace vornax {
namespace {

using testing::SimulationSetup;

TEST(accelerationFileBytes, HoldsSamplesOneToKMinusOneThenTheFactorTwice)
{
    SimulationSetup setup;
    setup.store.set("Lbcoefkm", "0,6213712");
    ASSERT_TRUE(setup.run());
    const ResultSeries& s = setup.series();
    const std::int32_t L = s.index;
    const std::string bytes = accelerationFileBytes(s, setup.model->shownLength(), 0.6213712f);
    const auto lines = splitLines(bytes);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(L - 2 + 2));
    EXPECT_EQ(lines[0], singleText(s.time[1]) + ";" + singleText(s.speed[1]) + ";" + singleText(s.distance[1]));
    EXPECT_EQ(lines[L - 3],
              singleText(s.time[L - 2]) + ";" + singleText(s.speed[L - 2]) + ";" + singleText(s.distance[L - 2]));
    EXPECT_EQ(lines[L - 2], " 0,6213712 ");
    EXPECT_EQ(lines[L - 1], " 0,6213712 ");
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");

    // Before any run only the two factor lines.
    AccelerationModel fresh;
    EXPECT_EQ(accelerationFileBytes(fresh.series(), fresh.shownLength(), 1.0f), " 1 \r\n 1 \r\n");
}

TEST(saveAccelerationFile, ReplacesTheFileAndWritesNothingWithoutAFactor)
{
    testing::TempFolder folder;
    SimulationSetup setup;
    ASSERT_TRUE(setup.run());
    const auto file = folder.write("run.txt", "old content that is longer than nothing\r\n");
    ASSERT_TRUE(saveAccelerationFile(file, *setup.model, setup.store));
    EXPECT_EQ(testing::TempFolder::read(file), accelerationFileBytes(setup.series(), setup.model->shownLength(), 1.0f));

    setup.store.set("Lbcoefkm", "Lbcoefkm");
    const auto other = folder / "other.txt";
    EXPECT_FALSE(saveAccelerationFile(other, *setup.model, setup.store));
    EXPECT_FALSE(std::filesystem::exists(other));
    EXPECT_FALSE(saveAccelerationFile(folder / "no" / "such" / "folder.txt", *setup.model, setup.store));
}

TEST(DrawSpeedTime, ScalesToTheRunAndPutsTheTopSpeedOnTheTopEdge)
{
    SimulationSetup setup;
    testing::fillCurve(setup.curve, 1.0f, 5000.0f);  // top speed held to the end
    ASSERT_TRUE(setup.run());
    const ResultSeries& s = setup.series();
    const std::int32_t K = setup.model->shownLength();
    const auto picture = DrawSpeedTime(s, K, setup.model->maxSpeed(), 1.0f, 1.0, 1.0);
    ASSERT_TRUE(picture.scale);
    const double W = s.time[K], H = s.distance[K - 1];
    EXPECT_EQ(picture.scale->first, W);
    EXPECT_EQ(picture.scale->second, H);
    const std::vector<PlotLine> segments = segmentsOf(picture.plot);
    ASSERT_EQ(segments.size(), static_cast<std::size_t>(2 * (K - 2) + 6 + 10));

    double topSpeedY = H;
    for (std::int32_t i = 0; i < K - 2; ++i) {
        const PlotLine& speed = segments[i];
        EXPECT_EQ(speed.colour, kSpeedCurveColour);
        topSpeedY = std::min({topSpeedY, speed.y1, speed.y2});
    }
    EXPECT_NEAR(topSpeedY, 0.0, H * 1e-6);
    const PlotLine& firstDistance = segments[K - 2];
    EXPECT_EQ(firstDistance.colour, kDistanceCurveColour);
    EXPECT_EQ(firstDistance.x1, s.time[1]);
    EXPECT_NEAR(firstDistance.y1, H - s.distance[1], 1e-9);
    EXPECT_EQ(segments.back().colour, kSpeedTimeGridColour);

    // Factor 1: distances in fifths of the distance, speeds in fifths of vmax.
    EXPECT_EQ(picture.distanceLabels[5], formatPattern(H, Pattern::OneDecimal));
    EXPECT_EQ(picture.distanceLabels[1], formatPattern(H / 5, Pattern::OneDecimal));
    ASSERT_TRUE(picture.speedLabels[5]);
    EXPECT_EQ(*picture.speedLabels[5], formatPattern(picture.maxSpeed, Pattern::OneDecimal));
    EXPECT_EQ(picture.timeLabels[9], formatPattern(W, Pattern::OneDecimal));
    EXPECT_EQ(picture.timeLabels[0], "0");
}

TEST(DrawSpeedTime, TheDistanceAxisIsInTheUnitItNames)
{
    EXPECT_EQ(distanceUnitFor("km").name, "m");
    EXPECT_EQ(distanceUnitFor("km").perMetre, 1.0);
    EXPECT_EQ(distanceUnitFor("mi").name, "yd");
    // 1760 yd in a mile of 1609,344 m.
    EXPECT_NEAR(distanceUnitFor("mi").perMetre, 1760 / 1609.344, 1e-12);
    EXPECT_EQ(distanceUnitFor("lieue").name, "m");

    SimulationSetup setup;
    testing::fillCurve(setup.curve, 1.0f, 5000.0f);
    ASSERT_TRUE(setup.run());
    const ResultSeries& s = setup.series();
    const std::int32_t K = setup.model->shownLength();
    // Miles per hour on the speed axis, yards on the distance axis: the top
    // distance label is the run's distance in metres ÷ 0,9144, never metres ×
    // the speed factor.
    const float mph = 0.6213712f;
    const auto picture = DrawSpeedTime(s, K, setup.model->maxSpeed(), mph, 1.0, 1.0, distanceUnitFor("mi").perMetre);
    ASSERT_TRUE(picture.scale);
    const double yards = s.distance[K - 1] / 0.9144;
    EXPECT_NEAR(picture.scale->second, yards, yards * 1e-12);
    EXPECT_EQ(picture.distanceLabels[5], formatPattern(yards, Pattern::OneDecimal));
    ASSERT_TRUE(picture.speedLabels[5]);
    EXPECT_EQ(*picture.speedLabels[5], formatPattern(picture.maxSpeed * double(mph), Pattern::OneDecimal));
    // The distance curve ends on its own height whatever the unit; the speed
    // curve still reaches the top edge at the top speed.
    const std::vector<PlotLine> segments = segmentsOf(picture.plot);
    double topSpeedY = yards;
    for (std::int32_t i = 0; i < K - 2; ++i)
        topSpeedY = std::min({topSpeedY, segments[i].y1, segments[i].y2});
    EXPECT_NEAR(topSpeedY, 0.0, yards * 1e-6);
    EXPECT_NEAR(segments[2 * (K - 2) - 1].y2, 0.0, yards * 1e-9);
}

TEST(DrawSpeedTime, WithoutARunOnlyTheGridAndLabelsOnTheOldScale)
{
    AccelerationModel fresh;
    for (std::int32_t K : {0, 1}) {
        const auto picture = DrawSpeedTime(fresh.series(), K, 1.0f, 1.0f, 90.0, 500.0);
        EXPECT_FALSE(picture.scale);
        EXPECT_EQ(segmentsOf(picture.plot).size(), 16u);
        EXPECT_EQ(picture.timeLabels[9], "90,0");
        EXPECT_EQ(picture.distanceLabels[5], "500,0");
        EXPECT_FALSE(picture.speedLabels[1]);
    }
}

TEST(layoutSpeedTimePlot, GivesThePlotTheRoomLeftAndFollowsItWithTheLabels)
{
    SpeedTimeLayout design;
    design.plot = {600, 2850, 9000, 4000};
    for (int i = 0; i <= 5; ++i) {
        design.speedLabels[i] = {30, 0, 540, 240};
        design.distanceLabels[i] = {9630, 0, 540, 240};
    }
    struct Case {
        int width, height, plotWidth, plotHeight;
    } cases[] = {
        {15000, 10500, 13800, 6650},
        {1200, 3850, 9000, 4000},  // no room: the plot keeps its size
        {1201, 3851, 1, 1},
    };
    for (const Case& c : cases) {
        const SpeedTimeLayout l = layoutSpeedTimePlot(c.width, c.height, design);
        EXPECT_EQ(l.plot.width, c.plotWidth);
        EXPECT_EQ(l.plot.height, c.plotHeight);
        const int bottom = l.plot.top + l.plot.height;
        EXPECT_EQ(l.timeLabels[0].left, 600);
        EXPECT_EQ(l.timeLabels[9].left, 600 + l.plot.width);
        EXPECT_EQ(l.timeLabels[4].top, bottom);
        EXPECT_EQ(l.speedLabels[0].top, bottom);
        EXPECT_EQ(l.speedLabels[5].top, l.plot.top);
        EXPECT_EQ(l.distanceLabels[5].left, 600 + l.plot.width + 30);
        EXPECT_EQ(l.speedLabels[2].left, 30);
    }
}

}  // namespace
}  // namespace vornax
