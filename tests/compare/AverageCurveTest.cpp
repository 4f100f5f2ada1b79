#include "compare/AverageCurve.h"

#include "CurveFiles.h"

#include <gtest/gtest.h>

namespace vornax {
namespace {

using namespace compare;

using testing::risingCurve;
using testing::slotOf;

float pi314Power(float rpm, float torque)
{
    return static_cast<float>(double(rpm) * 2.0 * 3.14 / 60.0 * double(torque));
}

TEST(AverageCurve, StopsWhereTheShorterCurveRunsOut)
{
    CurveSet set;
    set[0] = slotOf(risingCurve(100));
    set[3] = slotOf(risingCurve(120, 2000, 25, 90));
    ASSERT_TRUE(shareEngineSpeeds(set));
    const auto average = averageCurve(set);
    ASSERT_TRUE(average);
    EXPECT_FALSE(average->commonGrid);
    // From index 100 only the longer curve counts, halved: the speed drops.
    ASSERT_EQ(average->points.size(), 99u);
    EXPECT_FLOAT_EQ(average->points[0].rpm, 2000.0f);
    EXPECT_FLOAT_EQ(average->points[98].rpm, 2000.0f + 25.0f * 98.0f);
    EXPECT_FLOAT_EQ(average->points[98].torque, (set[0].point(98).torque + set[3].point(98).torque) / 2.0f);

    // A slot still holding a longer earlier file averages on with its points.
    set[0] = slotOf(risingCurve(130));
    ASSERT_TRUE(loadCurveLines(testing::linesOf(testing::curveText(risingCurve(100))), set[0], {1, 1}));
    EXPECT_EQ(averageCurve(set)->points.size(), 119u);
}

TEST(AverageCurve, OneCurveComesBackWithPowerRecomputed)
{
    CurveSet set;
    set[5] = slotOf(risingCurve(50));
    const auto average = averageCurve(set);
    ASSERT_TRUE(average);
    ASSERT_EQ(average->points.size(), 49u);
    for (int i = 0; i < 49; ++i) {
        const PowerPoint in = set[5].point(i);
        const PowerPoint out = average->points[static_cast<std::size_t>(i)];
        EXPECT_EQ(out.rpm, in.rpm);
        EXPECT_EQ(out.torque, in.torque);
        EXPECT_EQ(out.power, pi314Power(in.rpm, in.torque));
    }
    // 3000 rpm and 100 N·m make 31400 W with 3.14 (31415,93 with pi).
    set[5] = slotOf({{3000, 100, 1}, {3000, 100, 1}});
    EXPECT_EQ(averageCurve(set)->fileBytes(), "3000;100;31400\r\n 1 \r\n 1 \r\n");
}

TEST(AverageCurve, ATickedSlotNeverReadIsRefusedRatherThanHalvingEveryValue)
{
    CurveSet set;
    set[0] = slotOf({{3000, 100, 1}, {3200, 110, 1}, {3400, 120, 1}});
    set[7].ticked = true;
    const auto average = averageCurve(set);
    ASSERT_FALSE(average);
    EXPECT_NE(average.error().find("slot 8"), std::string::npos) << average.error();
}

TEST(AverageCurve, WritesAtMost5000LinesAndRefusesNothingTicked)
{
    CurveSet set;
    EXPECT_FALSE(averageCurve(set));
    set[2] = slotOf(risingCurve(6000, 1000, 1));
    set[2].ticked = false;
    EXPECT_FALSE(averageCurve(set));
    set[2].ticked = true;
    const auto average = averageCurve(set);
    ASSERT_TRUE(average);
    EXPECT_EQ(average->points.size(), 5000u);
}

}  // namespace
}  // namespace vornax

namespace vornax {
namespace {

using namespace compare;

std::vector<PowerPoint> sampled(float from, float to, float step, float (*torque)(float))
{
    std::vector<PowerPoint> points;
    for (float rpm = from; rpm <= to; rpm += step)
        points.push_back({rpm, torque(rpm), 0});
    return points;
}

TEST(AverageCurve, CurvesOfOtherEngineSpeedsAreAveragedOnTheRangeTheyShare)
{
    // Torque linear in engine speed, so that interpolation is exact: the
    // average at r is (3 × (50 + r/100) + 6) ÷ 3 = 52 + r/100.
    auto line = [](float rpm) { return 50.0f + rpm / 100.0f; };
    auto raised = [](float rpm) { return 56.0f + rpm / 100.0f; };
    CurveSet set;
    set[0] = testing::slotOf(sampled(2000, 6000, 10, line));  // 401 points
    auto coarse = sampled(2500, 6500, 25, line);
    // A jitter point below the one before it and a lifted foot at the end
    // are no part of the torque against engine speed.
    coarse.insert(coarse.begin() + 40, PowerPoint{3000, 999, 0});
    coarse.push_back({6200, -40, 0});
    set[4] = testing::slotOf(coarse);
    set[9] = testing::slotOf(sampled(1800, 5800, 40, raised));
    EXPECT_FALSE(shareEngineSpeeds(set));

    const auto average = averageCurve(set);
    ASSERT_TRUE(average) << average.error();
    EXPECT_TRUE(average->commonGrid);
    EXPECT_EQ(average->gridFrom, 2500.0f);
    EXPECT_EQ(average->gridTo, 5800.0f);
    // As fine as the finest curve over 2500-5800: every 10 rpm, 331 speeds.
    ASSERT_EQ(average->points.size(), 331u);
    for (std::size_t k = 0; k < average->points.size(); ++k) {
        const PowerPoint p = average->points[k];
        EXPECT_NEAR(p.rpm, 2500.0f + 10.0f * static_cast<float>(k), 1e-3f);
        EXPECT_NEAR(p.torque, 52.0f + p.rpm / 100.0f, 1e-3f) << p.rpm;
        EXPECT_EQ(p.power, pi314Power(p.rpm, p.torque));
    }
}

TEST(AverageCurve, TheGridAveragePeaksBetweenThePeaksOfItsCurves)
{
    // Three runs of one engine, a fine one and two standard ones, each a few
    // N·m apart: by position their peaks would not line up.
    auto hump = [](float rpm) { return 100.0f - 10.0f * ((rpm - 4000) / 1000) * ((rpm - 4000) / 1000); };
    auto humpUp = [](float rpm) { return 104.0f - 10.0f * ((rpm - 4000) / 1000) * ((rpm - 4000) / 1000); };
    CurveSet set;
    set[0] = testing::slotOf(sampled(2000, 6100, 1.7f, hump));
    set[1] = testing::slotOf(sampled(2300, 6400, 4.5f, humpUp));
    set[2] = testing::slotOf(sampled(1900, 6000, 4.5f, hump));
    const auto average = averageCurve(set);
    ASSERT_TRUE(average);
    float peak = 0, peakRpm = 0;
    for (const PowerPoint& p : average->points)
        if (p.torque > peak) {
            peak = p.torque;
            peakRpm = p.rpm;
        }
    EXPECT_NEAR(peak, 100.0f + 4.0f / 3.0f, 0.01f);
    EXPECT_NEAR(peakRpm, 4000.0f, 5.0f);
    EXPECT_NEAR(average->points.back().rpm, 5999.5f, 0.01f);  // the last of 1900 + 4,5 k
}

TEST(AverageCurve, CurvesWithoutCommonRangeOrWithTooFewSpeedsAreRefused)
{
    CurveSet set;
    set[0] = testing::slotOf(testing::risingCurve(40, 2000));  // 2000-2975
    set[1] = testing::slotOf(testing::risingCurve(40, 3500));
    EXPECT_FALSE(averageCurve(set));
    set[1] = testing::slotOf({{2500, 80, 0}, {2400, 80, 0}});
    const auto refused = averageCurve(set);
    ASSERT_FALSE(refused);
    EXPECT_NE(refused.error().find("slot 2"), std::string::npos) << refused.error();
}

TEST(AverageCurve, TheFileReadsBackInItsOwnUnitsUnderAnotherLanguage)
{
    // Averaged in ch and m·kg (French), read back in kW and N·m (English):
    // 10 m·kg is 10 ÷ 0,102 = 98,04 N·m, 20 ch is 20 × 736 ÷ 1000 = 14,72 kW.
    const DisplayUnits french{736, 0.102f}, english{1000, 1};
    CurveSet set;
    ASSERT_TRUE(loadCurveLines(testing::linesOf(testing::curveText({{3000, 10, 20}, {3100, 11, 22}, {3200, 12, 24}},
                                                                   testing::Factors{736, 0.102f})),
                               set[0], french));
    set[0].ticked = true;
    const auto average = averageCurve(set, french);
    ASSERT_TRUE(average);
    CurveSlot reread;
    ASSERT_TRUE(loadCurveLines(testing::linesOf(average->fileBytes()), reread, english));
    ASSERT_EQ(reread.pointCount, 2);
    EXPECT_NEAR(reread.point(0).torque, 10.0f / 0.102f, 1e-3f);
    // The recomputed power: 3000 × 2 × 3,14 ÷ 60 × 98,04 N·m = 30 784 W.
    EXPECT_NEAR(reread.point(0).power, 3000.0 * 2 * 3.14 / 60 * (10 / 0.102) / 1000, 1e-3);
}

}  // namespace
}  // namespace vornax
