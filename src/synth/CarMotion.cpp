#include "synth/CarMotion.h"

#include "common/NumberText.h"

#include <array>
#include <cmath>
#include <numbers>
#include <string>

namespace vornax {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// Ratio and loss entries of each gear, in the order of the gearbox.
constexpr std::array<const char*, 6> kRatioEntries{"LbPr", "LbDe", "LbTr", "lbqt", "lbcq", "lbsix"};
constexpr std::array<const char*, 6> kLossEntries{"lbperte1e", "LbPerteB", "LbPerteB",
                                                   "lbperte4e", "lbperte4e", "lbperte4e"};

Failure notANumber(const char* entry, const Varia& store)
{
    return Failure{std::string("the vehicle entry ") + entry + " is not a number: " + quotedValue(store.get(entry))};
}

}  // namespace

Result<CarInGear> carInGear(const Varia& store, int gear)
{
    if (gear < 1 || gear > 6)
        return Failure{"gear " + std::to_string(gear) + " is not a gear (1 to 6)"};
    const auto index = static_cast<std::size_t>(gear - 1);
    const char* singles[] = {"LbRp", kRatioEntries[index], "LbSCx", "LbImoteur", "lbIroue"};
    float values[5];
    for (int k = 0; k < 5; ++k) {
        const auto v = store.single(singles[k]);
        if (!v)
            return notANumber(singles[k], store);
        values[k] = *v;
    }
    const char* wholes[] = {"LbLp", "LbHp", "LbDp", "LbPoid", kLossEntries[index]};
    std::int16_t counts[5];
    for (int k = 0; k < 5; ++k) {
        const auto v = store.int16(wholes[k]);
        if (!v)
            return notANumber(wholes[k], store);
        counts[k] = *v;
    }
    CarInGear car;
    car.overallRatio = values[1] * values[0];
    car.scx = values[2];
    car.engineInertia = values[3];
    car.wheelInertia = values[4];
    // Sidewall height (width in cm × aspect ratio / 100) plus half the rim in
    // cm, in metres.
    car.wheelRadius = ((counts[0] / 10.0 * counts[1]) / 100.0 + counts[2] * 2.54 / 2.0) / 100.0;
    car.massKg = counts[3];
    car.lossPercent = counts[4];
    if (!(car.overallRatio > 0.0f))
        return Failure{"the overall ratio of gear " + std::to_string(gear) + " is not positive"};
    if (car.lossPercent < 0 || car.lossPercent > 99)
        return Failure{"the transmission loss of gear " + std::to_string(gear) + " is " +
                       std::to_string(car.lossPercent) + " %"};
    if (!(car.wheelRadius > 0.0) || car.massKg <= 0)
        return Failure{"the tyre size and the mass must be positive"};
    return car;
}

double wheelAcceleration(const CarInGear& car, const EngineCurve& engine, double omega)
{
    const double g = car.overallRatio;
    const double r = car.wheelRadius;
    const double rpm = omega * g * 60.0 / kTwoPi;
    // Power balance divided by the wheel speed: the engine torque at the
    // wheels after the loss, less the drag and rolling torques, over the
    // inertia of everything that turns with the wheels.
    const double drive = engine.torque(rpm) * g * (1.0 - car.lossPercent / 100.0);
    const double aero = kHalfAirDensity * car.scx * r * r * r * omega * omega;
    const double rolling = kRollingPerKg * car.massKg * r;
    const double inertia = car.engineInertia * g * g + car.wheelInertia + car.massKg * r * r;
    return (drive - aero - rolling) / inertia;
}

Result<CarRun> runCar(const CarInGear& car, const EngineCurve& engine, const RunSettings& settings)
{
    if (!(settings.startRpm >= engine.lowestRpm()) || !(settings.endRpm <= engine.highestRpm()))
        return Failure{"the engine curve " + engine.name() + " covers " + formatPattern(engine.lowestRpm(), Pattern::Whole) +
                       " to " + formatPattern(engine.highestRpm(), Pattern::Whole) + " rpm"};
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
        if (accel(rpm * kTwoPi / 60.0 / g) <= 0)
            return Failure{"the car stops gaining speed at " + formatPattern(rpm, Pattern::Whole) +
                           " rpm in this gear: drag and rolling take all the power"};
    }

    CarRun run;
    double t = 0;
    double omega = settings.startRpm * kTwoPi / 60.0 / g;
    const double omegaEnd = settings.endRpm * kTwoPi / 60.0 / g;
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
            run.samples.push_back({t, omega * g * 60.0 / kTwoPi});
        if (t > settings.maxSeconds)
            return Failure{"the run from " + formatPattern(settings.startRpm, Pattern::Whole) + " to " +
                           formatPattern(settings.endRpm, Pattern::Whole) + " rpm would last more than " +
                           formatPattern(settings.maxSeconds, Pattern::Whole) + " s"};
    }
}

}  // namespace vornax
