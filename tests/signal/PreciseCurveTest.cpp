// The spark check and the precise curve on spark times made by hand: exact
// ones, quantised ones, and ones with sparks left out and pulses added.
#include "signal/PreciseCurve.h"
#include "signal/SparkCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace vornax {
namespace {

// An engine accelerating evenly: speed (rpm) = rpm0 + rate x t, so the crank
// angle (revolutions) is (rpm0 t + rate t² / 2) / 60; spark k comes when the
// angle reaches (k + phase) / sparksPerRev.
struct EvenPull {
    double rpm0 = 2500, rate = 400, sparksPerRev = 0.5, phase = 0.3, start = 0.5;
    double rpm(double t) const { return rpm0 + rate * (t - start); }
    double sparkTime(int k) const
    {
        const double revs = (k + phase) / sparksPerRev;
        // rate/120 t² + rpm0/60 t - revs = 0
        const double a = rate / 120.0, b = rpm0 / 60.0;
        return start + (-b + std::sqrt(b * b + 4 * a * revs)) / (2 * a);
    }
    std::vector<double> sparks(int count, double sampleRate = 0) const
    {
        std::vector<double> times;
        for (int k = 0; k < count; ++k) {
            const double t = sparkTime(k);
            times.push_back(sampleRate > 0 ? std::ceil(t * sampleRate) / sampleRate : t);
        }
        return times;
    }
};

TEST(SparkCheck, FindsMissedSparksAndExtraPulses)
{
    const EvenPull pull;
    struct Case {
        const char* what;
        std::vector<int> dropped;    // spark indices left out
        std::vector<double> strays;  // pulses added, in intervals after spark 0 (e.g. 40.3)
        int missed, extra;
    } const cases[] = {
        {"clean", {}, {}, 0, 0},
        {"one missed", {50}, {}, 1, 0},
        {"two in a row missed", {80, 81}, {}, 2, 0},
        {"missed here and there", {10, 200, 201, 202, 300}, {}, 5, 0},
        {"an early pulse", {}, {100.3}, 0, 1},
        {"a pulse just before a spark", {}, {120.8}, 0, 1},
        {"a pulse before the first spark", {}, {-0.6}, 0, 1},
        {"both", {30, 250}, {60.5, 61.45, 290.2}, 2, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<double> times;
        for (int k = 0; k < 400; ++k)
            if (std::find(c.dropped.begin(), c.dropped.end(), k) == c.dropped.end())
                times.push_back(pull.sparkTime(k));
        for (const double s : c.strays) {
            const int k = static_cast<int>(std::floor(s));
            times.push_back(pull.sparkTime(k) + (s - k) * (pull.sparkTime(k + 1) - pull.sparkTime(k)));
        }
        std::sort(times.begin(), times.end());
        const SparkCheck check = checkSparks(times);
        EXPECT_EQ(check.sparks, int(times.size()));
        EXPECT_EQ(check.missed, c.missed);
        EXPECT_EQ(check.extra, c.extra);
        ASSERT_EQ(int(check.missedTimes.size()), c.missed);
        for (std::size_t q = 0; q < c.dropped.size(); ++q)
            EXPECT_NEAR(check.missedTimes[q], pull.sparkTime(c.dropped[q]), 0.01);
        EXPECT_EQ(suspectTimes(check, 20).size(), std::size_t(c.missed + c.extra));
    }
}

// The words are the program's (English without a translation in force; the
// WAV window's test sees them in French); the figures take either separator.
TEST(SparkCheck, LineCountsAndPlacesTheFirstSuspect)
{
    SparkCheck check;
    EXPECT_EQ(sparkCheckLine(check, true), "");
    check.missed = 1;
    check.missedTimes = {12.38};
    EXPECT_EQ(sparkCheckLine(check, false), "1 missed spark near 12,4 s");
    check.missed = 3;
    check.missedTimes = {12.38, 13.0, 20.0};
    EXPECT_EQ(sparkCheckLine(check, true), "3 missed sparks near 12.4 s");
    check.extra = 1;
    check.extraTimes = {5.04};
    EXPECT_EQ(sparkCheckLine(check, true), "3 missed sparks near 12.4 s, 1 extra pulse near 5.0 s");
    EXPECT_EQ(suspectTimes(check, 2), (std::vector<double>{5.04, 12.38}));
    check.missed = 0;
    check.extra = 2;
    EXPECT_EQ(sparkCheckLine(check, false), "2 extra pulses near 5,0 s");
}

// Relative error of the curve's rows against the true speed.
double worstError(const Curve& curve, const EvenPull& pull)
{
    double worst = 0;
    for (int r = 0; r <= curve.pointCount; ++r) {
        const CurvePoint p = curve.rows[std::size_t(r)];
        worst = std::max(worst, std::abs(p.speed - pull.rpm(p.time)) / pull.rpm(p.time));
    }
    return worst;
}

TEST(PreciseCurve, RecoversAnEvenPullFromExactSparks)
{
    for (const double perRev : {0.5, 2.0}) {
        EvenPull pull;
        pull.sparksPerRev = perRev;
        const auto precise = preciseCurve(pull.sparks(600), {static_cast<float>(perRev), 0.0});
        ASSERT_TRUE(precise) << precise.error();
        const Curve& c = precise->curve;
        // Rows every 10 ms at whole multiples of 10 ms, inside the sparks' span.
        EXPECT_GE(c.rows[0].time, pull.sparkTime(0));
        EXPECT_NEAR(c.rows[0].time, std::ceil(pull.sparkTime(0) * 100) / 100, 1e-6);
        EXPECT_NEAR(c.rows[1].time - c.rows[0].time, 0.01, 1e-5);
        EXPECT_LE(c.rows[std::size_t(c.pointCount)].time, pull.sparkTime(599));
        EXPECT_GT(c.rows[std::size_t(c.pointCount)].time, pull.sparkTime(599) - 0.011);
        EXPECT_LT(worstError(c, pull), 1e-4) << perRev;
        EXPECT_EQ(precise->sparksFitted, 600);
    }
}

// Quantised to the recording's samples, with sparks left out and stray
// pulses added: the curve stays where the clean one is, ends included.
TEST(PreciseCurve, MissedSparksAndExtraPulsesDoNotBendIt)
{
    const EvenPull pull;
    const std::vector<double> clean = pull.sparks(500, 44100);
    std::vector<double> faulty;
    for (std::size_t k = 0; k < clean.size(); ++k)
        if (k != 40 && k != 41 && k != 333 && k != 498)
            faulty.push_back(clean[k]);
    std::mt19937 random(5);
    std::uniform_real_distribution<double> when(clean.front(), clean.back());
    for (int k = 0; k < 6; ++k)
        faulty.push_back(std::ceil(when(random) * 44100) / 44100);
    std::sort(faulty.begin(), faulty.end());

    const auto a = preciseCurve(clean, {0.5f, 44100});
    const auto b = preciseCurve(faulty, {0.5f, 44100});
    ASSERT_TRUE(a && b);
    EXPECT_EQ(b->check.missed, 4);
    EXPECT_GE(b->check.extra + b->outliers, 6);
    EXPECT_LT(worstError(a->curve, pull), 2e-3);
    EXPECT_LT(worstError(b->curve, pull), 2e-3);
    // Its own figure of uncertainty covers what is left.
    EXPECT_GT(b->rpmUncertaintyPct, 0.0);
    EXPECT_LT(b->rpmUncertaintyPct, 0.5);
}

// A recording that starts or stops during a pulse: the first or last spark
// comes late or early by a good part of the pulse. Set aside, it bends
// neither the ends nor, through the smoothing, the rest of the run: the
// acceleration stays that of the clean sparks.
TEST(PreciseCurve, ASparkCutByTheStartOrEndOfTheRecordingIsSetAside)
{
    const EvenPull pull;
    std::mt19937 random(7);
    std::normal_distribution<double> jitter(0.0, 1.5e-6);
    std::vector<double> clean;
    for (int k = 0; k < 400; ++k)
        clean.push_back(pull.sparkTime(k) + jitter(random));
    struct Case {
        const char* what;
        double first, last;  // s added to the first and the last spark
        int setAside;
    } const cases[] = {
        {"clean", 0, 0, 0},
        {"first cut", 5.4e-4, 0, 1},
        {"last cut", 0, -4e-4, 1},
        {"both", 3e-4, 6e-4, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<double> times = clean;
        times.front() += c.first;
        times.back() += c.last;
        const auto precise = preciseCurve(times, {0.5f, 44100});
        ASSERT_TRUE(precise) << precise.error();
        EXPECT_EQ(precise->outliers, c.setAside);
        const Curve& curve = precise->curve;
        double worst = 0;  // the acceleration, row to row, against the even 400 rpm/s
        for (int r = 0; r < curve.pointCount; ++r) {
            const CurvePoint a = curve.rows[std::size_t(r)], b = curve.rows[std::size_t(r) + 1];
            worst = std::max(worst, std::abs(double(b.speed - a.speed) / double(b.time - a.time) / pull.rate - 1));
        }
        EXPECT_LT(worst, 0.01);
        EXPECT_LT(precise->powerUncertaintyPct, 0.5);
    }
}

TEST(PreciseCurve, ShortAndLongRuns)
{
    // Three sparks 40 ms apart at 0,5 per revolution: 3 000 rpm from the
    // first spark to the last, one row every 10 ms.
    const auto three = preciseCurve({1.0, 1.04, 1.08}, {0.5f, 0.0});
    ASSERT_TRUE(three) << three.error();
    EXPECT_EQ(three->curve.pointCount, 8);
    for (int r = 0; r <= 8; ++r)
        EXPECT_NEAR(three->curve.rows[std::size_t(r)].speed, 3000.0f, 0.01f) << r;
    EXPECT_FALSE(preciseCurve({1.0}, {0.5f, 0.0}));
    EXPECT_FALSE(preciseCurve({}, {0.5f, 0.0}));

    // 32 000 sparks at 2 per revolution from 4 000 rpm (4 minutes), rows
    // every 10 ms asked for whatever the length: every row filled, within
    // the table.
    EvenPull pull;
    pull.sparksPerRev = 2;
    pull.rpm0 = 4000;
    pull.rate = 5;
    const auto full = preciseCurve(pull.sparks(32000, 44100), {2.0f, 44100, 0});
    ASSERT_TRUE(full) << full.error();
    EXPECT_FALSE(full->truncated);
    EXPECT_LE(full->curve.pointCount, Curve::kLastRow - 1);
    EXPECT_LT(worstError(full->curve, pull), 1e-3);
    // Slower: more than 320 s of sparks, so the rows stop at 32 000.
    pull.sparksPerRev = 0.5;
    const auto slow = preciseCurve(pull.sparks(32000, 44100), {0.5f, 44100, 0});
    ASSERT_TRUE(slow);
    EXPECT_TRUE(slow->truncated);
    EXPECT_EQ(slow->curve.pointCount, 31999);
}

// A pull longer than the power computation reads at 10 ms gets rows spaced
// by a whole number of 10 ms, the fewest that fit, and says so; a shorter
// one keeps its 10 ms rows and says nothing.
TEST(PreciseCurve, LongPullsGetWiderRowsThatFitThePowerComputation)
{
    EvenPull pull;
    pull.rpm0 = 1800;
    pull.rate = 25;  // 1 800 to about 3 200 rpm in 55 s
    struct Case {
        double seconds;
        double rowSeconds;
    } const cases[] = {{40, 0.01}, {55, 0.02}, {120, 0.03}, {240, 0.05}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seconds);
        std::vector<double> times;
        for (int k = 0; pull.sparkTime(k) < pull.start + c.seconds; ++k)
            times.push_back(std::ceil(pull.sparkTime(k) * 44100) / 44100);
        const auto precise = preciseCurve(times, {0.5f, 44100});
        ASSERT_TRUE(precise) << precise.error();
        EXPECT_NEAR(precise->rowSeconds, c.rowSeconds, 1e-12);
        const Curve& curve = precise->curve;
        EXPECT_LE(curve.pointCount - 14, kMaxPowerLines);  // the saved file leaves 7 rows out at each end
        EXPECT_NEAR(curve.rows[1].time - curve.rows[0].time, c.rowSeconds, 1e-4);
        EXPECT_NEAR(curve.rows[std::size_t(curve.pointCount)].time, times.back(), c.rowSeconds);
        EXPECT_LT(worstError(curve, pull), 2e-4);
        const std::string note = rowSpacingNote(*precise, false);
        if (c.rowSeconds > 0.01) {
            EXPECT_NE(note.find(std::to_string(int(std::lround(c.rowSeconds * 1000))) + " ms"), std::string::npos)
                << note;
            EXPECT_EQ(note.rfind("The pull lasts " + std::to_string(int(c.seconds) - 1) + ",9 s", 0), 0u) << note;
        } else {
            EXPECT_EQ(note, "");
        }
    }
}

// Pulses that are no ignition: the times a threshold finds in an engine's
// sound (every firing rings a resonance, crossed a varying number of times),
// or in noise (at random). The fit is refused with a reason, never drawn
// with a figure of uncertainty.
TEST(PreciseCurve, RefusesPulsesThatAreNoIgnition)
{
    std::mt19937 random(29);
    std::vector<double> sound;
    {
        // Firings at 100 Hz rising to 150 Hz, each crossing the threshold on
        // one to four cycles of a 320 Hz ring, with a jitter.
        std::uniform_int_distribution<int> cycles(1, 4);
        std::normal_distribution<double> jitter(0, 2e-4);
        for (double t = 0.5; t < 10.5; t += 1.0 / (100 + 5 * (t - 0.5))) {
            const int n = cycles(random);
            for (int c = 0; c < n; ++c)
                sound.push_back(t + c / 320.0 + jitter(random));
        }
        std::sort(sound.begin(), sound.end());
    }
    std::vector<double> noise;
    {
        std::exponential_distribution<double> gap(180.0);
        for (double t = 0.5 + gap(random); t < 10.5; t += gap(random))
            noise.push_back(std::round(t * 44100) / 44100);
    }
    // An even pull with a ring after every spark: twice as many pulses as
    // sparks, half of them off the rhythm.
    std::vector<double> ringing = EvenPull().sparks(600, 44100);
    for (std::size_t k = 0, n = ringing.size(); k + 1 < n; ++k)
        ringing.push_back(ringing[k] + 0.37 * (ringing[k + 1] - ringing[k]));
    std::sort(ringing.begin(), ringing.end());
    struct Case {
        const char* what;
        const std::vector<double>& times;
    } const cases[] = {{"engine sound", sound}, {"noise", noise}, {"a ring after every spark", ringing}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto precise = preciseCurve(c.times, {0.5f, 44100});
        ASSERT_FALSE(precise) << precise->curve.rows[0].speed << " rpm, +-" << precise->rpmUncertaintyPct << " %";
        const std::string& why = precise.error();
        EXPECT_TRUE(why.find("not an ignition signal") != std::string::npos ||
                    why.find("cannot follow") != std::string::npos)
            << why;
    }
}

// A run that never speeds up has no power to be sure of: its figure is
// "> 100", never a small one.
TEST(PreciseCurve, NoPullLeavesThePowerUncertaintyUnknown)
{
    EvenPull steady;
    steady.rate = -20;
    const auto precise = preciseCurve(steady.sparks(400, 44100), {0.5f, 44100});
    ASSERT_TRUE(precise) << precise.error();
    EXPECT_LT(precise->rpmUncertaintyPct, 0.5);
    EXPECT_FALSE(precise->powerUncertaintyPct < 100.0);
    EXPECT_EQ(uncertaintyText(precise->powerUncertaintyPct, false), "> 100");
    EXPECT_EQ(uncertaintyText(HUGE_VAL, true), "> 100");
    EXPECT_EQ(uncertaintyText(std::nan(""), true), "> 100");
}

TEST(PreciseCurve, UncertaintyLineWithTwoSignificantDigits)
{
    EXPECT_EQ(uncertaintyLine(0.052, 0.314, true),
              "Precise: engine speed ± 0.052 %, power ± 0.31 % (1 standard deviation)");
    EXPECT_EQ(uncertaintyLine(0.052, 0.314, false),
              "Precise: engine speed ± 0,052 %, power ± 0,31 % (1 standard deviation)");
    EXPECT_EQ(uncertaintyText(0.000167, false), "0,00017");
    EXPECT_EQ(uncertaintyText(0.0067, false), "0,0067");
    EXPECT_EQ(uncertaintyText(2.345, true), "2.3");
}

// Its progress check stops the fit; let through, the shares only grow.
TEST(PreciseCurve, StopsWhenItsProgressCheckSaysSo)
{
    const EvenPull pull;
    std::vector<double> shares;
    const auto record = [&](bool (*go)(double)) {
        return [&shares, go](double share) {
            shares.push_back(share);
            return go(share);
        };
    };
    const auto stopped = preciseCurve(pull.sparks(600), {0.5f, 0.0}, record([](double s) { return s < 0.5; }));
    ASSERT_FALSE(stopped);
    EXPECT_EQ(stopped.error(), "cancelled");
    shares.clear();
    const auto whole = preciseCurve(pull.sparks(600), {0.5f, 0.0}, record([](double) { return true; }));
    ASSERT_TRUE(whole) << whole.error();
    EXPECT_TRUE(std::is_sorted(shares.begin(), shares.end()));
    EXPECT_GE(shares.back(), 0.9);
}

}  // namespace
}  // namespace vornax
