// `vornax average` as a user runs it: exit status, messages and the file.
#include "compare/AverageCurve.h"

#include "CurveFiles.h"
#include "TempFolder.h"
#include "store/Language.h"
#include "store/Varia.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sys/wait.h>

namespace vornax {
namespace {

using namespace compare;

using testing::curveText;
using testing::Factors;
using testing::risingCurve;
using testing::TempFolder;

const std::string kFrench = std::string(VORNAX_LANG_DIR) + "/francais.txt";

class AverageCommand : public ::testing::Test {
protected:
    void SetUp() override { home.useAsAppFolder(); }

    int run(const std::string& arguments)
    {
        const std::string command = std::string(VORNAX_CLI) + " average " + arguments + " >" +
                                    (home / "out.log").string() + " 2>" + (home / "err.log").string();
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string out() const { return TempFolder::read(home / "out.log"); }
    std::string err() const { return TempFolder::read(home / "err.log"); }
    std::string q(const std::filesystem::path& p) const { return "'" + p.string() + "'"; }

    TempFolder home;
};

TEST_F(AverageCommand, WritesTheAverageOfTheFilesInSlotOrder)
{
    // Written in kW and N·m, read in the French units (ch and m·kg).
    const auto a = home.write("a.txt", curveText(risingCurve(100), Factors{1000, 1}));
    const auto b = home.write("b.txt", curveText(risingCurve(120, 2000, 25, 90)));
    ASSERT_EQ(run(q(a) + " " + q(b) + " -o " + q(home / "avg.txt") + " --lang " + q(kFrench) + " --json"), 0) << err();
    EXPECT_EQ(out(), "{\"common_grid\":false,\"points\":99}\n");

    resetStore();
    loadLanguageFile(store(), kFrench);
    const auto units = displayUnits(store());
    ASSERT_TRUE(units);
    CurveSet slots;
    for (std::size_t k = 0; k < 2; ++k) {
        slots[k].ticked = true;
        ASSERT_TRUE(fichierPo(k == 0 ? a : b, slots[k], *units));
    }
    EXPECT_EQ(TempFolder::read(home / "avg.txt"), averageCurve(slots, *units)->fileBytes());
    resetStore();
}

TEST_F(AverageCommand, SaysWhenTheCurvesAreAveragedOnACommonGrid)
{
    // 2000-4475 and 2010-4985 rpm: shared from 2010 to 4475, as fine as the
    // curves' 25 rpm, so (4475 - 2010) ÷ 25 + 1 = 99,6 -> the 99 points of the
    // first curve inside that range.
    const auto a = home.write("a.txt", curveText(risingCurve(100), Factors{1000, 1}));
    const auto b = home.write("b.txt", curveText(risingCurve(120, 2010, 25, 90), Factors{1000, 1}));
    const auto avg = home / "avg.txt";
    ASSERT_EQ(run(q(a) + " " + q(b) + " -o " + q(avg) + " --lang " + q(kFrench)), 0) << err();
    EXPECT_EQ(out(), "the curves do not share their engine speeds: averaged on a common grid of 99 engine speeds "
                     "from 2010 to 4475 rpm, the range all of them cover\n99 points written to " +
                         avg.string() + "\n");
    ASSERT_EQ(run(q(a) + " " + q(b) + " -o " + q(avg) + " --lang " + q(kFrench) + " --json"), 0) << err();
    EXPECT_EQ(out(), "{\"common_grid\":true,\"grid_from_rpm\":2010.0,\"grid_to_rpm\":4475.0,\"points\":99}\n");
}

// A power curve file as the power window writes it in the given units:
// torque N·m × torque factor, power W ÷ watt factor, then the two factors.
std::string unitCurve(float torqueNm, const Factors& units)
{
    std::vector<PowerPoint> points;
    for (int i = 0; i < 80; ++i) {
        const float rpm = 2000.0f + 50.0f * static_cast<float>(i);
        const float x = (rpm - 4000.0f) / 2000.0f;
        const double nm = torqueNm * (1.0 - 0.3 * x * x);
        points.push_back(
            {rpm, static_cast<float>(nm * units.nm), static_cast<float>(rpm * 3.14159265 / 30.0 * nm / units.watt)});
    }
    return curveText(points, units);
}

float maxPower(const CurveSlot& slot)
{
    float top = 0;
    for (int i = 0; i < slot.pointCount; ++i)
        top = std::max(top, slot.point(i).power);
    return top;
}

TEST_F(AverageCommand, PowerColumnIsInTheDisplayPowerUnit)
{
    struct Case {
        const char* lang;
        Factors units;
    } cases[] = {{"francais.txt", {735.49875f, 0.1019716f}}, {"english.txt", {745.69987f, 0.7375621f}}};
    for (const Case& c : cases) {
        const std::string lang = std::string(VORNAX_LANG_DIR) + "/" + c.lang;
        resetStore();
        loadLanguageFile(store(), lang);
        const auto units = displayUnits(store());
        ASSERT_TRUE(units);
        ASSERT_FLOAT_EQ(units->wattsPerPowerUnit, c.units.watt) << c.lang;

        // A file averaged with itself gives its own power back (3,14 for pi
        // is 0,05 % off).
        const auto a = home.write("a.txt", unitCurve(100, c.units));
        ASSERT_EQ(run(q(a) + " " + q(a) + " -o " + q(home / "self.txt") + " --lang " + q(lang)), 0) << err();
        CurveSlot in, self;
        ASSERT_TRUE(fichierPo(a, in, *units));
        ASSERT_TRUE(fichierPo(home / "self.txt", self, *units));
        ASSERT_EQ(self.pointCount, 79) << c.lang;
        for (int i = 0; i < self.pointCount; ++i)
            ASSERT_NEAR(self.point(i).power, in.point(i).power, in.point(i).power * 1e-3) << c.lang << " " << i;

        // Loaded back, the average of two engines peaks between them.
        const auto b = home.write("b.txt", unitCurve(80, c.units));
        ASSERT_EQ(run(q(a) + " " + q(b) + " -o " + q(home / "ab.txt") + " --lang " + q(lang)), 0) << err();
        CurveSlot slotB, average;
        ASSERT_TRUE(fichierPo(b, slotB, *units));
        ASSERT_TRUE(fichierPo(home / "ab.txt", average, *units));
        EXPECT_GT(maxPower(average), maxPower(slotB)) << c.lang;
        EXPECT_LT(maxPower(average), maxPower(in)) << c.lang;
    }
    resetStore();
}

TEST_F(AverageCommand, RefusesBadInputWithoutWriting)
{
    const auto a = home.write("a.txt", curveText(risingCurve(40)));
    const auto bad = home.write("bad.txt", "3000;1;2\r\n3100;x;2\r\n");
    const auto avg = home / "avg.txt";
    const std::string lang = " --lang " + q(kFrench);

    EXPECT_EQ(run(q(a) + " " + q(bad) + " -o " + q(avg) + lang), 1);
    EXPECT_NE(err().find("bad.txt"), std::string::npos) << err();
    EXPECT_NE(err().find("line 2"), std::string::npos) << err();

    EXPECT_EQ(run(q(a) + " " + q(home / "missing.txt") + " -o " + q(avg) + lang), 1);
    EXPECT_NE(err().find("missing.txt"), std::string::npos) << err();

    EXPECT_EQ(run(q(a) + " -o " + q(a) + lang), 1);
    EXPECT_EQ(TempFolder::read(a), curveText(risingCurve(40)));

    std::string twelve;
    for (int k = 0; k < 12; ++k)
        twelve += q(a) + " ";
    EXPECT_EQ(run(twelve + "-o " + q(avg) + lang), 2);
    EXPECT_EQ(run("-o " + q(avg) + lang), 2);
    EXPECT_FALSE(std::filesystem::exists(avg));
}

}  // namespace
}  // namespace vornax
