#include "signal/AutoThreshold.h"
#include "signal/SparkDetection.h"
#include "signal/SyntheticRecording.h"

#include <gtest/gtest.h>

#include <functional>

namespace vornax {
namespace {

// A recording's samples changed byte by byte, header kept.
std::string reshaped(const std::string& wav, const std::function<int(int)>& change)
{
    std::string out = wav;
    for (std::size_t k = 44; k < out.size(); ++k)
        out[k] = static_cast<char>(change(static_cast<std::uint8_t>(out[k])));
    return out;
}

std::span<const std::uint8_t> samplesOf(const std::string& wav)
{
    return {reinterpret_cast<const std::uint8_t*>(wav.data()) + 44, wav.size() - 44};
}

TEST(AutoThreshold, FindsEverySparkOfAnyCanonicalRecording)
{
    IgnitionSignal signal;
    signal.seconds = 6.0;
    signal.jitter = 0.02;
    const SyntheticRecording run = makeIgnitionRecording(signal);
    struct Case {
        const char* name;
        std::function<int(int)> change;
        bool low;
    };
    const std::vector<Case> cases = {
        {"as recorded", [](int b) { return b; }, false},
        {"pointing down", [](int b) { return 256 - b; }, true},
        // Sparks 13 steps high: the default 165 finds none.
        {"quiet", [](int b) { return 128 + (b - 128) / 8; }, false},
        {"quiet, down", [](int b) { return 128 - (b - 128) / 8; }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string wav = reshaped(run.wav, c.change);
        const AutoSettings found = autoThreshold(samplesOf(wav));
        EXPECT_EQ(found.lowPolarity, c.low) << found.threshold;
        DetectionSettings settings;
        settings.threshold = found.threshold;
        settings.lowPolarity = found.lowPolarity;
        const auto detection = Traiter(wav, settings);
        ASSERT_TRUE(detection.ok());
        EXPECT_EQ(detection->crossings, static_cast<int>(run.sparks.size()));
    }
}

TEST(AutoThreshold, NoiseAloneKeepsTheDefaults)
{
    IgnitionSignal signal;
    signal.seconds = 2.0;
    signal.rpm = [](double) { return 1.0; };  // one spark in the whole run, at the end
    const SyntheticRecording run = makeIgnitionRecording(signal);
    const std::string flat = reshaped(run.wav, [](int) { return 128; });
    const AutoSettings found = autoThreshold(samplesOf(flat));
    EXPECT_EQ(found.threshold, 165);
    EXPECT_FALSE(found.lowPolarity);
}

}  // namespace
}  // namespace vornax
