// The synthetic car's motion: it must be exactly what the power computation
// measures backwards, spark by spark.
#include "SynthTestSupport.h"

#include "power/PowerComputation.h"
#include "power/PowerInputs.h"
#include "synth/CarMotion.h"
#include "synth/EngineCurves.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vornax {
namespace {

TEST(EngineCurve, PassesThroughItsPointsWithASmoothSlope)
{
    for (const EngineCurve& engine : shippedEngines()) {
        SCOPED_TRACE(engine.name());
        EXPECT_EQ(findEngine(engine.name()), &engine);
        // Slopes just left and right of a tabulated point agree (no kink).
        for (double rpm = engine.lowestRpm() + 500; rpm < engine.highestRpm(); rpm += 500) {
            const double left = (engine.torque(rpm) - engine.torque(rpm - 1)) / 1;
            const double right = (engine.torque(rpm + 1) - engine.torque(rpm)) / 1;
            EXPECT_NEAR(left, right, 0.002) << rpm;
        }
    }
    EXPECT_EQ(findEngine("998"), nullptr);
    const EngineCurve flat("x", "", {{1000, 50}, {2000, 70}, {3000, 60}});
    EXPECT_NEAR(flat.torque(2000), 70, 1e-12);
    EXPECT_NEAR(findEngine("1275")->torque(3000), 92, 1e-12);
    EXPECT_DOUBLE_EQ(flat.torque(500), 50);   // held below the range
    EXPECT_DOUBLE_EQ(flat.torque(3500), 60);  // and above it
    EXPECT_NEAR(flat.power(2000), 70 * 2000 * 2 * M_PI / 60, 1e-9);
}

TEST(EngineCurve, ShippedPeaksAreThoseOfTheirEngines)
{
    struct Expected {
        const char* name;
        double peakKw, peakRpm;
    } const expected[] = {{"850", 25.6, 5400}, {"1275", 42.9, 5450}, {"1380", 67.9, 5900}};
    for (const auto& e : expected) {
        const EngineCurve& engine = *findEngine(e.name);
        double best = 0, at = 0;
        for (double rpm = engine.lowestRpm(); rpm <= engine.highestRpm(); rpm += 10)
            if (engine.power(rpm) > best)
                best = engine.power(rpm), at = rpm;
        EXPECT_NEAR(best / 1000, e.peakKw, 0.5) << e.name;
        EXPECT_NEAR(at, e.peakRpm, 200) << e.name;
    }
}

TEST(CarInGear, ReadsTheVehicleAsThePowerComputationDoes)
{
    Varia& s = testing::defaultCarStore();
    for (int gear = 1; gear <= 4; ++gear) {
        const auto car = carInGear(s, gear);
        const auto inputs = readPowerInputs(s, gear - 1);
        ASSERT_TRUE(car && inputs);
        EXPECT_EQ(car->overallRatio, overallRatio(*inputs)) << gear;
        EXPECT_EQ(car->wheelRadius, wheelRadius(*inputs));
        EXPECT_EQ(car->lossPercent, inputs->lossPercent) << gear;
        EXPECT_EQ(car->massKg, inputs->massKg);
        EXPECT_EQ(car->scx, inputs->scx);
        EXPECT_EQ(car->engineInertia, inputs->engineInertia);
        EXPECT_EQ(car->wheelInertia, inputs->wheelInertia);
    }
    EXPECT_FALSE(carInGear(s, 7));
    resetStore();  // "?" everywhere, as before the editor's first OK
    const auto refused = carInGear(store(), 3);
    ASSERT_FALSE(refused);
    EXPECT_NE(refused.error().find("is not a number"), std::string::npos) << refused.error();
}

// The exact engine speed of the run, fed to the power computation, gives
// back the engine's curve: the synthetic motion is the computation's balance
// run forwards.
TEST(CarMotion, PowerComputationRecoversTheEngineFromTheExactMotion)
{
    Varia& s = testing::defaultCarStore();
    for (const int gear : {2, 3}) {
        SCOPED_TRACE(gear);
        const EngineCurve& engine = *findEngine("1275");
        const CarInGear car = *carInGear(s, gear);
        RunSettings settings;
        settings.endRpm = 5600;
        const auto run = runCar(car, engine, settings);
        ASSERT_TRUE(run) << run.error();
        std::vector<RunPoint> points;
        for (const MotionSample& m : run->samples)
            points.push_back({static_cast<float>(m.time), static_cast<float>(m.rpm)});
        const auto inputs = readPowerInputs(s, gear - 1);
        const auto result = computePower(*inputs, points, emptyPowerTable(), "exact");
        ASSERT_TRUE(result) << result.error();
        const float watts = *s.single("LbConvertionWatt");
        double worst = 0;
        for (std::size_t i = 5; i + 3 < points.size(); ++i) {
            const PowerRow& row = result->table[i];
            // Forward differences: row i stands for the middle of its step.
            const double mid = (points[i].rpm + points[i + 1].rpm) / 2.0;
            const double truth = engine.power(mid) / watts;
            worst = std::max(worst, std::abs(row.power - truth) / truth);
        }
        EXPECT_LT(worst, 0.002);
    }
}

TEST(CarMotion, SparksFollowTheCrankshaft)
{
    Varia& s = testing::defaultCarStore();
    const EngineCurve& engine = *findEngine("1380");
    const CarInGear car = *carInGear(s, 2);
    for (const double perRev : {0.5, 2.0}) {
        RunSettings settings;
        settings.sparksPerRev = perRev;
        settings.firstSparkAngle = 0.3;
        const auto run = runCar(car, engine, settings);
        ASSERT_TRUE(run) << run.error();
        ASSERT_GT(run->sparkTimes.size(), 100u);
        // Between two sparks the crank turns 1 / perRev revolutions, so the
        // interval gives the engine speed at the middle of it.
        std::size_t checked = 0;
        for (std::size_t k = 1; k < run->sparkTimes.size(); k += 25) {
            const double t0 = run->sparkTimes[k - 1], t1 = run->sparkTimes[k];
            const double measured = 60.0 / perRev / (t1 - t0);
            const auto near = std::lower_bound(run->samples.begin(), run->samples.end(), (t0 + t1) / 2,
                                               [](const MotionSample& m, double t) { return m.time < t; });
            ASSERT_NE(near, run->samples.end());
            EXPECT_NEAR(measured, near->rpm, near->rpm * 0.003) << perRev << " " << k;
            ++checked;
        }
        EXPECT_GT(checked, 4u);
        EXPECT_GT(run->sparkTimes.front(), 0.0);
        EXPECT_LT(run->sparkTimes.back(), run->endTime);
    }
}

TEST(CarMotion, RefusesRunsTheCarCannotMake)
{
    Varia& s = testing::defaultCarStore();
    const EngineCurve& engine = *findEngine("1275");
    RunSettings settings;
    const auto fourth = runCar(*carInGear(s, 4), engine, settings);  // drag wins near 4 475 rpm
    ASSERT_FALSE(fourth);
    EXPECT_NE(fourth.error().find("stops gaining speed at 44"), std::string::npos) << fourth.error();
    settings.endRpm = 9000;
    EXPECT_FALSE(runCar(*carInGear(s, 2), engine, settings));  // past the engine's curve
    settings.endRpm = 1500;
    EXPECT_FALSE(runCar(*carInGear(s, 2), engine, settings));  // end below start
}

}  // namespace
}  // namespace vornax
