#include "signal/PreciseCurve.h"

#include "common/Physics.h"
#include "common/NumberText.h"
#include "common/Translation.h"

#include <Eigen/Sparse>
#include <Eigen/SparseCholesky>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace vornax {
namespace {

constexpr int kDegree = 5;             // quintic: speed and acceleration are smooth
constexpr int kPenaltyOrder = 4;       // fourth differences: a cubic is free of penalty
constexpr double kKnotSeconds = 0.05;  // knots far finer than any change of the engine's pull
constexpr double kRowSeconds = kPreciseRowSeconds;
constexpr int kMaxRows = 32000;
constexpr double kOutlierDeviations = 8.0;
// What an ignition's sparks never do: more than this share of the pulses off
// the rhythm (missed, extra or set aside), a scatter of the spark times
// beyond this share of their interval (sample rounding and detection jitter
// stay below a thousandth), residuals left far above that scatter even by
// the least smoothing, or a speed no engine turns at.
constexpr double kMostSuspectShare = 0.25;
constexpr double kMostScatterShare = 0.02;
constexpr double kMostResidualExcess = 3.0;
constexpr double kLowestRpm = 100.0;
constexpr double kHighestRpm = 20000.0;
// The smoothing searched, in decades of the data's own scale.
constexpr double kLowestDecade = -8.0;
constexpr double kHighestDecade = 10.0;
constexpr int kSearchSteps = 11;

using SparseMatrix = Eigen::SparseMatrix<double>;
using Vector = Eigen::VectorXd;
// The normal equations are banded (half-width kDegree): in their natural
// order the factor stays in the band.
using Solver = Eigen::SimplicialLDLT<SparseMatrix, Eigen::Lower, Eigen::NaturalOrdering<int>>;
using Basis = std::array<double, kDegree + 1>;

// Cardinal B-spline of degree q at u + r for r = 0..q, u in [0, 1): the
// q + 1 pieces that are not zero at a point one unit past a knot.
void cardinal(int q, double u, double* v)
{
    v[0] = 1.0;
    for (int d = 1; d <= q; ++d) {
        for (int r = d; r >= 0; --r) {
            const double a = r < d ? v[r] : 0.0;
            const double b = r > 0 ? v[r - 1] : 0.0;
            v[r] = ((u + r) * a + (d + 1 - u - r) * b) / d;
        }
    }
}

// The spline: coefficients c = 0..m + kDegree - 1 on knots every h seconds
// from t0; at knot interval i the basis functions of coefficients
// i .. i + kDegree are not zero (piece r belongs to coefficient i + kDegree - r).
struct Knots {
    double t0 = 0, h = kKnotSeconds;
    int intervals = 1;
    int coefficients() const { return intervals + kDegree; }
    // Knot interval and the place in it of time t (clamped to the span).
    int interval(double t, double& u) const
    {
        const double x = (t - t0) / h;
        const int i = std::clamp(static_cast<int>(std::floor(x)), 0, intervals - 1);
        u = x - i;
        return i;
    }
};

// The kept sparks: time, crank angle in spark steps less the straight line
// through the first and last (a line is no work for the spline and leaves
// small numbers), seconds per step around the spark, and the weight that
// turns an angle residual into a time residual.
struct Sparks {
    std::vector<double> time, angle, secondsPerStep, weight;
    double slope = 0, offset = 0;  // the line taken off: steps = offset + slope x (t - t0)
    std::size_t size() const { return time.size(); }
};

struct Problem {
    Knots knots;
    int order = kPenaltyOrder;
    std::vector<int> span;
    std::vector<Basis> basis;
    SparseMatrix gram;     // B'WB, lower triangle
    SparseMatrix penalty;  // D'D, lower triangle
    Vector rhs;            // B'Wy
    double scale = 1;      // trace(gram) / trace(penalty)
};

// Median of the absolute values, robust against a few odd ones.
double medianAbs(std::vector<double> v)
{
    if (v.empty())
        return 0.0;
    for (double& x : v)
        x = std::abs(x);
    auto middle = v.begin() + std::ptrdiff_t(v.size() / 2);
    std::nth_element(v.begin(), middle, v.end());
    return *middle;
}

Sparks keptSparks(const std::vector<double>& times, const SparkCheck& check)
{
    Sparks s;
    double steps = 0;
    for (std::size_t k = 0; k < times.size(); ++k) {
        if (check.steps[k] == 0)
            continue;
        if (!s.time.empty())
            steps += check.steps[k];
        s.time.push_back(times[k]);
        s.angle.push_back(steps);
    }
    const std::size_t n = s.size();
    // Seconds per step: the median over the neighbouring intervals.
    std::vector<double> perStep(n);
    for (std::size_t k = 1; k < n; ++k)
        perStep[k] = (s.time[k] - s.time[k - 1]) / (s.angle[k] - s.angle[k - 1]);
    if (n > 1)
        perStep[0] = perStep[1];
    s.secondsPerStep.resize(n);
    std::vector<double> window;
    for (std::size_t k = 0; k < n; ++k) {
        const std::size_t first = k >= 4 ? k - 4 : 0;
        const std::size_t last = std::min(n - 1, k + 4);
        window.assign(perStep.begin() + std::ptrdiff_t(first), perStep.begin() + std::ptrdiff_t(last) + 1);
        s.secondsPerStep[k] = medianAbs(window);
    }
    const double typical = medianAbs(s.secondsPerStep);
    s.weight.resize(n);
    for (std::size_t k = 0; k < n; ++k)
        s.weight[k] = std::pow(s.secondsPerStep[k] / typical, 2);
    if (n > 1) {
        s.slope = (s.angle.back() - s.angle.front()) / (s.time.back() - s.time.front());
        s.offset = s.angle.front();
        for (std::size_t k = 0; k < n; ++k)
            s.angle[k] -= s.offset + s.slope * (s.time[k] - s.time.front());
    }
    return s;
}

// One standard deviation of a spark time, from the fourth differences of the
// times over runs of single steps: they cancel the engine's smooth change and
// leave 70 times the variance of the noise. The detection's jitter is no
// bell curve (most sparks cross the threshold at the same sample of their
// pulse, a few a sample later), so the variance is the mean square, not a
// median; only differences far beyond the median (a stray pulse) are left out.
double measuredNoise(const std::vector<double>& times, const SparkCheck& check, double quantisation)
{
    std::vector<double> differences;
    for (std::size_t k = 0; k + 4 < times.size(); ++k) {
        bool regular = true;
        for (std::size_t q = 1; q <= 4; ++q)
            regular = regular && check.steps[k + q] == 1;
        if (regular)
            differences.push_back(times[k] - 4 * times[k + 1] + 6 * times[k + 2] - 4 * times[k + 3] + times[k + 4]);
    }
    if (differences.size() < 5)
        return 0.0;
    const double limit = 8.0 * std::max(1.4826 * medianAbs(differences), std::sqrt(70.0) * quantisation);
    double squares = 0;
    int count = 0;
    for (const double d : differences)
        if (std::abs(d) <= limit) {
            squares += d * d;
            ++count;
        }
    return count > 0 ? std::sqrt(squares / count / 70.0) : 0.0;
}

// The steps of the check with the odd sparks at the two ends set aside (0),
// and how many were. A spark at the very end of a recording can come from a
// pulse that the start or the end of the recording cut (its time off by a
// good part of the pulse), and the fit cannot tell it from the engine: an end
// point bends a spline freely, so its residual stays small while it pulls the
// curve and, through the residual sum, the smoothing of the whole run. It is
// judged from its neighbours instead: the fourth difference that ends on it
// is its distance from the cubic through the next four; less the next
// difference (which leaves it out), the engine's own smooth change cancels
// and what is left, a fifth difference, is noise of 252 times the variance.
// Beyond the same bound as every residual, it is set aside, and the next one
// judged.
std::vector<int> endsSetAside(const std::vector<double>& times, const SparkCheck& check, double noise, int& setAside)
{
    std::vector<int> steps = check.steps;
    std::vector<std::size_t> kept;
    for (std::size_t k = 0; k < times.size(); ++k)
        if (steps[k] > 0)
            kept.push_back(k);
    const double limit = kOutlierDeviations * std::sqrt(252.0) * noise;
    constexpr int kMostAtAnEnd = 3;
    for (const bool front : {true, false}) {
        for (int dropped = 0; dropped < kMostAtAnEnd && kept.size() > 12; ++dropped) {
            // Six sparks from this end, one step apart.
            std::array<double, 6> t{};
            bool regular = true;
            for (std::size_t q = 0; q < 6; ++q) {
                const std::size_t k = front ? kept[q] : kept[kept.size() - 1 - q];
                t[q] = times[k];
                if (q > 0)
                    regular = regular && steps[front ? k : kept[kept.size() - q]] == 1;
            }
            const double fifth = t[0] - 5 * t[1] + 10 * t[2] - 10 * t[3] + 5 * t[4] - t[5];
            if (!regular || std::abs(fifth) <= limit)
                break;
            steps[front ? kept.front() : kept.back()] = 0;
            front ? (void)kept.erase(kept.begin()) : kept.pop_back();
            ++setAside;
        }
    }
    return steps;
}

Problem buildProblem(const Sparks& s)
{
    Problem p;
    p.knots.t0 = s.time.front();
    p.knots.intervals = std::max(1, static_cast<int>(std::ceil((s.time.back() - s.time.front()) / kKnotSeconds)));
    // A cubic needs four sparks to be fixed; with fewer, a lower order.
    p.order = std::min<int>(kPenaltyOrder, static_cast<int>(s.size()));
    const int m = p.knots.coefficients();
    p.span.resize(s.size());
    p.basis.resize(s.size());
    p.rhs = Vector::Zero(m);
    // The band of B'WB summed row by row (column c - j of row c), then
    // handed over in one piece.
    std::vector<std::array<double, kDegree + 1>> band(static_cast<std::size_t>(m));
    for (auto& row : band)
        row.fill(0.0);
    for (std::size_t k = 0; k < s.size(); ++k) {
        double u = 0;
        const int i = p.knots.interval(s.time[k], u);
        p.span[k] = i;
        cardinal(kDegree, u, p.basis[k].data());
        for (int r1 = 0; r1 <= kDegree; ++r1) {
            const int c1 = i + kDegree - r1;
            const double wb = s.weight[k] * p.basis[k][r1];
            p.rhs[c1] += wb * s.angle[k];
            for (int r2 = r1; r2 <= kDegree; ++r2)  // c2 <= c1: the lower triangle
                band[std::size_t(c1)][std::size_t(r2 - r1)] += wb * p.basis[k][r2];
        }
    }
    std::vector<Eigen::Triplet<double>> entries;
    entries.reserve(std::size_t(m) * (kDegree + 1));
    double gramTrace = 0;
    for (int c = 0; c < m; ++c) {
        gramTrace += band[std::size_t(c)][0];
        for (int j = 0; j <= kDegree && j <= c; ++j)
            entries.emplace_back(c, c - j, band[std::size_t(c)][std::size_t(j)]);
    }
    p.gram.resize(m, m);
    p.gram.setFromTriplets(entries.begin(), entries.end());

    // Differences of the chosen order: binomial weights with alternating signs.
    std::vector<double> d(static_cast<std::size_t>(p.order) + 1);
    for (int q = 0; q <= p.order; ++q)
        d[std::size_t(q)] = std::tgamma(p.order + 1.0) / (std::tgamma(q + 1.0) * std::tgamma(p.order - q + 1.0)) *
                            ((p.order - q) % 2 == 0 ? 1.0 : -1.0);
    entries.clear();
    double penaltyTrace = 0;
    for (int row = 0; row + p.order < m; ++row)
        for (int a = 0; a <= p.order; ++a)
            for (int b = 0; b <= a; ++b) {
                entries.emplace_back(row + a, row + b, d[std::size_t(a)] * d[std::size_t(b)]);
                if (a == b)
                    penaltyTrace += d[std::size_t(a)] * d[std::size_t(a)];
            }
    p.penalty.resize(m, m);
    p.penalty.setFromTriplets(entries.begin(), entries.end());
    p.scale = penaltyTrace > 0 ? gramTrace / penaltyTrace : 1.0;
    return p;
}

struct Fit {
    Vector coefficients;
    double residualSquares = 0;  // s², residuals turned into time
    Solver solver;
    bool analysed = false;  // the band's pattern is the same for every lambda
};

// Coefficients for the penalty weight lambda (in the data's scale) and the
// residual sum in time.
bool solve(const Problem& p, const Sparks& s, double lambda, Fit& fit)
{
    const SparseMatrix a = p.gram + (lambda * p.scale) * p.penalty;
    if (!fit.analysed) {
        fit.solver.analyzePattern(a);
        fit.analysed = true;
    }
    fit.solver.factorize(a);
    if (fit.solver.info() != Eigen::Success)
        return false;
    fit.coefficients = fit.solver.solve(p.rhs);
    fit.residualSquares = 0;
    for (std::size_t k = 0; k < s.size(); ++k) {
        double value = 0;
        for (int r = 0; r <= kDegree; ++r)
            value += p.basis[k][r] * fit.coefficients[p.span[k] + kDegree - r];
        const double seconds = (s.angle[k] - value) * s.secondsPerStep[k];
        fit.residualSquares += seconds * seconds;
    }
    return std::isfinite(fit.residualSquares);
}

// The largest smoothing whose residuals stay at the noise: residual sum =
// sparks x noise variance. Less smoothing than that follows the noise (the
// residuals fall below it by the parameters spent); more bends the curve
// away from the sparks. Bisection in decades.
double chooseSmoothing(const Problem& p, const Sparks& s, double noise, Fit& fit)
{
    const auto excess = [&](double decade) {
        if (!solve(p, s, std::pow(10.0, decade), fit))
            return 0.0;
        return fit.residualSquares - noise * noise * double(s.size());
    };
    double low = kLowestDecade, high = kHighestDecade;
    if (excess(high) <= 0)
        return std::pow(10.0, high);
    if (excess(low) >= 0) {
        solve(p, s, std::pow(10.0, low), fit);
        return std::pow(10.0, low);
    }
    for (int step = 0; step < kSearchSteps; ++step) {
        const double middle = (low + high) / 2;
        (excess(middle) > 0 ? high : low) = middle;
    }
    solve(p, s, std::pow(10.0, low), fit);
    return std::pow(10.0, low);
}

// The fitted angle's slope (steps per second) and its curvature (steps per
// second²) at time t, and the linear maps that give them from the
// coefficients (for the uncertainty).
struct Derivatives {
    double slope = 0, curvature = 0;
};

Derivatives derivativesAt(const Knots& knots, const Vector& a, const Sparks& s, double t, Vector* slopeMap = nullptr,
                          Vector* curvatureMap = nullptr)
{
    double u = 0;
    const int i = knots.interval(t, u);
    double v1[kDegree + 1], v2[kDegree + 1];
    cardinal(kDegree - 1, u, v1);
    cardinal(kDegree - 2, u, v2);
    Derivatives d;
    const double h = knots.h;
    if (slopeMap)
        slopeMap->setZero(a.size());
    if (curvatureMap)
        curvatureMap->setZero(a.size());
    for (int r = 0; r < kDegree; ++r) {
        const int c = i + kDegree - r;
        d.slope += (a[c] - a[c - 1]) * v1[r] / h;
        if (slopeMap) {
            (*slopeMap)[c] += v1[r] / h;
            (*slopeMap)[c - 1] -= v1[r] / h;
        }
    }
    for (int r = 0; r < kDegree - 1; ++r) {
        const int c = i + kDegree - r;
        const double w = v2[r] / (h * h);
        d.curvature += (a[c] - 2 * a[c - 1] + a[c - 2]) * w;
        if (curvatureMap) {
            (*curvatureMap)[c] += w;
            (*curvatureMap)[c - 1] -= 2 * w;
            (*curvatureMap)[c - 2] += w;
        }
    }
    d.slope += s.slope;
    return d;
}

}  // namespace

Result<PreciseCurve> preciseCurve(const std::vector<double>& sparkTimes, const PreciseSettings& settings,
                                  const ProgressCheck& proceed)
{
    const auto stopped = [&](double fraction) { return proceed && !proceed(fraction); };
    const auto cancelled = [] { return Failure{tx("PreciseCurve", "cancelled")}; };
    if (!(settings.sparksPerRev > 0))
        return Failure{tx("PreciseCurve", "the sparks per revolution must be positive")};
    PreciseCurve result;
    result.check = checkSparks(sparkTimes);
    const double quantisation = settings.sampleRate > 0 ? 0.01 / settings.sampleRate : 0.0;
    // Never zero: exact times still carry the rounding of a double.
    result.timingNoise = std::max(
        {measuredNoise(sparkTimes, result.check, quantisation), quantisation, settings.leastTimingNoise, 1e-12});

    const auto kept = std::count_if(result.check.steps.begin(), result.check.steps.end(), [](int s) { return s > 0; });
    if (kept < 2)
        return Failure{tx("PreciseCurve", "too few sparks for a curve: %1").arg(std::to_string(kept))};
    SparkCheck fitted = result.check;
    fitted.steps = endsSetAside(sparkTimes, result.check, result.timingNoise, result.outliers);
    Sparks sparks = keptSparks(sparkTimes, fitted);
    if (!(sparks.time.back() > sparks.time.front()))
        return Failure{tx("PreciseCurve", "too few sparks for a curve: %1").arg(std::to_string(sparks.size()))};

    if (stopped(0.05))
        return cancelled();
    Problem problem = buildProblem(sparks);
    if (stopped(0.1))
        return cancelled();
    Fit fit;
    result.smoothing = chooseSmoothing(problem, sparks, result.timingNoise, fit);
    // A pulse the check kept but that lies far off the fitted angle (a stray
    // pulse that hid the spark next to it) is set aside and the fit made
    // again without it.
    for (int pass = 0; pass < 2; ++pass) {
        if (stopped(0.5 + 0.2 * pass))
            return cancelled();
        Sparks kept = sparks;
        kept.time.clear(), kept.angle.clear(), kept.secondsPerStep.clear(), kept.weight.clear();
        for (std::size_t k = 0; k < sparks.size(); ++k) {
            double value = 0;
            for (int r = 0; r <= kDegree; ++r)
                value += problem.basis[k][r] * fit.coefficients[problem.span[k] + kDegree - r];
            if (std::abs(sparks.angle[k] - value) * sparks.secondsPerStep[k] > kOutlierDeviations * result.timingNoise)
                continue;
            kept.time.push_back(sparks.time[k]);
            kept.angle.push_back(sparks.angle[k]);
            kept.secondsPerStep.push_back(sparks.secondsPerStep[k]);
            kept.weight.push_back(sparks.weight[k]);
        }
        if (kept.size() == sparks.size() || kept.size() < 2)
            break;
        result.outliers += static_cast<int>(sparks.size() - kept.size());
        sparks = std::move(kept);
        problem = buildProblem(sparks);
        fit.analysed = false;
        result.smoothing = chooseSmoothing(problem, sparks, result.timingNoise, fit);
    }
    result.sparksFitted = static_cast<int>(sparks.size());

    // Pulses that are no ignition: refused before any figure is drawn from them.
    const double typicalStep = medianAbs(sparks.secondsPerStep);
    const int suspects = result.check.missed + result.check.extra + result.outliers;
    if (suspects > kMostSuspectShare * result.check.sparks)
        return Failure{tx("PreciseCurve", "%1 of the %2 pulses break the rhythm of an ignition (missed sparks, extra "
                                          "pulses): this recording is not an ignition signal")
                           .arg(std::to_string(suspects))
                           .arg(std::to_string(result.check.sparks))};
    if (result.timingNoise > kMostScatterShare * typicalStep)
        return Failure{tx("PreciseCurve", "the pulse times scatter by %1 % of their interval; an ignition's sparks "
                                          "scatter far less: this recording is not an ignition signal")
                           .arg(decimalsText(100.0 * result.timingNoise / typicalStep, 1))};
    if (fit.residualSquares > std::pow(kMostResidualExcess * result.timingNoise, 2) * double(sparks.size()))
        return Failure{
            tx("PreciseCurve", "the fit cannot follow the sparks (residuals %1 times their scatter)")
                .arg(decimalsText(std::sqrt(fit.residualSquares / double(sparks.size())) / result.timingNoise, 1))};

    // Rows at whole multiples of 10 ms inside the span, or of 20, 30 ... ms
    // when a long pull would give the saved curve more lines than the power
    // computation reads (the saved file leaves out 7 rows at each end).
    const double rpmPerStep = physics::kSecondsPerMinute / settings.sparksPerRev;  // rpm for one step per second
    long long every = 1;                                                           // rows every `every` x 10 ms
    long long firstRow = 0, lastRow = -1, rows = 0;
    for (;; ++every) {
        const double spacing = double(every) * kRowSeconds;
        firstRow = static_cast<long long>(std::ceil(sparks.time.front() / spacing - 1e-9));
        lastRow = static_cast<long long>(std::floor(sparks.time.back() / spacing + 1e-9));
        rows = std::max(0LL, lastRow - firstRow + 1);
        if (settings.maxSavedLines <= 0 || rows <= settings.maxSavedLines + 15LL || rows <= 1)
            break;
    }
    result.rowSeconds = double(every) * kRowSeconds;
    if (rows > kMaxRows) {
        rows = kMaxRows;
        result.truncated = true;
    }
    if (rows < 1)
        return Failure{
            tx("PreciseCurve", "the sparks span less than %1 ms").arg(std::to_string(int(kRowSeconds * 1000)))};
    Curve& curve = result.curve;
    double bestPull = -std::numeric_limits<double>::infinity();
    double lowest = std::numeric_limits<double>::infinity(), highest = -lowest;
    for (long long r = 0; r < rows; ++r) {
        if (r % 1024 == 0 && stopped(0.9 + 0.1 * double(r) / double(rows)))
            return cancelled();
        const double t = double((firstRow + r) * every) * kRowSeconds;
        const Derivatives d = derivativesAt(problem.knots, fit.coefficients, sparks, t);
        const double rpm = d.slope * rpmPerStep;
        lowest = std::min(lowest, rpm);
        highest = std::max(highest, rpm);
        curve.rows[std::size_t(r)] = {static_cast<float>(t), static_cast<float>(rpm)};
        const double pull = d.slope * d.curvature;
        if (pull > bestPull) {
            bestPull = pull;
            result.peakTime = t;
        }
    }
    curve.pointCount = static_cast<int>(rows - 1);
    if (!(lowest >= kLowestRpm && highest <= kHighestRpm))
        return Failure{tx("PreciseCurve",
                          "the fitted engine speed runs from %1 to %2 rpm, outside what an engine turns "
                          "at (%3 to %4 rpm): the fit cannot follow these pulses")
                           .arg(decimalsText(lowest, 0))
                           .arg(decimalsText(highest, 0))
                           .arg(decimalsText(kLowestRpm, 0))
                           .arg(decimalsText(kHighestRpm, 0))};

    // One standard deviation of the speed and of the acceleration at that
    // row: the noise (turned into angle steps) times the fit's spread there.
    Vector slopeMap, curvatureMap;
    const Derivatives peak =
        derivativesAt(problem.knots, fit.coefficients, sparks, result.peakTime, &slopeMap, &curvatureMap);
    const double stepNoise = result.timingNoise / typicalStep;
    const double slopeSd = stepNoise * std::sqrt(std::max(0.0, slopeMap.dot(fit.solver.solve(slopeMap))));
    const double curvatureSd = stepNoise * std::sqrt(std::max(0.0, curvatureMap.dot(fit.solver.solve(curvatureMap))));
    // Speeds are positive here; a pull that never rises leaves the power's
    // share unknown, so infinite.
    {
        const double speedShare = slopeSd / peak.slope;
        double pullShare = peak.curvature > 0 ? curvatureSd / peak.curvature : HUGE_VAL;
        // The curve file keeps 7 significant digits of each speed and a
        // single of each time, and the power computation differences two rows
        // 10 ms apart: that rounding reaches the acceleration too.
        if (peak.curvature > 0) {
            const double rpm = peak.slope * rpmPerStep;
            const double speedQuantum = std::pow(10.0, std::floor(std::log10(rpm)) - 6.0);
            const double timeQuantum = std::ldexp(1.0, std::ilogb(std::max(result.peakTime, 1e-3)) - 23);
            const double rise = peak.curvature * rpmPerStep * result.rowSeconds;  // rpm from one row to the next
            pullShare = std::hypot(pullShare, speedQuantum / std::sqrt(6.0) / rise,
                                   timeQuantum / std::sqrt(6.0) / result.rowSeconds);
        }
        result.rpmUncertaintyPct = 100.0 * speedShare;
        result.powerUncertaintyPct = 100.0 * std::hypot(speedShare, pullShare);
    }
    return result;
}

std::string uncertaintyText(double percent, bool decimalPoint)
{
    // Two significant digits (at most six decimals): the figures run from
    // ten-thousandths of a percent (the speed) to tenths (the power).
    if (!(percent < 100.0))
        return "> 100";
    const int decimals = percent > 0 ? std::clamp(1 - static_cast<int>(std::floor(std::log10(percent))), 1, 6) : 1;
    return decimalsText(percent, decimals, decimalPoint ? DecimalMark::Point : DecimalMark::Comma);
}

std::string uncertaintyLine(double rpmPct, double powerPct, bool decimalPoint)
{
    return tx("PreciseCurve", "Precise: engine speed ± %1 %, power ± %2 % (1 standard deviation)")
        .arg(uncertaintyText(rpmPct, decimalPoint))
        .arg(uncertaintyText(powerPct, decimalPoint));
}

std::string rowSpacingNote(const PreciseCurve& precise, bool decimalPoint)
{
    const int milliseconds = static_cast<int>(std::lround(precise.rowSeconds * 1000.0));
    if (milliseconds <= static_cast<int>(std::lround(kRowSeconds * 1000.0)))
        return {};
    const Curve& c = precise.curve;
    const std::string seconds = decimalsText(c.rows[std::size_t(c.pointCount)].time - c.rows[0].time, 1,
                                             decimalPoint ? DecimalMark::Point : DecimalMark::Comma);
    return tx("PreciseCurve",
              "The pull lasts %1 s: the precise curve has one row every %2 ms so that the power computation reads it "
              "whole")
        .arg(seconds)
        .arg(std::to_string(milliseconds));
}

}  // namespace vornax
