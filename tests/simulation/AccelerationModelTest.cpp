#include "SimulationFixture.h"

#include "common/NumberText.h"
#include "power/PowerInputs.h"
#include "simulation/PhaseQuantities.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace vornax {
namespace {

using testing::fillCurve;
using testing::SimulationSetup;

// Gear changes are the only phases where the car slows down: count the runs
// of falling speed.
int coastingStretches(const ResultSeries& s)
{
    int stretches = 0;
    bool falling = false;
    for (std::int32_t i = 1; i <= s.index; ++i) {
        const bool down = s.speed[i] < s.speed[i - 1];
        if (down && !falling)
            ++stretches;
        falling = down;
    }
    return stretches;
}

TEST(FindCurveRow, MovesToTheLastRowNotAboveTheEngineSpeed)
{
    TorqueCurve curve;
    const float rpms[] = {1000, 2000, 3000, 4000};
    for (int i = 0; i < 4; ++i)
        curve.rpm[i] = rpms[i];
    curve.lastRow = 3;
    struct Case {
        std::int16_t from;
        float rpm;
        std::int16_t expected;
    } cases[] = {
        {0, 2500, 1}, {0, 2000, 1}, {0, 999, 0},  // never below row 0
        {2, 500, 1},                              // first row read exceeds: one back
        {0, 9000, 2}, {3, 9000, 2},               // above every row: before the last
        {1, 3500, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindCurveRow(curve, c.from, c.rpm), c.expected) << c.from << " " << c.rpm;
}

TEST(PhaseQuantities, WheelFromTheTyreSizeIn32BitArithmetic)
{
    SimulationSetup setup;
    const auto q = readPhaseQuantities(1, setup.inputs());
    ASSERT_TRUE(q);
    EXPECT_FLOAT_EQ(q->radius, 0.2514f);
    EXPECT_NEAR(q->circumference, 1.5796, 1e-4);
    EXPECT_FLOAT_EQ(q->lossFactor, static_cast<float>(1 / 0.88));

    // 2 × 205 × 80 = 32800 is past 16 bits and still an ordinary tyre:
    // r = (13 × 0,0254 + 32800 ÷ 100000) ÷ 2 = 0,3291 m.
    setup.fields.TextPneuL = "205";
    setup.fields.TextPneuH = "80";
    setup.fields.TextPneuD = "13";
    const auto wide = readPhaseQuantities(1, setup.inputs());
    ASSERT_TRUE(wide);
    EXPECT_FLOAT_EQ(wide->radius, 0.3291f);
    ASSERT_TRUE(setup.run());
    EXPECT_GT(setup.series().index, 1000);
    EXPECT_NE(setup.model->labels().lbT0100, "");
}

TEST(SimulatedGears, TheSameGearsAsThePowerWindowOffers)
{
    // The gearbox choice is a list index: a hand-edited "7,4" reads as 7
    // (five speeds) in every window, "7,5" as 8 (halves to even: six).
    Varia store;
    const std::pair<const char*, int> boxes[] = {{"5", 4},   {"7", 5}, {"8", 6}, {"7,4", 5}, {"7,5", 6},
                                                 {"8,5", 6}, {"6", 4}, {"x", 4}, {"", 4}};
    for (const auto& [box, gears] : boxes) {
        store.set("lblboite", box);
        EXPECT_EQ(simulatedGears(store), gears) << box;
        EXPECT_EQ(gearboxGears(store), gears) << box;  // what the power window's list holds
    }
}

TEST(AccelerationModel, RunsLaunchThenEachGearWithChangesBetween)
{
    struct Case {
        const char* box;
        int changes;
        const char* lastGear;
    } cases[] = {{"5", 3, "en 4 "}, {"7", 4, "en 5 "}, {"8", 5, "en 6 "}};
    for (const Case& c : cases) {
        SimulationSetup setup;
        setup.store.set("lblboite", c.box);
        ASSERT_TRUE(setup.run()) << c.box;
        EXPECT_EQ(coastingStretches(setup.series()), c.changes) << c.box;
        EXPECT_NE(setup.model->labels().lbvte.find(c.lastGear), std::string::npos) << setup.model->labels().lbvte;
        // 6000 × 0,01 is still within 60 s; the sample that passes it is the last.
        EXPECT_EQ(setup.series().index, 6001) << c.box;
        EXPECT_EQ(setup.model->shownLength(), 6000);
    }
}

TEST(AccelerationModel, LastGearIgnoresTheChangeSpeed)
{
    SimulationSetup setup;
    ASSERT_TRUE(setup.run());
    // Fourth gear, G = 3,44: the engine passes 4500 tr/min and the car
    // reaches its top speed in it.
    const float G = 3.44f;
    EXPECT_GT(setup.rpmOf(setup.series().index, G), 4500.0f);
    const std::string vte = setup.model->labels().lbvte;
    EXPECT_EQ(vte.rfind("km/h en 4 à ", 0), 0u) << vte;
    EXPECT_GT(std::stoi(vte.substr(std::string("km/h en 4 à ").size())), 4500);
}

TEST(AccelerationModel, EachGearEndsAtTheChangeSpeedOrTheTopEngineSpeed)
{
    for (const char* change : {"4500", "9000"}) {
        SimulationSetup setup;
        setup.fields.RPMCh = change;
        const float limit = std::min(std::stof(change), setup.curve.topRpm);
        setup.model->startRun();
        ASSERT_EQ(setup.model->SimulatePhase(0, 0, setup.inputs()), PhaseEnd::Finished);
        ASSERT_EQ(setup.model->SimulatePhase(1, setup.model->launchSpeed(), setup.inputs()), PhaseEnd::Finished);
        const float G = 3.44f * 3.2f;
        const std::int32_t last = setup.series().index;
        EXPECT_GT(setup.rpmOf(last, G), limit) << change;
        EXPECT_LE(setup.rpmOf(last - 1, G), limit * 1.0001f) << change;
        EXPECT_EQ(setup.model->phaseEndSpeed(), setup.series().speed[last - 1]);
    }
}

TEST(AccelerationModel, DurationEndingInSecondGearStopsTheRunAndEmptiesUnreachedFigures)
{
    SimulationSetup setup;
    setup.fields.txtfin = "5";
    ASSERT_TRUE(setup.run());
    // 500 × 0,01 is still within 5 s; the sample that passes it is the last.
    EXPECT_EQ(setup.series().index, 501);
    EXPECT_NE(setup.model->labels().lbvte.find("en 2 "), std::string::npos) << setup.model->labels().lbvte;
    EXPECT_NE(setup.model->labels().lbVmaxi, "0");
    EXPECT_EQ(setup.model->labels().lbT0100, "");
    EXPECT_EQ(setup.model->labels().lb400mDA, "");
    EXPECT_EQ(setup.model->labels().lb1000mDA, "");
}

TEST(AccelerationModel, TopSpeedHeldUntilTheDuration)
{
    SimulationSetup setup;
    fillCurve(setup.curve, 1.0f, 5000.0f);  // tops out early in fourth
    ASSERT_TRUE(setup.run());
    const ResultSeries& s = setup.series();
    ASSERT_EQ(s.index, 6000);
    const float held = s.speed[s.index];
    EXPECT_GT(setup.rpmOf(s.index, 3.44f), 5000.0f);
    // The last 10 s at one speed, the distance growing by the same step.
    for (std::int32_t i = s.index - 1000; i <= s.index; ++i)
        EXPECT_EQ(s.speed[i], held);
    EXPECT_NEAR(s.distance[s.index] - s.distance[s.index - 1000], held * 10 / 3.6, 0.5);
    // 0-100 km/h and 400 m were reached before and stay.
    EXPECT_NE(setup.model->labels().lbT0100, "");
    EXPECT_NE(setup.model->labels().lb400mDA, "");
}

// A car whose curve ends low reaches its top speed before 400 m; the time of
// 400 m is then when it passes 400 m at that speed, not when the speed was
// reached.
TEST(AccelerationModel, DistancesCrossedWhileHoldingTheTopSpeedAreTimedThere)
{
    SimulationSetup setup;
    fillCurve(setup.curve, 1.0f, 2000.0f);
    setup.fields.RPMCh = "2000";  // each gear up to the curve's end
    ASSERT_TRUE(setup.run());
    const ResultSeries& s = setup.series();
    std::int32_t holdStart = s.index;
    while (holdStart > 0 && s.speed[holdStart - 1] == s.speed[s.index])
        --holdStart;
    ASSERT_LT(s.distance[holdStart], 400.0f) << "the hold must begin before 400 m";
    ASSERT_GT(s.distance[s.index], 400.0f);
    std::int32_t last400 = 0;
    while (s.distance[last400 + 1] <= 400.0f)
        ++last400;
    EXPECT_EQ(setup.model->labels().lb400mDA, formatPattern(s.time[last400], Pattern::OneDecimal));
    EXPECT_EQ(setup.model->labels().lb1000mDA.empty(), s.distance[s.index] <= 1000.0f);
}

TEST(AccelerationModel, GearChangeAppendsOneSamplePerStepOfTheChangeTime)
{
    struct Case {
        const char* changeTime;
        const char* duration;
        std::int32_t samples;
    } cases[] = {{"0,5", "60", 51}, {"0", "60", 1}, {"1", "60", 101}, {"0,5", "0,2", 21}};
    for (const Case& c : cases) {
        SimulationSetup setup;
        setup.fields.TMPch = c.changeTime;
        setup.fields.txtfin = c.duration;
        setup.model->startRun();
        EXPECT_EQ(setup.model->SimulatePhase(7, 60.0f, setup.inputs()), PhaseEnd::Finished);
        EXPECT_EQ(setup.series().index, c.samples) << c.changeTime << " " << c.duration;
        EXPECT_LT(setup.series().speed[c.samples], 60.0f);  // coasting
    }
}

TEST(AccelerationModel, GearStartingAboveTheChangeSpeedAppendsNothing)
{
    SimulationSetup setup;
    setup.model->startRun();
    ASSERT_EQ(setup.model->SimulatePhase(7, 80.0f, setup.inputs()), PhaseEnd::Finished);
    const std::int32_t before = setup.series().index;
    // 80 km/h in first gear is far above 4500 tr/min.
    EXPECT_EQ(setup.model->SimulatePhase(1, 80.0f, setup.inputs()), PhaseEnd::Finished);
    EXPECT_EQ(setup.series().index, before);
    EXPECT_EQ(setup.model->phaseEndSpeed(), setup.series().speed[before - 1]);
}

TEST(AccelerationModel, FiguresAreTheLastGearSampleBeforeEachThreshold)
{
    SimulationSetup setup;
    ASSERT_TRUE(setup.run());
    const ResultSeries& s = setup.series();
    std::int32_t last400 = 0, last1000 = 0, last100 = 0;
    for (std::int32_t i = 0; i <= s.index; ++i) {
        if (s.distance[i] <= 400.0f)
            last400 = i;
        if (s.distance[i] <= 1000.0f)
            last1000 = i;
        if (s.speed[i] <= 100.0f)
            last100 = i;
    }
    const ResultLabels& labels = setup.model->labels();
    EXPECT_EQ(labels.lb400mDA, formatPattern(s.time[last400], Pattern::OneDecimal));
    EXPECT_EQ(labels.lb1000mDA, formatPattern(s.time[last1000], Pattern::OneDecimal));
    EXPECT_EQ(labels.lbT0100, formatPattern(s.time[last100], Pattern::OneDecimal));
    EXPECT_EQ(labels.lbVmaxi, formatPattern(setup.model->maxSpeed(), Pattern::OneDecimal));
    // A plausible classic Mini.
    EXPECT_GT(parseSingle(labels.lb400mDA).value_or(0), 15.0f);
    EXPECT_LT(parseSingle(labels.lb400mDA).value_or(99), 25.0f);
}

TEST(AccelerationModel, TorqueColumnInDisplayUnitsDrivesLikeNewtonMetres)
{
    // The same engine with torque shown in m·kg: the table holds N·m ×
    // 0,1019716, which the model turns back into N·m.
    SimulationSetup newtonMetres;
    ASSERT_TRUE(newtonMetres.run());
    SimulationSetup metreKilograms;
    metreKilograms.store.set("LbConvertionNm", "0,1019716");
    fillCurve(metreKilograms.curve, 0.1019716f);
    ASSERT_TRUE(metreKilograms.run());
    EXPECT_EQ(metreKilograms.model->labels().lbT0100, newtonMetres.model->labels().lbT0100);
    EXPECT_EQ(metreKilograms.model->labels().lb400mDA, newtonMetres.model->labels().lb400mDA);
    EXPECT_EQ(metreKilograms.model->labels().lbVmaxi, newtonMetres.model->labels().lbVmaxi);
    EXPECT_NEAR(metreKilograms.series().distance[6000], newtonMetres.series().distance[6000], 0.5);
}

TEST(AccelerationModel, RefusesRunsThatCannotMeanAnything)
{
    struct Case {
        const char* what;
        std::function<void(SimulationSetup&)> spoil;
        const char* named;
    };
    const Case cases[] = {
        {"two rows", [](SimulationSetup& s) { s.curve.lastRow = 1; }, "trois lignes"},
        {"final drive", [](SimulationSetup& s) { s.fields.TextRP = "3,4x"; }, "rapportdepont"},
        {"unconfirmed", [](SimulationSetup& s) { s.store.set("LbPr", "?"); }, "premiere gear ratio"},
        {"fifth of a five-speed",
         [](SimulationSetup& s) {
             s.store.set("lblboite", "7");
             s.store.set("lbcq", "?");
         },
         "5th gear ratio"},
        {"empty duration", [](SimulationSetup& s) { s.fields.txtfin = ""; }, "Durée (s)"},
        {"torque factor 0", [](SimulationSetup& s) { s.store.set("LbConvertionNm", "0"); },
         "line 61 of the language file"},
        // The speeds shown and saved are km/h times this factor.
        {"speed factor 0", [](SimulationSetup& s) { s.store.set("Lbcoefkm", "0"); }, "line 56 of the language file"},
        {"negative speed factor", [](SimulationSetup& s) { s.store.set("Lbcoefkm", "-1"); },
         "line 56 of the language file"},
        // Numbers that describe no car: refused rather than run to nonsense.
        {"mass 0", [](SimulationSetup& s) { s.fields.textPoid = "0"; }, "poids"},
        {"negative mass", [](SimulationSetup& s) { s.fields.textPoid = "-650"; }, "poids"},
        {"final drive 0", [](SimulationSetup& s) { s.fields.TextRP = "0"; }, "rapportdepont"},
        {"no wheel",
         [](SimulationSetup& s) {
             s.fields.TextPneuL = "0";
             s.fields.TextPneuD = "0";
         },
         "penumatique"},
        {"third ratio 0", [](SimulationSetup& s) { s.store.set("LbTr", "0"); }, "troisieme gear ratio"},
        {"whole torque lost", [](SimulationSetup& s) { s.store.set("lbperte4e", "100"); }, "pertedeboite – quatrieme"},
        // The curve ends at 7000 tr/min.
        {"change above the curve", [](SimulationSetup& s) { s.fields.RPMCh = "7050"; }, "7000 tr/min"},
        {"long value", [](SimulationSetup& s) { s.fields.textPoid = std::string(5000, '7'); }, "…"},
    };
    for (const Case& c : cases) {
        SimulationSetup setup;
        ASSERT_TRUE(setup.run());
        const ResultLabels before = setup.model->labels();
        c.spoil(setup);
        const Status status = setup.run();
        ASSERT_FALSE(status) << c.what;
        // Named by the caption the user reads (here the store's initial
        // texts, no language file being loaded), never by the field's name.
        EXPECT_NE(status.error().find(c.named), std::string::npos) << status.error();
        for (const char* internal : {"TextRP", "textPoid", "txtfin", "TextPneu", "LbPr", "LbTr", "lbcq", "lbperte"})
            EXPECT_EQ(status.error().find(internal), std::string::npos) << status.error();
        EXPECT_LT(status.error().size(), 200u) << c.what;
        // The previous run stays as it was.
        EXPECT_EQ(setup.series().index, 6001) << c.what;
        EXPECT_EQ(setup.model->labels().lbT0100, before.lbT0100);
    }
    // A four-speed box never reads the fifth and sixth ratios.
    SimulationSetup fourSpeed;
    fourSpeed.store.set("lbcq", "?");
    fourSpeed.store.set("lbsix", "");
    EXPECT_TRUE(fourSpeed.run());
}

TEST(AccelerationModel, LaunchThatCanNeverEndStopsWithAMessage)
{
    SimulationSetup setup;
    setup.curve.torque[2] = 5.0f;  // less than the rolling torque
    const Status status = setup.run();
    ASSERT_FALSE(status);
    EXPECT_NE(status.error().find("Couple insuffisant"), std::string::npos);
    EXPECT_LT(setup.series().index, 10);
}

TEST(AccelerationModel, DurationPastTheSeriesEndsOnItsLastSample)
{
    SimulationSetup setup;
    fillCurve(setup.curve, 1.0f, 5000.0f);
    setup.fields.txtfin = "4000";
    ASSERT_TRUE(setup.run());
    EXPECT_EQ(setup.series().index, ResultSeries::kLastIndex);
    EXPECT_EQ(setup.model->shownLength(), ResultSeries::kLastIndex - 1);
}

}  // namespace
}  // namespace vornax
