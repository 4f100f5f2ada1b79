#include "power/PowerComputation.h"

#include "PowerTestData.h"
#include "power/PowerCurveInput.h"
#include "TempFolder.h"
#include "store/Varia.h"

#include <gtest/gtest.h>

namespace vornax {
namespace {

using testing::TempFolder;

constexpr int kFourthGear = 3;

// From 2000 to 6500 rpm in n tenths of a second.
std::vector<RunPoint> rampPoints(int n)
{
    std::vector<RunPoint> points;
    for (int i = 0; i < n; ++i)
        points.push_back({static_cast<float>(i * 0.1 + 1.0), static_cast<float>(testing::testRpm(i, n))});
    return points;
}

class PowerComputationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetStore();
        testing::fillTestVehicle(store());
    }
    PowerInputs fourthGear() { return readPowerInputs(store(), kFourthGear).value(); }
    // A curve file computed in 4th gear as the window and `vornax power` do:
    // the store's inputs, then the file's points, then the rows.
    Result<PowerResult> computeFile(const std::filesystem::path& file)
    {
        const auto inputs = readRunInputs(store(), kFourthGear);
        if (!inputs)
            return Failure{inputs.error()};
        const auto points = readPowerCurveInput(file);
        if (!points)
            return Failure{points.error()};
        return computePower(*inputs, *points, emptyPowerTable(), file.string());
    }
    TempFolder folder;
};

// The worked point: 145/70/12, G = 3,105, 650 kg, SCx 0,933, both inertias
// 0,11, 14 % loss, 736 W per unit and 0,1 unit per N·m, from (1 s, 3000 rpm)
// to (1,2 s, 3050 rpm).
TEST_F(PowerComputationTest, WorkedPointTermByTermAndThroughTheFile)
{
    const auto model = PowerModel::make(fourthGear());
    ASSERT_TRUE(model.ok()) << model.error();
    EXPECT_NEAR(model->radius(), 0.2539, 1e-12);
    EXPECT_FLOAT_EQ(model->ratio(), 3.105f);
    EXPECT_FLOAT_EQ(model->factor(), 1.1627907f);

    const auto terms = model->terms({1.0f, 3000.0f}, {1.2f, 3050.0f});
    ASSERT_TRUE(terms);
    EXPECT_NEAR(terms->wheelInertia, 93.84, 0.01);
    EXPECT_NEAR(terms->engineInertia, 904.71, 0.01);
    EXPECT_NEAR(terms->aero, 9506.25, 0.01);
    EXPECT_NEAR(terms->translation, 35746.5, 0.1);
    EXPECT_NEAR(terms->rolling, 1883.78, 0.01);
    EXPECT_NEAR(terms->atWheels, 48135.1, 0.1);

    const auto file = folder.write("run.ReT", "1;3000\r\n1,2;3050\r\n1,4;3100\r\n");
    const auto result = computeFile(file);
    ASSERT_TRUE(result.ok()) << result.error();
    EXPECT_EQ(result->pointCount, 3);
    EXPECT_EQ(result->table[0].rpm, 3000.0f);
    EXPECT_NEAR(result->table[0].power, 76.0476, 5e-5);
    EXPECT_NEAR(result->table[0].torque, 17.8161, 5e-5);
}

// A vehicle with its own rolling coefficient (from a coast-down) scales the
// rolling term alone; an empty entry is the constant, and a coefficient no
// tyre has is refused by name.
TEST_F(PowerComputationTest, TheVehiclesOwnRollingCoefficient)
{
    EXPECT_EQ(fourthGear().rollingCoefficient, physics::kRollingCoefficient);
    store().set("lbCrr", "0,015");
    const auto inputs = readPowerInputs(store(), kFourthGear);
    ASSERT_TRUE(inputs) << inputs.error();
    const auto model = PowerModel::make(*inputs);
    ASSERT_TRUE(model.ok()) << model.error();
    const auto terms = model->terms({1.0f, 3000.0f}, {1.2f, 3050.0f});
    ASSERT_TRUE(terms);
    EXPECT_NEAR(terms->rolling, 1883.78 * 1.5, 0.02);
    EXPECT_NEAR(terms->aero, 9506.25, 0.01);
    for (const char* bad : {"0", "0,2", "x"}) {
        store().set("lbCrr", bad);
        const auto refused = readPowerInputs(store(), kFourthGear);
        ASSERT_FALSE(refused) << bad;
        EXPECT_NE(refused.error().find("olling"), std::string::npos) << refused.error();
    }
}

TEST_F(PowerComputationTest, ReadsTheSelectedGearAndRoundsLossesToWholePercents)
{
    struct Case {
        int gear;
        float ratio;
        int loss;
    };
    // Stored losses 22,62190625 / 20,1783875 / 14,2625 are used as 23 / 20 / 14.
    for (const Case c : {Case{0, 3.627f, 23}, Case{1, 2.172f, 20}, Case{2, 1.412f, 20}, Case{3, 1.0f, 14}}) {
        const auto in = readPowerInputs(store(), c.gear);
        ASSERT_TRUE(in.ok()) << in.error();
        EXPECT_FLOAT_EQ(in->gearRatio, c.ratio) << "gear index " << c.gear;
        EXPECT_EQ(in->lossPercent, c.loss) << "gear index " << c.gear;
    }
    store().set("lbperte1e", "22,5");  // halves go to the even neighbour
    EXPECT_EQ(readPowerInputs(store(), 0)->lossPercent, 22);
    EXPECT_FLOAT_EQ(lossFactor(readPowerInputs(store(), 0).value()), 1.2820513f);
    store().set("lbperte1e", "23");
    EXPECT_FLOAT_EQ(lossFactor(readPowerInputs(store(), 0).value()), 1.2987013f);

    store().set("lbcq", "0,9");
    store().set("lbsix", "0,8");
    EXPECT_FLOAT_EQ(readPowerInputs(store(), 4)->gearRatio, 0.9f);
    EXPECT_FLOAT_EQ(readPowerInputs(store(), 5)->gearRatio, 0.8f);
}

// Captions of the vehicle editor as a language file gives them.
void setCaptions()
{
    for (const auto& [entry, text] : {std::pair{"LbRapportdePont", "Rapport de pont"}, std::pair{"Lb4eme", "4e"},
                                      std::pair{"LbPoids", "Poids (kg)"}, std::pair{"LbPneumatique", "Pneumatiques"},
                                      std::pair{"LbPerteBoite", "Pertes de transmission (%)"}})
        store().set(entry, text);
}

// Messages name the field by its caption in the vehicle editor, never by the
// store entry behind it.
TEST_F(PowerComputationTest, AStoreEntryThatIsNotANumberIsNamedByItsCaption)
{
    resetStore();  // nothing committed: the ratios read "?"
    setCaptions();
    const auto in = readPowerInputs(store(), 0);
    ASSERT_FALSE(in.ok());
    EXPECT_EQ(in.error(), "Rapport de pont: \"?\" is not a number (no vehicle has been confirmed yet)");

    testing::fillTestVehicle(store());
    // A preset gearbox leaves the 5th gear empty.
    const auto fifth = readPowerInputs(store(), 4);
    ASSERT_FALSE(fifth.ok());
    EXPECT_EQ(fifth.error(), "5th gear ratio: \"\" is not a number");
}

// A hand-edited or damaged Mini file can hold numbers that describe no car;
// they would give a curve that looks measured (a negative power for a
// negative mass), so they are refused with the entry named.
TEST_F(PowerComputationTest, NumbersThatDescribeNoCarAreRefused)
{
    struct Case {
        const char* entry;
        std::string value;
        const char* named;
    };
    const Case cases[] = {
        {"LbPoid", "-650", "Poids (kg): \"-650\""},
        {"LbPoid", "0", "Poids (kg)"},
        {"LbRp", "0", "Rapport de pont: \"0\""},
        {"lbqt", "-1", "4e gear ratio: \"-1\""},
        {"lbperte4e", "100", "Pertes de transmission (%) – 4e, 5th, 6th: \"100\""},
        {"LbDp", "0", "Pneumatiques \"0/70/0\""},
        {"LbPoid", std::string(10000, '7'), "Poids (kg)"},
    };
    for (const Case& c : cases) {
        testing::fillTestVehicle(store());
        setCaptions();
        if (std::string(c.entry) == "LbDp")
            store().set("LbLp", "0");
        store().set(c.entry, c.value);
        const auto in = readPowerInputs(store(), kFourthGear);
        ASSERT_FALSE(in.ok()) << c.entry << " = " << c.value.substr(0, 20);
        EXPECT_NE(in.error().find(c.named), std::string::npos) << in.error();
        EXPECT_LT(in.error().size(), 200u) << "a long value is quoted shortened";
    }
}

TEST_F(PowerComputationTest, FillsRowsUpToTwoBeforeTheEndAndLeavesTheRestAsTheyWere)
{
    PowerTable start(kMaxPowerPoints, PowerRow{-1.0f, -2.0f, -3.0f});
    const auto points = rampPoints(60);
    const auto result = computePower(fourthGear(), points, start, "run.ReT");
    ASSERT_TRUE(result.ok()) << result.error();
    EXPECT_EQ(result->pointCount, 60);
    for (int i = 0; i <= 57; ++i) {
        EXPECT_EQ(result->table[i].rpm, points[i].rpm) << i;
        EXPECT_GT(result->table[i].power, 0.0f) << i;
    }
    for (int i : {58, 59, 60, 5000})
        EXPECT_EQ(result->table[i].power, -3.0f) << i;
}

TEST_F(PowerComputationTest, FailuresNameTheFileAndLine)
{
    struct Case {
        const char* name;
        std::string text;
        std::string expected;
    };
    std::string tooLong;
    for (int i = 0; i < kMaxPowerPoints + 1; ++i)
        tooLong += std::to_string(i) + ";3000\r\n";
    // Curves no engine makes, as a fit that followed no sparks writes them:
    // a speed gone negative or far past any engine's, or a climb of 100 rpm
    // every 20 ms (thousands of ch).
    const auto ramp = [](int n, double rpm0, double step, int oddLine = -1, double odd = 0) {
        std::string text;
        for (int i = 0; i < n; ++i)
            text += singleText(static_cast<float>(1.0 + 0.02 * i)) + ";" +
                    singleText(static_cast<float>(i == oddLine ? odd : rpm0 + step * i)) + "\r\n";
        return text;
    };
    const Case cases[] = {
        {"no separator", "1;3000\r\n1,2 3050\r\n1,4;3100\r\n", "line 2"},
        {"not a number", "1;3000\r\n1,2;3050\r\n1,4;x\r\n", "line 3"},
        {"blank line", "1;3000\r\n\r\n1,4;3100\r\n", "line 2"},
        {"same time", "1;3000\r\n1,2;3050\r\n1,2;3100\r\n1,6;3200\r\n", "line 2"},
        {"engine stopped", "1;0\r\n1,2;3050\r\n1,4;3100\r\n", "line 1"},
        {"too few lines", "1;3000\r\n1,2;3050\r\n", "at least 3"},
        {"empty file", "", "at least 3"},
        {"too many lines", tooLong, "5001"},
        {"a negative engine speed", ramp(80, 3000, 5, 30, -86027), "line 31"},
        {"an engine speed no engine turns", ramp(80, 3000, 5, 50, 749300), "line 51"},
        {"a power beyond any car's", ramp(80, 1000, 100), "500 ch"},
        {"a fall as steep", ramp(80, 9000, -100), "500 ch"},
    };
    for (const Case& c : cases) {
        const auto file = folder.write("bad.ReT", c.text);
        const auto result = computeFile(file);
        ASSERT_FALSE(result.ok()) << c.name;
        EXPECT_NE(result.error().find("bad.ReT"), std::string::npos) << c.name << ": " << result.error();
        EXPECT_NE(result.error().find(c.expected), std::string::npos) << c.name << ": " << result.error();
    }
    const auto missing = computeFile(folder / "none.ReT");
    EXPECT_FALSE(missing.ok());
}

TEST_F(PowerComputationTest, ARatioOfZeroOrALossOfAHundredPercentIsRefused)
{
    const auto file = folder.write("run.ReT", testing::testCurveText(60));
    store().set("lbqt", "0");
    auto result = computeFile(file);
    ASSERT_FALSE(result.ok());
    EXPECT_NE(result.error().find("ratio"), std::string::npos) << result.error();

    store().set("lbqt", "1");
    store().set("lbperte4e", "99,6");  // rounds to 100
    result = computeFile(file);
    ASSERT_FALSE(result.ok());
    EXPECT_NE(result.error().find("100 %"), std::string::npos) << result.error();
}

// A table whose power is 10 everywhere, except one spike of 50 at `spikeRow`;
// the torque mirrors the power.
PowerTable tableWithSpike(int spikeRow)
{
    PowerTable table = emptyPowerTable();
    for (int i = 0; i < kMaxPowerPoints; ++i)
        table[i] = {1000.0f + i, 10.0f, 10.0f};
    if (spikeRow >= 0)
        table[spikeRow] = {1000.0f + spikeRow, 50.0f, 50.0f};
    return table;
}

TEST(PowerExtremesTest, ScanRowsFiveToFortyBeforeTheEndStartingFromRowZero)
{
    const int n = 100;  // scanned rows: 5 ... 60
    struct Case {
        int spikeRow;
        float maxPower;
        float rpmAtMax;
    };
    for (const Case c : {Case{0, 50, 1000}, Case{3, 10, 1000}, Case{4, 10, 1000}, Case{5, 50, 1005}, Case{60, 50, 1060},
                         Case{61, 10, 1000}, Case{97, 10, 1000}}) {
        const PowerExtremes e = findExtremes(tableWithSpike(c.spikeRow), n);
        EXPECT_EQ(e.maxPower, c.maxPower) << "spike in row " << c.spikeRow;
        EXPECT_EQ(e.rpmAtMaxPower, c.rpmAtMax) << "spike in row " << c.spikeRow;
        EXPECT_EQ(e.maxTorque, c.maxPower) << "spike in row " << c.spikeRow;
        EXPECT_EQ(e.rpmAtMaxTorque, c.rpmAtMax) << "spike in row " << c.spikeRow;
    }
    // Rows 5 ... 60 hold engine speeds 1005 ... 1060; row 0 starts both.
    const PowerExtremes e = findExtremes(tableWithSpike(-1), n);
    EXPECT_EQ(e.minRpm, 1000.0f);
    EXPECT_EQ(e.maxRpm, 1060.0f);
}

TEST(PowerExtremesTest, FewerThanFortyFiveLinesLeaveRowZerosValuesAndTheFirstMaximumWins)
{
    PowerTable table = tableWithSpike(-1);
    table[0] = {900.0f, 5.0f, 7.0f};
    table[5] = {1005.0f, 99.0f, 99.0f};
    PowerExtremes e = findExtremes(table, 44);  // scan 5 ... 4: empty
    EXPECT_EQ(e.maxPower, 7.0f);
    EXPECT_EQ(e.minPower, 7.0f);
    EXPECT_EQ(e.maxTorque, 5.0f);
    EXPECT_EQ(e.rpmAtMaxPower, 900.0f);
    EXPECT_EQ(e.maxRpm, 900.0f);
    e = findExtremes(table, 45);  // scan row 5 only
    EXPECT_EQ(e.maxPower, 99.0f);

    table[20] = {1020.0f, 99.0f, 99.0f};  // equal to row 5: row 5 stays
    e = findExtremes(table, 100);
    EXPECT_EQ(e.rpmAtMaxPower, 1005.0f);
    EXPECT_EQ(e.rpmAtMaxTorque, 1005.0f);
}

TEST(PowerScaleTest, MarginsAndTheTorqueToPowerRatio)
{
    PowerExtremes e;
    e.maxPower = 80, e.minPower = 20, e.maxRpm = 6000, e.minRpm = 2000, e.maxTorque = 10, e.minTorque = 6;
    const auto s = chartScale(e);
    ASSERT_TRUE(s.ok());
    EXPECT_FLOAT_EQ(s->powerTop, 82.0f);
    EXPECT_FLOAT_EQ(s->powerBottom, 19.0f);
    EXPECT_FLOAT_EQ(s->rpmRight, 6300.0f);
    EXPECT_FLOAT_EQ(s->rpmLeft, 1900.0f);
    EXPECT_FLOAT_EQ(s->torqueTop, 10.5f);
    EXPECT_FLOAT_EQ(s->torqueBottom, 5.7f);
    EXPECT_FLOAT_EQ(s->torqueToPower, 63.0f / 4.8f);

    e.maxRpm = e.minRpm = 0;  // nothing to span
    EXPECT_FALSE(chartScale(e).ok());
}

}  // namespace
}  // namespace vornax
