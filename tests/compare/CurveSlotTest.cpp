#include "compare/CurveSlot.h"

#include "CurveFiles.h"
#include "TempFolder.h"
#include "store/Varia.h"

#include <gtest/gtest.h>

namespace vornax {
namespace {

using namespace compare;

using testing::curveText;
using testing::Factors;
using testing::linesOf;
using testing::risingCurve;

const DisplayUnits kHorsepower{736.0f, 1.0f};

TEST(FichierPo, FactorLessFileTakesTheUnitsInForceInAFreshSlot)
{
    CurveSlot slot;
    ASSERT_TRUE(loadCurveLines({"3000;100;42,5", "3100;101;44"}, slot, kHorsepower));
    EXPECT_EQ(slot.pointCount, 2);
    EXPECT_FLOAT_EQ(slot.point(1).power, 44.0f);
    EXPECT_FLOAT_EQ(slot.point(1).torque, 101.0f);
    // The store's factor is now the slot's own and stays with it.
    EXPECT_EQ(slot.powerFactor.describe(), "736");
    EXPECT_EQ(slot.torqueFactor.describe(), "1");
}

TEST(FichierPo, FactorLessFileKeepsTheFactorsOfAnEarlierFileInTheSlot)
{
    CurveSlot slot;
    // Written in kW (1000 W per unit) and N·m, read as horsepower and N·m.
    ASSERT_TRUE(loadCurveLines(linesOf(curveText({{3000, 100, 36.8f}}, Factors{1000, 1})), slot, kHorsepower));
    EXPECT_FLOAT_EQ(slot.point(0).power, 50.0f);
    ASSERT_TRUE(loadCurveLines({"3000;100;36,8"}, slot, kHorsepower));
    EXPECT_FLOAT_EQ(slot.point(0).power, 50.0f);
    EXPECT_EQ(slot.powerFactor.describe(), " 1000 ");
}

TEST(FichierPo, RescalesTorqueAndPowerButNotEngineSpeed)
{
    CurveSlot slot;
    const DisplayUnits kwAndNm{1000.0f, 1.0f};
    // Horsepower (736 W) and m·kg (0,1 per N·m) into kW and N·m.
    ASSERT_TRUE(loadCurveLines({"4500;10;50", " 736 ", " 0,1 "}, slot, kwAndNm));
    EXPECT_EQ(slot.pointCount, 1);
    EXPECT_FLOAT_EQ(slot.point(0).rpm, 4500.0f);
    EXPECT_FLOAT_EQ(slot.point(0).power, 36.8f);
    EXPECT_FLOAT_EQ(slot.point(0).torque, 100.0f);
}

TEST(FichierPo, ShortFileLeavesTheRestOfALongerEarlierFile)
{
    CurveSlot slot;
    ASSERT_TRUE(loadCurveLines(linesOf(curveText(risingCurve(5))), slot, kHorsepower));
    const PowerPoint fifth = slot.point(4);
    ASSERT_TRUE(loadCurveLines(linesOf(curveText(risingCurve(3, 5000))), slot, kHorsepower));
    EXPECT_EQ(slot.pointCount, 3);
    EXPECT_FLOAT_EQ(slot.point(0).rpm, 5000.0f);
    EXPECT_FLOAT_EQ(slot.point(4).rpm, fifth.rpm);
    EXPECT_FLOAT_EQ(slot.point(5).rpm, 0.0f);
}

TEST(FichierPo, RefusesWhatItCannotReadAndLeavesTheSlotAsItWas)
{
    struct Case {
        const char* what;
        std::vector<std::string> lines;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"stray line", {"1;2;3", "x", "4;5;6", " 736 ", " 1 "}, "line 2"},
        {"one factor line", {"1;2;3", "4;5;6", " 736 "}, "line 3"},
        {"factor lines not last", {"1;2;3", " 736 ", " 1 ", "4;5;6"}, "line 2"},
        {"missing field", {"1;2;3", "4;5"}, "line 2"},
        {"not a number", {"1;2;3", "4;x;6"}, "line 2"},
        {"extra field", {"1;2;3;4"}, "line 1"},
        {"power factor text", {"1;2;3", "ch", " 1 "}, "line 2"},
        {"zero torque factor", {"1;2;3", " 736 ", " 0 "}, "line 3"},
        {"too large", {"1;2;1E+300"}, "line 1"},
        {"too long", std::vector<std::string>(32002, "1;2;3"), "32001"},
    };
    for (const Case& c : cases) {
        CurveSlot slot;
        ASSERT_TRUE(loadCurveLines({"7;8;9"}, slot, kHorsepower));
        const Status read = loadCurveLines(c.lines, slot, kHorsepower);
        ASSERT_FALSE(read) << c.what;
        EXPECT_NE(read.error().find(c.message), std::string::npos) << c.what << ": " << read.error();
        EXPECT_EQ(slot.pointCount, 1) << c.what;
        EXPECT_FLOAT_EQ(slot.point(0).rpm, 7.0f) << c.what;
    }
}

TEST(FichierPo, TakesTheLongestFileAndEmptyFactorLines)
{
    CurveSlot slot;
    std::vector<std::string> lines(32001, "1;2;3");
    lines[31999] = "";
    lines[32000] = "";
    ASSERT_TRUE(loadCurveLines(lines, slot, kHorsepower));
    EXPECT_EQ(slot.pointCount, 31999);
    EXPECT_EQ(slot.powerFactor.describe(), "736");
}

TEST(FichierPo, EmptyLineAtTheEndIsIgnored)
{
    // A file saved again by a text editor ends with an empty line; an
    // average file has no factor lines.
    for (const std::vector<std::string>& lines : {std::vector<std::string>{"1;2;3", "4;5;6", " 736 ", " 1 ", ""},
                                                  std::vector<std::string>{"1;2;3", "4;5;6", ""}}) {
        CurveSlot slot;
        const Status read = loadCurveLines(lines, slot, kHorsepower);
        ASSERT_TRUE(read) << read.error();
        EXPECT_EQ(slot.pointCount, 2);
        EXPECT_FLOAT_EQ(slot.point(1).power, 6.0f);
    }
}

TEST(FichierPo, NamesTheFileItCannotRead)
{
    testing::TempFolder folder;
    CurveSlot slot;
    const Status missing = fichierPo(folder / "none.txt", slot, kHorsepower);
    ASSERT_FALSE(missing);
    EXPECT_NE(missing.error().find("none.txt"), std::string::npos);

    const auto bad = folder.write("bad.txt", "3000;1;2\r\n3100;1\r\n");
    const Status refused = fichierPo(bad, slot, kHorsepower);
    ASSERT_FALSE(refused);
    EXPECT_NE(refused.error().find("bad.txt"), std::string::npos);
    EXPECT_NE(refused.error().find("line 2"), std::string::npos);

    const auto good = folder.write("good.txt", curveText(risingCurve(60), Factors{736, 1}));
    ASSERT_TRUE(fichierPo(good, slot, kHorsepower));
    EXPECT_EQ(slot.pointCount, 60);
}

TEST(CurrentUnits, RefusesFactorsThatAreNotUsable)
{
    resetStore();
    EXPECT_FALSE(displayUnits(store()));  // "ConvertionWatt" before any language
    store().set("LbConvertionWatt", "735,49875");
    store().set("LbConvertionNm", "0");
    EXPECT_FALSE(displayUnits(store()));
    store().set("LbConvertionNm", "0,1019716");
    const auto units = displayUnits(store());
    ASSERT_TRUE(units);
    EXPECT_FLOAT_EQ(units->wattsPerPowerUnit, 735.49875f);
    resetStore();
}

TEST(SlotCaption, DropsFolderAndExtension)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"/home/u/Puissance/run 1.txt", "run 1"},
        {"C:\\Mini\\Puissance\\essai.txt", "essai"},
        {"/x/r\xC3\xA9gl\xC3\xA9.txt", "r\xC3\xA9gl\xC3\xA9"},  // characters, not bytes
        {"/x/abc", "abc"},
        {"ab", "ab"},
        {"/x/abcd", ""},
    };
    for (const auto& [path, caption] : cases)
        EXPECT_EQ(slotCaption(path), caption) << path;
}

}  // namespace
}  // namespace vornax
