#include "synth/EngineCurves.h"

#include "common/Physics.h"
#include <algorithm>
#include <numbers>
#include <stdexcept>

namespace vornax {

EngineCurve::EngineCurve(std::string name, std::string description, std::vector<TorquePoint> points)
    : name_(std::move(name)), description_(std::move(description)), points_(std::move(points))
{
    if (points_.size() < 2)
        throw std::invalid_argument("an engine curve needs two points at least");
    // Natural spline: second derivatives from the tridiagonal system, zero at
    // both ends.
    const std::size_t n = points_.size();
    secondDerivatives_.assign(n, 0.0);
    std::vector<double> u(n, 0.0);
    for (std::size_t i = 1; i + 1 < n; ++i) {
        const double h0 = points_[i].rpm - points_[i - 1].rpm;
        const double h1 = points_[i + 1].rpm - points_[i].rpm;
        const double sig = h0 / (h0 + h1);
        const double p = sig * secondDerivatives_[i - 1] + 2.0;
        secondDerivatives_[i] = (sig - 1.0) / p;
        const double slope =
            (points_[i + 1].torque - points_[i].torque) / h1 - (points_[i].torque - points_[i - 1].torque) / h0;
        u[i] = (6.0 * slope / (h0 + h1) - sig * u[i - 1]) / p;
    }
    for (std::size_t k = n - 1; k-- > 0;)
        secondDerivatives_[k] = secondDerivatives_[k] * secondDerivatives_[k + 1] + u[k];
}

double EngineCurve::torque(double rpm) const
{
    if (rpm <= points_.front().rpm)
        return points_.front().torque;
    if (rpm >= points_.back().rpm)
        return points_.back().torque;
    const auto above =
        std::upper_bound(points_.begin(), points_.end(), rpm, [](double r, const TorquePoint& p) { return r < p.rpm; });
    const std::size_t hi = static_cast<std::size_t>(above - points_.begin());
    const std::size_t lo = hi - 1;
    const double h = points_[hi].rpm - points_[lo].rpm;
    const double a = (points_[hi].rpm - rpm) / h;
    const double b = (rpm - points_[lo].rpm) / h;
    return a * points_[lo].torque + b * points_[hi].torque +
           ((a * a * a - a) * secondDerivatives_[lo] + (b * b * b - b) * secondDerivatives_[hi]) * h * h / 6.0;
}

double EngineCurve::power(double rpm) const
{
    return torque(rpm) * rpm * 2.0 * std::numbers::pi / physics::kSecondsPerMinute;
}

const std::vector<EngineCurve>& shippedEngines()
{
    static const std::vector<EngineCurve> engines{
        // 848 cm³, single carburettor: about 34 hp at 5 500 rpm, 60 N·m near 3 000.
        EngineCurve("850", "848 cm3, standard",
                    {{1000, 44.0},
                     {1500, 50.0},
                     {2000, 55.0},
                     {2500, 58.5},
                     {3000, 60.0},
                     {3500, 59.5},
                     {4000, 57.5},
                     {4500, 52.5},
                     {5000, 48.0},
                     {5500, 44.5},
                     {6000, 38.0},
                     {6500, 30.0}}),
        // 1 275 cm³, single carburettor: about 58 hp near 5 400 rpm, 92 N·m at 3 000.
        EngineCurve("1275", "1275 cm3, standard",
                    {{1000, 70.0},
                     {1500, 78.0},
                     {2000, 85.0},
                     {2500, 90.0},
                     {3000, 92.0},
                     {3500, 91.0},
                     {4000, 88.5},
                     {4500, 85.0},
                     {5000, 80.5},
                     {5500, 74.5},
                     {6000, 66.0},
                     {6500, 56.0},
                     {7000, 45.0}}),
        // 1 380 cm³ bored and tuned (cam, head, twin carburettors): about
        // 92 hp near 6 000 rpm, 122 N·m at 4 500.
        EngineCurve("1380", "1380 cm3, tuned",
                    {{1000, 78.0},
                     {1500, 88.0},
                     {2000, 97.0},
                     {2500, 105.0},
                     {3000, 112.0},
                     {3500, 117.0},
                     {4000, 120.5},
                     {4500, 122.0},
                     {5000, 120.5},
                     {5500, 116.0},
                     {6000, 108.0},
                     {6500, 96.0},
                     {7000, 82.0},
                     {7500, 66.0}}),
    };
    return engines;
}

const EngineCurve* findEngine(std::string_view name)
{
    for (const EngineCurve& engine : shippedEngines())
        if (engine.name() == name)
            return &engine;
    return nullptr;
}

}  // namespace vornax
