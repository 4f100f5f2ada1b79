#include "power/AirCorrection.h"

#include "PowerTestData.h"
#include "power/PowerComputation.h"
#include "power/PowerCurveFile.h"
#include "power/PowerTexts.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vornax {
namespace {

using Std = CorrectionStandard;

TEST(AirCorrection, FactorsAtReferenceAndAtHandComputedPoints)
{
    struct Case {
        Std standard;
        AirConditions air;
        double expected;
    };
    // Hand computations, with the vapour pressure e = RH × 6,1121 ×
    // exp((18,678 − t/234,5) × t / (257,14 + t)) and pd = p − e:
    //   DIN 30 °C, 960 hPa: 1013/960 = 1,0552083; (303/293)^0,5 = 1,0169217;
    //     k = 1,0730642.
    //   DIN 5 °C, 1030 hPa (humidity unused): 1013/1030 = 0,9834951;
    //     (278/293)^0,5 = 0,9740665; k = 0,9579896.
    //   SAE 35 °C, 985 hPa, 60 %: e = 0,6 × 56,267521 = 33,760512;
    //     pd = 951,23949; 990/pd = 1,0407474; (308/298)^0,5 = 1,0166401;
    //     k = 1,176 × 1,0407474 × 1,0166401 − 0,176 = 1,0682850.
    //   SAE 5 °C, 1030 hPa, 80 %: e = 0,8 × 8,724400 = 6,979520;
    //     pd = 1023,02048; 990/pd = 0,9677226; (278/298)^0,5 = 0,9658602;
    //     k = 1,176 × 0,9677226 × 0,9658602 − 0,176 = 0,9231892.
    //   ISO 35 °C, 985 hPa, 60 %: pd = 951,23949 as above;
    //     1,0407474^1,2 = 1,0490940; (308/298)^0,6 = 1,0200012;
    //     k = 1,0700771.
    //   ISO 10 °C, 1020 hPa, 40 %: e = 0,4 × 12,278602 = 4,911441;
    //     pd = 1015,08856; (990/pd)^1,2 = 0,9752844^1,2 = 0,9704150;
    //     (283/298)^0,6 = 0,9694873; k = 0,9408050.
    const Case cases[] = {
        {Std::Din70020, {20, 1013, 50}, 1.0},      {Std::SaeJ1349, {25, 990, 0}, 1.0},
        {Std::Iso1585, {25, 990, 0}, 1.0},         {Std::Din70020, {30, 960, 0}, 1.0730642},
        {Std::Din70020, {5, 1030, 80}, 0.9579896}, {Std::SaeJ1349, {35, 985, 60}, 1.0682850},
        {Std::SaeJ1349, {5, 1030, 80}, 0.9231892}, {Std::Iso1585, {35, 985, 60}, 1.0700771},
        {Std::Iso1585, {10, 1020, 40}, 0.9408050}, {Std::None, {35, 985, 60}, 1.0},
    };
    for (const Case& c : cases) {
        const auto k = correctionFactor(c.standard, c.air);
        ASSERT_TRUE(k) << k.error();
        EXPECT_NEAR(*k, c.expected, 1e-4) << standardInfo(c.standard).key << " " << c.air.airTempC;
    }
    // The saturation formula against the steam tables: 23,39 hPa at 20 °C,
    // 123,52 hPa at 50 °C.
    EXPECT_NEAR(saturationVapourPressure(20), 23.39, 0.01);
    EXPECT_NEAR(saturationVapourPressure(50), 123.52, 0.05);
}

TEST(AirCorrection, RefusesAirOutsideTheRangesNamingTheField)
{
    struct Case {
        AirConditions air;
        const char* named;
    };
    const Case cases[] = {
        {{-30.5, 1013, 50}, "the air temperature -30,5 °C is outside -30 to 55 °C"},
        {{56, 1013, 50}, "air temperature"},
        {{20, 799, 50}, "the pressure 799 hPa is outside 800 to 1100 hPa"},
        {{20, 1101, 50}, "pressure"},
        {{20, 1013, -1}, "relative humidity"},
        {{20, 1013, 100.5}, "the relative humidity 100,5 % is outside 0 to 100 %"},
        {{20, std::nan(""), 50}, "pressure"},
    };
    for (const Case& c : cases)
        for (Std standard : {Std::Din70020, Std::SaeJ1349, Std::Iso1585}) {
            const auto k = correctionFactor(standard, c.air);
            ASSERT_FALSE(k);
            EXPECT_NE(k.error().find(c.named), std::string::npos) << k.error();
        }
    // The ends of the ranges are accepted, and no correction takes any air.
    EXPECT_TRUE(correctionFactor(Std::Iso1585, {-30, 800, 0}));
    EXPECT_TRUE(correctionFactor(Std::SaeJ1349, {55, 1100, 100}));
    EXPECT_TRUE(correctionFactor(Std::None, {99, 0, -5}));
}

TEST(AirCorrection, MultipliesEveryRowAndLeavesTheFileAsItWasWithoutOne)
{
    resetStore();
    testing::fillTestVehicle(store());
    std::vector<RunPoint> points;
    // 10 s from 2000 to 6500 rpm: a car's pull (faster, the power passes
    // what any car's engine gives and is refused).
    for (int i = 0; i < 200; ++i)
        points.push_back({static_cast<float>(i * 0.05 + 1.0), static_cast<float>(testing::testRpm(i, 200))});
    const PowerInputs inputs = readPowerInputs(store(), 3).value();
    const auto plain = computePower(inputs, points, emptyPowerTable(), "run");
    const auto none =
        computePower(inputs, points, emptyPowerTable(), "run", makeCorrection(Std::None, {40, 900, 90})->factor);
    ASSERT_TRUE(plain && none);
    EXPECT_EQ(powerCurveFileBytes(plain->table, 200, 736, 0.1f), powerCurveFileBytes(none->table, 200, 736, 0.1f));
    const SummaryLines lines = summaryLines(plain->extremes, store());
    const SummaryLines noneLines = summaryLines(none->extremes, store(), PowerCorrection{});
    EXPECT_EQ(noneLines.power, lines.power);
    EXPECT_EQ(noneLines.torque, lines.torque);

    const auto din = makeCorrection(Std::Din70020, {30, 960, 0});
    const auto corrected = computePower(inputs, points, emptyPowerTable(), "run", din->factor);
    ASSERT_TRUE(corrected);
    for (int i = 0; i <= 197; ++i) {
        EXPECT_EQ(corrected->table[i].rpm, plain->table[i].rpm);
        EXPECT_EQ(corrected->table[i].power, static_cast<float>(double(plain->table[i].power) * din->factor));
        EXPECT_EQ(corrected->table[i].torque, static_cast<float>(double(plain->table[i].torque) * din->factor));
    }
    const SummaryLines dinLines = summaryLines(corrected->extremes, store(), *din);
    EXPECT_TRUE(dinLines.power.ends_with(" tr/min, corrected DIN 70020, k = 1,073")) << dinLines.power;
    EXPECT_TRUE(dinLines.torque.ends_with(" tr/min, corrected DIN 70020, k = 1,073")) << dinLines.torque;
}

}  // namespace
}  // namespace vornax
