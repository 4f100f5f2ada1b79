// The `vornax simulate` command as a user runs it.
#include "CommandRun.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace vornax {
namespace {

using testing::TempFolder;

using testing::CommandRun;

// A power curve as the power window writes it under the French language:
// torque in m·kg, power in ch, then the two factors.
std::string frenchPowerCurve()
{
    std::string text;
    for (int rpm = 1000; rpm <= 7000; rpm += 50) {
        const double x = (rpm - 4000) / 3000.0;
        const double nm = 95 - 35 * x * x;
        char line[96];
        std::snprintf(line, sizeof line, "%d;%.5f;%.4f\r\n", rpm, nm * 0.1019716, nm * rpm * 3.1416 / 30 / 735.49875);
        std::string s = line;
        std::replace(s.begin(), s.end(), '.', ',');
        text += s;
    }
    return text + " 735,4988 \r\n 0,1019716 \r\n";
}

class SimulateCommand : public ::testing::Test {
protected:
    void SetUp() override { curve = home.write("Puissance/p.txt", frenchPowerCurve()); }

    CommandRun run(const std::string& arguments)
    {
        const std::string command = "VORNAX_HOME='" + home.path().string() + "' " + VORNAX_CLI + " simulate " +
                                    arguments + " --lang " + VORNAX_LANG_DIR + "/francais.txt";
        return testing::runCommand(command, home / "err.txt");
    }
    static std::string quoted(const std::filesystem::path& p) { return testing::quoted(p); }

    TempFolder home;
    std::filesystem::path curve;
};

TEST_F(SimulateCommand, PrintsTheFiguresAndWritesTheAccelerationFile)
{
    const CommandRun text = run(quoted(curve));
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out.rfind("0-100 km/h: ", 0), 0u) << text.out;
    EXPECT_NE(text.out.find("\n400 m D.A.: "), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("\nVitesse maxi: "), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("km/h en 4 à "), std::string::npos) << text.out;

    const auto out = home / "run.txt";
    const CommandRun json = run(quoted(curve) + " -o " + quoted(out) + " --json");
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(json.out.rfind("{\"t_0_100_s\":", 0), 0u) << json.out;
    EXPECT_NE(json.out.find(",\"samples\":6001}"), std::string::npos) << json.out;
    const std::string file = TempFolder::read(out);
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 6001 - 2 + 2);
    EXPECT_EQ(file.substr(file.size() - 12), "\r\n 1 \r\n 1 \r\n");

    // A short run empties the figures it never reached.
    const CommandRun shortRun = run(quoted(curve) + " --json --duration 5 --shift-time 0.3 --shift-rpm 5000");
    ASSERT_EQ(shortRun.status, 0) << shortRun.err;
    EXPECT_NE(shortRun.out.find("{\"t_0_100_s\":null,\"t_400m_s\":null,\"t_1000m_s\":null,\"top_speed\":"),
              std::string::npos)
        << shortRun.out;
    EXPECT_NE(shortRun.out.find("\"samples\":501}"), std::string::npos) << shortRun.out;
}

TEST_F(SimulateCommand, RefusesBadInputWithoutWritingAFile)
{
    const auto out = home / "out.txt";
    const auto bad = home.write("bad.txt", "1000;9;1\r\n2000;neuf;2\r\n 1 \r\n 1 \r\n");
    const auto shortCurve = home.write("short.txt", "1000;9;1\r\n2000;9;2\r\n 1 \r\n 1 \r\n");
    struct Case {
        std::string arguments;
        int status;
        const char* message;
    } cases[] = {
        {quoted(home / "missing.txt") + " -o " + quoted(out), 1, "missing.txt"},
        {quoted(bad) + " -o " + quoted(out), 1, "Fichier Incorrect"},
        {quoted(shortCurve) + " -o " + quoted(out), 1, "trois lignes"},
        {quoted(curve) + " -o " + quoted(curve), 1, "input"},
        {quoted(curve) + " -o " + quoted(out) + " --shift-time vite", 2, "--shift-time"},
    };
    for (const Case& c : cases) {
        const CommandRun r = run(c.arguments);
        EXPECT_EQ(r.status, c.status) << c.arguments << "\n" << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_FALSE(std::filesystem::exists(out)) << c.arguments;
    }
    EXPECT_EQ(TempFolder::read(curve), frenchPowerCurve());
}

}  // namespace
}  // namespace vornax
