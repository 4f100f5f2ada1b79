#include "power/PowerComputation.h"

#include "common/NumberText.h"
#include "common/Translation.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <string>

namespace vornax {

namespace {

// Rounds to single; false when the value does not fit one (the computation
// then stops rather than carry an infinity into the table).
bool toSingle(double value, float& out)
{
    if (!(std::fabs(value) <= static_cast<double>(FLT_MAX)))
        return false;
    out = static_cast<float>(value);
    return true;
}

// What no run of a car's engine gives: a speed outside this range, or a
// power beyond this many ch (735,5 W) either way. A curve that leads there
// was not an engine's (a fit that followed no sparks, a file of something
// else), and its figures are refused rather than saved.
constexpr double kHighestRpm = 20000.0;
constexpr double kMostPowerCh = 500.0;
constexpr double kWattsPerCh = 735.49875;

std::string lineText(std::string_view source, int lineIndex)
{
    return tx("PowerCurveInput", "\"%1\", line %2").arg(source).arg(std::to_string(lineIndex + 1));
}

}  // namespace

Result<PowerModel> PowerModel::make(const PowerInputs& inputs)
{
    PowerModel model;
    model.in_ = inputs;
    model.radius_ = wheelRadius(inputs);
    model.ratio_ = overallRatio(inputs);
    if (model.ratio_ == 0.0f)
        return Failure{tx("PowerComputation", "the overall ratio of this gear is 0 (gear ratio %1, final drive %2)")
                           .arg(singleText(inputs.gearRatio))
                           .arg(singleText(inputs.finalDrive))};
    if (inputs.lossPercent == 100)
        return Failure{tx("PowerComputation", "a transmission loss of 100 % leaves no power to measure")};
    model.factor_ = lossFactor(inputs);
    if (!std::isfinite(model.factor_))
        return Failure{tx("PowerComputation", "the transmission loss of %1 % gives no usable factor")
                           .arg(std::to_string(inputs.lossPercent))};
    return model;
}

std::optional<PowerTerms> PowerModel::terms(RunPoint a, RunPoint b) const
{
    const double dt = static_cast<double>(b.time) - a.time;
    if (dt == 0.0)
        return std::nullopt;
    const double G = ratio_;
    using physics::kSecondsPerMinute;
    const double engine0 = kPowerPi * 2.0 * a.rpm / kSecondsPerMinute;  // rad/s
    const double engine1 = kPowerPi * 2.0 * b.rpm / kSecondsPerMinute;
    const double wheel0 = kPowerPi * 2.0 * a.rpm / (G * kSecondsPerMinute);  // rad/s
    const double wheel1 = kPowerPi * 2.0 * b.rpm / (G * kSecondsPerMinute);
    const double speed0 = a.rpm / (G * kSecondsPerMinute) * radius_ * kPowerPi * 2.0;  // m/s
    const double speed1 = b.rpm / (G * kSecondsPerMinute) * radius_ * kPowerPi * 2.0;
    const double mass = in_.massKg;

    PowerTerms t;
    const bool fits =
        toSingle((wheel1 - wheel0) * (wheel0 * in_.wheelInertia) / dt, t.wheelInertia) &&
        toSingle(in_.engineInertia * ((engine1 - engine0) * engine0 / dt), t.engineInertia) &&
        toSingle(in_.scx * physics::kHalfAirDensity * std::pow(speed0, 3), t.aero) &&
        toSingle((speed1 - speed0) * (speed0 * mass) / dt, t.translation) &&
        toSingle(speed0 * (mass * in_.rollingCoefficient * physics::kGravity * physics::kRollingAllowance),
                 t.rolling) &&
        // The sum is formed in the stated order and rounded once.
        toSingle(static_cast<double>(t.engineInertia) + t.wheelInertia + t.aero + t.translation + t.rolling,
                 t.atWheels);
    if (!fits)
        return std::nullopt;
    return t;
}

Result<PowerRow> PowerModel::row(RunPoint a, RunPoint b) const
{
    if (static_cast<double>(b.time) - a.time == 0.0)
        return Failure{tx("PowerComputation", "this point and the next have the same time")};
    const auto t = terms(a, b);
    if (!t)
        return Failure{tx("PowerComputation", "the power overflows (engine speed or time out of range)")};
    const double engine = kPowerPi * 2.0 * a.rpm / physics::kSecondsPerMinute;
    if (engine == 0.0)
        return Failure{tx("PowerComputation", "an engine speed of 0 gives no torque")};
    PowerRow r;
    r.rpm = a.rpm;
    float scaledPower = 0;
    const bool fits = toSingle(static_cast<double>(t->atWheels) * factor_ / in_.wattsPerUnit, r.power) &&
                      toSingle(static_cast<double>(r.power) * in_.unitsPerNm, scaledPower) &&
                      toSingle(static_cast<double>(in_.wattsPerUnit) * scaledPower / engine, r.torque);
    if (!fits)
        return Failure{
            tx("PowerComputation", "the power or torque overflows (check the unit factors of the language file)")};
    return r;
}

PowerExtremes findExtremes(const PowerTable& table, int pointCount)
{
    const PowerRow& first = table.at(0);
    PowerExtremes e;
    e.maxPower = e.minPower = first.power;
    e.rpmAtMaxPower = first.rpm;
    e.maxRpm = e.minRpm = first.rpm;
    e.maxTorque = e.minTorque = first.torque;
    e.rpmAtMaxTorque = first.rpm;
    const int last = std::min(pointCount - 40, static_cast<int>(table.size()) - 1);
    for (int i = 5; i <= last; ++i) {
        const PowerRow& r = table[static_cast<std::size_t>(i)];
        if (r.power > e.maxPower) {
            e.maxPower = r.power;
            e.rpmAtMaxPower = r.rpm;
        }
        if (r.power < e.minPower)
            e.minPower = r.power;
        if (r.rpm > e.maxRpm)
            e.maxRpm = r.rpm;
        if (r.rpm < e.minRpm)
            e.minRpm = r.rpm;
        if (r.torque > e.maxTorque) {
            e.maxTorque = r.torque;
            e.rpmAtMaxTorque = r.rpm;
        }
        if (r.torque < e.minTorque)
            e.minTorque = r.torque;
    }
    return e;
}

Result<ChartScale> chartScale(const PowerExtremes& e)
{
    // Each value is worked out in double and kept as a single, like the
    // table it is drawn with.
    auto single = [](double v) { return static_cast<float>(v); };
    ChartScale s;
    s.powerTop = single(e.maxPower + e.maxPower * 0.025);
    s.powerBottom = single(e.minPower - e.minPower * 0.05);
    s.rpmRight = single(e.maxRpm + e.maxRpm * 0.05);
    s.rpmLeft = single(e.minRpm - e.minRpm * 0.05);
    s.torqueTop = single(e.maxTorque + e.maxTorque * 0.05);
    s.torqueBottom = single(e.minTorque - e.minTorque * 0.05);
    s.rpmSpan = single(static_cast<double>(s.rpmRight) - s.rpmLeft);
    s.powerSpan = single(static_cast<double>(s.powerTop) - s.powerBottom);
    s.torqueSpan = single(static_cast<double>(s.torqueTop) - s.torqueBottom);
    auto usable = [](float span) { return std::isfinite(span) && span != 0.0f; };
    if (!usable(s.rpmSpan))
        return Failure{tx("PowerComputation", "the engine speed does not vary over the curve: nothing to draw")};
    if (!usable(s.powerSpan) || !usable(s.torqueSpan))
        return Failure{tx("PowerComputation", "the power and torque do not vary over the curve: nothing to draw")};
    s.torqueToPower = single(static_cast<double>(s.powerSpan) / s.torqueSpan);
    if (!std::isfinite(s.torqueToPower) || s.torqueToPower == 0.0f)
        return Failure{tx("PowerComputation", "the torque and power scales do not fit one chart")};
    return s;
}

Result<PowerResult> computePower(const PowerInputs& inputs, const std::vector<RunPoint>& points, PowerTable start,
                                 std::string_view source, float correctionFactor)
{
    if (points.size() > static_cast<std::size_t>(kMaxPowerPoints))
        return Failure{
            tx("PowerComputation", "\"%1\" has more than %2 points").arg(source).arg(std::to_string(kMaxPowerPoints))};
    if (points.size() < 3)
        return Failure{tx("PowerComputation", "\"%1\" has %2 lines; the computation needs at least 3")
                           .arg(source)
                           .arg(std::to_string(points.size()))};
    auto model = PowerModel::make(inputs);
    if (!model)
        return Failure{model.error()};
    start.resize(kMaxPowerPoints);

    const int n = static_cast<int>(points.size());
    for (int i = 0; i <= n - 3; ++i) {
        auto row = model->row(points[i], points[i + 1]);
        if (!row)
            return Failure{lineText(source, i) + ": " + row.error()};
        if (correctionFactor != 1.0f && !(toSingle(static_cast<double>(row->power) * correctionFactor, row->power) &&
                                          toSingle(static_cast<double>(row->torque) * correctionFactor, row->torque)))
            return Failure{lineText(source, i) + ": the corrected power or torque overflows"};
        if (!(row->rpm > 0.0f && row->rpm <= kHighestRpm))
            return Failure{lineText(source, i) + ": " +
                           tx("PowerComputation",
                              "an engine speed of %1 rpm is not an engine's (0 to %2 rpm): this curve "
                              "gives no power")
                               .arg(singleText(row->rpm))
                               .arg(decimalsText(kHighestRpm, 0))
                               .str()};
        start[static_cast<std::size_t>(i)] = *row;
    }

    PowerResult result;
    result.pointCount = n;
    result.correctionFactor = correctionFactor;
    result.extremes = findExtremes(start, n);
    // Judged on the figures the result shows (the extremes), in watts.
    const double most = kMostPowerCh * kWattsPerCh;
    const double highest = static_cast<double>(result.extremes.maxPower) * inputs.wattsPerUnit;
    const double lowest = static_cast<double>(result.extremes.minPower) * inputs.wattsPerUnit;
    if (!(highest <= most && lowest >= -most))
        return Failure{"\"" + std::string(source) + "\": " +
                       tx("PowerComputation", "a power of %1 ch is beyond any engine of a car (at most %2 ch either "
                                              "way): this curve gives no usable power")
                           .arg(decimalsText(
                               std::abs(highest) > std::abs(lowest) ? highest / kWattsPerCh : lowest / kWattsPerCh, 0))
                           .arg(decimalsText(kMostPowerCh, 0))
                           .str()};
    auto scale = chartScale(result.extremes);
    if (!scale)
        return Failure{"\"" + std::string(source) + "\": " + scale.error()};
    result.scale = *scale;
    result.table = std::move(start);
    return result;
}

Result<PowerInputs> readRunInputs(const Varia& store, int gearIndex)
{
    auto inputs = readPowerInputs(store, gearIndex);
    if (!inputs)
        return Failure{inputs.error()};
    if (auto model = PowerModel::make(*inputs); !model)
        return Failure{model.error()};
    return inputs;
}

}  // namespace vornax
