// Full-load torque curves of classic Mini engines, shipped as data so that a
// synthetic recording has a known truth to be measured against. The figures
// are crank torque in N·m at wide-open throttle, shaped after the published
// figures of each engine.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vornax {

struct TorquePoint {
    double rpm;     // engine speed, rpm
    double torque;  // crank torque, N·m
};

class EngineCurve {
public:
    // Points in increasing engine speed; at least two. The curve between them
    // is a natural cubic spline, so torque and its slope are continuous.
    EngineCurve(std::string name, std::string description, std::vector<TorquePoint> points);

    const std::string& name() const { return name_; }
    const std::string& description() const { return description_; }
    double lowestRpm() const { return points_.front().rpm; }
    double highestRpm() const { return points_.back().rpm; }

    // Crank torque in N·m. Outside the tabulated range the end values are
    // held (the synthetic run never leaves the range; callers check it).
    double torque(double rpm) const;
    // Crank power in W: torque × angular speed.
    double power(double rpm) const;

private:
    std::string name_;
    std::string description_;
    std::vector<TorquePoint> points_;
    std::vector<double> secondDerivatives_;
};

// "850", "1275" and "1380", in that order.
const std::vector<EngineCurve>& shippedEngines();
// The shipped engine of that name, or nullptr.
const EngineCurve* findEngine(std::string_view name);

}  // namespace vornax
