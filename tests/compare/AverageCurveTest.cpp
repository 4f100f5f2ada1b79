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
    set[3] = slotOf(risingCurve(120, 2010));
    const auto average = averageCurve(set);
    ASSERT_TRUE(average);
    // From index 100 only the longer curve counts, halved: the speed drops.
    ASSERT_EQ(average->points.size(), 99u);
    EXPECT_FLOAT_EQ(average->points[0].rpm, 2005.0f);
    EXPECT_FLOAT_EQ(average->points[98].rpm, (set[0].point(98).rpm + set[3].point(98).rpm) / 2.0f);

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
        const CurvePoint in = set[5].point(i);
        const CurvePoint out = average->points[static_cast<std::size_t>(i)];
        EXPECT_EQ(out.rpm, in.rpm);
        EXPECT_EQ(out.torque, in.torque);
        EXPECT_EQ(out.power, pi314Power(in.rpm, in.torque));
    }
    // 3000 rpm and 100 N·m make 31400 W with 3.14 (31415,93 with pi).
    set[5] = slotOf({{3000, 100, 1}, {3000, 100, 1}});
    EXPECT_EQ(averageCurve(set)->fileBytes(), "3000;100;31400\r\n");
}

TEST(AverageCurve, ATickedSlotNeverReadHalvesEveryValue)
{
    CurveSet set;
    set[0] = slotOf({{3000, 100, 1}, {3200, 110, 1}, {3400, 120, 1}});
    set[7].ticked = true;
    const auto average = averageCurve(set);
    ASSERT_TRUE(average);
    ASSERT_EQ(average->points.size(), 2u);
    EXPECT_FLOAT_EQ(average->points[1].rpm, 1600.0f);
    EXPECT_FLOAT_EQ(average->points[1].torque, 55.0f);
    EXPECT_EQ(average->points[1].power, pi314Power(1600, 55));
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
