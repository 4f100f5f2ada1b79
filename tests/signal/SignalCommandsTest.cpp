// The `vornax rpm` and `vornax condition` commands as a user runs them.
#include "CommandRun.h"
#include "SignalFiles.h"
#include "TempFolder.h"
#include "common/TextFile.h"
#include "signal/CurveFile.h"

#include <gtest/gtest.h>

namespace vornax {
namespace {

using testing::TempFolder;

using CliRun = testing::CommandRun;

CliRun vornaxCli(const std::string& args, const TempFolder& folder)
{
    return testing::runCommand(std::string(VORNAX_CLI) + " " + args, folder / "stderr.txt");
}

class SignalCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.useAsAppFolder();
        IgnitionSignal signal;
        signal.seconds = 8.0;
        signal.rpm = [](double t) { return 1500.0 + 400.0 * t; };
        run = makeIgnitionRecording(signal);
        wav = folder.write("run.wav", run.wav).string();
    }
    std::string path(const char* name) const { return (folder / name).string(); }

    TempFolder folder;
    SyntheticRecording run;
    std::string wav;
};

TEST_F(SignalCommands, RpmWritesTheCurveTheWindowWouldSave)
{
    const CliRun r = vornaxCli("rpm " + wav + " -o " + path("run.ReT") + " --json", folder);
    ASSERT_EQ(r.status, 0) << r.err;
    const int sparks = static_cast<int>(run.sparks.size());
    // sparks + the end-of-file point, minus the 7 first and 8 last rows; the
    // spark check finds nothing wrong, the figures of the rhythm are a spark
    // train's
    std::string out = r.out;
    const auto rhythm = out.find(",\"rhythm\":{\"high_rpm\":");
    ASSERT_NE(rhythm, std::string::npos) << out;
    EXPECT_NE(out.find("\"suspect_pct\":0.0}", rhythm), std::string::npos) << out;
    out.erase(rhythm, out.find('}', rhythm) + 1 - rhythm);
    EXPECT_EQ(out, "{\"duration_s\":8.0,\"extra\":0,\"missed\":0,\"points\":" + std::to_string(sparks + 1 - 14) +
                       ",\"sparks\":" + std::to_string(sparks) + ",\"suspect_times_s\":[],\"trustworthy\":true}\n")
        << r.out;
    Curve curve;
    ASSERT_TRUE(LoadCurve(path("run.ReT"), curve).ok());
    EXPECT_EQ(curve.pointCount, sparks + 1 - 15);
    EXPECT_NEAR(curve.rows[100].speed, 1500.0 + 400.0 * curve.rows[100].time, 40.0);

    // Smoothed and in the other options' spelling: a comma, option "2".
    const CliRun smooth = vornaxCli("rpm " + wav + " -o " + path("smooth.ReT") +
                                        " --smooth --sparks-per-rev 2 --start 0,5 --anti-bounce 0.3",
                                    folder);
    ASSERT_EQ(smooth.status, 0) << smooth.err;
    EXPECT_NE(smooth.out.find("smooth.ReT: 965 points"), std::string::npos) << smooth.out;
}

TEST_F(SignalCommands, RefusalsExitNonZeroAndWriteNothing)
{
    folder.write("stereo.wav", makeWav(std::string(4000, char(128)), 44100, 2, 8));
    folder.write("text.wav", "just text");
    struct Case {
        std::string args;
        int status;
        const char* message;
    };
    const std::string out = " -o " + path("out.ReT");
    for (const Case& c : {Case{"rpm " + path("missing.wav") + out, 1, "missing.wav"},
                          Case{"rpm " + path("text.wav") + out, 1, "not an audio file"},
                          // Converted first; silence has no spark.
                          Case{"rpm " + path("stereo.wav") + out, 1, "no spark"},
                          Case{"rpm " + wav + out + " --start 9", 1, "start time"},
                          Case{"rpm " + wav + out + " --threshold 255", 1, "no spark"},
                          Case{"rpm " + wav + out + " --threshold 100", 2, "--threshold"},
                          Case{"rpm " + wav + out + " --sparks-per-rev 3", 2, "0.5 or 2"},
                          Case{"rpm " + wav + out + " --level 2", 2, "smooth"},
                          Case{"rpm " + wav + out + " --method fine", 2, "standard or precise"},
                          Case{"rpm " + wav + " -o " + wav, 1, "input"},
                          Case{"condition " + path("text.wav") + " -o " + path("out.wav"), 1, "not an audio file"},
                          Case{"condition " + wav + " -o " + wav, 1, "input"}}) {
        const CliRun r = vornaxCli(c.args, folder);
        EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.args << "\n" << r.err;
        EXPECT_FALSE(std::filesystem::exists(path("out.ReT")));
        EXPECT_FALSE(std::filesystem::exists(path("out.wav")));
    }
    EXPECT_EQ(TempFolder::read(wav), run.wav);
}

TEST_F(SignalCommands, ConditionWritesTheConditionedCopy)
{
    const CliRun r = vornaxCli("condition " + wav + " -o " + path("clean.wav") + " --json", folder);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "{\"frames\":352800}\n");
    EXPECT_EQ(TempFolder::read(path("clean.wav")).size(), 44u + 352800u);
}

// The precise curve and its uncertainty on request: one row every 10 ms over
// the 8 s of sparks, each within 0,2 % of the engine's speed.
TEST_F(SignalCommands, RpmChecksTheSparksAndDrawsThePreciseCurve)
{
    const CliRun precise = vornaxCli("rpm " + wav + " -o " + path("p.ReT") + " --method precise --json", folder);
    ASSERT_EQ(precise.status, 0) << precise.err;
    EXPECT_NE(precise.out.find("\"rpm_uncertainty_pct\":"), std::string::npos) << precise.out;
    Curve curve;
    ASSERT_TRUE(LoadCurve(path("p.ReT"), curve));
    EXPECT_GT(curve.pointCount, 750);  // about 800 rows less the 15 never saved
    for (int r = 1; r <= curve.pointCount; ++r) {
        ASSERT_NEAR(curve.rows[r].time - curve.rows[r - 1].time, 0.01f, 1e-4f) << r;
        const double truth = 1500.0 + 400.0 * (curve.rows[r].time - 44.0 / 44100.0);
        ASSERT_NEAR(curve.rows[r].speed, truth, truth * 0.002) << r;
    }
}

TEST_F(SignalCommands, RpmChoosesThresholdAndPolarityFromAQuietDownwardRecording)
{
    std::string quiet = run.wav;
    for (std::size_t k = 44; k < quiet.size(); ++k)
        quiet[k] = static_cast<char>(128 - (static_cast<std::uint8_t>(quiet[k]) - 128) / 8);
    const std::string file = folder.write("quiet.wav", quiet).string();
    EXPECT_EQ(vornaxCli("rpm " + file + " -o " + path("q.ReT"), folder).status, 1) << "the default finds nothing";
    const CliRun r =
        vornaxCli("rpm " + file + " -o " + path("q.ReT") + " --threshold auto --polarity auto --json", folder);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"polarity\":\"low\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"threshold\":12"), std::string::npos) << r.out;
    const CliRun typed = vornaxCli("rpm " + file + " -o " + path("q.ReT") + " --threshold 200 --polarity auto", folder);
    EXPECT_EQ(typed.status, 2) << "200 is outside the low polarity's range";
}

}  // namespace
}  // namespace vornax
