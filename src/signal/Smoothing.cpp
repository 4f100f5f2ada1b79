#include "signal/Smoothing.h"

#include "common/Translation.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vornax {
namespace {

// log of Binomial(m, k): from the value itself while it is finite, through
// log-gamma once the product has overflowed.
double logBinomial(int m, int k, double value)
{
    if (std::isfinite(value))
        return std::log(value);
    return std::lgamma(m + 1.0) - std::lgamma(k + 1.0) - std::lgamma(m - k + 1.0);
}

// x^e for a whole e >= 0 in logarithms, with x^0 = 1 even for x = 0.
double logPower(double logX, int e) { return e == 0 ? 0.0 : e * logX; }

// One term Binomial * (1-t)^j * t^i as the formula computes it, or through
// logarithms when the binomial has overflowed (the formula would give NaN or
// infinity there although the term itself is at most 1).
double bezierWeight(double binomial, double logB, double powU, double powT, double logU, double logT, int j, int i)
{
    if (std::isfinite(binomial))
        return binomial * powU * powT;
    return std::exp(logB + logPower(logU, j) + logPower(logT, i));
}

}  // namespace

void AverageCurve(Curve& curve, int level)
{
    const int n = curve.pointCount;
    const double last = double(n) / level;
    // Row i is written only after rows i*L..i*L+L have been read, so every
    // read but the starting value sees rows not yet averaged.
    for (std::int64_t i = 0; i <= last && i <= Curve::kLastRow; ++i) {
        CurvePoint acc = curve.at(i);
        for (int j = 0; j <= level; ++j) {
            const CurvePoint row = curve.at(i * level + j);
            acc.time = (row.time + acc.time) / 2.0f;
            acc.speed = (row.speed + acc.speed) / 2.0f;
        }
        curve.rows[static_cast<std::size_t>(i)] = acc;
    }
    curve.pointCount = static_cast<int>(std::nearbyint(last - 1.0));
}

double Binomial(int m, int k)
{
    if (!(m > 0 && k > 0 && k != m))
        return 1.0;
    double product = 1.0;
    for (int q = 1; q <= m - k; ++q) {
        product *= double(k) / q + 1.0;
        if (std::isinf(product))
            break;  // every factor is above 1: it stays infinite
    }
    return product;
}

float BezierPoint(const std::vector<float>& points, float t)
{
    const int n = static_cast<int>(points.size());
    const double u = 1.0 - double(t);
    const double logU = std::log(u), logT = std::log(double(t));
    float sum = 0.0f;
    for (int i = 0; i < n; ++i) {
        const int j = n - 1 - i;
        const double b = Binomial(n - 1, i);
        const double logB = std::isfinite(b) ? 0.0 : logBinomial(n - 1, i, b);
        const double w = bezierWeight(b, logB, std::pow(u, j), std::pow(double(t), i), logU, logT, j, i);
        sum = static_cast<float>(double(sum) + w * points[static_cast<std::size_t>(i)]);
    }
    return sum;
}

void bezierStage(Curve& curve, int spacing, const Progress& progress)
{
    const int count = curve.pointCount;
    const int n = std::max(0, static_cast<int>(std::nearbyint(double(count) / spacing)));
    std::vector<double> pt(n), ps(n), logMaxP(n), b(n), logB(n), powU(n), powT(n);
    for (int k = 1; k <= n; ++k) {
        const CurvePoint row = curve.at(std::int64_t(k) * spacing);
        pt[k - 1] = row.time;
        ps[k - 1] = row.speed;
        logMaxP[k - 1] = std::log(std::max(std::fabs(pt[k - 1]), std::fabs(ps[k - 1])));
    }
    for (int i = 0; i < n; ++i) {
        b[i] = Binomial(n - 1, i);
        logB[i] = logBinomial(n - 1, i, b[i]);
    }

    // A term below 2^-150 (about e^-104) cannot change a running single sum:
    // it is less than half the smallest step of a single. Such terms are
    // skipped, which gives exactly the sum of every term, far faster; the
    // margin covers the rounding of the logarithms.
    constexpr double kNegligible = -104.5;

    float t = 0.001f;
    int step = 0;
    while (t <= 0.99f) {
        const double td = t, u = 1.0 - td;
        const double logU = std::log(u), logT = std::log(td);
        if (n > 0) {
            powU[0] = powT[0] = 1.0;
            for (int e = 1; e < n; ++e) {
                powU[e] = powU[e - 1] * u;
                powT[e] = powT[e - 1] * td;
            }
        }
        float sumT = 0.0f, sumS = 0.0f;
        for (int i = 0; i < n; ++i) {
            const int j = n - 1 - i;
            if (logB[i] + logPower(logU, j) + logPower(logT, i) + logMaxP[i] < kNegligible)
                continue;
            const double w = bezierWeight(b[i], logB[i], powU[j], powT[i], logU, logT, j, i);
            sumT = static_cast<float>(double(sumT) + w * pt[i]);
            sumS = static_cast<float>(double(sumS) + w * ps[i]);
        }
        const auto row = static_cast<std::size_t>(std::nearbyint((td - 0.001) * 1000.0));
        curve.rows[row] = {sumT, sumS};
        if (progress && (++step & 15) == 0)
            progress(static_cast<int>(std::nearbyint(td * 10000.0)));
        t += 0.001f;
    }

    // The curve ends just before the last place where its time still rises
    // (the formula as it stands: a rising curve keeps rows 0..979).
    curve.pointCount = 980;
    for (int i = 1; i <= 980; ++i)
        if (curve.rows[i].time <= curve.rows[i + 1].time)
            curve.pointCount = i - 1;
}

Status smoothCurve(Curve& curve, const SmoothingSettings& settings, const Progress& progress)
{
    if (settings.average && (settings.level < 1 || settings.level > 4))
        return Failure{tx("Smoothing", "Niveau du filtre: de 1 à 4")};
    if (settings.bezier && settings.skipped < 0)
        return Failure{tx("Smoothing", "Nombre de point sauté par Bezier: un entier positif")};
    if (settings.average)
        AverageCurve(curve, settings.level);
    if (settings.bezier)
        bezierStage(curve, std::min(settings.skipped, Curve::kLastRow + 1) + 1, progress);
    if (progress)
        progress(10000);
    return success();
}

}  // namespace vornax
