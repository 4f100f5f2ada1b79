// The quick sums of the tracker's frames against the plain ones they stand
// in for: the same quantile, the same logarithm to a float's rounding, and
// a transform whose powers are a sine's.
#include "sound/PowerSpectrum.h"
#include "sound/SpectrumLevels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <random>

namespace vornax {
namespace {

TEST(SpectrumLevels, Log1pHoldsToTheLibrarysOverEveryRange)
{
    // Tiny ratios (where 1 + x rounds), near 1, and the far top of a frame.
    for (const double low : {1e-30, 1e-9, 1e-4, 0.1, 1.0, 100.0, 1e6, 1e20, 1e36}) {
        SCOPED_TRACE(low);
        for (int i = 0; i <= 200; ++i) {
            const auto x = static_cast<float>(low * std::pow(10.0, i / 100.0));
            const double exact = std::log1p(double(x));
            EXPECT_NEAR(log1pOfNonNegative(x), exact, 2.5e-7 * exact + 1e-45);
        }
    }
    EXPECT_EQ(log1pOfNonNegative(0.0f), 0.0f);
    EXPECT_EQ(log1pOfNonNegative(std::numeric_limits<float>::infinity()), std::numeric_limits<float>::infinity());
    EXPECT_TRUE(std::isnan(log1pOfNonNegative(std::numeric_limits<float>::quiet_NaN())));
}

TEST(SpectrumLevels, ValueAtRankIsNthElementsWhateverTheGuess)
{
    std::mt19937 random(7);
    std::lognormal_distribution<float> spread(0.0f, 3.0f);
    std::vector<float> scratch;
    for (const std::size_t n : {std::size_t(1), std::size_t(2), std::size_t(37), std::size_t(920)}) {
        std::vector<float> values(n);
        for (float& v : values)
            v = spread(random);
        // Repeated values too: a silent stretch gives many equal powers.
        if (n > 10)
            std::fill(values.begin(), values.begin() + std::ptrdiff_t(n / 3), values[n / 2]);
        std::vector<float> sorted = values;
        std::sort(sorted.begin(), sorted.end());
        for (const std::size_t rank : {std::size_t(0), n * 3 / 10, n - 1}) {
            // No guess, the answer itself, near it, far off on either side.
            for (const float guess : {0.0f, sorted[rank], sorted[rank] * 1.2f, 1e-30f, 1e30f}) {
                SCOPED_TRACE(testing::Message() << n << " values, rank " << rank << ", guess " << guess);
                EXPECT_EQ(valueAtRank(values, rank, guess, scratch), sorted[rank]);
            }
        }
    }
}

TEST(PowerSpectrum, ASinesPowerLiesInItsBinAndNowhereElse)
{
    for (const int size : {16, 1024, 4096}) {
        SCOPED_TRACE(size);
        PowerSpectrum spectrum(size);
        ASSERT_TRUE(spectrum.ready());
        const int bin = size / 8;
        const auto in = spectrum.input();
        ASSERT_EQ(in.size(), std::size_t(size));
        for (int k = 0; k < size; ++k)
            in[std::size_t(k)] = static_cast<float>(0.5 * std::cos(2 * std::numbers::pi * bin * k / size));
        std::vector<float> power;
        spectrum.powers(power);
        ASSERT_EQ(power.size(), std::size_t(size / 2 + 1));
        // Amplitude 0,5 over `size` samples: (0,5 * size / 2)^2 in its bin.
        const double expected = std::pow(0.25 * size, 2);
        for (std::size_t k = 0; k < power.size(); ++k)
            EXPECT_NEAR(power[k], k == std::size_t(bin) ? expected : 0.0, 1e-5 * expected) << k;
        // The input is left for the next frame; asking fewer bins leaves the rest.
        EXPECT_NEAR(in[1], 0.5 * std::cos(2 * std::numbers::pi * bin / size), 1e-6);
        power.assign(power.size(), -1.0f);
        spectrum.powers(power, 4);
        EXPECT_NEAR(power[3], 0.0, 1e-5 * expected);
        EXPECT_EQ(power[4], -1.0f);
    }
    EXPECT_FALSE(PowerSpectrum(8).ready());
}

}  // namespace
}  // namespace vornax
