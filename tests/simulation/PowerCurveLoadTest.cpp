#include "simulation/TorqueCurve.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vornax {
namespace {

using Lines = std::vector<std::string>;

TEST(readPowerCurve, RescalesFromTheFileUnitsToTheCurrentOnes)
{
    // Current units: 2 W per power unit, 4 torque units per N·m.
    struct Case {
        const char* what;
        Lines factors;
        float torque, power;
    } cases[] = {
        {"no factor lines", {}, 10.0f, 30.0f},
        {"zero factors", {" 0 ", " 0 "}, 10.0f, 30.0f},
        {"same factors", {" 2 ", " 4 "}, 10.0f, 30.0f},
        {"watt factor doubled", {" 4 ", " 4 "}, 10.0f, 60.0f},
        {"torque factor doubled", {" 2 ", " 8 "}, 5.0f, 30.0f},
    };
    for (const Case& c : cases) {
        Lines lines = {"3000;10;30", "3500,5;10;30", "4000;10;30"};
        lines.insert(lines.end(), c.factors.begin(), c.factors.end());
        const auto rows = readPowerCurve(lines, 2.0f, 4.0f);
        ASSERT_TRUE(rows) << c.what << ": " << rows.error();
        ASSERT_EQ(rows->rpm.size(), 3u) << c.what;
        EXPECT_FLOAT_EQ(rows->rpm[1], 3500.5f);
        EXPECT_FLOAT_EQ(rows->torque[2], c.torque) << c.what;
        EXPECT_FLOAT_EQ(rows->power[2], c.power) << c.what;
    }
}

TEST(readPowerCurve, EmptyLinesAtTheEndAreIgnored)
{
    // A file saved again by a text editor ends with an empty line.
    for (const Lines& lines :
         {Lines{"3000;10;30", "4000;11;40", " 2 ", " 4 ", ""}, Lines{"3000;10;30", "4000;11;40", "", ""}}) {
        const auto rows = readPowerCurve(lines, 2.0f, 4.0f);
        ASSERT_TRUE(rows) << rows.error();
        ASSERT_EQ(rows->rpm.size(), 2u);
        EXPECT_FLOAT_EQ(rows->power[1], 40.0f);
    }
}

TEST(readPowerCurve, RefusesWhatItCannotReadWhole)
{
    struct Case {
        const char* what;
        Lines lines;
    } cases[] = {
        {"empty file", {}},
        {"factors only", {" 1 ", " 1 "}},
        {"empty line", {"3000;10;30", "", "4000;10;30"}},
        {"text", {"3000;dix;30", " 1 ", " 1 "}},
        {"missing power", {"3000;10", " 1 ", " 1 "}},
        {"extra field", {"3000;10;30;4", " 1 ", " 1 "}},
        {"factors before data", {" 1 ", " 1 ", "3000;10;30"}},
        {"lone factor", {"3000;10;30", " 1 "}},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(readPowerCurve(c.lines, 1.0f, 1.0f)) << c.what;

    EXPECT_TRUE(readPowerCurve(Lines(5001, "3000;10;30"), 1.0f, 1.0f));
    EXPECT_FALSE(readPowerCurve(Lines(5002, "3000;10;30"), 1.0f, 1.0f));
}

TEST(loadPowerCurve, FillsTheTableOrKeepsThePreviousCurve)
{
    testing::TempFolder folder;
    Varia store;
    store.set("LbConvertionWatt", "735,49875");
    store.set("LbConvertionNm", "0,1019716");
    TorqueCurve curve;

    const auto good = folder.write("good.txt", "1000;5;1,5\r\n2000;6;3\r\n3000;7;4,5\r\n 735,4988 \r\n 0,1019716 \r\n");
    ASSERT_TRUE(loadPowerCurve(good, store, curve));
    EXPECT_EQ(curve.lastRow, 2);
    EXPECT_EQ(curve.topRpm, 3000.0f);
    EXPECT_FLOAT_EQ(curve.torque[1], 6.0f);

    const auto bad = folder.write("bad.txt", "1000;5;1,5\r\n4000;x;2\r\n");
    const Status refused = loadPowerCurve(bad, store, curve);
    ASSERT_FALSE(refused);
    EXPECT_NE(refused.error().find("Fichier Incorrect"), std::string::npos);
    EXPECT_FALSE(loadPowerCurve(folder / "missing.txt", store, curve));
    EXPECT_EQ(curve.lastRow, 2);
    EXPECT_EQ(curve.rpm[1], 2000.0f);

    // Before a language is loaded the factors are captions, not numbers.
    EXPECT_FALSE(loadPowerCurve(good, Varia(), curve));
}

}  // namespace
}  // namespace vornax
