// The precise curve on the synthetic car: from the run's exact spark times it
// gives back the run's engine speed, and from a recording it gives a curve
// file whose power is the engine's own.
#include "SynthTestSupport.h"

#include "power/PowerComputation.h"
#include "signal/CurveFile.h"
#include "signal/PreciseCurve.h"
#include "signal/SparkDetection.h"
#include "synth/SyntheticRun.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vornax {
namespace {

TEST(PreciseCurve, RecoversAnEngineRunFromExactSparks)
{
    Varia& s = testing::defaultCarStore();
    for (const auto& [engine, perRev] : {std::pair{"850", 0.5}, std::pair{"850", 2.0}, std::pair{"1380", 0.5}}) {
        SynthSettings settings;
        settings.engine = engine;
        settings.gear = 2;
        settings.endRpm = 6000;
        settings.sparksPerRev = perRev;
        const auto rec = synthesize(s, settings);
        ASSERT_TRUE(rec) << rec.error();
        const auto precise = preciseCurve(rec->run.sparkTimes, {static_cast<float>(perRev), 0.0});
        ASSERT_TRUE(precise) << precise.error();
        // The run's own speed every 10 ms, at the same times as the rows.
        const auto& samples = rec->run.samples;
        double worst = 0;
        for (int r = 0; r <= precise->curve.pointCount; ++r) {
            const CurvePoint p = precise->curve.rows[std::size_t(r)];
            const auto j = static_cast<std::size_t>(std::lround(p.time * 100.0));
            ASSERT_LT(j + 1, samples.size());
            ASSERT_NEAR(samples[j].time, p.time, 1e-6);
            worst = std::max(worst, std::abs(p.speed - samples[j].rpm) / samples[j].rpm);
        }
        EXPECT_LT(worst, 1e-4) << engine << " " << perRev;
    }
}

// The whole road: recording, detection, precise curve, curve file, power.
TEST(PreciseCurve, CurveFileGivesTheEnginesPower)
{
    Varia& s = testing::defaultCarStore();
    SynthSettings settings;  // the 1275 in 3rd gear, 2 000 to 5 800 rpm
    settings.droppedSparks = 3;
    settings.strayPulses = 3;
    const auto rec = synthesize(s, settings);
    ASSERT_TRUE(rec) << rec.error();
    const auto detection = Traiter(rec->wav, {});
    ASSERT_TRUE(detection) << detection.error();
    const auto precise = preciseCurve(detection->sparkTimes, {0.5f, 44100});
    ASSERT_TRUE(precise) << precise.error();
    EXPECT_EQ(precise->check.missed, 3);

    const auto power = testing::powerOfSavedCurve(s, 2, precise->curve);
    ASSERT_TRUE(power) << power.error();
    EXPECT_EQ(power->pointCount, precise->curve.pointCount - 14);
    // The true peak: the engine's power at every rpm of the run.
    double truePeak = 0, trueRpm = 0;
    for (double rpm = 2000; rpm <= 5800; rpm += 1)
        if (rec->engine->power(rpm) > truePeak) {
            truePeak = rec->engine->power(rpm);
            trueRpm = rpm;
        }
    const float watts = *s.single("LbConvertionWatt");
    EXPECT_NEAR(power->extremes.maxPower * watts, truePeak, truePeak * 0.003);
    EXPECT_NEAR(power->extremes.rpmAtMaxPower, trueRpm, 50);
}

}  // namespace
}  // namespace vornax
