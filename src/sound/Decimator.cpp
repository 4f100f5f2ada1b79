#include "sound/Decimator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace vornax {
namespace {

constexpr double kStopDb = 80;
constexpr double kPassEdge = 0.4;  // of the output rate
constexpr double kStopEdge = 0.6;

// The modified Bessel function of the first kind, order 0, by its series.
double besselI0(double x)
{
    double sum = 1, term = 1;
    const double q = x * x / 4;
    for (int k = 1; k < 64 && term > 1e-12 * sum; ++k) {
        term *= q / (double(k) * k);
        sum += term;
    }
    return sum;
}

}  // namespace

int soundDecimationFactor(double rate) { return std::max(1, static_cast<int>(rate / 5000.0)); }

Decimator::Decimator(int factor) : factor_(std::max(1, factor))
{
    if (factor_ == 1) {
        half_ = 0;
        taps_ = {1.0f};
        return;
    }
    // Kaiser's design: beta and length from the attenuation and the width
    // of the transition band (in radians a sample of the input).
    const double beta = 0.1102 * (kStopDb - 8.7);
    const double width = 2 * std::numbers::pi * (kStopEdge - kPassEdge) / factor_;
    const int length = static_cast<int>(std::ceil((kStopDb - 8) / (2.285 * width))) + 1;
    half_ = length / 2;
    const double cutoff = 0.5 * (kPassEdge + kStopEdge) / factor_;  // of the input rate
    taps_.resize(std::size_t(2 * half_ + 1));
    const double norm = besselI0(beta);
    double sum = 0;
    for (int k = -half_; k <= half_; ++k) {
        const double x = 2 * std::numbers::pi * cutoff * k;
        const double sinc = k == 0 ? 1.0 : std::sin(x) / x;
        const double r = double(k) / (half_ + 1);
        const double w = besselI0(beta * std::sqrt(std::max(0.0, 1 - r * r))) / norm;
        sum += sinc * w;
        taps_[std::size_t(k + half_)] = static_cast<float>(sinc * w);
    }
    for (float& t : taps_)
        t = static_cast<float>(t / sum);
    pending_.assign(std::size_t(half_), 0.0f);
}

void Decimator::emit(std::vector<float>& out, std::size_t owed)
{
    const std::size_t span = taps_.size();
    while (emitted_ < owed && pending_.size() - start_ >= span) {
        // Eight sums side by side, so that the compiler can keep them in one
        // vector register (a single sum must be added in order).
        const float* x = pending_.data() + start_;
        const float* t = taps_.data();
        std::array<float, 8> acc{};
        std::size_t k = 0;
        for (; k + 8 <= span; k += 8)
            for (std::size_t j = 0; j < 8; ++j)
                acc[j] += t[k + j] * x[k + j];
        float sum = ((acc[0] + acc[4]) + (acc[1] + acc[5])) + ((acc[2] + acc[6]) + (acc[3] + acc[7]));
        for (; k < span; ++k)
            sum += t[k] * x[k];
        out.push_back(sum);
        ++emitted_;
        start_ += std::size_t(factor_);
    }
    // The samples no output needs any more go, now and then.
    if (start_ > 1 << 16) {
        const std::size_t drop = std::min(start_, pending_.size());
        pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(drop));
        start_ -= drop;
    }
}

void Decimator::feed(std::span<const float> in, std::vector<float>& out)
{
    if (factor_ == 1) {
        out.insert(out.end(), in.begin(), in.end());
        consumed_ += in.size();
        emitted_ += in.size();
        return;
    }
    // Never more than one block beyond what the filter needs.
    for (std::size_t at = 0; at < in.size();) {
        const std::size_t n = std::min<std::size_t>(in.size() - at, 1 << 15);
        pending_.insert(pending_.end(), in.begin() + static_cast<std::ptrdiff_t>(at),
                        in.begin() + static_cast<std::ptrdiff_t>(at + n));
        consumed_ += n;
        at += n;
        emit(out, consumed_ / std::size_t(factor_));
    }
}

void Decimator::finish(std::vector<float>& out)
{
    if (factor_ == 1)
        return;
    pending_.insert(pending_.end(), std::size_t(half_), 0.0f);
    emit(out, consumed_ / std::size_t(factor_));
}

std::vector<float> decimateAll(std::span<const float> in, int factor)
{
    Decimator d(factor);
    std::vector<float> out;
    out.reserve(in.size() / std::size_t(d.factor()) + 1);
    d.feed(in, out);
    d.finish(out);
    return out;
}

}  // namespace vornax
