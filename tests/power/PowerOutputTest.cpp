#include "power/PowerChart.h"
#include "power/PowerCurveFile.h"
#include "power/PowerInputs.h"
#include "power/PowerLayout.h"
#include "power/PowerTexts.h"

#include "PowerTestData.h"
#include "TempFolder.h"
#include "store/Varia.h"

#include <gtest/gtest.h>

namespace vornax {
namespace {

using testing::TempFolder;

// Rows 10 and 11 hold the values to write; n = 51 writes rows 10 ... 11.
PowerTable twoRowTable()
{
    PowerTable table = emptyPowerTable();
    for (int i = 0; i < kMaxPowerPoints; ++i)
        table[i] = {9999.0f, 9999.0f, 9999.0f};
    table[10] = {3012.5f, 10.83271f, 45.925161f};
    table[11] = {6498.0f, -9.02f, -82.3f};
    return table;
}

TEST(PowerCurveFileTest, DataLinesForRowsTenToFortyBeforeTheEndThenTheFactors)
{
    EXPECT_EQ(powerCurveFileBytes(twoRowTable(), 51, 736.0f, 0.1f), "3012,5;10,83271;45,92516\r\n"
                                                                    "6498;-9,02;-82,3\r\n"
                                                                    " 736 \r\n"
                                                                    " 0,1 \r\n");
    // 49 lines or fewer: only the factor lines.
    EXPECT_EQ(powerCurveFileBytes(twoRowTable(), 49, 735.49875f, 0.1019716f), " 735,4988 \r\n 0,1019716 \r\n");
    EXPECT_EQ(powerCurveFileBytes(twoRowTable(), 0, -1.5f, 1e-5f), "-1,5 \r\n 1E-05 \r\n");
    EXPECT_EQ(powerCurveDataLines(49), 0);
    EXPECT_EQ(powerCurveDataLines(50), 1);
    EXPECT_EQ(powerCurveDataLines(5001), 4952);
}

TEST(PowerCurveFileTest, SavingTwiceReplacesTheFileAndABadFactorWritesNothing)
{
    resetStore();
    testing::fillTestVehicle(store());
    TempFolder folder;
    const auto file = folder / "p.txt";
    ASSERT_TRUE(savePowerCurveFile(file, twoRowTable(), 51, store()).ok());
    ASSERT_TRUE(savePowerCurveFile(file, twoRowTable(), 50, store()).ok());
    EXPECT_EQ(TempFolder::read(file), "3012,5;10,83271;45,92516\r\n 736 \r\n 0,1 \r\n");

    store().set("LbConvertionNm", "ConvertionNm");  // no language loaded
    const auto failed = savePowerCurveFile(file, twoRowTable(), 51, store());
    ASSERT_FALSE(failed.ok());
    EXPECT_NE(failed.error().find("line 61 of the language file"), std::string::npos) << failed.error();
    EXPECT_EQ(TempFolder::read(file), "3012,5;10,83271;45,92516\r\n 736 \r\n 0,1 \r\n");
}

TEST(PowerTextsTest, SummaryLinesAxisLabelsAndCaption)
{
    resetStore();
    testing::fillTestVehicle(store());
    PowerExtremes e;
    e.maxPower = 76.0476f, e.rpmAtMaxPower = 6123.45f, e.maxTorque = 17.8161f, e.rpmAtMaxTorque = 4000.0f;
    const SummaryLines lines = summaryLines(e, store());
    EXPECT_EQ(lines.power, "Puissance max: 76,05ch / 6123,5 tr/min");
    EXPECT_EQ(lines.torque, "Couple max: 17,82mkg/ 4000,0 tr/min");

    ChartScale s;
    s.powerTop = 82, s.powerBottom = 19, s.powerSpan = 63;
    s.torqueTop = 10.5f, s.torqueBottom = 5.7f, s.torqueSpan = 4.8f;
    s.rpmLeft = 1900, s.rpmRight = 6300, s.rpmSpan = 4400;
    const AxisLabels labels = axisLabels(s);
    EXPECT_EQ(labels.power[0], "82,0");
    EXPECT_EQ(labels.power[1], "75,0");  // 19 + 63 × 8 / 9
    EXPECT_EQ(labels.power[8], "26,0");  // 19 + 63 × 1 / 9
    EXPECT_EQ(labels.power[9], "19,0");
    EXPECT_EQ(labels.torque[0], "10,5");
    EXPECT_EQ(labels.torque[9], "5,7");
    EXPECT_EQ(labels.rpm[0], "1900");
    EXPECT_EQ(labels.rpm[1], "2450");
    EXPECT_EQ(labels.rpm[4], "4100");
    EXPECT_EQ(labels.rpm[8], "6300");
    s.rpmLeft = 1900.5f;  // halves go to the even neighbour
    EXPECT_EQ(axisLabels(s).rpm[0], "1900");

    store().set("LbMcalcP", "Calcul de puissance");
    EXPECT_EQ(powerWindowCaption(store()), "Calcul de puissance     ****Essai****");
}

TEST(PowerInputsTest, GearListFollowsTheGearbox)
{
    resetStore();
    for (const auto& [box, count] : {std::pair{"7", 5u}, {"8", 6u}, {"5", 4u}, {"0", 4u}, {"?", 4u}}) {
        store().set("lblboite", box);
        const auto names = gearNames(store());
        EXPECT_EQ(names.size(), count) << box;
        EXPECT_EQ(names.back(), std::to_string(count) + "e") << box;
    }
}

PowerResult resultOfRows(int n)
{
    PowerResult r;
    r.table = emptyPowerTable();
    for (int i = 0; i < kMaxPowerPoints; ++i)
        r.table[i] = {2000.0f + 10 * i, 10.0f, 50.0f};
    r.pointCount = n;
    r.scale.rpmLeft = 1900, r.scale.rpmSpan = 1000;
    r.scale.powerTop = 60, r.scale.powerSpan = 40;
    r.scale.torqueTop = 12, r.scale.torqueSpan = 8, r.scale.torqueToPower = 5;
    return r;
}

TEST(PowerChartTest, GridThenOneSegmentPerCurveAndRow)
{
    const PlotList noneChart = powerChart(resultOfRows(49));
    EXPECT_EQ(noneChart.scaleWidth, 1000.0);
    EXPECT_EQ(noneChart.scaleHeight, 40.0);
    const std::vector<PlotLine> none = segmentsOf(noneChart);
    ASSERT_EQ(none.size(), 19u);     // ten horizontal and nine vertical grid lines
    EXPECT_EQ(none[0].y1, 40.0);     // bottom edge first
    EXPECT_EQ(none[9].y1, 0.0);      // top edge last
    EXPECT_EQ(none[10].x1, 1000.0);  // right edge first
    EXPECT_EQ(none[18].x1, 0.0);
    for (const auto& l : none)
        EXPECT_EQ(l.colour, kGridColour);

    const std::vector<PlotLine> one = segmentsOf(powerChart(resultOfRows(50)));
    ASSERT_EQ(one.size(), 21u);
    const PlotLine& power = one[19];
    EXPECT_EQ(power.colour, kPowerColour);
    EXPECT_DOUBLE_EQ(power.x1, 2100.0 - 1900.0);  // row 10
    EXPECT_DOUBLE_EQ(power.x2, 2110.0 - 1900.0);  // row 11
    EXPECT_DOUBLE_EQ(power.y1, 60.0 - 50.0);
    const PlotLine& torque = one[20];
    EXPECT_EQ(torque.colour, kTorqueColour);
    EXPECT_DOUBLE_EQ(torque.y1, 5 * 12.0 - 5 * 10.0);

    EXPECT_EQ(segmentsOf(powerChart(resultOfRows(100))).size(), 19u + 2 * 51);
}

TEST(PowerLayoutTest, PictureFollowsTheWindowAndLabelsFollowThePicture)
{
    PowerLayoutInput in{12000, 9000, 900, 1200, 5000, 4000};
    PowerLayout out = layoutPowerWindow(in);
    EXPECT_EQ(out.pictureHeight, 9000 - 1200 - 900);
    EXPECT_EQ(out.pictureWidth, 12000 - 2 * 900);
    EXPECT_EQ(out.valueTops[0], 1200);
    EXPECT_DOUBLE_EQ(out.valueTops[1], 6900.0 / 9 + 1200);
    EXPECT_EQ(out.valueTops[9], 6900 + 1200 - 130);
    EXPECT_EQ(out.rpmTop, 6900 + 1200 + 130);
    EXPECT_EQ(out.rpmLefts[0], 900 - 312);
    EXPECT_EQ(out.rpmLefts[1], 10200 * 0.125 + 900 - 313);
    EXPECT_EQ(out.rpmLefts[8], 10200 + 900 - 312);
    EXPECT_EQ(out.torqueLeft, 11100);
    EXPECT_EQ(out.torqueTitleLeft, 11100 - 700);

    // Too small: the picture keeps its size.
    in.windowWidth = 1800, in.windowHeight = 2100;
    out = layoutPowerWindow(in);
    EXPECT_EQ(out.pictureWidth, 5000);
    EXPECT_EQ(out.pictureHeight, 4000);
}

}  // namespace
}  // namespace vornax
