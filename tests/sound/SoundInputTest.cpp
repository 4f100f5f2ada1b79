// The reading of an engine-sound recording: the streaming decimator's
// passband, stopband and timing, the same samples whatever the feeds, the
// files of every kind brought to the tracker's rate, and a track on the
// low-rate signal that is the track of the whole one.
#include "CommandRun.h"
#include "SynthTestSupport.h"
#include "TempFolder.h"

#include "common/TextFile.h"
#include "common/WavHeader.h"
#include "sound/Decimator.h"
#include "sound/EngineSoundTracker.h"
#include "sound/SoundChannels.h"
#include "sound/SoundInput.h"
#include "synth/EngineSound.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

namespace vornax {
namespace {

using testing::quoted;
using testing::runCommand;

std::vector<float> sine(double hz, double rate, std::size_t n, double amplitude = 0.5)
{
    std::vector<float> x(n);
    for (std::size_t i = 0; i < n; ++i)
        x[i] = static_cast<float>(amplitude * std::sin(2 * std::numbers::pi * hz * double(i) / rate));
    return x;
}

TEST(Decimator, KeepsThePassbandOnTimeAndStopsWhatWouldFoldIntoIt)
{
    const struct {
        double rate;
        int factor;
    } cases[] = {{44100, 8}, {48000, 9}, {96000, 19}, {8000, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rate);
        ASSERT_EQ(soundDecimationFactor(c.rate), c.factor);
        const double low = c.rate / c.factor;
        const std::size_t n = std::size_t(2 * c.rate) + 5;
        Decimator probe(c.factor);
        const std::size_t edge = probe.taps() / std::size_t(c.factor) + 1;

        // 1 kHz passes with its amplitude, output i standing for input i x factor.
        const auto pass = decimateAll(sine(1000, c.rate, n), c.factor);
        ASSERT_EQ(pass.size(), n / std::size_t(c.factor));
        double worst = 0;
        for (std::size_t i = edge; i + edge < pass.size(); ++i)
            worst = std::max(worst, std::abs(pass[i] - 0.5 * std::sin(2 * std::numbers::pi * 1000 * double(i) / low)));
        EXPECT_LT(worst, 2e-3);

        // A tone that would fold onto 600 Hz is gone (70 dB or more).
        if (c.factor > 1) {
            const auto stop = decimateAll(sine(low - 600, c.rate, n), c.factor);
            double sum = 0;
            for (std::size_t i = edge; i + edge < stop.size(); ++i)
                sum += double(stop[i]) * stop[i];
            EXPECT_LT(std::sqrt(sum / double(stop.size() - 2 * edge)), 0.5 / std::sqrt(2.0) * 3.2e-4);
        }

        // Fed in pieces of any size, the same samples come out.
        const auto whole = decimateAll(sine(700, c.rate, n), c.factor);
        const auto input = sine(700, c.rate, n);
        Decimator d(c.factor);
        std::vector<float> pieces;
        const std::size_t sizes[] = {1, 7, 1000, 40000};
        for (std::size_t at = 0, k = 0; at < n; at += sizes[k++ % 4])
            d.feed(std::span(input).subspan(at, std::min(sizes[k % 4], n - at)), pieces);
        d.finish(pieces);
        EXPECT_EQ(pieces, whole);
    }
}

// A 16-bit WAV file of `frames` frames of a sine on every channel.
std::string pcm16Wav(int rate, int channels, std::size_t frames)
{
    std::string data;
    for (std::size_t f = 0; f < frames; ++f) {
        const auto v =
            static_cast<std::int16_t>(std::lround(12000 * std::sin(2 * std::numbers::pi * 230 * double(f) / rate)));
        for (int c = 0; c < channels; ++c) {
            const auto w = static_cast<std::uint16_t>(c == 1 ? v / 2 : v);
            data.push_back(static_cast<char>(w & 0xFF));
            data.push_back(static_cast<char>(w >> 8));
        }
    }
    return pcmWavHeader(static_cast<std::uint32_t>(data.size()), static_cast<std::uint32_t>(rate),
                        static_cast<std::uint16_t>(channels), 16) +
           data;
}

TEST(SoundInput, BringsEveryKindOfFileToTheTrackersRate)
{
    const testing::TempFolder folder;
    const auto wav = folder.path() / "stereo.wav";
    const std::string bytes = pcm16Wav(48000, 2, 48000 * 4 + 17);
    ASSERT_TRUE(writeFileAtomically(wav, bytes));
    const auto direct = pcm16Samples(bytes);
    ASSERT_TRUE(direct);
    const std::vector<float> expected = decimateAll(direct->samples, 9);

    // The same sound as FLAC (lossless) and as 32-bit float.
    const struct {
        const char* file;
        const char* options;
        float tolerance;
    } cases[] = {
        {"stereo.wav", nullptr, 0.0f}, {"stereo.flac", "-c:a flac", 0.0f}, {"float.wav", "-c:a pcm_f32le", 1e-6f}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const auto file = folder.path() / c.file;
        if (c.options) {
            ASSERT_EQ(runCommand("ffmpeg -v error -y -i " + quoted(wav) + " " + c.options + " " + quoted(file)).status,
                      0);
        }
        int shown = -1;
        const auto read = readSoundSamples(file, [&](int v) { shown = v; });
        ASSERT_TRUE(read) << read.error();
        EXPECT_EQ(read->fileRate, 48000);
        EXPECT_DOUBLE_EQ(read->rate, 48000.0 / 9);
        EXPECT_EQ(read->channels, 2);
        EXPECT_EQ(shown, 10000);
        ASSERT_EQ(read->samples.size(), expected.size());
        float worst = 0;
        for (std::size_t i = 0; i < expected.size(); ++i)
            worst = std::max(worst, std::abs(read->samples[i] - expected[i]));
        EXPECT_LE(worst, c.tolerance);
    }

    // Stopped between frames: a failure, not a shorter recording.
    const auto stopped = readSoundSamples(wav, {}, [](double) { return false; });
    ASSERT_FALSE(stopped);
    EXPECT_NE(stopped.error().find("cancelled"), std::string::npos);
}

// A 32-bit float WAV file of one second, one sample of it `odd`.
std::string floatWav(float odd)
{
    std::vector<float> samples(44100, 0.25f);
    samples[20000] = odd;
    std::string wav = pcmWavHeader(std::uint32_t(4 * samples.size()), 44100, 1, 32);
    wav[20] = 3;  // IEEE float
    wav.append(reinterpret_cast<const char*>(samples.data()), 4 * samples.size());
    return wav;
}

TEST(SoundInput, NamesTheFileAndWhatIsWrongWithIt)
{
    const testing::TempFolder folder;
    const std::string wav = pcm16Wav(44100, 1, 44100);
    const struct {
        const char* file;
        std::string bytes;
        const char* says;
    } cases[] = {{"empty.wav", "", "empty"},
                 {"words.wav", "these are not sounds at all, only words in a file", "not an audio file"},
                 {"header.wav", pcmWavHeader(0, 44100, 1, 16), "no samples"},
                 {"truncated.wav", wav.substr(0, 20000), "truncated"},
                 {"nan.wav", floatWav(std::nanf("")), "not numbers"},
                 {"huge.wav", floatWav(1e30f), "far beyond full scale"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const auto file = folder.path() / c.file;
        ASSERT_TRUE(writeFileAtomically(file, c.bytes));
        const auto read = readSoundSamples(file);
        ASSERT_FALSE(read);
        EXPECT_EQ(read.error().rfind(c.file, 0), 0u) << read.error();
        EXPECT_NE(read.error().find(c.says), std::string::npos) << read.error();
    }
    const auto missing = readSoundSamples(folder.path() / "missing.wav");
    ASSERT_FALSE(missing);
    EXPECT_NE(missing.error().find("no such file"), std::string::npos);
}

// A pull of ten seconds: the 1275 in 2nd from 2 000 to 6 000 rpm.
EngineSoundSettings shortPull()
{
    EngineSoundSettings s;
    s.engine = "1275";
    s.gear = 2;
    s.startRpm = 2000;
    s.endRpm = 6000;
    s.leadSeconds = 1.0;
    s.liftSeconds = 0.8;
    return s;
}

// The tracker on the low-rate signal finds what it finds on the whole one.
TEST(SoundInput, TheTrackOfTheLowRateSignalIsTheTrackOfTheWholeOne)
{
    const EngineSoundSettings s = shortPull();
    const auto rec = synthesizeEngineSound(testing::defaultCarStore(), s);
    ASSERT_TRUE(rec) << rec.error();
    const auto full = pcm16Samples(rec->wav);
    ASSERT_TRUE(full);
    const int factor = soundDecimationFactor(full->rate);
    const auto low = decimateAll(full->samples, factor);
    const auto a = trackEngineSound(full->samples, full->rate, {});
    const auto b = trackEngineSound(low, full->rate / factor, {});
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->sure, b->sure);
    EXPECT_NEAR(a->pullStart, b->pullStart, 0.02);
    EXPECT_NEAR(a->pullEnd, b->pullEnd, 0.02);
    ASSERT_EQ(a->rpm.size(), b->rpm.size());
    float worst = 0;
    for (std::size_t f = 0; f < a->rpm.size(); ++f)
        worst = std::max(worst, std::abs(a->rpm[f] - b->rpm[f]) / a->rpm[f]);
    EXPECT_LT(worst, 0.011f);  // two steps of the candidate grid
    ASSERT_EQ(a->virtualSparks.size(), b->virtualSparks.size());
    double spark = 0;
    for (std::size_t k = 0; k < a->virtualSparks.size(); ++k)
        spark = std::max(spark, std::abs(a->virtualSparks[k] - b->virtualSparks[k]));
    EXPECT_LT(spark, 2e-4);  // s
}

// A 16-bit WAV file of two channels, `left` and `right` (full scale +-1).
std::string stereoWav(const std::vector<float>& left, const std::vector<float>& right, int rate)
{
    std::string data;
    for (std::size_t i = 0; i < left.size(); ++i)
        for (const float x : {left[i], right[i]}) {
            const auto w = static_cast<std::uint16_t>(std::lround(std::clamp(x, -1.0f, 1.0f) * 32767));
            data.push_back(static_cast<char>(w & 0xFF));
            data.push_back(static_cast<char>(w >> 8));
        }
    return pcmWavHeader(static_cast<std::uint32_t>(data.size()), static_cast<std::uint32_t>(rate), 2, 16) + data;
}

// Two channels that carry the same sound are tracked on their mix; one
// that carries noise as loud as the engine leaves the other tracked alone,
// as does a pair wired against each other, whose mix cancels. A channel of
// next to nothing halves the mix and takes nothing from it: the mix is
// kept. A channel asked for is read alone.
TEST(SoundChannels, TheChannelThatCarriesTheEngineIsTracked)
{
    const EngineSoundSettings s = shortPull();
    const auto rec = synthesizeEngineSound(testing::defaultCarStore(), s);
    ASSERT_TRUE(rec) << rec.error();
    const std::vector<float> engine = pcm16Samples(rec->wav)->samples;
    double power = 0;
    for (const float x : engine)
        power += double(x) * x;
    const double rms = std::sqrt(power / double(engine.size()));
    std::mt19937 random(5);
    std::normal_distribution<float> gauss(0.0f, float(rms));
    std::vector<float> noise(engine.size()), faint(engine.size()), inverted(engine.size()), quieter(engine.size());
    for (std::size_t i = 0; i < engine.size(); ++i) {
        noise[i] = gauss(random);
        faint[i] = 0.002f * noise[i];
        inverted[i] = -engine[i];
        quieter[i] = 0.3f * engine[i];
    }
    const testing::TempFolder folder;
    const struct {
        const char* name;
        const std::vector<float>& left;
        const std::vector<float>& right;
        int channel;  // tracked
        double likeness;
    } cases[] = {
        {"the same sound", engine, quieter, 0, 1.0},      {"noise on the right", engine, noise, 1, 0.71},
        {"noise on the left", noise, engine, 2, 0.71},    {"next to nothing on the right", engine, faint, 0, 0.0},
        {"against each other", engine, inverted, 1, 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto file = folder.path() / "two.wav";
        ASSERT_TRUE(writeFileAtomically(file, stereoWav(c.left, c.right, int(s.sampleRate))));
        const auto mix = readSoundSamples(file);
        ASSERT_TRUE(mix) << mix.error();
        EXPECT_NEAR(mix->likeness, c.likeness, 0.05);
        double share = -1;
        const auto tracked = trackSoundFile(file, {}, ChannelRequest{}, [&](double done) {
            EXPECT_GE(done, share);  // the bar never goes back
            share = done;
            return true;
        });
        ASSERT_TRUE(tracked) << tracked.error();
        EXPECT_NEAR(share, 1.0, 1e-9);
        EXPECT_EQ(tracked->samples.channel, c.channel);
        ASSERT_TRUE(tracked->track) << tracked->track.error();
        EXPECT_TRUE(tracked->track->sure);
    }
    // A channel asked for: that channel alone, whatever the other holds.
    const auto file = folder.path() / "two.wav";
    const auto right = readSoundSamples(file, {}, {}, 2);
    ASSERT_TRUE(right) << right.error();
    EXPECT_EQ(right->channel, 2);
    const std::vector<float> expected = decimateAll(inverted, soundDecimationFactor(s.sampleRate));
    ASSERT_EQ(right->samples.size(), expected.size());
    float worst = 0;
    for (std::size_t i = 0; i < expected.size(); ++i)
        worst = std::max(worst, std::abs(right->samples[i] - expected[i]));
    EXPECT_LT(worst, 1e-4f);
    const auto third = readSoundSamples(file, {}, {}, 3);
    ASSERT_FALSE(third);
    EXPECT_NE(third.error().find("no channel 3 (2 channels)"), std::string::npos) << third.error();
}

}  // namespace
}  // namespace vornax
