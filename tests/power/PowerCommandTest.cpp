// The `vornax power` command as a user runs it.
#include "PowerTestData.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace vornax {
namespace {

using testing::TempFolder;

struct CommandRun {
    int status = -1;
    std::string out, err;
};

class PowerCommand : public ::testing::Test {
protected:
    void SetUp() override { curve = home.write("RPM/run.ReT", testing::testCurveText(300)); }

    // Runs `vornax power` with the application folder in `home` and the French
    // language file.
    CommandRun run(const std::string& arguments, bool withLanguage = true)
    {
        const std::string language =
            withLanguage ? std::string(" --lang ") + VORNAX_LANG_DIR + "/francais.txt" : std::string();
        const std::string command = "VORNAX_HOME='" + home.path().string() + "' " + VORNAX_CLI + " power " +
                                    arguments + language + " 2>'" + (home / "err.txt").string() + "'";
        CommandRun result;
        FILE* pipe = ::popen(command.c_str(), "r");
        if (!pipe)
            return result;
        std::array<char, 4096> buffer{};
        while (const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
            result.out.append(buffer.data(), n);
        const int status = ::pclose(pipe);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.err = TempFolder::read(home / "err.txt");
        return result;
    }
    std::string quoted(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

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
    for (const char* key : {"\"rpm_at_max_power\":", "\"max_torque\":", "\"rpm_at_max_torque\":",
                            "\"min_power\":", "\"min_torque\":"})
        EXPECT_NE(json.out.find(key), std::string::npos) << key;

    // Another gear gives another result from the same curve.
    const CommandRun third = run(quoted(curve) + " -o " + quoted(out) + " --gear 3");
    ASSERT_EQ(third.status, 0) << third.err;
    EXPECT_NE(third.out, text.out);
}

TEST_F(PowerCommand, RefusesBadInputWithoutWritingAFile)
{
    std::string text = testing::testCurveText(100);
    text.replace(text.find("\r\n"), 2, "\r\n1,5 2000\r\n");
    const auto bad = home.write("bad.ReT", text);
    const auto out = home / "p.txt";
    struct Case {
        std::string arguments;
        bool withLanguage;
        int status;
        std::string inMessage;
    };
    const Case cases[] = {
        {quoted(bad) + " -o " + quoted(out), true, 1, "line 2"},
        {quoted(home / "none.ReT") + " -o " + quoted(out), true, 1, "none.ReT"},
        {quoted(curve) + " -o " + quoted(curve), true, 1, "input"},
        {quoted(curve) + " -o " + quoted(out) + " --gear 5", true, 1, "4 gears"},
        {quoted(curve) + " -o " + quoted(out) + " --gear 7", true, 2, "--gear"},
        {quoted(curve) + " -o " + quoted(out) + " --scx abc", true, 2, "--scx"},
        // A language file that gives no unit factor: the message names the
        // line of the language file, not the entry behind it.
        {quoted(curve) + " -o " + quoted(out) + " --lang " + quoted(home.write("empty.txt", "")), false, 1,
         "line 60 of the language file"},
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
