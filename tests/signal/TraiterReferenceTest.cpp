// The detection jumps over the anti-bounce gap and searches sixteen bytes at
// a time; here it must agree, row for row, with the plain byte-by-byte scan
// it replaces, on recordings and settings chosen to reach every edge.
#include "SignalFiles.h"
#include "signal/ByteReader.h"
#include "signal/SparkDetection.h"

#include <gtest/gtest.h>

#include <random>

namespace vornax {
namespace {

// The detection read one byte per access, as it was first written.
Detection byteByByte(std::string_view file, const DetectionSettings& settings)
{
    const WavHeader header = *scanHeader(file);
    Detection result;
    Curve& curve = result.curve;
    const double rate = header.sampleRate;
    const int threshold = settings.threshold;
    const float gap = settings.antiBounce * 441.0f;
    ByteReader in(file);
    int sample = in.at(header.lastAttemptReads);
    auto start = static_cast<std::int64_t>(std::nearbyint(double(settings.startSeconds) * 44100.0));
    const auto end = static_cast<std::int64_t>(std::nearbyint(double(settings.endSeconds) * 44100.0));
    while (sample < threshold && !in.exhausted())
        sample = in.at(++start);
    std::int64_t i = start + 1;
    int count = 0;
    bool firstPass = true;
    while (firstPass || (!in.exhausted() && i <= end)) {
        firstPass = false;
        sample = in.at(i);
        bool crossed = false;
        double elapsed = 0.0;
        while (!((elapsed > gap && crossed) || in.exhausted())) {
            ++i;
            elapsed = double(i) - double(curve.rows[count].time) * rate;
            sample = in.at(i);
            crossed = settings.lowPolarity ? sample <= threshold : sample >= threshold;
        }
        if (count == Curve::kLastRow) {
            result.tableFull = true;
            break;
        }
        result.crossings += in.exhausted() ? 0 : 1;
        ++count;
        CurvePoint& row = curve.rows[count];
        const CurvePoint& previous = curve.rows[count - 1];
        row.time = static_cast<float>(double(i) / rate);
        const float interval = row.time - previous.time;
        float speed = interval > 0.0f ? engineSpeed(settings.sparksPerRev, interval) : previous.speed;
        if (count > 100) {
            speed = std::max(speed, (1.0f - settings.bounding) * previous.speed);
            speed = std::min(speed, (1.0f + settings.bounding) * previous.speed);
        }
        row.speed = speed;
        while (sample >= threshold && !in.exhausted())
            sample = in.at(++i);
        ++i;
    }
    curve.pointCount = count;
    return result;
}

void expectSame(const std::string& wav, const DetectionSettings& s, const std::string& what)
{
    const auto fast = Traiter(wav, s);
    ASSERT_TRUE(fast.ok()) << what;
    const Detection slow = byteByByte(wav, s);
    ASSERT_EQ(fast->curve.pointCount, slow.curve.pointCount) << what;
    EXPECT_EQ(fast->crossings, slow.crossings) << what;
    EXPECT_EQ(fast->tableFull, slow.tableFull) << what;
    for (int r = 0; r <= slow.curve.pointCount; ++r)
        ASSERT_EQ(fast->curve.rows[r], slow.curve.rows[r]) << what << " row " << r;
}

TEST(TraiterMatchesByteByByte, OnGeneratedRunsNoiseAndEveryEdge)
{
    std::mt19937 random(2024);
    std::vector<std::pair<std::string, std::string>> files;
    IgnitionSignal signal;
    signal.seconds = 3.0;
    files.emplace_back("run", makeIgnitionRecording(signal).wav);
    signal.noise = 40;  // noise that crosses the thresholds often
    files.emplace_back("noisy run", makeIgnitionRecording(signal).wav);
    for (const int length : {0, 1, 15, 16, 17, 133, 5000}) {
        std::string data(static_cast<std::size_t>(length), '\0');
        for (char& c : data)
            c = static_cast<char>(random());
        files.emplace_back("random " + std::to_string(length), makeWav(data));
    }
    files.emplace_back("all high", makeWav(std::string(3000, char(255))));
    files.emplace_back("ends in a spark", testing::pulseWav(2000, {{1995, 5}}));

    struct Setting {
        const char* name;
        DetectionSettings s;
    };
    std::vector<Setting> settings = {{"default", {}}};
    auto add = [&](const char* name, auto change) {
        DetectionSettings s;
        change(s);
        settings.push_back({name, s});
    };
    add("low polarity", [](DetectionSettings& s) { s.lowPolarity = true, s.threshold = 50; });
    add("low polarity 128", [](DetectionSettings& s) { s.lowPolarity = true, s.threshold = 128; });
    add("threshold 128", [](DetectionSettings& s) { s.threshold = 128; });
    add("threshold 255", [](DetectionSettings& s) { s.threshold = 255; });
    add("no gap", [](DetectionSettings& s) { s.antiBounce = 0.0f; });
    add("long gap", [](DetectionSettings& s) { s.antiBounce = 2.5f; });
    add("start and end", [](DetectionSettings& s) { s.startSeconds = 0.7f, s.endSeconds = 1.9f; });
    add("start before the file", [](DetectionSettings& s) { s.startSeconds = -0.001f; });
    add("low, start before the file",
        [](DetectionSettings& s) { s.startSeconds = -0.001f, s.lowPolarity = true, s.threshold = 5; });
    add("start past the end", [](DetectionSettings& s) { s.startSeconds = 500.0f; });
    add("tight bounding, two per rev", [](DetectionSettings& s) { s.bounding = 0.001f, s.sparksPerRev = 2.0f; });

    for (const auto& [fileName, wav] : files)
        for (const Setting& setting : settings)
            expectSame(wav, setting.s, fileName + ", " + setting.name);
}

TEST(TraiterMatchesByteByByte, AtAFullTable)
{
    expectSame(testing::pulseWav(200 + 32005ll * 140, testing::pulseTrain(100, 140, 32005)), {}, "full table");
}

}  // namespace
}  // namespace vornax
