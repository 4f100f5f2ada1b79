// The `vornax power` command as a user runs it.
#include "CommandRun.h"
#include "PowerTestData.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace vornax {
namespace {

using testing::TempFolder;

using testing::CommandRun;

class PowerCommand : public ::testing::Test {
protected:
    void SetUp() override { curve = home.write("RPM/run.ReT", testing::testCurveText(300)); }

    // Runs `vornax power` with the application folder in `home` and the French
    // language file.
    CommandRun run(const std::string& arguments, bool withLanguage = true)
    {
        const std::string language =
            withLanguage ? std::string(" --lang ") + VORNAX_LANG_DIR + "/francais.txt" : std::string();
        const std::string command =
            "VORNAX_HOME='" + home.path().string() + "' " + VORNAX_CLI + " power " + arguments + language;
        return testing::runCommand(command, home / "err.txt");
    }
    static std::string quoted(const std::filesystem::path& p) { return testing::quoted(p); }

    TempFolder home;
    std::filesystem::path curve;
};

TEST_F(PowerCommand, PrintsTheSummaryLinesAndWritesTheFile)
{
    const auto out = home / "p.txt";
    const CommandRun text = run(quoted(curve) + " -o " + quoted(out) + " --gear 4");
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out.rfind("Puissance max: ", 0), 0u) << text.out;
    EXPECT_NE(text.out.find("ch / "), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("\nCouple max: "), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("mkg/ "), std::string::npos) << text.out;
    const std::string file = TempFolder::read(out);
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 300 - 49 + 2);
    EXPECT_EQ(file.substr(file.size() - 27), "\r\n 735,4988 \r\n 0,1019716 \r\n");

    const CommandRun json = run(quoted(curve) + " -o " + quoted(out) + " --gear 4 --json");
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(json.out.rfind("{\"points\":251,\"max_power\":", 0), 0u) << json.out;
    for (const char* key :
         {"\"rpm_at_max_power\":", "\"max_torque\":", "\"rpm_at_max_torque\":", "\"min_power\":", "\"min_torque\":"})
        EXPECT_NE(json.out.find(key), std::string::npos) << key;

    // Another gear gives another result from the same curve.
    const CommandRun third = run(quoted(curve) + " -o " + quoted(out) + " --gear 3");
    ASSERT_EQ(third.status, 0) << third.err;
    EXPECT_NE(third.out, text.out);
}

TEST_F(PowerCommand, CorrectsOnRequestAndWritesTheSameFileWithoutACorrection)
{
    const auto plain = home / "plain.txt";
    const auto none = home / "none.txt";
    const auto din = home / "din.txt";
    const CommandRun a = run(quoted(curve) + " -o " + quoted(plain) + " --gear 4");
    const CommandRun b = run(quoted(curve) + " -o " + quoted(none) +
                             " --gear 4 --correction none --air-temp 40 --pressure 900 --humidity 90");
    ASSERT_EQ(a.status, 0) << a.err;
    ASSERT_EQ(b.status, 0) << b.err;
    EXPECT_EQ(a.out, b.out);
    EXPECT_EQ(TempFolder::read(plain), TempFolder::read(none));

    // 30 °C and 960 hPa: k = 1013/960 × (303/293)^0,5 = 1,0730642.
    const CommandRun c =
        run(quoted(curve) + " -o " + quoted(din) + " --gear 4 --correction din70020 --air-temp 30 --pressure 960");
    ASSERT_EQ(c.status, 0) << c.err;
    EXPECT_NE(c.out.find("tr/min, corrected DIN 70020, k = 1,073\nCouple max: "), std::string::npos) << c.out;
    EXPECT_NE(TempFolder::read(din), TempFolder::read(plain));
    const CommandRun json = run(quoted(curve) + " -o " + quoted(din) +
                                " --gear 4 --json --correction din70020 --air-temp 30 --pressure 960");
    EXPECT_NE(json.out.find(",\"correction\":\"din70020\",\"correction_factor\":1.0730642}"), std::string::npos)
        << json.out;
    const CommandRun noneJson = run(quoted(curve) + " -o " + quoted(none) + " --gear 4 --json");
    EXPECT_NE(noneJson.out.find(",\"correction\":\"none\",\"correction_factor\":1.0}"), std::string::npos)
        << noneJson.out;
}

TEST_F(PowerCommand, RefusesBadInputWithoutWritingAFile)
{
    std::string text = testing::testCurveText(100);
    text.replace(text.find("\r\n"), 2, "\r\n1,5 2000\r\n");
    const auto bad = home.write("bad.ReT", text);
    // A curve no engine makes (what a fit that followed no sparks once wrote):
    // refused with exit 1, as any bad input.
    std::string absurd = testing::testCurveText(100);
    absurd.replace(absurd.find("\r\n", absurd.size() / 2), 2, "\r\n3;-86027\r\n");
    const auto nonsense = home.write("absurd.ReT", absurd);
    const auto shortLanguage = home.write("short.txt", "Vornax\r\nLangue\r\n");
    const auto out = home / "p.txt";
    struct Case {
        std::string arguments;
        bool withLanguage;
        int status;
        std::string inMessage;
    };
    const Case cases[] = {
        {quoted(bad) + " -o " + quoted(out), true, 1, "line 2"},
        {quoted(nonsense) + " -o " + quoted(out), true, 1, "-86027 rpm is not an engine's"},
        {quoted(home / "none.ReT") + " -o " + quoted(out), true, 1, "none.ReT"},
        {quoted(curve) + " -o " + quoted(curve), true, 1, "input"},
        {quoted(curve) + " -o " + quoted(out) + " --gear 5", true, 1, "4 gears"},
        {quoted(curve) + " -o " + quoted(out) + " --gear 7", true, 2, "--gear"},
        {quoted(curve) + " -o " + quoted(out) + " --scx abc", true, 2, "--scx"},
        // A language file without the unit factors (the application folder
        // always has a whole one since the first start installs it): the
        // message names the line of the language file, not the entry behind it.
        {quoted(curve) + " -o " + quoted(out) + " --lang " + quoted(shortLanguage), false, 1,
         "line 60 of the language file"},
        {quoted(curve) + " -o " + quoted(out) + " --correction sae", true, 2, "--correction"},
        {quoted(curve) + " -o " + quoted(out) + " --correction din70020 --pressure 1000", true, 2, "--air-temp"},
        {quoted(curve) + " -o " + quoted(out) + " --correction iso1585 --air-temp 20 --pressure 1000", true, 2,
         "needs --humidity"},
        {quoted(curve) + " -o " + quoted(out) + " --correction din70020 --air-temp 60 --pressure 1000", true, 2,
         "--air-temp: the air temperature 60 °C is outside -30 to 55 °C"},
        {quoted(curve) + " -o " + quoted(out) + " --correction sae-j1349 --air-temp 20 --pressure 700 --humidity 5",
         true, 2, "--pressure: the pressure 700 hPa"},
        {quoted(curve) + " -o " + quoted(out) + " --correction iso1585 --air-temp 20 --pressure 990 --humidity 101",
         true, 2, "--humidity: the relative humidity 101 %"},
    };
    for (const Case& c : cases) {
        const CommandRun r = run(c.arguments, c.withLanguage);
        EXPECT_EQ(r.status, c.status) << c.arguments << "\n" << r.err;
        EXPECT_NE(r.err.find(c.inMessage), std::string::npos) << c.arguments << "\n" << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_FALSE(std::filesystem::exists(out)) << c.arguments;
    }
    EXPECT_EQ(TempFolder::read(curve), testing::testCurveText(300));
}

}  // namespace
}  // namespace vornax
