#include "speedlog/SpeedFit.h"

#include <Eigen/Dense>

#include <algorithm>
#include <cmath>

namespace vornax {
namespace {

constexpr int kFewestFixes = 8;
constexpr double kShortestSpan = 1.0;
// Knots at the log's spacing, never closer than this (a faster logger gives
// more fixes per knot, not a finer curve: the engine's pull changes slowly).
constexpr double kFinestKnots = 0.1;
// Var(Δ³e) = (1 + 9 + 9 + 1) σ² for independent fixes.
constexpr double kThirdDifferenceGain = 20.0;
// A normal law's median absolute value, in standard deviations.
constexpr double kMedianAbsNormal = 0.6744897501960817;

// Uniform cubic B-spline pieces at u in [0, 1): values and slopes (per knot
// interval) of the four functions that are not zero.
void cubicPieces(double u, double* v, double* d)
{
    const double w = 1 - u;
    v[0] = w * w * w / 6;
    v[1] = (3 * u * u * u - 6 * u * u + 4) / 6;
    v[2] = (-3 * u * u * u + 3 * u * u + 3 * u + 1) / 6;
    v[3] = u * u * u / 6;
    d[0] = -w * w / 2;
    d[1] = (9 * u * u - 12 * u) / 6;
    d[2] = (-9 * u * u + 6 * u + 3) / 6;
    d[3] = u * u / 2;
}

double measuredNoise(const std::vector<SpeedFix>& f)
{
    std::vector<double> third;
    for (std::size_t i = 3; i < f.size(); ++i)
        third.push_back(std::abs(f[i].speed - 3 * f[i - 1].speed + 3 * f[i - 2].speed - f[i - 3].speed));
    auto middle = third.begin() + std::ptrdiff_t(third.size() / 2);
    std::nth_element(third.begin(), middle, third.end());
    return *middle / kMedianAbsNormal / std::sqrt(kThirdDifferenceGain);
}

// A logger faster than the knots gives several fixes per knot: each run of
// fixes within one knot spacing becomes one fix, its mean time and speed, so
// that the fit sees a 10 Hz log of less noise.
std::vector<SpeedFix> binned(const std::vector<SpeedFix>& fixes)
{
    if (fixes.size() < 2 || (fixes.back().time - fixes.front().time) / double(fixes.size() - 1) >= kFinestKnots)
        return fixes;
    std::vector<SpeedFix> out;
    const double t0 = fixes.front().time;
    std::size_t i = 0;
    while (i < fixes.size()) {
        const long bin = long(std::floor((fixes[i].time - t0) / kFinestKnots));
        double time = 0, speed = 0;
        std::size_t count = 0;
        for (; i < fixes.size() && long(std::floor((fixes[i].time - t0) / kFinestKnots)) == bin; ++i, ++count) {
            time += fixes[i].time;
            speed += fixes[i].speed;
        }
        SpeedFix mean = fixes[i - 1];
        mean.time = time / double(count);
        mean.speed = speed / double(count);
        out.push_back(mean);
    }
    return out;
}

}  // namespace

SpeedFit::Basis SpeedFit::basis(double t) const
{
    const double x = (t - t0_) / h_;
    const int i = std::clamp(int(std::floor(x)), 0, intervals_ - 1);
    Basis b;
    b.first = i;
    cubicPieces(x - i, b.value, b.slope);
    for (double& s : b.slope)
        s /= h_;
    return b;
}

Result<SpeedFit> SpeedFit::make(const std::vector<SpeedFix>& logged)
{
    const std::vector<SpeedFix> fixes = binned(logged);
    if (fixes.size() < std::size_t(kFewestFixes) || fixes.back().time - fixes.front().time < kShortestSpan)
        return Failure{"too few fixes for a curve (at least 8 over 1 s)"};
    SpeedFit fit;
    const double span = fixes.back().time - fixes.front().time;
    const double spacing = span / double(fixes.size() - 1);
    fit.t0_ = fixes.front().time;
    fit.intervals_ = std::max(1, int(std::ceil(span / std::max(kFinestKnots, spacing) - 1e-9)));
    fit.h_ = span / fit.intervals_;
    const int m = fit.intervals_ + 3;

    Eigen::MatrixXd gram = Eigen::MatrixXd::Zero(m, m);
    Eigen::VectorXd rhs = Eigen::VectorXd::Zero(m);
    for (const SpeedFix& f : fixes) {
        const Basis b = fit.basis(f.time);
        for (int r = 0; r < 4; ++r) {
            rhs(b.first + r) += b.value[r] * f.speed;
            for (int c = 0; c < 4; ++c)
                gram(b.first + r, b.first + c) += b.value[r] * b.value[c];
        }
    }
    Eigen::MatrixXd diff = Eigen::MatrixXd::Zero(m - 3, m);
    for (int k = 0; k + 3 < m; ++k) {
        diff(k, k) = -1;
        diff(k, k + 1) = 3;
        diff(k, k + 2) = -3;
        diff(k, k + 3) = 1;
    }
    const Eigen::MatrixXd penalty = diff.transpose() * diff;
    const double scale = gram.trace() / penalty.trace();
    const double noise = std::max(measuredNoise(fixes), 1e-6);
    const double n = double(fixes.size());

    // f(λ) = residual sum − n σ² rises with λ: bisect its root in
    // decades of the data's own scale.
    struct Trial {
        Eigen::VectorXd c;
        Eigen::MatrixXd inverse;
        double excess = 0;
    };
    auto trial = [&](double decade) {
        Trial out;
        const Eigen::MatrixXd system = gram + std::pow(10.0, decade) * scale * penalty;
        const Eigen::LDLT<Eigen::MatrixXd> solver(system);
        out.c = solver.solve(rhs);
        out.inverse = solver.solve(Eigen::MatrixXd::Identity(m, m));
        double residual = 0;
        for (const SpeedFix& f : fixes) {
            const Basis b = fit.basis(f.time);
            double v = 0;
            for (int r = 0; r < 4; ++r)
                v += b.value[r] * out.c(b.first + r);
            residual += (f.speed - v) * (f.speed - v);
        }
        out.excess = residual - n * noise * noise;
        return out;
    };
    double low = -6, high = 8;
    Trial best = trial(low);
    if (best.excess < 0) {
        if (trial(high).excess <= 0) {
            best = trial(high);
        } else {
            for (int step = 0; step < 30; ++step) {
                const double middle = 0.5 * (low + high);
                Trial t = trial(middle);
                if (t.excess < 0) {
                    low = middle;
                    best = std::move(t);
                } else {
                    high = middle;
                }
            }
        }
    }
    fit.noise_ = noise;
    fit.coefficients_.assign(best.c.data(), best.c.data() + m);
    // Cov(c) = σ² A⁻¹ G A⁻¹ for the system A = G + λP.
    const Eigen::MatrixXd cov = noise * noise * best.inverse * gram * best.inverse;
    fit.covariance_.resize(std::size_t(m) * m);
    for (int r = 0; r < m; ++r)
        for (int c = 0; c < m; ++c)
            fit.covariance_[std::size_t(r) * m + c] = cov(r, c);
    return fit;
}

double SpeedFit::speed(double t) const
{
    const Basis b = basis(t);
    double v = 0;
    for (int r = 0; r < 4; ++r)
        v += b.value[r] * coefficients_[std::size_t(b.first + r)];
    return v;
}

double SpeedFit::acceleration(double t) const
{
    const Basis b = basis(t);
    double a = 0;
    for (int r = 0; r < 4; ++r)
        a += b.slope[r] * coefficients_[std::size_t(b.first + r)];
    return a;
}

double SpeedFit::speedSd(double t) const
{
    const Basis b = basis(t);
    const std::size_t m = coefficients_.size();
    double var = 0;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            var += b.value[r] * b.value[c] * covariance_[std::size_t(b.first + r) * m + std::size_t(b.first + c)];
    return std::sqrt(std::max(var, 0.0));
}

double SpeedFit::accelerationSd(double t) const
{
    const Basis b = basis(t);
    const std::size_t m = coefficients_.size();
    double var = 0;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            var += b.slope[r] * b.slope[c] * covariance_[std::size_t(b.first + r) * m + std::size_t(b.first + c)];
    return std::sqrt(std::max(var, 0.0));
}

}  // namespace vornax
