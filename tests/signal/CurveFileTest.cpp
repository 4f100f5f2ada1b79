#include "TempFolder.h"
#include "signal/CurveFile.h"

#include <gtest/gtest.h>

namespace vornax {
namespace {

using testing::TempFolder;

Curve numbered(int pointCount)
{
    Curve c;
    for (int r = 0; r <= pointCount; ++r)
        c.rows[r] = {r * 0.5f, 1000.0f + r};
    c.pointCount = pointCount;
    return c;
}

TEST(CurveFile, SavesRowsSevenToEightBeforeTheEnd)
{
    const std::string text = curveFileText(numbered(100));
    EXPECT_EQ(savedLineCount(100), 86);
    EXPECT_EQ(text.substr(0, 10), "3,5;1007\r\n");
    EXPECT_EQ(text.substr(text.size() - 9), "46;1092\r\n");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 86);

    Curve exact;
    exact.rows[7] = {3.0f, 4500.0f};
    exact.pointCount = 15;
    EXPECT_EQ(curveFileText(exact), "3;4500\r\n");
    EXPECT_EQ(curveFileText(numbered(14)), "");
}

TEST(CurveFile, LoadGivesOneRowPerLine)
{
    TempFolder folder;
    const auto file = folder / "run.ReT";
    ASSERT_TRUE(SaveCurve(file, numbered(100)).ok());
    Curve loaded;
    ASSERT_TRUE(LoadCurve(file, loaded).ok());
    EXPECT_EQ(loaded.pointCount, 85);
    EXPECT_EQ(loaded.rows[0], (CurvePoint{3.5f, 1007.0f}));
    EXPECT_EQ(loaded.rows[85], (CurvePoint{46.0f, 1092.0f}));
    // Each save after a load drops 15 more points.
    EXPECT_EQ(savedLineCount(loaded.pointCount), 71);

    // Points, LF endings and empty lines: an empty line keeps its row.
    Curve current = numbered(10);
    ASSERT_TRUE(loadCurveText("0,1;900\n\n2.5;1E+03\n", current).ok());
    EXPECT_EQ(current.pointCount, 2);
    EXPECT_EQ(current.rows[0], (CurvePoint{0.1f, 900.0f}));
    EXPECT_EQ(current.rows[1], (CurvePoint{0.5f, 1001.0f}));
    EXPECT_EQ(current.rows[2], (CurvePoint{2.5f, 1000.0f}));
}

TEST(CurveFile, BadFileLeavesTheCurveUntouchedAndNamesTheLine)
{
    std::string tooLong;
    for (int k = 0; k <= kMaxCurveLines; ++k)
        tooLong += "1;2\r\n";
    struct Case {
        std::string text;
        const char* expected;
    };
    for (const Case& c :
         {Case{"1;2\r\n3;4\r\n5 6\r\n", "ligne 3"}, Case{"1;2\r\nabc;4\r\n", "ligne 2"}, Case{"1;2;3\r\n", "ligne 1"},
          Case{"1;\r\n", "ligne 1"}, Case{"", "aucun point"}, Case{tooLong, "32001"}}) {
        Curve curve = numbered(50);
        const auto status = loadCurveText(c.text, curve);
        ASSERT_FALSE(status.ok());
        EXPECT_NE(status.error().find(c.expected), std::string::npos) << status.error();
        EXPECT_EQ(curve.pointCount, 50);
        EXPECT_EQ(curve.rows[0], numbered(50).rows[0]);
    }
    // Exactly a full table is fine.
    tooLong.resize(tooLong.size() - 5);
    Curve curve;
    EXPECT_TRUE(loadCurveText(tooLong, curve).ok());
    EXPECT_EQ(curve.pointCount, Curve::kLastRow);
}

}  // namespace
}  // namespace vornax
