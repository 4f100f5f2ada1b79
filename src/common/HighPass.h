// A second-order Butterworth high-pass section, the bilinear transform of the
// analogue filter: -3 dB at `hz`, 12 dB an octave below it. A corner of 0 or
// less passes everything unchanged.
#pragma once

#include <cmath>
#include <numbers>

namespace vornax {

class HighPass {
public:
    // `settle`: the level the filter starts as if it had always seen, so that
    // an offset at the start of a signal gives no step (not finite: 0).
    HighPass(double hz, double rate, double settle = 0.0)
    {
        x1_ = x2_ = std::isfinite(settle) ? settle : 0.0;
        if (!(hz > 0) || !(rate > 0))
            return;
        const double w = 2 * std::numbers::pi * hz / rate;
        const double alpha = std::sin(w) / std::numbers::sqrt2;  // Q = 1/sqrt(2)
        const double cw = std::cos(w), a0 = 1 + alpha;
        b0_ = (1 + cw) / 2 / a0;
        b1_ = -(1 + cw) / a0;
        b2_ = b0_;
        a1_ = -2 * cw / a0;
        a2_ = (1 - alpha) / a0;
    }

    // The next output; a sample that is not finite counts as the one before.
    double next(double in)
    {
        if (!std::isfinite(in))
            in = x1_;
        const double out = b0_ * in + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = in;
        y2_ = y1_;
        y1_ = out;
        return out;
    }

private:
    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

}  // namespace vornax
