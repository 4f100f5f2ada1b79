#include "synth/CarMotion.h"

#include "common/NumberText.h"
#include "common/Physics.h"
#include "power/PowerInputs.h"

#include <array>
#include <cmath>
#include <numbers>
#include <string>

namespace vornax {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

}  // namespace

Result<CarInGear> carInGear(const Varia& store, int gear)
{
    if (gear < 1 || gear > kGearCount)
        return Failure{"gear " + std::to_string(gear) + " is not a gear (1 to 6)"};
    const auto in = readVehicleInputs(store, gear - 1);
    if (!in)
        return Failure{in.error()};
    // A negative loss would add power the engine never made.
    if (in->lossPercent < 0)
        return Failure{"the transmission loss of gear " + std::to_string(gear) + " is " +
                       std::to_string(in->lossPercent) + " %"};
    CarInGear car;
    car.wheelRadius = wheelRadius(*in);
    car.overallRatio = overallRatio(*in);
    car.lossPercent = in->lossPercent;
    car.massKg = in->massKg;
    car.scx = in->scx;
    car.engineInertia = in->engineInertia;
    car.wheelInertia = in->wheelInertia;
    return car;
}

double wheelAcceleration(const CarInGear& car, const EngineCurve& engine, double omega)
{
    const double g = car.overallRatio;
    const double r = car.wheelRadius;
    const double rpm = omega * g * physics::kSecondsPerMinute / kTwoPi;
    // Power balance divided by the wheel speed: the engine torque at the
    // wheels after the loss, less the drag and rolling torques, over the
    // inertia of everything that turns with the wheels.
    const double drive = engine.torque(rpm) * g * (1.0 - car.lossPercent / 100.0);
    const double aero = physics::kHalfAirDensity * car.scx * r * r * r * omega * omega;
    const double rolling = physics::kRollingPerKg * car.massKg * r;
    const double inertia = car.engineInertia * g * g + car.wheelInertia + car.massKg * r * r;
    return (drive - aero - rolling) / inertia;
}

Result<CarRun> runCar(const CarInGear& car, const EngineCurve& engine, const RunSettings& settings)
{
    if (!(settings.startRpm >= engine.lowestRpm()) || !(settings.endRpm <= engine.highestRpm()))
        return Failure{"the engine curve " + engine.name() + " covers " +
                       formatPattern(engine.lowestRpm(), Pattern::Whole) + " to " +
                       formatPattern(engine.highestRpm(), Pattern::Whole) + " rpm"};
    if (!(settings.endRpm > settings.startRpm))
        return Failure{"the end engine speed must lie above the start engine speed"};
    if (!(settings.sparksPerRev > 0))
        return Failure{"the sparks per revolution must be positive"};

    constexpr double h = 1e-4;
    const double g = car.overallRatio;
    const double sparkAngle = kTwoPi / settings.sparksPerRev;  // crank angle between sparks, rad
    const auto accel = [&](double omega) { return wheelAcceleration(car, engine, omega); };

    // The car must still gain speed at every engine speed of the run: near
    // the speed where drag and rolling take all the power it would creep
    // towards the end speed for ever.
    for (double rpm = settings.startRpm; rpm <= settings.endRpm; rpm += 5.0) {
        if (accel(rpm * kTwoPi / physics::kSecondsPerMinute / g) <= 0)
            return Failure{"the car stops gaining speed at " + formatPattern(rpm, Pattern::Whole) +
                           " rpm in this gear: drag and rolling take all the power"};
    }

    CarRun run;
    double t = 0;
    double omega = settings.startRpm * kTwoPi / physics::kSecondsPerMinute / g;
    const double omegaEnd = settings.endRpm * kTwoPi / physics::kSecondsPerMinute / g;
    double nextSpark = settings.firstSparkAngle * sparkAngle;  // crank angle of the next spark
    double crank = 0;
    run.samples.push_back({0.0, settings.startRpm});
    for (long step = 1;; ++step) {
        // Runge-Kutta on the wheel speed; the crank angle is the integral of
        // the engine speed with the same weights.
        const double k1 = accel(omega);
        const double k2 = accel(omega + h / 2 * k1);
        const double k3 = accel(omega + h / 2 * k2);
        const double k4 = accel(omega + h * k3);
        const double omegaNext = omega + h / 6 * (k1 + 2 * k2 + 2 * k3 + k4);
        const double crankNext =
            crank + g * h / 6 * (omega + 2 * (omega + h / 2 * k1) + 2 * (omega + h / 2 * k2) + (omega + h * k3));
        // Sparks within the step: the angle is close to linear over 0,1 ms.
        while (nextSpark <= crankNext) {
            const double f = (nextSpark - crank) / (crankNext - crank);
            run.sparkTimes.push_back(t + f * h);
            nextSpark += sparkAngle;
        }
        const double tNext = step * h;
        if (omegaNext >= omegaEnd) {
            run.endTime = t + h * (omegaEnd - omega) / (omegaNext - omega);
            run.samples.push_back({run.endTime, settings.endRpm});
            return run;
        }
        omega = omegaNext;
        crank = crankNext;
        t = tNext;
        if (step % 100 == 0)
            run.samples.push_back({t, omega * g * physics::kSecondsPerMinute / kTwoPi});
        if (t > settings.maxSeconds)
            return Failure{"the run from " + formatPattern(settings.startRpm, Pattern::Whole) + " to " +
                           formatPattern(settings.endRpm, Pattern::Whole) + " rpm would last more than " +
                           formatPattern(settings.maxSeconds, Pattern::Whole) + " s"};
    }
}

}  // namespace vornax
