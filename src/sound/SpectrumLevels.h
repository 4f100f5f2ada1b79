// The two sums the tracker works out for every bin of every frame, written
// for speed: the logarithm of each power over the frame's noise, and the
// noise itself, a low quantile of the band's powers.
#pragma once

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numbers>
#include <span>
#include <vector>

namespace vornax {

// log(1 + x) for x >= 0 (or +infinity), within a float's rounding of the
// exact value: about four times quicker than the library's single-precision
// log1p. u = 1 + x is formed in double (exact for every x a power ratio
// takes), split into 2^e * m with m in [sqrt(1/2), sqrt(2)), and log(m) =
// 2 atanh(s), s = (m - 1) / (m + 1), |s| < 0,172, summed to s^11
// (truncation under 1e-10). Where 1 + x rounds, the part of x it lost is
// added back, (x - (u - 1)) / u.
inline float log1pOfNonNegative(float x)
{
    const double xd = x;
    const double u = 1.0 + xd;
    if (!(u < 1e300))
        return x;  // infinity stays infinity, a NaN a NaN
    const auto bits = std::bit_cast<std::uint64_t>(u);
    int e = static_cast<int>(bits >> 52) - 1023;
    double m = std::bit_cast<double>((bits & 0x000f'ffff'ffff'ffffULL) | 0x3ff0'0000'0000'0000ULL);
    if (m > std::numbers::sqrt2) {
        m *= 0.5;
        ++e;
    }
    const double s = (m - 1.0) / (m + 1.0), s2 = s * s;
    const double series = 1.0 + s2 * (1.0 / 3 + s2 * (1.0 / 5 + s2 * (1.0 / 7 + s2 * (1.0 / 9 + s2 * (1.0 / 11)))));
    const double lost = (xd - (u - 1.0)) / u;
    return static_cast<float>(e * std::numbers::ln2 + 2.0 * s * series + lost);
}

// The value std::nth_element would put at `rank` (from 0) of `values`, the
// same one, found quicker where `guess` lies near it (the last frame's, say;
// any positive value, or 0 for none): only the values within a factor 1,5 of
// the guess are ordered when the rank falls among them. `scratch` keeps its
// room from one call to the next.
inline float valueAtRank(std::span<const float> values, std::size_t rank, float guess, std::vector<float>& scratch)
{
    if (guess > 0 && std::isfinite(guess)) {
        const float low = guess / 1.5f, high = guess * 1.5f;
        std::size_t below = 0;
        scratch.clear();
        for (const float v : values) {
            below += v < low ? 1 : 0;
            if (v >= low && v < high)
                scratch.push_back(v);
        }
        if (rank >= below && rank - below < scratch.size()) {
            const auto at = scratch.begin() + std::ptrdiff_t(rank - below);
            std::nth_element(scratch.begin(), at, scratch.end());
            return *at;
        }
    }
    scratch.assign(values.begin(), values.end());
    const auto at = scratch.begin() + std::ptrdiff_t(rank);
    std::nth_element(scratch.begin(), at, scratch.end());
    return *at;
}

}  // namespace vornax
