#include "sound/Spectrogram.h"

#include "sound/PowerSpectrum.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <numbers>

namespace vornax {
namespace {

constexpr int kMostColumns = 4000;
constexpr int kMostRows = 2000;
constexpr int kLargestTransform = 1 << 16;

}  // namespace

double Spectrogram::rowOf(double hz) const
{
    if (logFrequency)
        return rows * (std::log(highHz) - std::log(hz)) / (std::log(highHz) - std::log(lowHz));
    return rows * (highHz - hz) / (highHz - lowHz);
}

double Spectrogram::hzAt(double row) const
{
    if (logFrequency)
        return std::exp(std::log(highHz) - row / rows * (std::log(highHz) - std::log(lowHz)));
    return highHz - row / rows * (highHz - lowHz);
}

Result<Spectrogram> spectrogram(std::span<const float> samples, double rate, const SpectrogramSettings& settings,
                                const SpectrogramProgress& progress)
{
    if (samples.empty() || !(rate > 0) || !std::isfinite(rate))
        return Failure{"the recording holds no sound to draw"};
    const double length = double(samples.size()) / rate;
    Spectrogram out;
    out.start = std::max(0.0, settings.start);
    out.end = settings.end < 0 ? length : std::min(settings.end, length);
    if (!(out.end > out.start))
        return Failure{"the range to draw lies outside the recording"};
    out.lowHz = settings.lowHz;
    out.highHz = std::min(settings.highHz, rate / 2);
    out.logFrequency = settings.logFrequency;
    if (!(out.lowHz >= 0) || !(out.highHz > out.lowHz) || (out.logFrequency && !(out.lowHz > 0)))
        return Failure{"the frequency range to draw is empty"};
    out.columns = std::clamp(settings.columns, 2, kMostColumns);
    out.rows = std::clamp(settings.rows, 2, kMostRows);

    // The window in samples, and a transform twice as long (at least), so
    // that a line between two bins still shows near its level.
    const int window = std::clamp(static_cast<int>(std::lround(std::clamp(settings.windowSeconds, 0.001, 2.0) * rate)),
                                  16, kLargestTransform / 2);
    const int size = static_cast<int>(std::bit_ceil(static_cast<unsigned>(2 * window)));
    PowerSpectrum transform(size);
    if (!transform.ready())
        return Failure{"the transform could not be set up"};

    std::vector<float> hann(static_cast<std::size_t>(window));
    double windowSum = 0;
    for (int k = 0; k < window; ++k) {
        hann[std::size_t(k)] = static_cast<float>(0.5 - 0.5 * std::cos(2 * std::numbers::pi * (k + 0.5) / window));
        windowSum += hann[std::size_t(k)];
    }
    // A full-scale sine peaks at (sum of the window / 2) in its bin.
    const double reference = windowSum * windowSum / 4;
    const double binHz = rate / size;

    // Each row's band of bins, worked out once for every column.
    struct Band {
        double low, high;  // bin positions
    };
    std::vector<Band> bands(static_cast<std::size_t>(out.rows));
    for (int r = 0; r < out.rows; ++r)
        bands[std::size_t(r)] = {out.hzAt(r + 1) / binHz, out.hzAt(r) / binHz};

    const std::span<float> in = transform.input();
    std::vector<float> power;
    out.db.assign(std::size_t(out.columns) * std::size_t(out.rows), 0.0f);
    out.peakDb = -400;
    const double step = out.columnSeconds();
    const auto count = static_cast<std::ptrdiff_t>(samples.size());
    for (int c = 0; c < out.columns; ++c) {
        if (progress && !progress(double(c) / out.columns))
            return Failure{"stopped"};
        const double centre = (out.start + (c + 0.5) * step) * rate;
        const auto first = static_cast<std::ptrdiff_t>(std::floor(centre - window / 2.0));
        std::fill(in.begin(), in.end(), 0.0f);
        for (int k = 0; k < window; ++k) {
            const std::ptrdiff_t at = first + k;
            if (at >= 0 && at < count)
                in[std::size_t(k)] = samples[std::size_t(at)] * hann[std::size_t(k)];
        }
        transform.powers(power);
        const double last = double(power.size() - 1);
        for (int r = 0; r < out.rows; ++r) {
            const Band b = bands[std::size_t(r)];
            const double from = std::ceil(b.low), to = std::floor(std::min(b.high, last));
            double p = 0;
            if (to >= from) {
                for (auto k = static_cast<std::size_t>(from); k <= static_cast<std::size_t>(to); ++k)
                    p = std::max(p, double(power[k]));
            } else {
                const double mid = std::clamp((b.low + b.high) / 2, 0.0, last);
                const auto below = static_cast<std::size_t>(std::floor(mid));
                const std::size_t above = std::min(below + 1, power.size() - 1);
                const double f = mid - double(below);
                p = (1 - f) * power[below] + f * power[above];
            }
            const float level = static_cast<float>(10.0 * std::log10(p / reference + 1e-30));
            out.db[std::size_t(r) * std::size_t(out.columns) + std::size_t(c)] = level;
            out.peakDb = std::max(out.peakDb, level);
        }
    }
    if (progress)
        progress(1.0);
    return out;
}

}  // namespace vornax
