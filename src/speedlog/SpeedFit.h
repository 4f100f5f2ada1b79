// A smooth curve of road speed through a log's noisy fixes, with its slope
// (the acceleration) and how well the fixes fix that slope. The fit is a
// penalised spline: cubic B-splines on knots at the log's own spacing (at
// least 0,1 s apart), the third differences of their coefficients penalised,
// so that a steadily changing acceleration is free and only the receiver's
// noise is smoothed away. The amount of smoothing comes from the data: the
// fixes' own noise is measured from their third differences, and the
// smoothing is the one that leaves residuals of that size (residual sum =
// fixes × noise variance; counting the fit's degrees of freedom off would
// smooth less, and the fit with little smoothing sits at that level too,
// so that the choice would be left to chance).
#pragma once

#include "common/Result.h"
#include "speedlog/SpeedLog.h"

#include <vector>

namespace vornax {

class SpeedFit {
public:
    // Fails for fewer than 8 fixes or a span under 1 s.
    static Result<SpeedFit> make(const std::vector<SpeedFix>& fixes);

    double from() const { return t0_; }
    double to() const { return t0_ + h_ * intervals_; }
    double speed(double t) const;         // m/s
    double acceleration(double t) const;  // m/s²
    // One standard deviation of the fitted speed and acceleration at t.
    double speedSd(double t) const;
    double accelerationSd(double t) const;
    double noise() const { return noise_; }  // m/s, one fix's, as measured

private:
    struct Basis {
        int first = 0;
        double value[4] = {}, slope[4] = {};
    };
    Basis basis(double t) const;
    double t0_ = 0, h_ = 0.1;
    int intervals_ = 1;
    std::vector<double> coefficients_;
    std::vector<double> covariance_;  // coefficients² values, row-major
    double noise_ = 0;
};

}  // namespace vornax
