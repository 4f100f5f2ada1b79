// Noise, hum and an engine's sound are no spark train: the import picks the
// channel whose pulses are one, and a detection of anything else is judged
// untrustworthy and refused by `vornax rpm`.
#include "CommandRun.h"
#include "TempFolder.h"
#include "TrustSignals.h"
#include "common/TextFile.h"
#include "signal/AudioImport.h"
#include "signal/SignalVerdict.h"
#include "signal/SparkDetection.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>

namespace vornax {
namespace {

using Fault = SignalVerdict::Fault;
using testing::Channel;
using testing::TempFolder;

std::vector<double> everyInterval(int count, const std::function<double(int)>& interval)
{
    std::vector<double> times{0.1};
    for (int k = 0; k < count; ++k)
        times.push_back(times.back() + interval(k));
    return times;
}

TEST(SignalVerdict, JudgesTheRhythmAndTheSpeedOfTheTimes)
{
    std::mt19937 random(5);
    std::uniform_real_distribution<double> spread(-1.0, 1.0);
    std::exponential_distribution<double> wait(1.0 / 0.0015);
    const auto ramp = [](double t) { return 1500.0 + 500.0 * t; };
    struct Case {
        const char* name;
        std::vector<double> times;
        std::optional<float> sparksPerRev;
        Fault fault;
    } cases[] = {
        {"a run, one spark every second revolution", testing::runSparkTimes(10, 0.5, ramp), 0.5f, Fault::None},
        {"a run, two sparks a revolution", testing::runSparkTimes(10, 2, ramp), 2.0f, Fault::None},
        {"a worn distributor scatters each interval by 1,5 %",
         everyInterval(800, [&](int) { return 0.008 * (1 + 0.015 * spread(random)); }), 2.0f, Fault::None},
        {"the same train at 0,5 spark a revolution is 15 000 rpm", everyInterval(800, [&](int) { return 0.008; }), 0.5f,
         Fault::TooFast},
        {"either setting is tried when the setting is not known",
         testing::runSparkTimes(10, 2, [](double t) { return 4000.0 + 300.0 * t; }), std::nullopt, Fault::None},
        {"a pulse every 1,2 s", everyInterval(40, [](int) { return 1.2; }), 2.0f, Fault::TooSlow},
        {"noise gated by the anti-bounce gap", everyInterval(2000, [&](int) { return 0.003 + wait(random); }), 2.0f,
         Fault::OffRhythm},
        {"intervals scattered by 10 % at 1 500 rpm",
         everyInterval(800, [&](int) { return 0.02 * (1 + 0.1 * spread(random)); }), 2.0f, Fault::Scattered},
        {"mains hum", everyInterval(500, [&](int) { return 0.02 * (1 + 0.002 * spread(random)); }), 0.5f, Fault::Mains},
        {"one pulse in four a third early",
         everyInterval(800, [](int k) { return k % 4 == 0   ? 0.02
                                               : k % 4 == 1 ? 0.04
                                                            : 0.03; }), 0.5f,
         Fault::OffRhythm},
        {"eight pulses", everyInterval(7, [](int) { return 0.02; }), 0.5f, Fault::TooFew},
    };
    for (const Case& c : cases) {
        const SignalVerdict v = judgeSparks(c.times, c.sparksPerRev);
        EXPECT_EQ(int(v.fault), int(c.fault))
            << c.name << ": " << signalVerdictLine(v, true) << " (suspect " << v.suspectShare << ", scatter "
            << v.scatterPct << " %, " << v.lowRpm << ".." << v.highRpm << " rpm, jumps " << v.jumpShare << ")";
        EXPECT_EQ(signalVerdictLine(v, true).empty(), c.fault == Fault::None) << c.name;
    }
    const SignalVerdict guessed =
        judgeSparks(testing::runSparkTimes(10, 2, [](double t) { return 4000.0 + 300.0 * t; }), std::nullopt);
    EXPECT_EQ(guessed.sparksPerRev, 2.0f);
    EXPECT_NEAR(guessed.lowRpm, 4000, 100);
    EXPECT_EQ(signalVerdictLine(judgeSparks(everyInterval(800, [](int) { return 0.008; }), 0.5f), false),
              "not an ignition signal: the engine speed reaches 15000 rpm");
}

// 12 s at 48 kHz: a pickup at -12 dB (2 000 to 6 000 rpm, one spark every
// second revolution) with 50 Hz hum at -24 dB on an offset of -20 dB, and a
// channel of low white noise.
constexpr double kSeconds = 12;
constexpr int kRate = 48000;
double runRpm(double t) { return 2000.0 + 4000.0 * t / kSeconds; }

Channel pickupWithHum()
{
    const auto sparks = testing::runSparkTimes(kSeconds, 0.5, runRpm);
    return testing::plus(testing::pickup(kSeconds, kRate, sparks, 0.25), testing::hum(kSeconds, kRate, 0.06, 0.1));
}

Channel lowNoise() { return testing::whiteNoise(kSeconds, kRate, 0.003); }

struct Imported {
    ImportReport report;
    Detection detection;
};

Imported importAndDetect(const TempFolder& folder, const std::string& name, const std::string& wav)
{
    const auto file = folder.write(name, wav);
    auto imported = importRecording(file);
    EXPECT_TRUE(imported.ok()) << imported.error();
    auto detection = detectSparksInRecording(name, imported->wav());
    EXPECT_TRUE(detection.ok()) << detection.error();
    return {imported->report, std::move(*detection)};
}

TEST(SignalVerdict, ThePickupsChannelIsChosenAndNoiseHumOrEngineSoundIsRefused)
{
    TempFolder folder;
    const Channel pickup = pickupWithHum(), noise = lowNoise();
    const Channel humAndNoise = testing::plus(testing::hum(kSeconds, kRate, 0.06, 0.1), noise);
    struct Case {
        const char* name;
        std::vector<Channel> channels;
        int channel;  // the channel the import should take; 0: the only one
        bool ignition;
    } cases[] = {
        {"pickup left, noise right", {pickup, noise}, 1, true},
        {"noise left, pickup right", {noise, pickup}, 2, true},
        {"white noise", {testing::whiteNoise(kSeconds, kRate, 0.1)}, 0, false},
        {"hum and noise", {humAndNoise}, 0, false},
        {"the engine's sound", {testing::engineSound(kSeconds, kRate)}, 0, false},
    };
    for (const Case& c : cases) {
        const Imported got = importAndDetect(folder, "rec.wav", testing::wav16(c.channels, kRate));
        if (c.channel > 0) {
            EXPECT_EQ(got.report.channel, c.channel) << c.name;
            EXPECT_TRUE(got.report.humRemoved) << c.name;
            EXPECT_FALSE(got.report.inverted) << c.name;
        }
        const auto& times = got.detection.sparkTimes;
        const SignalVerdict atHalf = judgeSparks(times, 0.5f), atTwo = judgeSparks(times, 2.0f);
        EXPECT_EQ(atHalf.trustworthy(), c.ignition)
            << c.name << ": " << times.size() << " pulses, " << signalVerdictLine(atHalf, true);
        if (!c.ignition) {
            EXPECT_FALSE(atTwo.trustworthy()) << c.name << ": " << times.size() << " pulses";
            continue;
        }
        // The sparks themselves: the speed of the run at its middle.
        const Curve& curve = got.detection.curve;
        const int middle = curve.pointCount / 2;
        EXPECT_NEAR(curve.rows[middle].speed, runRpm(curve.rows[middle].time), 60) << c.name;
        EXPECT_EQ(atHalf.suspectShare, 0) << c.name;
    }
}

TEST(SignalVerdict, RpmRefusesWhatIsNoSparkTrainAndWritesNoFile)
{
    TempFolder folder;
    folder.useAsAppFolder();
    const auto wav = folder.write("stereo.wav", testing::wav16({pickupWithHum(), lowNoise()}, kRate));
    const auto curve = folder / "run.ReT";
    auto rpm = [&](const std::string& options) {
        return testing::runCommand(std::string(VORNAX_CLI) + " rpm " + testing::quoted(wav) + " -o " +
                                       testing::quoted(curve) + " " + options,
                                   folder / "err.txt");
    };

    const auto chosen = rpm("--json");
    ASSERT_EQ(chosen.status, 0) << chosen.err;
    EXPECT_NE(chosen.err.find("; channel 1)"), std::string::npos) << chosen.err;
    EXPECT_NE(chosen.out.find("\"trustworthy\":true"), std::string::npos) << chosen.out;
    ASSERT_TRUE(std::filesystem::exists(curve));
    std::filesystem::remove(curve);

    // The noise channel: one message that says what was seen and what to try.
    const auto noise = rpm("--channel right");
    EXPECT_EQ(noise.status, 1);
    EXPECT_EQ(noise.out, "");
    EXPECT_NE(noise.err.find("vornax: stereo.wav: not an ignition signal"), std::string::npos) << noise.err;
    EXPECT_NE(noise.err.find("no curve written"), std::string::npos) << noise.err;
    EXPECT_NE(noise.err.find("--channel"), std::string::npos) << noise.err;
    EXPECT_FALSE(std::filesystem::exists(curve));

    // Written on request, still said to be untrustworthy.
    const auto forced = rpm("--channel right --write-untrusted --json");
    EXPECT_EQ(forced.status, 0) << forced.err;
    EXPECT_NE(forced.err.find("not trustworthy"), std::string::npos) << forced.err;
    EXPECT_NE(forced.out.find("\"trustworthy\":false"), std::string::npos) << forced.out;
    EXPECT_TRUE(std::filesystem::exists(curve));
}

}  // namespace
}  // namespace vornax
