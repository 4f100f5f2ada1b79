// Smoothing of the engine-speed curve ("Filtrer"): block averaging, then one
// Bezier curve through rows taken at a fixed spacing. Both replace the curve
// and its point count.
#pragma once

#include "common/Result.h"
#include "signal/Curve.h"

#include <vector>

namespace vornax {

struct SmoothingSettings {
    bool average = true;  // run AverageCurve
    int level = 1;        // averaging level L, 1..4
    bool bezier = true;   // run the Bezier stage
    int skipped = 10;     // points skipped by the Bezier stage: spacing = skipped + 1
};

// `AverageCurve` (level 1..4), in place, with N = pointCount: for each
// i <= N / L, row i becomes the running mean acc = (row(i*L + j) + acc) / 2
// for j = 0..L starting from row i (rounded to single at every halving), so
// every earlier term weighs half as much; pointCount = nearest(N / L - 1).
// For L = 1 row i becomes (row i + row i+1) / 2 and the count drops by one.
void AverageCurve(Curve& curve, int level);

// `Binomial` (m, k): the product over q = 1..m-k of (k / q + 1) in double
// when m > 0, k > 0 and k != m; otherwise 1. Infinite once it passes the
// largest double.
double Binomial(int m, int k);

// `BezierPoint`: the sum over i = 0..n-1 of Binomial(n-1, i) (1-t)^(n-1-i)
// t^i P[i], in double, the running sum kept in single precision; 0 for no
// point. A term whose binomial overflows a double is evaluated through
// logarithms, so the result is never NaN nor infinite.
float BezierPoint(const std::vector<float>& points, float t);

// The Bezier stage with spacing s >= 1: control points at rows k*s for
// k = 1..nearest(N / s); rows 0..989 become the curve at t = 0.001, 0.002,
// .. 0.99 (t accumulated in single precision); pointCount = i - 1 for the
// last i in 1..980 whose time does not decrease to row i+1 (979 for a curve
// whose time rises throughout), 980 if there is none. Rows past 989 keep
// their values.
void bezierStage(Curve& curve, int spacing, const Progress& progress = {});

// Steps 2 and 3 of "Filtrer": averaging then Bezier, as the settings ask.
// Refuses a level outside 1..4 or a negative number of skipped points.
Status smoothCurve(Curve& curve, const SmoothingSettings& settings, const Progress& progress = {});

}  // namespace vornax
