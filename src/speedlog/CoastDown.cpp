#include "speedlog/CoastDown.h"

#include "common/NumberText.h"
#include "common/Physics.h"
#include "speedlog/LogStretches.h"
#include "store/EntryCaptions.h"
#include "store/StoreReadings.h"
#include "store/Varia.h"

#include <Eigen/Dense>

#include <cmath>

namespace vornax {
namespace {

constexpr std::size_t kFewestFixes = 20;
constexpr double kShortestSeconds = 10.0;
constexpr double kDryAirGasConstant = 287.058;  // J/(kg·K)
constexpr double kVapourGasConstant = 461.495;  // J/(kg·K)

struct Columns {
    std::vector<double> time, integral1, integral2, speed;
};

// Elapsed time and the integrals of v and v² from the run's first fix
// (trapezoids over the measured speeds).
Columns columnsOf(const CoastRun& run)
{
    Columns c;
    double s1 = 0, s2 = 0;
    const SpeedFix& first = run.fixes.front();
    for (std::size_t i = 0; i < run.fixes.size(); ++i) {
        const SpeedFix& f = run.fixes[i];
        if (i > 0) {
            const SpeedFix& p = run.fixes[i - 1];
            const double dt = f.time - p.time;
            s1 += 0.5 * dt * (p.speed + f.speed);
            s2 += 0.5 * dt * (p.speed * p.speed + f.speed * f.speed);
        }
        c.time.push_back(f.time - first.time);
        c.integral1.push_back(s1);
        c.integral2.push_back(s2);
        c.speed.push_back(f.speed);
    }
    return c;
}

}  // namespace

Result<CoastDownCar> coastDownCar(const Varia& store)
{
    const VehicleReadings v = readVehicle(store);
    for (const std::string* failure :
         {v.massKg ? nullptr : &v.massKg.error(), v.wheelInertia ? nullptr : &v.wheelInertia.error(),
          v.tyreWidthMm ? nullptr : &v.tyreWidthMm.error(), v.aspectPercent ? nullptr : &v.aspectPercent.error(),
          v.rimInches ? nullptr : &v.rimInches.error()})
        if (failure)
            return Failure{*failure};
    CoastDownCar car{double(*v.massKg), double(*v.wheelInertia),
                     wheelRadius(Tyre{*v.tyreWidthMm, *v.aspectPercent, *v.rimInches})};
    if (!(car.massKg > 0))
        return Failure{entryCaption(store, "LbPoid") + ": " + quotedValue(store.get("LbPoid")) +
                       " is not a usable value (the mass must be above zero)"};
    if (!(car.rotatingInertia >= 0))
        return Failure{entryCaption(store, "lbIroue") + ": " + quotedValue(store.get("lbIroue")) +
                       " is not a usable value (the inertia cannot be below zero)"};
    if (!(car.wheelRadius > 0))
        return Failure{store.get("LbPneumatique") + " " +
                       quotedValue(store.get("LbLp") + "/" + store.get("LbHp") + "/" + store.get("LbDp")) +
                       " has no usable wheel radius (it must be above zero)"};
    return car;
}

double airDensity(const AirConditions& air)
{
    const double kelvin = air.airTempC + 273.15;
    const double vapourPa = 100.0 * air.humidityPct / 100.0 * saturationVapourPressure(air.airTempC);
    const double dryPa = 100.0 * air.pressureHpa - vapourPa;
    return dryPa / (kDryAirGasConstant * kelvin) + vapourPa / (kVapourGasConstant * kelvin);
}

Result<CoastDownResult> fitCoastDown(const std::vector<CoastRun>& runs, const CoastDownCar& car, double density)
{
    if (runs.empty() || runs.size() > 2)
        return Failure{"a coast-down takes one run, or two in opposite directions"};
    const double mEff = car.effectiveMass();
    if (!(car.massKg > 0) || !std::isfinite(mEff) || !(density > 0))
        return Failure{"the vehicle's mass, wheel radius or the air density is not usable"};
    for (std::size_t r = 0; r < runs.size(); ++r) {
        const auto& fixes = runs[r].fixes;
        const double seconds = fixes.empty() ? 0 : fixes.back().time - fixes.front().time;
        if (fixes.size() < kFewestFixes || seconds < kShortestSeconds)
            return Failure{"coast-down " + std::to_string(r + 1) + ": " + std::to_string(fixes.size()) +
                           " fixes over " + formatPattern(seconds, Pattern::OneDecimal) +
                           " s; a coast-down needs at least 20 fixes over 10 s"};
    }

    // Unknowns: per run v0 and A (and B with two runs), then the shared C.
    // Columns are in units that keep them near 1, so the normal equations
    // stay well conditioned.
    const bool linear = runs.size() == 2;
    const int perRun = linear ? 3 : 2;
    const int unknowns = perRun * int(runs.size()) + 1;
    std::size_t rows = 0;
    for (const CoastRun& r : runs)
        rows += r.fixes.size();
    Eigen::MatrixXd x = Eigen::MatrixXd::Zero(static_cast<Eigen::Index>(rows), unknowns);
    Eigen::VectorXd y(static_cast<Eigen::Index>(rows));
    // Scales: A in 100 N, B in 10 N/(m/s), C in 1 N/(m/s)².
    const double scaleA = 100.0, scaleB = 10.0, scaleC = 1.0;
    std::size_t row = 0;
    for (std::size_t r = 0; r < runs.size(); ++r) {
        const Columns c = columnsOf(runs[r]);
        for (std::size_t i = 0; i < c.time.size(); ++i, ++row) {
            const auto k = Eigen::Index(row);
            const int base = perRun * int(r);
            x(k, base) = 1.0;
            x(k, base + 1) = -scaleA * c.time[i] / mEff;
            if (linear)
                x(k, base + 2) = -scaleB * c.integral1[i] / mEff;
            x(k, unknowns - 1) = -scaleC * c.integral2[i] / mEff;
            y(k) = c.speed[i];
        }
    }
    const Eigen::MatrixXd normal = x.transpose() * x;
    const Eigen::LDLT<Eigen::MatrixXd> solver(normal);
    if (solver.info() != Eigen::Success || !solver.isPositive() || solver.rcond() < 1e-13)
        return Failure{"the coast-down does not determine the drag and the rolling resistance (too short a span of "
                       "speed?)"};
    const Eigen::VectorXd p = solver.solve(x.transpose() * y);
    const Eigen::VectorXd residual = y - x * p;
    const double dof = double(rows) - unknowns;
    const double variance = residual.squaredNorm() / dof;
    const Eigen::MatrixXd cov = variance * solver.solve(Eigen::MatrixXd::Identity(unknowns, unknowns));

    CoastDownResult out;
    out.linearTerm = linear;
    out.airDensity = density;
    double aSum = 0, bSum = 0, aVar = 0;
    row = 0;
    for (std::size_t r = 0; r < runs.size(); ++r) {
        const int base = perRun * int(r);
        CoastDirection d;
        d.a = scaleA * p(base + 1);
        d.aSd = scaleA * std::sqrt(cov(base + 1, base + 1));
        if (linear) {
            d.b = scaleB * p(base + 2);
            d.bSd = scaleB * std::sqrt(cov(base + 2, base + 2));
        }
        const auto& fixes = runs[r].fixes;
        d.fromSpeed = fixes.front().speed;
        d.toSpeed = fixes.back().speed;
        d.seconds = fixes.back().time - fixes.front().time;
        d.fixes = fixes.size();
        d.residualSd = std::sqrt(residual.segment(Eigen::Index(row), Eigen::Index(fixes.size())).squaredNorm() /
                                 double(fixes.size()));
        row += fixes.size();
        aSum += d.a;
        bSum += d.b;
        out.directions.push_back(d);
    }
    const double n = double(runs.size());
    for (std::size_t r = 0; r < runs.size(); ++r)
        for (std::size_t q = 0; q < runs.size(); ++q)
            aVar += scaleA * scaleA * cov(perRun * int(r) + 1, perRun * int(q) + 1);
    out.a = aSum / n;
    out.aSd = std::sqrt(aVar) / n;
    out.b = bSum / n;
    out.c = scaleC * p(unknowns - 1);
    out.cSd = scaleC * std::sqrt(cov(unknowns - 1, unknowns - 1));
    if (!(out.c > 0) || !(out.a > 0))
        return Failure{"the coast-down gives " + std::string(out.c > 0 ? "a rolling resistance" : "an air drag") +
                       " not above zero: not a coast-down in neutral on a level road"};
    out.scx = 2 * out.c / density;
    out.scxSd = 2 * out.cSd / density;
    const double weight = car.massKg * physics::kGravity;
    out.rolling = out.a / weight;
    out.rollingSd = out.aSd / weight;
    return out;
}

Result<CoastRun> coastRunOf(const SpeedLog& log, const std::string& name)
{
    const auto stretches = findStretches(log);
    const LogStretch* coast = bestStretch(stretches, StretchKind::CoastDown);
    if (!coast)
        return Failure{name + ": no coast-down found (a run in neutral losing at least 20 km/h over 10 s or more, "
                              "slowing gently throughout)"};
    return CoastRun{validFixes(log, coast->from, coast->to)};
}

}  // namespace vornax
