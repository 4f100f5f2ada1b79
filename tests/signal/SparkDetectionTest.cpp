#include "SignalFiles.h"
#include "TempFolder.h"
#include "signal/SparkDetection.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vornax {
namespace {

using testing::position;
using testing::Pulse;
using testing::pulseTrain;
using testing::pulseWav;

float timeAt(std::int64_t filePosition) { return static_cast<float>(filePosition / 44100.0); }

Detection detect(const std::string& wav, DetectionSettings settings = {})
{
    auto d = Traiter(wav, settings);
    EXPECT_TRUE(d.ok()) << d.error();
    return d.ok() ? *d : Detection{};
}

TEST(Traiter, SparksFortyMillisecondsApart)
{
    // 10 sparks 1 764 samples (40 ms) apart, then 1 000 quiet samples.
    const std::int64_t length = 1000 + 9 * 1764 + 1000;
    const std::string wav = pulseWav(length, pulseTrain(1000, 1764, 10));
    struct Case {
        float sparksPerRev;
        float rpm;
    };
    for (const Case c : {Case{0.5f, 3000.0f}, Case{2.0f, 750.0f}}) {
        DetectionSettings settings;
        settings.sparksPerRev = c.sparksPerRev;
        const Detection d = detect(wav, settings);
        ASSERT_EQ(d.curve.pointCount, 11) << "10 sparks and the end of the file";
        EXPECT_EQ(d.crossings, 10);
        EXPECT_EQ(d.frameCount, length);
        EXPECT_EQ(d.curve.rows[0], CurvePoint{});
        // The first speed is measured from time 0, positions count the header.
        EXPECT_EQ(d.curve.rows[1].time, timeAt(position(1000)));
        EXPECT_FLOAT_EQ(d.curve.rows[1].speed, 60.0f / c.sparksPerRev / timeAt(position(1000)));
        for (int k = 2; k <= 10; ++k) {
            EXPECT_EQ(d.curve.rows[k].time, timeAt(position(1000 + (k - 1) * 1764))) << k;
            EXPECT_NEAR(d.curve.rows[k].speed, c.rpm, c.rpm * 1e-5) << k;
        }
        // No spark at the end: the last point is where the file ran out.
        EXPECT_EQ(d.curve.rows[11].time, timeAt(44 + length + 1));
    }
}

TEST(Traiter, AntiBounceGapCountsFromTheLastSpark)
{
    // A spark at data index 1000, a second crossing starting 100 samples
    // later and lasting until `bounceEnd`, the next real spark 1 764 later.
    // The gap is 0,3 x 441 = 132.3 samples: a crossing still there 133
    // samples after the spark starts a spark at that sample.
    struct Case {
        int bounceEnd;             // last sample of the bounce, after the spark
        std::int64_t secondSpark;  // data index of the second recorded spark
    };
    for (const Case c : {Case{132, 1000 + 1764}, Case{133, 1133}, Case{140, 1133}}) {
        const std::vector<Pulse> pulses = {{1000}, {1100, c.bounceEnd - 100 + 1}, {1000 + 1764}};
        const Detection d = detect(pulseWav(4000, pulses));
        ASSERT_GE(d.curve.pointCount, 2);
        EXPECT_EQ(d.curve.rows[1].time, timeAt(position(1000)));
        EXPECT_EQ(d.curve.rows[2].time, timeAt(position(c.secondSpark))) << c.bounceEnd;
    }

    // A gap of 1 ms (0,1 x 441 = 44.1 samples) lets the bounce through at once.
    DetectionSettings shortGap;
    shortGap.antiBounce = 0.1f;
    const Detection d = detect(pulseWav(4000, {{1000}, {1100, 10}}), shortGap);
    EXPECT_EQ(d.curve.rows[2].time, timeAt(position(1100)));
}

TEST(Traiter, BoundsSpeedChangesFromTheHundredAndFirstSpark)
{
    // Sparks 1..99 every 1 764 samples (3 000 rpm); spark 100 after 1 500
    // (3 528 rpm, kept); spark 101 after 1 764 (3 000, cut to 0.95 x 3 528);
    // spark 102 after 882 (6 000, cut to 1.05 x the previous).
    std::vector<Pulse> pulses = pulseTrain(1000, 1764, 99);
    std::int64_t at = pulses.back().at;
    for (const int interval : {1500, 1764, 882, 1764}) {
        at += interval;
        pulses.push_back({at});
    }
    const Detection d = detect(pulseWav(at + 2000, pulses));
    ASSERT_GE(d.curve.pointCount, 103);
    const auto& rows = d.curve.rows;
    EXPECT_NEAR(rows[99].speed, 3000.0f, 0.05f);
    EXPECT_NEAR(rows[100].speed, 3528.0f, 0.05f);
    EXPECT_EQ(rows[101].speed, 0.95f * rows[100].speed);
    EXPECT_EQ(rows[102].speed, 1.05f * rows[101].speed);

    DetectionSettings loose;
    loose.bounding = 1.0f;  // anything between 0 and twice the previous speed
    EXPECT_NEAR(detect(pulseWav(at + 2000, pulses), loose).curve.rows[101].speed, 3000.0f, 0.05f);
}

TEST(Traiter, EndTimeIsTestedOnlyAfterASpark)
{
    // End at 0,05 s = position 2 205: the spark at position 2 809 still
    // counts, then the run stops.
    DetectionSettings settings;
    settings.endSeconds = 0.05f;
    const Detection d = detect(pulseWav(20000, pulseTrain(1000, 1764, 5)), settings);
    ASSERT_EQ(d.curve.pointCount, 2);
    EXPECT_EQ(d.curve.rows[2].time, timeAt(position(1000 + 1764)));
}

TEST(Traiter, StartTimeSkipsEarlierSparks)
{
    DetectionSettings settings;
    settings.startSeconds = 0.1f;  // position 4 410
    const Detection d = detect(pulseWav(20000, pulseTrain(1000, 1764, 5)), settings);
    // The start search stops on the first byte of that pulse and the scan
    // goes on from the byte after it, so the spark is seen on its third byte.
    EXPECT_EQ(d.curve.rows[1].time, timeAt(position(1000 + 2 * 1764) + 2));
    EXPECT_EQ(d.crossings, 3);
}

TEST(Traiter, LowPolarityFindsDownwardPulses)
{
    DetectionSettings settings;
    settings.lowPolarity = true;
    settings.threshold = 50;
    const Detection d = detect(pulseWav(10000, pulseTrain(1000, 1764, 4, 20)), settings);
    EXPECT_EQ(d.crossings, 4);
    EXPECT_NEAR(d.curve.rows[3].speed, 3000.0f, 0.05f);
}

TEST(Traiter, FileEndingInsideASparkGetsNoExtraPoint)
{
    const Detection d = detect(pulseWav(1000 + 1764 + 2, pulseTrain(1000, 1764, 2)));
    EXPECT_EQ(d.curve.pointCount, 2);
    EXPECT_EQ(d.crossings, 2);
}

TEST(Traiter, StopsAtAFullTable)
{
    // 32 010 sparks 140 samples apart (just over the anti-bounce gap).
    const Detection d = detect(pulseWav(200 + 32010ll * 140, pulseTrain(100, 140, 32010)));
    EXPECT_TRUE(d.tableFull);
    EXPECT_EQ(d.curve.pointCount, Curve::kLastRow);
    EXPECT_EQ(d.curve.rows[Curve::kLastRow].time, timeAt(position(100 + 31999ll * 140)));
}

TEST(Traiter, ThresholdNoSampleReachesGivesOnlyTheEndPoint)
{
    DetectionSettings settings;
    settings.threshold = 255;
    const Detection d = detect(pulseWav(5000, pulseTrain(1000, 1764, 2)), settings);
    EXPECT_EQ(d.crossings, 0);
    EXPECT_EQ(d.curve.pointCount, 1);
}

TEST(Traiter, RecoversTheEngineSpeedOfAGeneratedRun)
{
    IgnitionSignal signal;
    signal.seconds = 6.0;
    signal.rpm = [](double t) { return 1500.0 + 500.0 * t; };
    const SyntheticRecording run = makeIgnitionRecording(signal);
    const Detection d = detect(run.wav);
    ASSERT_EQ(d.crossings, static_cast<int>(run.sparks.size()));
    for (std::size_t k = 0; k < run.sparks.size(); ++k)
        ASSERT_EQ(d.curve.rows[k + 1].time, timeAt(position(run.sparks[k]))) << k;
    for (int k = 2; k < d.crossings; ++k) {
        // The speed over an interval is the engine's speed in its middle.
        const double t = (d.curve.rows[k].time + d.curve.rows[k - 1].time) / 2.0;
        EXPECT_NEAR(d.curve.rows[k].speed, 1500.0 + 500.0 * t, 0.002 * (1500.0 + 500.0 * t)) << k;
    }
}

TEST(DetectSparksInFile, RefusesWhatCannotBeMeasuredWithOneMessage)
{
    testing::TempFolder folder;
    const std::string good = pulseWav(44100, pulseTrain(1000, 1764, 20));
    struct Case {
        const char* name;
        std::string bytes;
        DetectionSettings settings;
        const char* expected;
    };
    DetectionSettings late, unreachable;
    late.startSeconds = 1.0f;  // the recording lasts exactly 1 s
    unreachable.threshold = 250;
    const std::vector<Case> cases = {
        {"empty.wav", "", {}, "empty"},
        {"text.wav", "RIFF? no.", {}, "not a WAV"},
        {"stereo.wav", makeWav(std::string(1000, char(128)), 44100, 2, 8), {}, "stereo"},
        {"late.wav", good, late, "start time"},
        {"quiet.wav", good, unreachable, "no spark"},
    };
    for (const Case& c : cases) {
        const auto d = detectSparksInFile(folder.write(c.name, c.bytes), c.settings);
        ASSERT_FALSE(d.ok()) << c.name;
        EXPECT_NE(d.error().find(c.name), std::string::npos) << d.error();
        EXPECT_NE(d.error().find(c.expected), std::string::npos) << d.error();
    }
    EXPECT_FALSE(detectSparksInFile(folder / "missing.wav").ok());
    const auto d = detectSparksInFile(folder.write("good.wav", good));
    ASSERT_TRUE(d.ok()) << d.error();
    EXPECT_EQ(d->crossings, 20);
}

}  // namespace
}  // namespace vornax
