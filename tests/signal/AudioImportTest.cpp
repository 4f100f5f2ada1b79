// Recordings as users bring them: a generated run encoded by FFmpeg into
// every kind of file, imported, detected and carried to the power curve, and
// the files that must be refused.
#include "CommandRun.h"
#include "TempFolder.h"
#include "signal/AudioImport.h"
#include "signal/SparkDetection.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdlib>

namespace vornax {
namespace {

using testing::TempFolder;

using ShellRun = testing::CommandRun;

// Standard output and standard error together, in `out`.
ShellRun shell(const std::string& command) { return testing::runCommand(command + " 2>&1"); }

std::string inQuotes(const std::filesystem::path& p) { return testing::quoted(p); }

// The sample position of each spark the default detection records.
std::vector<std::int64_t> sparkPositions(std::string_view wav)
{
    const auto detection = detectSparksInRecording("run", wav);
    EXPECT_TRUE(detection.ok()) << detection.error();
    std::vector<std::int64_t> at;
    if (!detection)
        return at;
    for (int k = 1; k <= detection->crossings; ++k)
        at.push_back(std::llround(double(detection->curve.rows[std::size_t(k)].time) * 44100.0));
    return at;
}

class AudioImport : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder = new TempFolder;
        folder->useAsAppFolder();
        canonical = *folder / "run.wav";
        const ShellRun synth = shell(std::string(VORNAX_CLI) + " synth --gear 2 --start-rpm 3000 --end-rpm 5200 -o " +
                                     inQuotes(canonical));
        ASSERT_EQ(synth.status, 0) << synth.out;
        canonicalPower = peakPower(canonical);
    }
    static void TearDownTestSuite() { delete folder; }

    // The whole road: the curve of the recording, smoothed, then its power.
    static double peakPower(const std::filesystem::path& recording)
    {
        const std::string cli = VORNAX_CLI;
        const std::filesystem::path curve = recording.string() + ".ReT";
        const ShellRun rpm = shell(cli + " rpm " + inQuotes(recording) + " --smooth -o " + inQuotes(curve));
        EXPECT_EQ(rpm.status, 0) << rpm.out;
        const ShellRun power = shell(cli + " power " + inQuotes(curve) + " -o " + inQuotes(curve.string() + ".txt") +
                                     " --json --lang " + VORNAX_LANG_DIR + "/francais.txt");
        EXPECT_EQ(power.status, 0) << power.out;
        const auto json = nlohmann::json::parse(power.out, nullptr, false);
        return json.is_object() && json.contains("max_power") ? json["max_power"].get<double>() : 0.0;
    }

    static inline TempFolder* folder = nullptr;
    static inline std::filesystem::path canonical;
    static inline double canonicalPower = 0;
};

TEST_F(AudioImport, EveryKindOfRecordingGivesTheCanonicalSparksAndPower)
{
    struct Case {
        const char* name;     // file written by FFmpeg
        const char* options;  // its encoding
        bool lossy;
        int channel;  // the pickup's channel the import must choose
        bool inverted;
    };
    // The faint copy on the other channel stands for crosstalk.
    const std::vector<Case> cases = {
        {"s16.wav", "-c:a pcm_s16le", false, 1, false},
        {"s24.wav", "-c:a pcm_s24le", false, 1, false},  // WAVE_FORMAT_EXTENSIBLE
        {"f32.wav", "-c:a pcm_f32le", false, 1, false},
        {"left.wav", "-ar 48000 -af 'pan=stereo|c0=c0|c1=0.02*c0' -c:a pcm_s16le", false, 1, false},
        {"right.wav", "-ar 48000 -af 'pan=stereo|c0=0.02*c0|c1=c0' -c:a pcm_s16le", false, 2, false},
        {"r22050.wav", "-ar 22050 -c:a pcm_s16le", false, 1, false},
        {"r96000.wav", "-ar 96000 -c:a pcm_s32le", false, 1, false},
        {"run.flac", "-c:a flac", false, 1, false},
        {"run.aiff", "-c:a pcm_s16be", false, 1, false},
        {"quiet.wav", "-af volume=-30dB -c:a pcm_s16le", false, 1, false},
        {"inverted.flac", "-af volume=-1 -c:a flac", false, 1, true},
        {"run.mp3", "-c:a libmp3lame -b:a 192k", true, 1, false},
        {"stereo48.m4a", "-ar 48000 -af 'pan=stereo|c0=0.02*c0|c1=c0' -c:a aac -b:a 192k", true, 2, false},
        {"run.ogg", "-c:a libvorbis -q:a 6", true, 1, false},
        {"run.opus", "-c:a libopus -b:a 128k", true, 1, false},
    };
    const std::string canonicalBytes = TempFolder::read(canonical);
    const std::vector<std::int64_t> expected = sparkPositions(canonicalBytes);
    ASSERT_GT(expected.size(), 100u);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto file = *folder / c.name;
        const ShellRun encoded =
            shell("ffmpeg -v error -y -i " + inQuotes(canonical) + " " + c.options + " " + inQuotes(file));
        ASSERT_EQ(encoded.status, 0) << encoded.out;
        if (std::string_view(c.name) == "s24.wav") {
            EXPECT_EQ(TempFolder::read(file).substr(20, 2), "\xFE\xFF") << "not WAVE_FORMAT_EXTENSIBLE";
        }
        const auto imported = importRecording(file);
        ASSERT_TRUE(imported.ok()) << imported.error();
        EXPECT_EQ(imported->report.channel, c.channel);
        EXPECT_EQ(imported->report.inverted, c.inverted);
        EXPECT_LE(imported->report.clippedFraction, 0.001);
        const std::vector<std::int64_t> found = sparkPositions(imported->wav());
        ASSERT_EQ(found.size(), expected.size());
        std::int64_t worst = 0;
        for (std::size_t k = 0; k < found.size(); ++k)
            worst = std::max(worst, std::abs(found[k] - expected[k]));
        EXPECT_LE(worst, c.lossy ? 4 : 2);
        // The command line reads the file itself, converted in memory.
        EXPECT_NEAR(peakPower(file), canonicalPower, canonicalPower * 0.01);
    }
}

TEST_F(AudioImport, ACanonicalRecordingKeepsItsBytes)
{
    const auto copy = *folder / "copy.wav";
    const ShellRun run =
        shell(std::string(VORNAX_CLI) + " import " + inQuotes(canonical) + " -o " + inQuotes(copy) + " --json");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(TempFolder::read(copy), TempFolder::read(canonical));
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["codec"], "pcm_u8");
    EXPECT_EQ(json["gain_db"], 0.0);
    EXPECT_EQ(json["inverted"], false);
    // And the detection reads it as it always did: no conversion said.
    const ShellRun rpm =
        shell(std::string(VORNAX_CLI) + " rpm " + inQuotes(canonical) + " -o " + inQuotes(*folder / "c.ReT"));
    EXPECT_EQ(rpm.out.find("converted"), std::string::npos) << rpm.out;
}

TEST_F(AudioImport, FilesThatAreNoRecordingEndInOneMessageAndNothingWritten)
{
    const std::string canonicalBytes = TempFolder::read(canonical);
    std::string noise(20000, '\0');
    unsigned seed = 7;
    for (char& c : noise)
        c = static_cast<char>((seed = seed * 1103515245u + 12345u) >> 16);
    const auto s16 = *folder / "cut-source.wav";
    ASSERT_EQ(shell("ffmpeg -v error -y -i " + inQuotes(canonical) + " -c:a pcm_s16le " + inQuotes(s16)).status, 0);
    struct Case {
        const char* name;
        std::string bytes;  // or made by ffmpeg when empty and `ffmpeg` is set
        const char* ffmpeg;
        const char* says;
    };
    const std::vector<Case> cases = {
        {"empty.wav", "", nullptr, "empty"},
        {"cut.wav", TempFolder::read(s16).substr(0, 30000), nullptr, "truncated"},
        {"noise.mp3", noise, nullptr, "not an audio file"},
        {"text.wav", "This is a shopping list, not a recording.\n", nullptr, "not an audio file"},
        {"video.mp4", "", "-f lavfi -i testsrc=size=64x64:rate=10 -t 1 -c:v mpeg4", "no audio stream"},
        {"silent.flac", "", "-i RUN -t 0 -c:a flac", "no samples"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto file = *folder / c.name;
        if (c.ffmpeg) {
            std::string options = c.ffmpeg;
            if (const auto at = options.find("RUN"); at != std::string::npos)
                options.replace(at, 3, inQuotes(canonical));
            ASSERT_EQ(shell("ffmpeg -v error -y " + options + " " + inQuotes(file)).status, 0);
        } else {
            folder->write(c.name, c.bytes);
        }
        const auto out = *folder / "refused.wav";
        const ShellRun run = shell(std::string(VORNAX_CLI) + " import " + inQuotes(file) + " -o " + inQuotes(out));
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.out.find(c.says), std::string::npos) << run.out;
        EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << run.out;
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

}  // namespace
}  // namespace vornax
