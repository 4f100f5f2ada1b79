#include "compare/GraphFrame.h"

#include <gtest/gtest.h>

namespace vornax {
namespace {

using namespace compare;

const PlotTexts kTexts{"Puissance", "ch", "Couple", "mkg"};

TEST(LayoutFrame, PlotFillsTheWindowAndLabelsFollow)
{
    const FrameLayout l = layoutFrame(15000, 9000, {});
    EXPECT_DOUBLE_EQ(l.plot.left, 2400);
    EXPECT_DOUBLE_EQ(l.plot.top, 1110);
    EXPECT_DOUBLE_EQ(l.plot.width, 15000 - 2400 - 630);
    EXPECT_DOUBLE_EQ(l.plot.height, 9000 - 1110 - 900);
    const double w = l.plot.width, h = l.plot.height;
    EXPECT_DOUBLE_EQ(l.labels[30].left, 1770);
    EXPECT_DOUBLE_EQ(l.labels[30].top, 810);
    EXPECT_DOUBLE_EQ(l.labels[1].top, 1110);
    EXPECT_DOUBLE_EQ(l.labels[4].top, 1110 + h * 3 / 9);
    EXPECT_DOUBLE_EQ(l.labels[10].top, 1110 + h - 255);
    EXPECT_DOUBLE_EQ(l.labels[31].left, 2400 + w + 15);
    EXPECT_DOUBLE_EQ(l.labels[20].top, l.labels[10].top);
    EXPECT_DOUBLE_EQ(l.labels[21].left, 2400 - 307);
    EXPECT_DOUBLE_EQ(l.labels[25].left, 2400 + w / 2 - 307);
    EXPECT_DOUBLE_EQ(l.labels[29].top, 1110 + h);
}

TEST(LayoutFrame, TooSmallAWindowKeepsThePlotSize)
{
    const TwipRect before{2400, 1110, 9000, 5000};
    const FrameLayout l = layoutFrame(2400 + 630, 1110 + 900, before);
    EXPECT_DOUBLE_EQ(l.plot.width, 9000);
    EXPECT_DOUBLE_EQ(l.plot.height, 5000);
    EXPECT_DOUBLE_EQ(l.labels[31].left, 2400 + 9000 + 15);
    const FrameLayout wide = layoutFrame(20000, 1000, before);
    EXPECT_DOUBLE_EQ(wide.plot.width, 20000 - 3030);
    EXPECT_DOUBLE_EQ(wide.plot.height, 5000);
}

TEST(ReadoutAt, ReadsBothAxesAtThePointer)
{
    const TwipRect plot{2400, 1110, 12000, 6000};
    // Scale of a plot of 1000..5000 rpm, power 10..50 ch, torque range twice
    // the power range from 5 mkg.
    const ReadoutScale scale{1000, 10, 5, 2};
    // A quarter across, a third up.
    const auto r = readoutAt(2400 + 3000, 1110 + 4000, plot, 4000, 40, scale, kTexts);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->lblX, "2000");
    EXPECT_EQ(r->lblY, "23,3ch");
    EXPECT_EQ(r->lblt, "31,7mkg");

    // Outside, on the edges and over the speed labels below the plot.
    for (auto [x, y] : {std::pair{2400.0, 3000.0},
                        {14400.0, 3000.0},
                        {5000.0, 1110.0},
                        {5000.0, 7110.0},
                        {5000.0, 7300.0},
                        {100.0, 100.0}})
        EXPECT_FALSE(readoutAt(x, y, plot, 4000, 40, scale, kTexts)) << x << "," << y;
}

TEST(ReadoutAt, BeforeAnyPlotReadsTwips)
{
    const TwipRect plot{2400, 1110, 12000, 6000};
    const auto r = readoutAt(2415, 7095, plot, 12000, 6000, ReadoutScale{}, kTexts);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->lblX, "15");
    EXPECT_EQ(r->lblY, "15,0ch");
    EXPECT_EQ(r->lblt, "15,0mkg");
}

}  // namespace
}  // namespace vornax
