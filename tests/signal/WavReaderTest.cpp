#include "SignalFiles.h"
#include "signal/WavReader.h"

#include <gtest/gtest.h>

#include <random>

namespace vornax {
namespace {

using testing::pulseWav;

std::string le32(std::uint32_t v)
{
    return {char(v & 0xFF), char((v >> 8) & 0xFF), char((v >> 16) & 0xFF), char(v >> 24)};
}

// A standard header with `extra` inserted between the format chunk and the
// data chunk.
std::string wavWithChunk(const std::string& extra, const std::string& data = std::string(100, char(128)))
{
    const std::string plain = makeWav(data);
    return plain.substr(0, 36) + extra + plain.substr(36);
}

TEST(ScanHeader, StandardFileFindsFormatAtPosition13AndDataAt45)
{
    const auto h = scanHeader(pulseWav(1000, {}));
    ASSERT_TRUE(h.ok());
    EXPECT_EQ(h->dataStart, 45);
    EXPECT_EQ(h->lastAttemptReads, 1);
    EXPECT_EQ(h->fmtSize, 16u);
    EXPECT_EQ(h->formatTag, 1);
    EXPECT_EQ(h->channels, 1);
    EXPECT_EQ(h->sampleRate, 44100u);
    EXPECT_EQ(h->byteRate, 44100u);
    EXPECT_EQ(h->blockAlign, 1);
    EXPECT_EQ(h->bitsPerSample, 8);
    EXPECT_EQ(h->dataSize, 1000u);
}

TEST(ScanHeader, ExtraChunkBeforeData)
{
    // 26 bytes without a "d": one attempt reads them and the "d" of "data".
    const std::string list = "LIST" + le32(18) + "INFOISFT" + le32(6) + "Lavf5" + '\0';
    auto h = scanHeader(wavWithChunk(list));
    ASSERT_TRUE(h.ok());
    EXPECT_EQ(h->dataStart, 45 + 26);
    EXPECT_EQ(h->lastAttemptReads, 27);
    EXPECT_EQ(h->dataSize, 100u);

    // A "d" inside the chunk starts a new attempt just after it.
    const std::string withD = "LIST" + le32(12) + "INFOmade" + le32(0);
    h = scanHeader(wavWithChunk(withD));
    ASSERT_TRUE(h.ok());
    EXPECT_EQ(h->dataStart, 45 + 20);
    EXPECT_EQ(h->lastAttemptReads, 6);  // from just after the "d" of "made" to the "d" of "data"

    // More than 90 bytes before the next "d": the scan fails.
    const std::string longList = "LIST" + le32(112) + "INFOICMT" + le32(104) + std::string(104, 'x');
    h = scanHeader(wavWithChunk(longList));
    ASSERT_FALSE(h.ok());
    EXPECT_EQ(h.error(), "Erreur");
}

TEST(ScanHeader, FormatChunkOffTheFourByteGridIsNotFound)
{
    // Two stray bytes put "fmt " at position 15: the 4-byte search misses it
    // and the fields come from position 401 on, past the end of this file.
    const std::string plain = makeWav(std::string(40, char(128)));
    const std::string shifted = plain.substr(0, 12) + "xx" + plain.substr(12);
    EXPECT_FALSE(scanHeader(shifted).ok());
}

TEST(ScanHeader, HostileBytesEndInOneFailureNeverACrash)
{
    std::mt19937 random(7);
    std::string noise(5000, '\0');
    for (char& c : noise)
        c = static_cast<char>(random() % 100 + 101);  // no "d" (100) in it
    const std::string good = pulseWav(200, {});
    for (const std::string& bytes : {std::string(), std::string("RIFF"), good.substr(0, 30), noise,
                                     std::string(3000, 'd'), std::string("not a wav file at all\r\n")}) {
        const auto h = scanHeader(bytes);
        ASSERT_FALSE(h.ok()) << bytes.size();
        EXPECT_EQ(h.error(), "Erreur");
    }
}

TEST(Charger, FrameCountCountsTwoBytesPerMonoFrameAndFourPerStereo)
{
    auto load = Charger(pulseWav(1001, {}));
    ASSERT_TRUE(load.ok());
    EXPECT_EQ(load->channelText, "Mono");
    EXPECT_EQ(load->frameCount, 500);  // 500.5 to even
    EXPECT_EQ(load->dataStart, 45);

    load = Charger(makeWav(std::string(1000, char(128)), 44100, 2, 8));
    ASSERT_TRUE(load.ok());
    EXPECT_EQ(load->channelText, "Stereo");
    EXPECT_EQ(load->frameCount, 250);

    EXPECT_FALSE(Charger(makeWav(std::string(900, char(128)), 44100, 3, 8)).ok());
    EXPECT_EQ(channelText(3), "Erreur de canaux.");
}

TEST(RecordingProblem, AcceptsOnlyCompleteEightBitMonoPcmAt44100)
{
    const std::string data(400, char(128));
    const std::string extensible = [&] {
        std::string w = makeWav(data);
        w[20] = char(0xFE);
        w[21] = char(0xFF);
        return w;
    }();
    struct Case {
        const char* name;
        std::string bytes;
        const char* expected;  // part of the message; nullptr = accepted
    };
    const std::vector<Case> cases = {
        {"recorder file", makeWav(data), nullptr},
        {"empty", "", "empty"},
        {"not a wav", "hello, world, this is text", "not a WAV"},
        {"truncated header", makeWav(data).substr(0, 30), "no data chunk"},
        {"stereo", makeWav(data, 44100, 2, 8), "stereo"},
        {"16-bit", makeWav(data, 44100, 1, 16), "16-bit"},
        {"48 kHz", makeWav(data, 48000, 1, 8), "48000 Hz"},
        {"extensible", extensible, "format tag 65534"},
        {"truncated data", makeWav(data).substr(0, 300), "truncated"},
    };
    for (const Case& c : cases) {
        const auto problem = recordingProblem(c.bytes);
        if (!c.expected) {
            EXPECT_FALSE(problem) << c.name << ": " << *problem;
        } else {
            ASSERT_TRUE(problem) << c.name;
            EXPECT_NE(problem->find(c.expected), std::string::npos) << c.name << ": " << *problem;
        }
    }
}

}  // namespace
}  // namespace vornax
