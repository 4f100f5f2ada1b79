#include "compare/CurvePlot.h"

#include "CurveFiles.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vornax {
namespace {

using namespace compare;

using testing::slotOf;

const PlotTexts kTexts{"Puissance", "ch", "Couple", "Nm"};
const Rgb kBlack{0, 0, 0};

std::vector<PowerPoint> points(std::initializer_list<PowerPoint> list) { return list; }

// Two ticked curves whose extremes are easy to follow: power 10..40 and
// torque 20..50 over 1000..3000 rpm.
CurveSet twoCurves()
{
    CurveSet set;
    set[0] = slotOf(points({{1000, 30, 10}, {1000, 30, 10}, {2000, 50, 30}, {3000, 40, 40}}));
    set[1] = slotOf(points({{1500, 20, 15}, {1500, 20, 15}, {2500, 25, 20}}));
    return set;
}

std::size_t linesOfColour(const PlotDrawing& d, Rgb colour)
{
    std::size_t n = 0;
    for (const PlotLine& s : segmentsOf(d.plot))
        n += s.colour == colour ? 1 : 0;
    return n;
}

TEST(PlotCurves, LabelsScalesAndGridOfTwoCurves)
{
    CurveSet set = twoCurves();
    set[1].torqueColour = {0, 128, 0};
    PlotMemory memory;
    const PlotDrawing d = plotCurves(set, {true, true}, kTexts, memory);
    ASSERT_EQ(d.stop, PlotStop::None);
    EXPECT_EQ(d.label76, "Puissance max: 40,00ch / 3000,0 tr/min");
    EXPECT_EQ(d.label77, "Couple max: 50,00Nm / 2000,0 tr/min");
    // Widened bounds: power 9,5 .. 42, torque 19 .. 52,5, speed 950 .. 3150.
    EXPECT_EQ(*d.labels[30], "ch");
    EXPECT_EQ(*d.labels[1], "42,0");
    EXPECT_EQ(*d.labels[2], "38,4");  // 9,5 + 32,5 × 8 ÷ 9
    EXPECT_EQ(*d.labels[10], "9,5");
    EXPECT_EQ(*d.labels[11], "52,5");
    EXPECT_EQ(*d.labels[20], "19,0");
    EXPECT_EQ(*d.labels[21], "950");
    EXPECT_EQ(*d.labels[25], "2050");
    EXPECT_EQ(*d.labels[29], "3150");
    EXPECT_DOUBLE_EQ(*d.scaleHeight, 32.5);
    EXPECT_DOUBLE_EQ(*d.scaleWidth, 2200.0);
    EXPECT_FLOAT_EQ(memory.readout.lowerRpm, 950.0f);
    EXPECT_FLOAT_EQ(memory.readout.lowerPower, 9.5f);
    EXPECT_FLOAT_EQ(memory.readout.lowerTorque, 19.0f);
    EXPECT_FLOAT_EQ(memory.readout.torquePerPower, 33.5f / 32.5f);
    EXPECT_EQ(linesOfColour(d, kBlack), 19u);
    // Slot 0 draws points 1-2 and 2-3 of each quantity, slot 1 its 1-2.
    EXPECT_EQ(linesOfColour(d, Rgb{0, 0, 255}), 2u);
    EXPECT_EQ(linesOfColour(d, Rgb{0, 128, 0}), 1u);
    EXPECT_EQ(linesOfColour(d, Rgb{255, 0, 0}), 3u);
    // The torque run is stretched onto the power height: its top point (50 at
    // 2000 rpm) sits 2,5 torque units below the top.
    const PlotLine torque = segmentsOf(d.plot)[19];
    EXPECT_FLOAT_EQ(static_cast<float>(torque.x2), 1050.0f);
    EXPECT_NEAR(torque.y2, 2.5 * 32.5 / 33.5, 1e-4);
}

TEST(PlotCurves, QuantitiesNotShownEmptyTheirLabels)
{
    PlotMemory memory;
    const PlotDrawing neither = plotCurves(twoCurves(), {false, false}, kTexts, memory);
    ASSERT_EQ(neither.stop, PlotStop::None);
    for (int n : {1, 5, 10, 11, 15, 20, 30, 31})
        EXPECT_EQ(*neither.labels[n], "") << "Label" << n;
    EXPECT_EQ(*neither.labels[21], "950");
    EXPECT_DOUBLE_EQ(*neither.scaleHeight, 33.5);     // the torque range
    EXPECT_EQ(segmentsOf(neither.plot).size(), 19u);  // the grid alone

    const PlotDrawing torqueOnly = plotCurves(twoCurves(), {false, true}, kTexts, memory);
    EXPECT_EQ(*torqueOnly.labels[1], "");
    EXPECT_EQ(*torqueOnly.labels[11], "52,5");
    EXPECT_DOUBLE_EQ(*torqueOnly.scaleHeight, 33.5);
    // Factor 1: y is the torque below the widened maximum.
    EXPECT_FLOAT_EQ(static_cast<float>(segmentsOf(torqueOnly.plot)[19].y1), 52.5f - 30.0f);
}

const PlotLegend* legendOf(const PlotList& plot)
{
    for (const PlotItem& item : plot.items)
        if (const auto* legend = std::get_if<PlotLegend>(&item))
            return legend;
    return nullptr;
}

// Each ticked slot with a file is named in the legend, with a sample of each
// quantity shown; the summary lines name the file holding each maximum.
TEST(PlotCurves, LegendAndSummaryLinesNameTheFiles)
{
    CurveSet set = twoCurves();
    set[0].path = "/runs/essai 1.txt";
    // Slot 1 holds the higher torque, slot 0 the higher power.
    set[1] = slotOf(points({{1500, 20, 15}, {1500, 60, 15}, {2500, 25, 20}}));
    set[1].path = "C:\\runs\\essai 2.txt";
    set[1].powerColour = {0, 0, 9};
    set[2] = slotOf(points({{1000, 1, 1}, {1100, 2, 2}}), false);
    set[2].path = "/runs/not ticked.txt";
    PlotMemory memory;

    const PlotDrawing both = plotCurves(set, {true, true}, kTexts, memory);
    ASSERT_EQ(both.stop, PlotStop::None);
    EXPECT_EQ(both.label76, "Puissance max: 40,00ch / 3000,0 tr/min (essai 1.txt)");
    EXPECT_EQ(both.label77, "Couple max: 60,00Nm / 1500,0 tr/min (essai 2.txt)");
    EXPECT_EQ(both.powerMaxCurve, "essai 1.txt");
    EXPECT_EQ(both.torqueMaxCurve, "essai 2.txt");
    const PlotLegend* legend = legendOf(both.plot);
    ASSERT_NE(legend, nullptr);
    ASSERT_EQ(legend->entries.size(), 2u);
    EXPECT_EQ(legend->entries[1].name, "essai 2.txt");
    ASSERT_EQ(legend->entries[1].samples.size(), 2u);
    EXPECT_EQ(legend->entries[1].samples[0].colour, (Rgb{0, 0, 9}));
    EXPECT_FALSE(legend->entries[1].samples[0].dashed);
    EXPECT_EQ(legend->entries[1].samples[1].colour, set[1].torqueColour);
    EXPECT_TRUE(legend->entries[1].samples[1].dashed);
    // The torque polylines are the dashed ones, as their samples.
    for (const PlotItem& item : both.plot.items)
        if (const auto* line = std::get_if<PlotPolyline>(&item))
            EXPECT_EQ(line->dashed, line->colour == set[0].torqueColour || line->colour == set[1].torqueColour);

    const PlotDrawing powerOnly = plotCurves(set, {true, false}, kTexts, memory);
    ASSERT_NE(legendOf(powerOnly.plot), nullptr);
    EXPECT_EQ(legendOf(powerOnly.plot)->entries[0].samples.size(), 1u);

    // Neither quantity: the grid says what to tick instead of looking empty.
    const PlotDrawing neither = plotCurves(set, {false, false}, kTexts, memory);
    EXPECT_EQ(legendOf(neither.plot), nullptr);
    EXPECT_EQ(textsOf(neither.plot), (std::vector<std::string>{"Tick \"Puissance\" or \"Couple\" to see the curves"}));

    // A maximum of no file (slots filled without one) names none.
    const PlotDrawing nameless = plotCurves(twoCurves(), {true, true}, kTexts, memory);
    EXPECT_EQ(nameless.label76, "Puissance max: 40,00ch / 3000,0 tr/min");
    EXPECT_TRUE(nameless.powerMaxCurve.empty());
    EXPECT_EQ(legendOf(nameless.plot), nullptr);
}

TEST(SlotColours, ElevenDistinctPairsSlotZeroBlueAndRed)
{
    EXPECT_EQ(slotColours(0).torque, (Rgb{0, 0, 255}));
    EXPECT_EQ(slotColours(0).power, (Rgb{255, 0, 0}));
    std::vector<Rgb> seen;
    for (int k = 0; k < kSlotCount; ++k)
        for (Rgb c : {slotColours(k).torque, slotColours(k).power}) {
            EXPECT_EQ(std::count(seen.begin(), seen.end(), c), 0) << "slot " << k;
            // Readable on the white plot: no colour close to white.
            EXPECT_LT(int(c.r) + c.g + c.b, 3 * 215) << "slot " << k;
            seen.push_back(c);
        }
}

TEST(PlotCurves, DropInEngineSpeedEndsThePolylineButNotTheExtremes)
{
    CurveSet set;
    set[0] =
        slotOf(points({{1000, 10, 5}, {1100, 11, 6}, {1200, 12, 7}, {1300, 13, 8}, {1250, 90, 99}, {1400, 14, 9}}));
    PlotMemory memory;
    const PlotDrawing d = plotCurves(set, {true, true}, kTexts, memory);
    ASSERT_EQ(d.stop, PlotStop::None);
    EXPECT_EQ(d.label76, "Puissance max: 99,00ch / 1250,0 tr/min");
    EXPECT_EQ(d.label77, "Couple max: 90,00Nm / 1250,0 tr/min");
    EXPECT_EQ(*d.labels[29], "1470");
    // Points 1-2 and 2-3 only: 3 to 4 goes down in engine speed.
    EXPECT_EQ(linesOfColour(d, Rgb{0, 0, 255}), 2u);
    EXPECT_EQ(linesOfColour(d, Rgb{255, 0, 0}), 2u);
}

TEST(PlotCurves, StartsFromSlotZerosFirstPoint)
{
    CurveSet set;
    set[1] = slotOf(points({{3000, 80, 30}, {3100, 82, 33}, {3200, 85, 37}}));
    PlotMemory memory;
    const PlotDrawing d = plotCurves(set, {true, true}, kTexts, memory);
    ASSERT_EQ(d.stop, PlotStop::None);
    // Slot 0 was never loaded: every lower bound starts at 0.
    EXPECT_EQ(*d.labels[10], "0,0");
    EXPECT_EQ(*d.labels[20], "0,0");
    EXPECT_EQ(*d.labels[21], "0");
    EXPECT_FLOAT_EQ(memory.readout.lowerRpm, 0.0f);
    EXPECT_FLOAT_EQ(memory.readout.lowerPower, 0.0f);
    EXPECT_FLOAT_EQ(memory.readout.lowerTorque, 0.0f);
}

TEST(PlotCurves, OneLineCurveAddsNothing)
{
    CurveSet set = twoCurves();
    PlotMemory memory;
    const PlotDrawing without = plotCurves(set, {true, true}, kTexts, memory);
    set[2] = slotOf(points({{9000, 900, 900}}));
    const PlotDrawing with = plotCurves(set, {true, true}, kTexts, memory);
    EXPECT_EQ(with.label76, without.label76);
    EXPECT_EQ(with.labels, without.labels);
    EXPECT_EQ(segmentsOf(with.plot).size(), segmentsOf(without.plot).size());
}

TEST(PlotCurves, StopsWhereARangeOrLabelFails)
{
    PlotMemory memory;
    memory.rpmAtMaxPower = 4321;
    CurveSet flat;
    flat[0] = slotOf(points({{1000, 0, 0}, {1000, 0, 0}}));
    const PlotDrawing zero = plotCurves(flat, {true, true}, kTexts, memory);
    EXPECT_EQ(zero.stop, PlotStop::Ratio);
    // No power above 0: the speed at maximum power is the earlier one.
    EXPECT_EQ(zero.label76, "Puissance max: 0,00ch / 4321,0 tr/min");
    EXPECT_FALSE(zero.labels[1]);
    EXPECT_FALSE(zero.cleared);
    EXPECT_FLOAT_EQ(memory.readout.torquePerPower, 1.0f);

    CurveSet fast;
    fast[0] = slotOf(points({{30000, 10, 5}, {30000, 10, 5}, {33000, 12, 9}}));
    const PlotDrawing overflow = plotCurves(fast, {true, true}, kTexts, memory);
    EXPECT_EQ(overflow.stop, PlotStop::SpeedAxis);
    EXPECT_EQ(*overflow.labels[21], "28500");
    EXPECT_FALSE(overflow.labels[29]);
    EXPECT_TRUE(segmentsOf(overflow.plot).empty());

    CurveSet flatTorque;
    flatTorque[0] = slotOf(points({{1000, 0, 5}, {1000, 0, 5}, {2000, 0, 9}}));
    EXPECT_EQ(plotCurves(flatTorque, {true, true}, kTexts, memory).stop, PlotStop::TorqueAxis);
    EXPECT_EQ(plotCurves(flatTorque, {true, false}, kTexts, memory).stop, PlotStop::None);
}

}  // namespace
}  // namespace vornax
