// The commands that take a speed log, as a user runs them: `vornax
// coastdown`, `vornax rpm LOG --gear N` and `vornax simulate --measured`.
#include "CommandRun.h"
#include "LogPhysics.h"
#include "TempFolder.h"
#include "common/Physics.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <cstdio>

namespace vornax {
namespace {

using testing::CommandRun;
using testing::TempFolder;
using testlog::kKmh;

// A lap timer's CSV: a header naming time in s and speed in km/h.
std::string csvText(const SpeedLog& log)
{
    std::string text = "time_s;speed_kmh\n";
    char line[64];
    for (const SpeedFix& f : log.fixes) {
        std::snprintf(line, sizeof line, "%.3f;%.3f\n", f.time, f.speed / kKmh);
        text += line;
    }
    return text;
}

// The default vehicle's mass and wheels (650 kg, 145/70/12, 0,11 kg·m²),
// S.Cx 0,6 and a rolling coefficient 0,012, with a wind and a slope.
SpeedLog coast(double wind, double slope, unsigned seed)
{
    const double m = 650, mEff = m + 0.11 / (0.2539 * 0.2539), c = 0.5 * 1.19854 * 0.6;
    auto accel = [=](double, double v) {
        const double air = v + wind;
        return -(0.012 * m * physics::kGravity + c * air * std::abs(air) + m * physics::kGravity * slope) / mEff;
    };
    return testlog::sampledLog(accel, 100 * kKmh, 72, 10, 0.15, seed);
}

SpeedLog standingStart()
{
    auto accel = [](double, double v) { return std::min(4.0, 40000 / (720 * std::max(v, 0.1))) - 0.1; };
    return testlog::sampledLog(accel, 0, 40, 10, 0.15, 9, 0.05, 2.0);
}

class LogCommands : public ::testing::Test {
protected:
    CommandRun run(const std::string& arguments)
    {
        const std::string command = "VORNAX_HOME='" + home.path().string() + "' " + VORNAX_CLI + " " + arguments;
        return testing::runCommand(command, home / "err.txt");
    }
    std::string log(const std::string& name, const SpeedLog& l)
    {
        return testing::quoted(home.write(name, csvText(l)));
    }
    TempFolder home;
};

TEST_F(LogCommands, CoastdownPrintsWritesJsonAndTheVehicle)
{
    const std::string out = log("out.csv", coast(1.5, 0.003, 1)), back = log("back.csv", coast(-1.5, -0.003, 2));
    const CommandRun text = run("coastdown " + out + " " + back);
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("\nS.Cx 0,"), std::string::npos) << text.out;
    EXPECT_EQ(text.out.find("one direction"), std::string::npos) << text.out;

    const CommandRun json = run("coastdown " + out + " " + back + " --json");
    ASSERT_EQ(json.status, 0) << json.err;
    const auto figures = nlohmann::json::parse(json.out);
    EXPECT_NEAR(figures["scx_m2"].get<double>(), 0.6, 0.03 * 0.6);
    EXPECT_NEAR(figures["rolling_coefficient"].get<double>(), 0.012, 0.1 * 0.012);
    EXPECT_GT(figures["scx_m2_uncertainty"].get<double>(), 0);
    EXPECT_GT(figures["rolling_coefficient_uncertainty"].get<double>(), 0);
    EXPECT_EQ(figures["directions"].size(), 2u);

    const CommandRun one = run("coastdown " + out);
    ASSERT_EQ(one.status, 0) << one.err;
    EXPECT_NE(one.out.find("one direction"), std::string::npos) << one.out;

    // Written into the Mini file, which the power computation then reads.
    const auto mini =
        home.write("car.Dat", "[VersionV1]\r\nEssai\r\n 2 \r\n 5 \r\n 2 \r\n650\r\n 0 \r\n 0 \r\n 0 \r\n");
    EXPECT_EQ(run("coastdown " + out + " --write-vehicle").status, 2);
    const CommandRun written =
        run("coastdown " + out + " " + back + " --vehicle " + testing::quoted(mini) + " --write-vehicle");
    ASSERT_EQ(written.status, 0) << written.err;
    const CommandRun vehicle = run("vehicle " + testing::quoted(mini));
    ASSERT_EQ(vehicle.status, 0) << vehicle.err;
    EXPECT_NE(vehicle.out.find("lbCrr=0,01"), std::string::npos) << vehicle.out;
    EXPECT_NE(vehicle.out.find("LbSCx=0,"), std::string::npos) << vehicle.out;

    // A log without a coast-down: a clear refusal, the vehicle untouched.
    const std::string before = TempFolder::read(mini);
    const CommandRun none = run("coastdown " + log("start.csv", standingStart()) + " --vehicle " +
                                testing::quoted(mini) + " --write-vehicle");
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("no coast-down found"), std::string::npos) << none.err;
    EXPECT_EQ(TempFolder::read(mini), before);
}

TEST_F(LogCommands, RpmOfAPullAndSimulateWithTheMeasuredStart)
{
    // A pull at 1,5 m/s² from 30 km/h: in 2nd gear of the default vehicle.
    auto accel = [](double, double) { return 1.5; };
    const std::string pull = log("pull.csv", testlog::sampledLog(accel, 30 * kKmh, 10, 10, 0.15, 4));
    const auto curve = home / "pull.ReT";
    const CommandRun rpm = run("rpm " + pull + " --gear 2 -o " + testing::quoted(curve) + " --json");
    ASSERT_EQ(rpm.status, 0) << rpm.err;
    const auto figures = nlohmann::json::parse(rpm.out);
    EXPECT_GT(figures["points"].get<int>(), 900);
    EXPECT_FALSE(figures["coarse"].get<bool>());
    EXPECT_TRUE(std::filesystem::exists(curve));
    EXPECT_EQ(run("rpm " + pull + " -o " + testing::quoted(home / "x.ReT")).status, 2);
    const CommandRun still = run("rpm " + log("start.csv", standingStart()) + " --gear 2 --start 0 --end 1 -o " +
                                 testing::quoted(home / "y.ReT"));
    EXPECT_EQ(still.status, 1);
    EXPECT_FALSE(std::filesystem::exists(home / "y.ReT"));

    // The power curve of that pull, simulated beside the measured start.
    const auto power = home / "p.txt";
    ASSERT_EQ(run("power " + testing::quoted(curve) + " --gear 2 -o " + testing::quoted(power)).status, 0);
    const CommandRun sim =
        run("simulate " + testing::quoted(power) + " --json --measured " + log("start.csv", standingStart()));
    ASSERT_EQ(sim.status, 0) << sim.err;
    const auto both = nlohmann::json::parse(sim.out);
    ASSERT_TRUE(both.contains("measured")) << sim.out;
    EXPECT_NEAR(both["measured"]["start_s"].get<double>(), 2.0, 0.1);
    EXPECT_GT(both["measured"]["t_0_100_s"].get<double>(), 5);
    EXPECT_GT(both["measured"]["t_400m_s"].get<double>(), both["measured"]["t_0_100_s"].get<double>());

    const auto acc = home / "acc.txt";
    const CommandRun noStart =
        run("simulate " + testing::quoted(power) + " -o " + testing::quoted(acc) + " --measured " + pull);
    EXPECT_EQ(noStart.status, 1);
    EXPECT_NE(noStart.err.find("no standing start"), std::string::npos) << noStart.err;
    EXPECT_FALSE(std::filesystem::exists(acc));
}

}  // namespace
}  // namespace vornax
