#include "capture/SampleConverter.h"
#include "capture/WavWriter.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>

namespace vornax {
namespace {

std::uint32_t le32(const std::string& s, std::size_t at)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = v << 8 | static_cast<std::uint8_t>(s[at + static_cast<std::size_t>(i)]);
    return v;
}
std::uint16_t le16(const std::string& s, std::size_t at)
{
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(s[at]) | static_cast<std::uint8_t>(s[at + 1]) << 8);
}

template <typename T>
std::vector<std::uint8_t> bytesOf(const std::vector<T>& values)
{
    std::vector<std::uint8_t> out(values.size() * sizeof(T));
    std::memcpy(out.data(), values.data(), out.size());
    return out;
}

std::vector<std::uint8_t> convert(PcmFormat format, const std::vector<std::uint8_t>& bytes, std::size_t piece = 0)
{
    RecordingConverter converter(format);
    std::vector<std::uint8_t> out;
    if (piece == 0)
        piece = bytes.size();
    for (std::size_t at = 0; at < bytes.size(); at += piece)
        converter.feed(std::span(bytes).subspan(at, std::min(piece, bytes.size() - at)), out);
    converter.finish(out);
    return out;
}

TEST(WavWriter, WritesTheStandardHeaderAndNoPadByte)
{
    const std::vector<std::uint8_t> samples = {1, 2, 3};
    const std::string file = wavFileBytes(samples);
    ASSERT_EQ(file.size(), 44u + 3u);
    EXPECT_EQ(file.substr(0, 4), "RIFF");
    EXPECT_EQ(le32(file, 4), 3u + 36u);
    EXPECT_EQ(file.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(le32(file, 16), 16u);
    EXPECT_EQ(le16(file, 20), 1);  // PCM
    EXPECT_EQ(le16(file, 22), 1);  // mono
    EXPECT_EQ(le32(file, 24), 44100u);
    EXPECT_EQ(le32(file, 28), 44100u);
    EXPECT_EQ(le16(file, 32), 1);
    EXPECT_EQ(le16(file, 34), 8);
    EXPECT_EQ(file.substr(36, 4), "data");
    EXPECT_EQ(le32(file, 40), 3u);
    EXPECT_EQ(file.substr(44), std::string("\1\2\3", 3));

    testing::TempFolder folder;
    ASSERT_TRUE(writeWavFile(folder / "a.wav", samples));
    EXPECT_EQ(testing::TempFolder::read(folder / "a.wav"), file);
    EXPECT_FALSE(writeWavFile(folder / "missing" / "a.wav", samples));
}

TEST(RecordingConverter, TakesTheRecordersOwnFormatByteForByteWhereverTheFeedsSplit)
{
    std::vector<std::uint8_t> bytes(1000);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 37 % 256);
    for (std::size_t piece : {0, 1, 7, 333})
        EXPECT_EQ(convert({44100, 1, SampleType::UInt8}, bytes, piece), bytes) << "pieces of " << piece;
}

TEST(RecordingConverter, AveragesChannelsAndScalesEachEncodingToEightBits)
{
    // Two frames per case: both channels equal, then opposite channels
    // (silence), so the expected samples are the same for every encoding.
    struct Case {
        PcmFormat format;
        std::vector<std::uint8_t> bytes;
        std::vector<std::uint8_t> expected;
    };
    const std::vector<Case> cases = {
        {{44100, 2, SampleType::UInt8}, {192, 192, 255, 1}, {192, 128}},
        {{44100, 2, SampleType::Int16}, bytesOf<std::int16_t>({16384, 16384, 32767, -32767}), {192, 128}},
        {{44100, 2, SampleType::Int32}, bytesOf<std::int32_t>({1 << 30, 1 << 30, 2147483647, -2147483647}), {192, 128}},
        {{44100, 2, SampleType::Float}, bytesOf<float>({0.5f, 0.5f, 1.0f, -1.0f}), {192, 128}},
        // Full scale and beyond stay within the byte; a NaN is silence.
        {{44100, 1, SampleType::Int16}, bytesOf<std::int16_t>({-32768, 32767}), {0, 255}},
        {{44100, 1, SampleType::Float}, bytesOf<float>({-4.0f, 4.0f, NAN}), {0, 255, 128}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(convert(c.format, c.bytes), c.expected);
        EXPECT_EQ(convert(c.format, c.bytes, 3), c.expected) << "frames split across feeds";
    }
}

TEST(RecordingConverter, ChangesTheRateKeepingTimeAndFrequency)
{
    // A pulse at input frame 1 000 of a 22 050 Hz or 48 000 Hz stream comes
    // out at the same time, however the feeds split the stream.
    for (int rate : {22050, 48000}) {
        std::vector<std::uint8_t> pulse(4000, 128);
        pulse[1000] = 250;
        const std::vector<std::uint8_t> out = convert({rate, 1, SampleType::UInt8}, pulse, 333);
        const auto peak = std::max_element(out.begin(), out.end()) - out.begin();
        EXPECT_NEAR(static_cast<double>(peak), 1000.0 * 44100 / rate, 1.0) << rate;
        EXPECT_NEAR(static_cast<double>(out.size()), 4000.0 * 44100 / rate, 2.0) << rate;
    }

    // One second of a 1 kHz tone at 48 000 Hz becomes 44 100 samples of the
    // same tone: count the upward zero crossings.
    for (int rate : {48000, 96000, 8000, 44100}) {
        std::vector<float> tone(static_cast<std::size_t>(rate));
        for (std::size_t i = 0; i < tone.size(); ++i)
            tone[i] = static_cast<float>(
                0.8 * std::sin(2 * std::numbers::pi * 1000.0 * (static_cast<double>(i) + 0.25) / rate));
        const std::vector<std::uint8_t> out = convert({rate, 1, SampleType::Float}, bytesOf(tone), 4096);
        EXPECT_NEAR(static_cast<double>(out.size()), 44100.0, 2) << rate;
        int rising = 0;
        for (std::size_t i = 1; i < out.size(); ++i)
            rising += out[i - 1] < 128 && out[i] >= 128;
        EXPECT_NEAR(rising, 1000, 1) << rate;
    }
}

TEST(FromRecordingSamples, EveryEncodingReadsBackAsTheSameSamples)
{
    const std::vector<std::uint8_t> samples = {0, 1, 64, 127, 128, 129, 200, 255};
    for (SampleType type : {SampleType::UInt8, SampleType::Int16, SampleType::Int32, SampleType::Float})
        for (int channels : {1, 2, 6}) {
            const std::vector<std::uint8_t> bytes = fromRecordingSamples(samples, type, channels);
            const PcmFormat format{44100, channels, type};
            ASSERT_EQ(bytes.size(), samples.size() * static_cast<std::size_t>(format.bytesPerFrame()));
            EXPECT_EQ(convert(format, bytes), samples) << static_cast<int>(type) << " x" << channels;
        }
}

// The microphone keeps the input's rate: each encoding and channel count
// comes out as the same 16-bit mono samples, wherever the feeds split.
TEST(MicrophoneConverter, AveragesChannelsIntoSixteenBitsAtTheInputsRate)
{
    const std::vector<std::int16_t> want = {0, 16384, -16384, 32767, -32768};
    const struct {
        const char* name;
        PcmFormat format;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {"16-bit mono", {48000, 1, SampleType::Int16}, bytesOf(want)},
        {"16-bit stereo, channels averaged",
         {44100, 2, SampleType::Int16},
         bytesOf(std::vector<std::int16_t>{100, -100, 16384, 16384, -32768, 0, 32767, 32767, -32768, -32768})},
        {"float, clipped at full scale",
         {48000, 1, SampleType::Float},
         bytesOf(std::vector<float>{0.0f, 0.5f, -0.5f, 1.5f, -2.0f})},
        {"32-bit",
         {96000, 1, SampleType::Int32},
         bytesOf(std::vector<std::int32_t>{0, 1 << 30, -(1 << 30), 2147483647, -2147483647 - 1})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const std::size_t piece : {c.bytes.size(), std::size_t(3)}) {
            MicrophoneConverter converter(c.format);
            std::vector<std::int16_t> out;
            for (std::size_t at = 0; at < c.bytes.size(); at += piece)
                converter.feed(std::span(c.bytes).subspan(at, std::min(piece, c.bytes.size() - at)), out);
            if (c.format.channels == 2)
                EXPECT_EQ(out, (std::vector<std::int16_t>{0, 16384, -16384, 32767, -32768}));
            else
                EXPECT_EQ(out, want);
        }
    }
}

TEST(WavWriter, WritesTheMicrophonesSixteenBitsAtItsRate)
{
    const std::vector<std::int16_t> samples = {0, -2, 300, -32768};
    const std::string wav = wav16FileBytes(samples, 48000);
    ASSERT_EQ(wav.size(), 44u + 8u);
    EXPECT_EQ(le32(wav, 24), 48000u);  // rate
    EXPECT_EQ(le32(wav, 28), 96000u);  // bytes a second
    EXPECT_EQ(le16(wav, 22), 1u);      // channels
    EXPECT_EQ(le16(wav, 34), 16u);     // bits
    EXPECT_EQ(le32(wav, 40), 8u);      // data
    EXPECT_EQ(wav.substr(44), std::string("\x00\x00\xfe\xff\x2c\x01\x00\x80", 8));
}

}  // namespace
}  // namespace vornax
