// The `vornax vehicle` command as a user runs it.
#include "CommandRun.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace vornax {
namespace {

using testing::TempFolder;

using testing::CommandRun;

CommandRun vornax(const std::string& arguments)
{
    return testing::runCommand(std::string(VORNAX_CLI) + " vehicle " + arguments + " 2>/dev/null");
}

TEST(VehicleCommand, PrintsTheCommittedEntriesInStoreOrder)
{
    const CommandRun run = vornax("");
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("lbperte4e=14,2625\nlbperte1e=20,1783875\nlbIroue=0,11\n", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("\nlbsix=\n"), std::string::npos);
    EXPECT_NE(run.out.find("\nLbPerteB=22,62190625\n"), std::string::npos);
}

TEST(VehicleCommand, LoadsAFileAndTypesTheOptionsIntoJson)
{
    TempFolder folder;
    const auto file =
        folder.write("car.Dat", "[VersionV1]\r\nCar \"A\"\r\n 4 \r\n 1 \r\n 0 \r\n600\r\n 1 \r\n 1 \r\n 1 \r\n");
    const CommandRun run = vornax(file.string() + " --scx 0.45 --engine-inertia 0,1 --json");
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out.front(), '{');
    for (const char* pair : {"\"Lbnom\":\"Car \\\"A\\\"\"", "\"LbRp\":\"3,27\"", "\"LbPr\":\"3,2\"", "\"LbLp\":\"145\"",
                             "\"LbSCx\":\"0,45\"", "\"LbImoteur\":\"0,1\"", "\"LbPerteB\":\"9,60792032\""})
        EXPECT_NE(run.out.find(pair), std::string::npos) << pair << " in " << run.out;
    EXPECT_LT(run.out.find("\"lbperte4e\""), run.out.find("\"LbImoteur\""));  // store order
}

TEST(VehicleCommand, RefusesBadInputWithItsExitStatus)
{
    TempFolder folder;
    const std::pair<std::string, int> cases[] = {
        {(folder / "missing.Dat").string(), 1},
        {folder.write("v.Dat", "[VersionV2]\r\n").string(), 1},
        {folder.write("cut.Dat", "[VersionV1]\r\nA\r\n").string(), 1},
        {"--scx abc", 2},
        {"--engine-inertia ''", 2},
    };
    for (const auto& [arguments, status] : cases) {
        const CommandRun run = vornax(arguments);
        EXPECT_EQ(run.status, status) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
    }
}

}  // namespace
}  // namespace vornax
