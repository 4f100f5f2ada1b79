// The test logs of a known car against what follows from the physics by
// other roads: closed forms of the coast-down, the acceleration simulation's
// own figures, the geodesic between the positions, the receiver's faults.
#include "SynthTestSupport.h"

#include "common/NumberText.h"
#include "common/TextFile.h"
#include "simulation/AccelerationModel.h"
#include "simulation/TorqueCurve.h"
#include "speedlog/Geodesic.h"
#include "speedlog/SpeedLogSynth.h"
#include "synth/EngineCurves.h"
#include "synth/SyntheticRun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace vornax {
namespace {

SpeedLogSynthSettings quiet(SpeedLogRun run)
{
    SpeedLogSynthSettings s;
    s.run = run;
    s.speedNoise = 0;
    s.positionNoise = 0;
    return s;
}

TEST(SpeedLogSynth, CoastDownTakesTheTimesOfTheClosedForms)
{
    Varia& store = testing::defaultCarStore();
    const double g = 9.81, v0 = 100 / 3.6, v1 = 30 / 3.6;
    // Air drag alone: v(t) = v0 / (1 + k v0 t), k = ½ρ·S·Cx / m_eff, so the
    // coasting lasts (1/v1 - 1/v0) / k. Rolling alone (a drag area too
    // small to count): a steady deceleration Cr·g·m / m_eff.
    SpeedLogSynthSettings drag = quiet(SpeedLogRun::Coastdown);
    drag.scx = 0.6;
    drag.rollingCoefficient = 0;
    SpeedLogSynthSettings rolling = quiet(SpeedLogRun::Coastdown);
    rolling.scx = 1e-9;
    rolling.rollingCoefficient = 0.015;
    for (const SpeedLogSynthSettings* s : {&drag, &rolling}) {
        const auto made = synthesizeSpeedLog(store, *s);
        ASSERT_TRUE(made) << made.error();
        const SpeedLogTruth& t = made->truth;
        ASSERT_EQ(made->logs.size(), 1u);
        const double mEff = t.massKg + t.rotatingMassKg;
        EXPECT_GT(t.rotatingMassKg, 0.5);
        const double expected = s == &drag ? (1 / v1 - 1 / v0) / (t.airDensity / 2 * 0.6 / mEff)
                                           : (v0 - v1) * mEff / (0.015 * g * t.massKg);
        EXPECT_NEAR(t.coastEnd[0] - t.coastStart[0], expected, 1e-4);
        // The noise-free log holds the true speed.
        const SpeedLog& log = made->logs[0];
        EXPECT_NEAR(log.fixes.back().speed, made->truth.tracks[0].speed.back(), 1e-12);
        EXPECT_NEAR(log.fixes.back().time, std::floor(t.coastEnd[0] * 10) / 10, 1e-9);
    }
}

TEST(SpeedLogSynth, BothWaysReverseTheSlopeAndTheWind)
{
    Varia& store = testing::defaultCarStore();
    SpeedLogSynthSettings s = quiet(SpeedLogRun::Coastdown);
    s.bothDirections = true;
    s.slopePercent = 0.3;
    s.windMs = 1.5;
    const auto made = synthesizeSpeedLog(store, s);
    ASSERT_TRUE(made) << made.error();
    ASSERT_EQ(made->logs.size(), 2u);
    const SpeedLogTruth& t = made->truth;
    // Uphill into the wind slows the car sooner than downhill with it.
    EXPECT_LT(t.coastEnd[0] + 5, t.coastEnd[1]);
    // The second run comes back down the same road: it starts where the
    // first ended, and higher by the rise.
    const SpeedFix& end = made->logs[0].fixes.back();
    const SpeedFix& back = made->logs[1].fixes.front();
    EXPECT_LT(geodesicDistance(end.latitude, end.longitude, back.latitude, back.longitude), 3.0);
    EXPECT_NEAR(made->logs[0].fixes.front().altitude + t.tracks[0].distance.back() * 0.003, back.altitude, 0.01);
    EXPECT_LT(made->logs[1].fixes.back().altitude, back.altitude);
}

TEST(SpeedLogSynth, PositionsFollowTheSpeedAndTheFaultsAreThoseAsked)
{
    Varia& store = testing::defaultCarStore();
    SpeedLogSynthSettings s = quiet(SpeedLogRun::Pull);
    s.rate = 20;
    auto made = synthesizeSpeedLog(store, s);
    ASSERT_TRUE(made) << made.error();
    const auto& fixes = made->logs[0].fixes;
    const auto& truth = made->truth.tracks[0];
    ASSERT_GT(fixes.size(), 400u);
    for (std::size_t i = 1; i < fixes.size(); i += 37) {
        const double d =
            geodesicDistance(fixes[i - 1].latitude, fixes[i - 1].longitude, fixes[i].latitude, fixes[i].longitude);
        EXPECT_NEAR(d, truth.distance[i] - truth.distance[i - 1], 1e-4) << i;
    }
    // The speed at the end of the pull is the end engine speed in the gear.
    const double perRpm = 2 * M_PI / 60 / made->truth.overallRatio * made->truth.wheelRadius;
    double v = 0;
    for (std::size_t i = 0; i < truth.time.size(); ++i)
        if (truth.time[i] <= made->truth.pullEnd)
            v = truth.speed[i];
    EXPECT_NEAR(v, 5800 * perRpm, 5800 * perRpm * 0.003);
    EXPECT_NEAR(made->truth.rpmAtMaxPower, 5444, 100);

    s.speedNoise = 0.3;
    s.droppedFixes = 7;
    s.seed = 5;
    made = synthesizeSpeedLog(store, s);
    ASSERT_TRUE(made);
    const auto& noisy = made->logs[0].fixes;
    double sum = 0, squares = 0;
    int lost = 0, used = 0;
    for (std::size_t i = 0; i < noisy.size(); ++i) {
        if (!noisy[i].valid) {
            ++lost;
            EXPECT_TRUE(i > 0 && i + 1 < noisy.size());
            continue;
        }
        const double e = (noisy[i].speed - made->truth.tracks[0].speed[i]) * 3.6;
        sum += e;
        squares += e * e;
        ++used;
    }
    EXPECT_EQ(lost, 7);
    EXPECT_NEAR(sum / used, 0, 0.05);
    EXPECT_NEAR(std::sqrt(squares / used), 0.3, 0.03);
}

TEST(SpeedLogSynth, StandingStartGivesTheSimulationsOwnFigures)
{
    Varia& store = testing::defaultCarStore();
    const auto made = synthesizeSpeedLog(store, quiet(SpeedLogRun::Start));
    ASSERT_TRUE(made) << made.error();
    const SpeedLogTruth& t = made->truth;
    EXPECT_DOUBLE_EQ(t.moveStart, 2.0);
    EXPECT_EQ(made->logs[0].fixes[19].speed, 0.0);
    EXPECT_GT(made->logs[0].fixes[21].speed, 0.0);

    // The same run as `vornax simulate` makes it on the engine's true curve.
    testing::TempFolder folder;
    const EngineCurve& engine = *findEngine("1275");
    const auto curveFile = folder / "true.txt";
    ASSERT_TRUE(writeTruthFile(curveFile, engine, engine.lowestRpm(), engine.highestRpm(), store));
    auto curve = std::make_unique<TorqueCurve>();
    ASSERT_TRUE(loadPowerCurve(curveFile, store, *curve));
    const SimulationFields fields = SimulationFields::fromStore(store);
    auto model = std::make_unique<AccelerationModel>();
    ASSERT_TRUE(model->simulate({fields, store, *curve}));
    // The labels show a 10 ms sample at or past each mark, to a tenth.
    EXPECT_NEAR(t.t0100, *parseDouble(model->labels().lbT0100), 0.061);
    EXPECT_NEAR(t.t400, *parseDouble(model->labels().lb400mDA), 0.061);
    EXPECT_NEAR(t.t1000, *parseDouble(model->labels().lb1000mDA), 0.061);
    EXPECT_NEAR(t.topSpeedKmh, *parseDouble(model->labels().lbVmaxi), 0.051);

    const std::string truth = speedLogTruthBytes(t);
    EXPECT_NE(truth.find("run=start\r\n"), std::string::npos);
    EXPECT_NE(truth.find("t_0_100_s=" + doubleText(t.t0100) + "\r\n"), std::string::npos);
    EXPECT_EQ(splitLines(truth).size(), 14 + made->logs[0].fixes.size());
}

TEST(SpeedLogSynth, RefusesSettingsOutOfRange)
{
    Varia& store = testing::defaultCarStore();
    const auto with = [](auto change) {
        SpeedLogSynthSettings s;
        s.run = SpeedLogRun::Coastdown;
        change(s);
        return s;
    };
    const SpeedLogSynthSettings bad[] = {
        with([](auto& s) { s.rate = 0; }),
        with([](auto& s) { s.speedNoise = -1; }),
        with([](auto& s) { s.droppedFixes = 100000; }),
        with([](auto& s) { s.toKmh = 120; }),
        with([](auto& s) { s.clockStart = "noon"; }),
        with([](auto& s) { s.slopePercent = -8; }),  // downhill it never slows to 30 km/h
        with([](auto& s) {
            s.run = SpeedLogRun::Pull;
            s.engine = "999";
        }),
    };
    for (const SpeedLogSynthSettings& s : bad)
        EXPECT_FALSE(synthesizeSpeedLog(store, s));
}

}  // namespace
}  // namespace vornax
