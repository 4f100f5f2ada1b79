// The command line's saves under the same failures: a command whose output
// cannot be written, or that is asked to write over its own input, says so on
// stderr, exits with status 1 and leaves every file as it was.
#include "CommandRun.h"
#include "HardeningSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <regex>

namespace fs = std::filesystem;
using vornax::testing::TempFolder;

namespace {

// Standard output and standard error together, in `out`.
vornax::testing::CommandRun run(const std::string& arguments)
{
    return vornax::testing::runCommand(std::string(VORNAX_CLI) + " " + arguments + " 2>&1");
}

// The shipped French file: the unit factors the power files need.
const std::string kLanguage = " --lang '" VORNAX_LANGUAGE_FILE "'";

std::string quoted(const fs::path& p) { return "'" + p.string() + "'"; }

std::string curveFile()
{
    std::string text;
    for (int i = 0; i < 300; ++i)
        text +=
            std::to_string(i / 20) + "," + std::to_string(i % 20 * 5) + ";" + std::to_string(2500 + 10 * i) + "\r\n";
    return text;
}

std::string powerCurveFile()
{
    std::string text;
    for (int rpm = 2000; rpm <= 6000; rpm += 100)
        text += std::to_string(rpm) + ";9,5;" + std::to_string(rpm / 100) + "\r\n";
    return text + " 736 \r\n 0,1019716 \r\n";
}

struct Command {
    const char* name;
    const char* inputName;
    std::string input;
    // Arguments with the input and output paths put in.
    std::function<std::string(const std::string& in, const std::string& out)> arguments;
};

std::vector<Command> commands()
{
    return {
        {"rpm", "rec.wav", vornax::hardening::pulseWav(44100),
         [](auto& in, auto& out) { return "rpm " + in + " -o " + out + " --sparks-per-rev 2"; }},
        {"condition", "rec.wav", vornax::hardening::pulseWav(4000),
         [](auto& in, auto& out) { return "condition " + in + " -o " + out; }},
        {"power", "run.ReT", curveFile(), [](auto& in, auto& out) { return "power " + in + " -o " + out + kLanguage; }},
        {"average", "p.txt", powerCurveFile(),
         [](auto& in, auto& out) { return "average " + in + " -o " + out + kLanguage; }},
        {"simulate", "p.txt", powerCurveFile(),
         [](auto& in, auto& out) { return "simulate " + in + " -o " + out + kLanguage; }},
    };
}

}  // namespace

TEST(CommandFailure, AnUnwritableOutputIsReportedAndNothingChanges)
{
    for (const Command& c : commands()) {
        TempFolder folder;
        folder.useAsAppFolder();
        const fs::path input = folder.write(c.inputName, c.input);
        const fs::path notAFolder = folder.write("plain-file", "x");
        const auto result = run(c.arguments(quoted(input), quoted(notAFolder / "out")));
        EXPECT_EQ(result.status, 1) << c.name << ": " << result.out;
        EXPECT_NE(result.out.find("plain-file"), std::string::npos) << c.name << ": " << result.out;
        EXPECT_EQ(TempFolder::read(input), c.input) << c.name;
        EXPECT_EQ(TempFolder::read(notAFolder), "x") << c.name;
    }
}

TEST(CommandFailure, NoCommandWritesOverItsInput)
{
    for (const Command& c : commands()) {
        TempFolder folder;
        folder.useAsAppFolder();
        const fs::path input = folder.write(c.inputName, c.input);
        // The same file through a second spelling of its path.
        const auto result = run(c.arguments(quoted(input), quoted(folder.path() / "." / c.inputName)));
        EXPECT_EQ(result.status, 1) << c.name << ": " << result.out;
        EXPECT_FALSE(result.out.empty()) << c.name;
        EXPECT_EQ(TempFolder::read(input), c.input) << c.name;
    }
}

TEST(CommandFailure, TheCommandsWorkOnTheseInputs)
{
    // Otherwise the refusals above could come from the inputs.
    for (const Command& c : commands()) {
        TempFolder folder;
        folder.useAsAppFolder();
        const fs::path input = folder.write(c.inputName, c.input);
        const auto result = run(c.arguments(quoted(input), quoted(folder / "out")));
        EXPECT_EQ(result.status, 0) << c.name << ": " << result.out;
        EXPECT_TRUE(fs::exists(folder / "out")) << c.name;
    }
}

// A recording cut short in transit (its header still declares the whole
// length) is refused with both lengths in the program's own number text,
// whatever the system's locale.
TEST(CommandFailure, ACutRecordingNamesItsLengthsWithTheDecimalComma)
{
    TempFolder folder;
    const fs::path wav = folder.write("rec.wav", vornax::hardening::pulseWav(44100 * 12));
    const fs::path whole = folder / "whole.m4a";
    ASSERT_EQ(vornax::testing::runCommand("ffmpeg -v error -y -i " + quoted(wav) +
                                          " -c:a aac -b:a 96k -movflags +faststart " + quoted(whole))
                  .status,
              0);
    const std::string bytes = TempFolder::read(whole);
    const fs::path cut = folder.write("cut.m4a", bytes.substr(0, bytes.size() / 3));
    const auto refused = run("import " + quoted(cut) + " -o " + quoted(folder / "out.wav"));
    EXPECT_EQ(refused.status, 1) << refused.out;
    EXPECT_NE(refused.out.find(" s of the 12,0 s its header declares"), std::string::npos) << refused.out;
    EXPECT_FALSE(std::regex_search(refused.out, std::regex("[0-9][.][0-9]"))) << refused.out;
    EXPECT_FALSE(fs::exists(folder / "out.wav"));
}
