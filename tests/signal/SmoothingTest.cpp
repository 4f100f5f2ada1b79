#include "signal/Smoothing.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vornax {
namespace {

// Time rising 10 ms per row, speed rising 1 rpm per row from 2 000.
Curve risingCurve(int pointCount)
{
    Curve c;
    for (int r = 1; r <= pointCount; ++r)
        c.rows[r] = {r * 0.01f, 2000.0f + r};
    c.pointCount = pointCount;
    return c;
}

TEST(Binomial, IsTheProductFormula)
{
    EXPECT_EQ(Binomial(5, 2), 10.0);
    EXPECT_EQ(Binomial(10, 3), 120.0);
    EXPECT_EQ(Binomial(89, 0), 1.0);
    EXPECT_EQ(Binomial(89, 89), 1.0);
    EXPECT_EQ(Binomial(0, 0), 1.0);
    EXPECT_NEAR(Binomial(60, 30), 118264581564861424.0, 118264581564861424.0 * 1e-13);
    EXPECT_TRUE(std::isinf(Binomial(2000, 1000)));
}

TEST(BezierPoint, WeighsTheControlPointsByBernsteinTerms)
{
    EXPECT_EQ(BezierPoint({}, 0.5f), 0.0f);
    EXPECT_EQ(BezierPoint({1.0f, 2.0f, 4.0f}, 0.5f), 2.25f);
    EXPECT_EQ(BezierPoint({7.0f}, 0.3f), 7.0f);
    // Thousands of equal points: the binomials overflow a double, yet the
    // terms still sum to the common value (they add up to one).
    const std::vector<float> flat(3000, 1000.0f);
    for (const float t : {0.001f, 0.25f, 0.5f, 0.99f}) {
        const float v = BezierPoint(flat, t);
        ASSERT_TRUE(std::isfinite(v)) << t;
        EXPECT_NEAR(v, 1000.0f, 0.05f) << t;
    }
}

TEST(AverageCurve, RunningMeanOfEachBlock)
{
    struct Case {
        int level, count, row;
        float expected;  // speed of `row` afterwards, for speed(r) = r
        int expectedCount;
    };
    // L = 1: (row i + row i+1) / 2. L = 2: ((((i + 2i)/2 + 2i+1)/2 + 2i+2)/2.
    for (const Case c : {Case{1, 991, 5, 5.5f, 990}, Case{2, 20, 3, 6.875f, 9}, Case{2, 21, 3, 6.875f, 10},
                         Case{2, 23, 3, 6.875f, 10}, Case{4, 40, 2, 0.0f, 9}}) {
        Curve curve;
        for (int r = 0; r <= c.count; ++r)
            curve.rows[r] = {float(r), float(r)};
        curve.pointCount = c.count;
        AverageCurve(curve, c.level);
        EXPECT_EQ(curve.pointCount, c.expectedCount) << c.level << " " << c.count;
        if (c.level < 4) {
            EXPECT_EQ(curve.rows[c.row].speed, c.expected) << c.level;
        }
        EXPECT_EQ(curve.rows[c.row].time, curve.rows[c.row].speed);
    }
    // L = 4, row 2 reads rows 8..12 starting from row 2.
    Curve curve;
    for (int r = 0; r <= 40; ++r)
        curve.rows[r] = {float(r), float(r)};
    curve.pointCount = 40;
    AverageCurve(curve, 4);
    float acc = 2;
    for (int j = 0; j <= 4; ++j)
        acc = (float(8 + j) + acc) / 2;
    EXPECT_EQ(curve.rows[2].speed, acc);
}

TEST(Smoothing, DefaultSettingsTake991PointsTo990Then979)
{
    Curve curve = risingCurve(991);
    AverageCurve(curve, 1);
    ASSERT_EQ(curve.pointCount, 990);
    // The Bezier control points are rows 11, 22, .. 990 of the averaged curve.
    std::vector<float> times, speeds;
    for (int k = 1; k <= 90; ++k) {
        times.push_back(curve.rows[k * 11].time);
        speeds.push_back(curve.rows[k * 11].speed);
    }
    bezierStage(curve, 11);
    EXPECT_EQ(curve.pointCount, 979);
    float t = 0.001f;
    for (int m = 0; m <= 989; ++m, t += 0.001f) {
        ASSERT_NEAR(curve.rows[m].time, BezierPoint(times, t), 1e-6 * 10) << m;
        ASSERT_NEAR(curve.rows[m].speed, BezierPoint(speeds, t), 1e-6 * 3000) << m;
    }
    EXPECT_NEAR(curve.rows[0].time, times.front(), 0.02);
    EXPECT_NEAR(curve.rows[989].time, times.back(), 0.12);

    Curve viaSettings = risingCurve(991);
    ASSERT_TRUE(smoothCurve(viaSettings, {}).ok());
    EXPECT_EQ(viaSettings.pointCount, 979);
    EXPECT_EQ(viaSettings.rows[500], curve.rows[500]);
}

TEST(Smoothing, FullTableStaysFiniteAndMatchesTheFormula)
{
    // 32 000 rows: 2 909 control points, binomials far past a double.
    Curve curve = risingCurve(Curve::kLastRow);
    std::vector<float> times;
    for (int k = 1; k <= 2909; ++k)
        times.push_back(curve.at(k * 11).time);
    bezierStage(curve, 11);
    EXPECT_EQ(curve.pointCount, 979);
    float t = 0.001f;
    for (int m = 0; m <= 989; ++m, t += 0.001f) {
        ASSERT_TRUE(std::isfinite(curve.rows[m].time) && std::isfinite(curve.rows[m].speed)) << m;
        if (m % 97 == 0) {
            EXPECT_NEAR(curve.rows[m].time, BezierPoint(times, t), 1e-6 * 320) << m;
        }
    }
}

TEST(Smoothing, ControlPointsPastTheCurveBendItDownAndCutIt)
{
    // 105 rows, spacing 11: 10 control points, the last one at row 110,
    // past the curve, where the fresh table holds zeros.
    Curve curve = risingCurve(105);
    bezierStage(curve, 11);
    EXPECT_LT(curve.pointCount, 979);
    EXPECT_GT(curve.rows[curve.pointCount + 2].time, curve.rows[curve.pointCount + 3].time);

    // Too short for one control point: rows of zeros, 979 kept.
    Curve tiny = risingCurve(5);
    bezierStage(tiny, 11);
    EXPECT_EQ(tiny.pointCount, 979);
    EXPECT_EQ(tiny.rows[400], CurvePoint{});
}

TEST(Smoothing, RefusesUnusableSettings)
{
    Curve curve = risingCurve(200);
    const Curve before = curve;
    EXPECT_FALSE(smoothCurve(curve, {true, 0, true, 10}).ok());
    EXPECT_FALSE(smoothCurve(curve, {true, 1, true, -1}).ok());
    EXPECT_EQ(curve.pointCount, before.pointCount);
    EXPECT_TRUE(smoothCurve(curve, {false, 0, false, -1}).ok());  // nothing asked, nothing checked
}

}  // namespace
}  // namespace vornax
