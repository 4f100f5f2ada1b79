#include "LogPhysics.h"
#include "speedlog/StandingStart.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vornax {
namespace {

using testlog::kKmh;

// A Mini's start: traction-limited at first, then about 45 kW at the wheels
// less the drag, with three gear changes of half a second without drive.
double startAccel(double t, double v)
{
    const bool changing = (t > 3 && t < 3.5) || (t > 7.5 && t < 8) || (t > 14 && t < 14.5);
    const double drag = (0.36 * v * v + 80) / 720;
    if (changing)
        return -drag;
    return std::min(4.0, 45000 / (720 * std::max(v, 0.1))) - drag;
}

struct Truth {
    double t100 = 0, t400 = 0, t1000 = 0, top = 0;
};

Truth truth(double seconds)
{
    Truth out;
    double t = 0, v = 0, d = 0;
    const double dt = 1e-4;
    while (t < seconds) {
        const double a = startAccel(t, v);
        const double vNext = v + a * dt;
        const double dNext = d + 0.5 * (v + vNext) * dt;
        if (!out.t100 && vNext >= 100 * kKmh)
            out.t100 = t + dt * (100 * kKmh - v) / (vNext - v);
        if (!out.t400 && dNext >= 400)
            out.t400 = t + dt * (400 - d) / (dNext - d);
        if (!out.t1000 && dNext >= 1000)
            out.t1000 = t + dt * (1000 - d) / (dNext - d);
        out.top = std::max(out.top, vNext / kKmh);
        v = vNext;
        d = dNext;
        t += dt;
    }
    return out;
}

// The goal: 0-100 km/h within 0,1 s on a 10 Hz log; the 400 m, 1000 m and
// top speed as close, whatever the phase of the fixes against the start and
// at rates a performance meter or a phone gives.
TEST(MeasureStandingStart, TimesOfAKnownStartAtAnyPhaseAndRate)
{
    const double seconds = 45;
    const Truth known = truth(seconds);
    struct Case {
        double rate, noiseKmh, limit100, limitDistance;
    };
    const Case cases[] = {{10, 0.15, 0.1, 0.1}, {20, 0.15, 0.06, 0.06}, {5, 0.2, 0.2, 0.2}};
    unsigned seed = 1;
    for (const Case& c : cases) {
        for (double phase : {0.0, 0.3, 0.55, 0.9}) {
            SCOPED_TRACE(testing::Message() << c.rate << " Hz, phase " << phase);
            const double lead = 2.0 + phase / c.rate;  // rest, then the start between two fixes
            const SpeedLog log = testlog::sampledLog(startAccel, 0, seconds, c.rate, c.noiseKmh, seed++,
                                                     std::ceil(lead * c.rate) / c.rate - lead, lead);
            const auto m = measureStandingStart(log, "log");
            ASSERT_TRUE(m) << m.error();
            EXPECT_NEAR(m->startTime, lead, c.limit100);
            ASSERT_TRUE(m->time0To100 && m->time400m && m->time1000m);
            EXPECT_NEAR(*m->time0To100, known.t100, c.limit100);
            EXPECT_NEAR(*m->time400m, known.t400, c.limitDistance);
            EXPECT_NEAR(*m->time1000m, known.t1000, c.limitDistance);
            EXPECT_NEAR(m->topSpeedKmh, known.top, 0.5);
        }
    }
}

TEST(MeasureStandingStart, FiguresNotReachedStayEmpty)
{
    // A start that tops out near 70 km/h and only covers some 300 m.
    auto slow = [](double, double v) { return v < 70 * kKmh ? 2.0 : 0.0; };
    const SpeedLog log = testlog::sampledLog(slow, 0, 20, 10, 0.1, 5, 0.05, 1.0);
    const auto m = measureStandingStart(log, "log");
    ASSERT_TRUE(m) << m.error();
    EXPECT_FALSE(m->time0To100);
    EXPECT_FALSE(m->time1000m);
    EXPECT_NEAR(m->topSpeedKmh, 70, 1.0);
    ASSERT_FALSE(m->curve.empty());
    EXPECT_EQ(m->curve.front().speedKmh, 0);
    EXPECT_EQ(m->curve.front().time, 0);

    // A log that never stands still has no standing start.
    auto rolling = [](double, double) { return 1.0; };
    const SpeedLog moving = testlog::sampledLog(rolling, 10, 20, 10, 0.1, 6);
    EXPECT_FALSE(measureStandingStart(moving, "moving"));
}

}  // namespace
}  // namespace vornax
