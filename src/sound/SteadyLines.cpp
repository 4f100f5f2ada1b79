#include "sound/SteadyLines.h"

#include "sound/PowerSpectrum.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

namespace vornax {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr int kMostSegments = 48;      // spread over a long recording
constexpr double kSegmentSeconds = 4;  // at most
constexpr double kStandsDb = 20;       // above the neighbourhood
constexpr double kNeighbourhoodHz = 4;
constexpr double kSteadyShare = 0.75;  // of the segments
constexpr double kNotchSeconds = 2;    // the notch's time constant: about 1 / (pi x 2 s) = 0,16 Hz wide

// One pass of the notch at `hz` over `y`, from its start (`step` 1) or its
// end (`step` -1): the recording less its part within the notch, that part
// being the line's phasor followed with a time constant of kNotchSeconds and
// started from its mean over the first kNotchSeconds, so that the line is
// taken out from the first sample on.
void notchPass(std::vector<float>& y, double rate, double hz, int step)
{
    const std::size_t n = y.size();
    const double w = kTwoPi * hz / rate;
    const double alpha = 1.0 / (kNotchSeconds * rate);
    const auto at = [&](std::size_t k) { return step > 0 ? k : n - 1 - k; };
    // The phasor of sample `at(k)` turns with the sample's own index, so the
    // two passes agree on the line's phase.
    const auto turn = [&](std::size_t k) { return std::polar(1.0, -w * double(at(k))); };
    const auto first = std::min(n, static_cast<std::size_t>(kNotchSeconds * rate));
    std::complex<double> line = 0;
    for (std::size_t k = 0; k < first; ++k)
        line += double(y[at(k)]) * turn(k);
    line /= double(std::max<std::size_t>(first, 1));
    constexpr std::size_t kExactEvery = 4096;  // the turning phasor taken afresh
    std::complex<double> phasor = 1;
    const std::complex<double> rotate = std::polar(1.0, -w * step);
    for (std::size_t k = 0; k < n; ++k) {
        if (k % kExactEvery == 0)
            phasor = turn(k);
        const std::size_t i = at(k);
        line += alpha * (double(y[i]) * phasor - line);
        y[i] = static_cast<float>(y[i] - 2.0 * (line * std::conj(phasor)).real());
        phasor *= rotate;
    }
}

}  // namespace

std::vector<SteadyLine> findSteadyLines(std::span<const float> y, double rate, double lowHz, double highHz)
{
    int size = 1024;
    while (size * 2 <= kSegmentSeconds * rate && y.size() >= 4 * std::size_t(size) * 2)
        size *= 2;
    const std::size_t available = y.size() / std::size_t(size);
    if (available < 4 || !(rate > 0))
        return {};
    const int segments = static_cast<int>(std::min<std::size_t>(available, kMostSegments));
    PowerSpectrum spectrum(size);
    if (!spectrum.ready())
        return {};
    const double binHz = rate / size;
    const int around = std::max(3, static_cast<int>(std::lround(kNeighbourhoodHz / binHz)));
    const int first = std::max(around + 1, static_cast<int>(std::floor(lowHz / binHz)));
    const int last = std::min(size / 2 - around - 1, static_cast<int>(std::ceil(highHz / binHz)));
    if (last <= first)
        return {};
    std::vector<float> hann(static_cast<std::size_t>(size));
    for (int k = 0; k < size; ++k)
        hann[std::size_t(k)] = static_cast<float>(0.5 - 0.5 * std::cos(kTwoPi * (k + 0.5) / size));
    const auto bins = static_cast<std::size_t>(last + around + 1);
    std::vector<int> hits(bins, 0);
    std::vector<double> sumHz(bins, 0.0), sumDb(bins, 0.0);
    std::vector<float> p, near;
    const double threshold = std::pow(10.0, kStandsDb / 10);
    for (int s = 0; s < segments; ++s) {
        const std::size_t start = std::size_t(s) * (available / std::size_t(segments)) * std::size_t(size);
        const std::span<float> in = spectrum.input();
        for (int k = 0; k < size; ++k)
            in[std::size_t(k)] = y[start + std::size_t(k)] * hann[std::size_t(k)];
        spectrum.powers(p, bins);
        for (int k = first; k <= last; ++k) {
            const float here = p[std::size_t(k)];
            if (!(here > 0) || here < p[std::size_t(k - 1)] || here < p[std::size_t(k + 1)])
                continue;
            // The neighbourhood without the line's own three bins.
            near.clear();
            for (int j = k - around; j <= k + around; ++j)
                if (std::abs(j - k) > 1)
                    near.push_back(p[std::size_t(j)]);
            std::nth_element(near.begin(), near.begin() + std::ptrdiff_t(near.size() / 2), near.end());
            const double median = near[near.size() / 2];
            if (!(here > threshold * median))
                continue;
            // The peak between bins, from the log powers of its three.
            const double a = std::log(std::max(p[std::size_t(k - 1)], 1e-30f)), b = std::log(here),
                         c = std::log(std::max(p[std::size_t(k + 1)], 1e-30f));
            const double curve = a - 2 * b + c;
            const double shift = curve < 0 ? std::clamp(0.5 * (a - c) / curve, -0.5, 0.5) : 0.0;
            ++hits[std::size_t(k)];
            sumHz[std::size_t(k)] += (k + shift) * binHz;
            sumDb[std::size_t(k)] += 10 * std::log10(here / median);
        }
    }
    std::vector<SteadyLine> lines;
    const double enough = kSteadyShare * segments;
    for (int k = first; k <= last; ++k) {
        const int h = hits[std::size_t(k)];
        const int total = hits[std::size_t(k - 1)] + h + hits[std::size_t(k + 1)];
        // A line wandering across two bins counts once, on its fuller one.
        if (total < enough || h < hits[std::size_t(k - 1)] || h <= hits[std::size_t(k + 1)])
            continue;
        double hz = 0, db = 0;
        for (int j = k - 1; j <= k + 1; ++j) {
            hz += sumHz[std::size_t(j)];
            db += sumDb[std::size_t(j)];
        }
        lines.push_back({hz / total, db / total});
    }
    return lines;
}

void removeSteadyLines(std::vector<float>& y, double rate, std::span<const SteadyLine> lines)
{
    for (const SteadyLine& line : lines) {
        notchPass(y, rate, line.hz, 1);
        notchPass(y, rate, line.hz, -1);
    }
}

}  // namespace vornax
