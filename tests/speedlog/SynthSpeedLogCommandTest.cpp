// `vornax synth --speed-log` as a user runs it: the logs it writes read back
// with the truth it claims, and the usage it refuses.
#include "CommandRun.h"
#include "TempFolder.h"
#include "common/NumberText.h"
#include "common/TextFile.h"
#include "speedlog/SpeedLog.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vornax {
namespace {

using testing::quoted;
using testing::runCommand;

const std::string kVornax =
    std::string(VORNAX_CLI) + " synth --speed-log --lang " + quoted(VORNAX_LANG_DIR "/francais.txt");

TEST(SynthSpeedLogCommand, WritesBothWaysInTheFormatOfTheNameWithTheTruth)
{
    const testing::TempFolder folder;
    const auto log = folder / "coast.gpx";
    const auto truth = folder / "truth.txt";
    const auto run =
        runCommand(kVornax + " --run coastdown --direction both --slope 0.3 --wind 1.5 --scx 0.6 --rate 5 " +
                   "--drop-fix 2 -o " + quoted(log) + " --truth " + quoted(truth));
    ASSERT_EQ(run.status, 0) << run.out;
    for (const auto& file : {log, folder / "coast-back.gpx"}) {
        const auto read = readSpeedLogFile(file.string());
        ASSERT_TRUE(read) << read.error();
        EXPECT_EQ(read->format, SpeedLogFormat::Gpx);
        EXPECT_NEAR(speedLogRate(*read), 5.0, 1e-3);
        EXPECT_EQ(std::count_if(read->fixes.begin(), read->fixes.end(), [](const SpeedFix& f) { return !f.valid; }), 2);
        EXPECT_NEAR(read->fixes.front().speed * 3.6, 100.0, 1.0);
    }
    const auto lines = readTextLines(truth);
    ASSERT_TRUE(lines);
    EXPECT_NE(std::find(lines->begin(), lines->end(), "scx_m2=0,6"), lines->end());
    EXPECT_NE(std::find(lines->begin(), lines->end(), "logs=2"), lines->end());
}

TEST(SynthSpeedLogCommand, RefusesWhatIsNoRunAndWritesNothing)
{
    const testing::TempFolder folder;
    const auto log = folder / "x.nmea";
    const struct {
        const char* options;
        int status;
    } cases[] = {{"--run sprint", 2},     {"--format kml", 2},
                 {"--direction both", 2}, {"--run coastdown --direction up", 2},
                 {"--rate 0", 1},         {"--run coastdown --to 150", 1},
                 {"--speed-noise x", 2}};
    for (const auto& c : cases) {
        const auto run = runCommand(kVornax + " " + c.options + " -o " + quoted(log) + " 2>/dev/null");
        EXPECT_EQ(run.status, c.status) << c.options;
        EXPECT_FALSE(std::filesystem::exists(log)) << c.options;
    }
}

}  // namespace
}  // namespace vornax
