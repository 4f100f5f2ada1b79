// The synthetic recording as the spark detection sees it, and the truth file.
#include "SynthTestSupport.h"

#include "common/TextFile.h"
#include "signal/SparkDetection.h"
#include "signal/WavReader.h"
#include "synth/IgnitionWaveform.h"
#include "synth/SyntheticRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace vornax {
namespace {

// Every spark is found once, close to where it was placed, whatever the
// polarity, the sparks per revolution and a fair amount of noise.
TEST(SyntheticRecording, DetectionFindsEverySparkWhereItWasPlaced)
{
    Varia& s = testing::defaultCarStore();
    struct Case {
        double perRev;
        bool low;
        double noise;
        const char* engine;
    } const cases[] = {{0.5, false, 2, "1275"},
                       {2.0, false, 2, "1275"},
                       {0.5, true, 2, "850"},
                       {2.0, true, 5, "1380"},
                       {0.5, false, 5, "1380"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.perRev) + (c.low ? " low " : " high ") + std::to_string(c.noise) + " " +
                     c.engine);
        SynthSettings settings;
        settings.engine = c.engine;
        settings.gear = 2;
        settings.endRpm = 5000;
        settings.sparksPerRev = c.perRev;
        settings.lowPolarity = c.low;
        settings.noise = c.noise;
        settings.seed = 11;
        const auto rec = synthesize(s, settings);
        ASSERT_TRUE(rec) << rec.error();
        EXPECT_EQ(recordingProblem(rec->wav), std::nullopt);

        DetectionSettings detection;
        detection.sparksPerRev = static_cast<float>(c.perRev);
        detection.lowPolarity = c.low;
        detection.threshold = c.low ? 50 : 165;
        const auto found = Traiter(rec->wav, detection);
        ASSERT_TRUE(found) << found.error();
        const auto& sparks = rec->run.sparkTimes;
        // The first spark can fall within the anti-bounce gap after the
        // start, and the end of the file adds one point.
        const int crossings = found->crossings;
        EXPECT_GE(crossings, static_cast<int>(sparks.size()) - 1);
        EXPECT_LE(crossings, static_cast<int>(sparks.size()));
        // A detected spark time is its 1-based file position (44 header
        // bytes) over the rate: the placed time plus 45 samples, within the
        // pulse's rise.
        const int skipped = static_cast<int>(sparks.size()) - crossings;
        for (int k = 1; k <= crossings; ++k) {
            const double detected = found->curve.rows[static_cast<std::size_t>(k)].time;
            const double placed = sparks[static_cast<std::size_t>(k - 1 + skipped)] + 45.0 / kRecordingRate;
            ASSERT_NEAR(detected, placed, 4.0 / kRecordingRate) << k;
        }
    }
}

TEST(SyntheticRecording, IsAnEightBitMonoRecordingOfTheRun)
{
    Varia& s = testing::defaultCarStore();
    const auto rec = synthesize(s, SynthSettings{});
    ASSERT_TRUE(rec) << rec.error();
    const auto header = scanHeader(rec->wav);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->channels, 1);
    EXPECT_EQ(header->bitsPerSample, 8);
    EXPECT_EQ(header->sampleRate, 44100u);
    EXPECT_EQ(header->dataStart, 45);
    EXPECT_NEAR(header->dataSize / 44100.0, rec->seconds, 1.0 / 44100);
    EXPECT_GT(rec->seconds, rec->run.endTime);
    // The rest level wanders but stays near 128 away from the sparks.
    const std::string_view data = std::string_view(rec->wav).substr(44);
    int quiet = 0;
    for (std::size_t n = 0; n < data.size(); n += 97) {
        const int v = static_cast<unsigned char>(data[n]);
        quiet += v > 112 && v < 144;
    }
    EXPECT_GT(quiet, static_cast<int>(data.size() / 97) * 9 / 10);

    for (const auto& [change, what] : std::vector<std::pair<std::function<void(SynthSettings&)>, const char*>>{
             {[](SynthSettings& x) { x.engine = "998"; }, "no engine curve"},
             {[](SynthSettings& x) { x.sparksPerRev = 1; }, "0,5 or 2"},
             {[](SynthSettings& x) { x.noise = -1; }, "noise"},
             {[](SynthSettings& x) { x.gear = 4; }, "stops gaining speed"}}) {
        SynthSettings bad;
        change(bad);
        const auto refused = synthesize(s, bad);
        ASSERT_FALSE(refused) << what;
        EXPECT_NE(refused.error().find(what), std::string::npos) << refused.error();
    }
}

TEST(TruthFile, IsAPowerCurveFileOfTheEngine)
{
    const EngineCurve engine("t", "", {{1000, 100}, {3000, 100}});
    const std::string bytes = truthFileBytes(engine, 1980, 2100, 1000.0f, 0.5f);
    // 2 000, 2 050 and 2 100 rpm: 100 N·m shown as 50, 2 π N / 60 × 100 W
    // shown in kW; then the factors.
    EXPECT_EQ(bytes, "2000;50;20,94395\r\n2050;50;21,46755\r\n2100;50;21,99115\r\n 1000 \r\n 0,5 \r\n");

    Varia& s = testing::defaultCarStore();
    testing::TempFolder folder;
    ASSERT_TRUE(writeTruthFile(folder / "t.txt", *findEngine("850"), 2000, 3000, s));
    const auto lines = readTextLines(folder / "t.txt");
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->size(), 23u);
    EXPECT_EQ(lines->back(), " 0,1019716 ");
    resetStore();  // no language: no unit factors
    EXPECT_FALSE(writeTruthFile(folder / "u.txt", *findEngine("850"), 2000, 3000, store()));
}

}  // namespace
}  // namespace vornax
