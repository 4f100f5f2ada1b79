#include "SignalFiles.h"
#include "TempFolder.h"
#include "signal/ConditionWav.h"
#include "signal/SparkDetection.h"

#include <gtest/gtest.h>

#include <cstring>

namespace vornax {
namespace {

using testing::pulseTrain;
using testing::pulseWav;
using testing::TempFolder;

std::uint32_t u32At(const std::string& s, std::size_t at)
{
    std::uint32_t v;
    std::memcpy(&v, s.data() + at, 4);
    return v;
}
std::uint16_t u16At(const std::string& s, std::size_t at)
{
    std::uint16_t v;
    std::memcpy(&v, s.data() + at, 2);
    return v;
}

TEST(ConditionWav, WritesAnEightBitMonoFileOfTheSameFrameCount)
{
    for (const std::int64_t frames : {0, 1, 499, 500, 501, 6000}) {
        const auto out = conditionedWav(pulseWav(frames, pulseTrain(100, 1000, 5)));
        ASSERT_TRUE(out.ok()) << frames << ": " << out.error();
        ASSERT_EQ(out->size(), std::size_t(44 + frames));
        EXPECT_EQ(out->substr(0, 4), "RIFF");
        EXPECT_EQ(u32At(*out, 4), std::uint32_t(frames + 36));
        EXPECT_EQ(out->substr(8, 8), "WAVEfmt ");
        EXPECT_EQ(u32At(*out, 16), 16u);
        EXPECT_EQ(u16At(*out, 20), 1);
        EXPECT_EQ(u16At(*out, 22), 1);
        EXPECT_EQ(u32At(*out, 24), 44100u);
        EXPECT_EQ(u32At(*out, 28), 44100u);
        EXPECT_EQ(u16At(*out, 32), 1);
        EXPECT_EQ(u16At(*out, 34), 8);
        EXPECT_EQ(out->substr(36, 4), "data");
        EXPECT_EQ(u32At(*out, 40), std::uint32_t(frames));
        const auto again = Traiter(*out, {});
        ASSERT_TRUE(again.ok());
        EXPECT_EQ(again->frameCount, frames);
    }
    // Whatever the input's format, frames = data size / block align.
    const auto fromStereo = conditionedWav(makeWav(std::string(4000, char(128)), 22050, 2, 16));
    ASSERT_TRUE(fromStereo.ok());
    EXPECT_EQ(fromStereo->size(), 44u + 1000u);
}

TEST(ConditionWav, SmoothsThenLevelsQuietStretchesUp)
{
    // Strong pulses in the first 3 000 samples, weak ones after: the
    // levelling raises the weak part towards the strength of the whole.
    std::vector<testing::Pulse> pulses;
    for (int k = 0; k < 6; ++k)
        pulses.push_back({200 + k * 500, 8, 250});
    for (int k = 0; k < 6; ++k)
        pulses.push_back({3200 + k * 500, 8, 150});
    const auto out = conditionedWav(pulseWav(6000, pulses));
    ASSERT_TRUE(out.ok()) << out.error();
    auto peak = [&](std::size_t from, std::size_t to) {
        int best = 0;
        for (std::size_t k = from; k < to; ++k)
            best = std::max(best, int(std::uint8_t((*out)[44 + k])));
        return best;
    };
    // Raw smoothing alone would give a weak peak near 133 + 0.8 x 22 = 150.
    EXPECT_GT(peak(3100, 6000), 165);
    EXPECT_LE(peak(0, 3000), 255);
    // The first data byte is index 0 of the buffer, always 0.
    EXPECT_EQ((*out)[44], 0);
}

TEST(ConditionWav, StopsWhenASmoothedValueLeavesAByte)
{
    TempFolder folder;
    // A long stretch at 255 tends towards 270; a stretch of zeros towards -1.
    for (const int level : {255, 0}) {
        const auto in = folder.write("in.wav", pulseWav(2000, {}, level));
        const auto out = folder / "out.wav";
        const auto status = ConditionWav(in, out);
        ASSERT_FALSE(status.ok()) << level;
        EXPECT_NE(status.error().find("hors de 0 à 255"), std::string::npos) << status.error();
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

TEST(ConditionWav, NeverWritesOverItsInputNorOnABadFile)
{
    TempFolder folder;
    const std::string original = pulseWav(3000, pulseTrain(100, 1000, 3));
    const auto in = folder.write("in.wav", original);
    EXPECT_FALSE(ConditionWav(in, in).ok());
    EXPECT_EQ(TempFolder::read(in), original);

    const auto bad = folder.write("bad.wav", "no header here");
    EXPECT_FALSE(ConditionWav(bad, folder / "out.wav").ok());
    // A data size far past the end of the file is refused before any work.
    std::string huge = original;
    huge[40] = huge[41] = huge[42] = char(0xFF);
    EXPECT_FALSE(ConditionWav(folder.write("huge.wav", huge), folder / "out.wav").ok());
    EXPECT_FALSE(std::filesystem::exists(folder / "out.wav"));

    ASSERT_TRUE(ConditionWav(in, folder / "out.wav").ok());
    EXPECT_EQ(TempFolder::read(folder / "out.wav").size(), 44u + 3000u);
}

}  // namespace
}  // namespace vornax
