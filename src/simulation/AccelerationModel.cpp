#include "simulation/AccelerationModel.h"

#include "common/NumberText.h"
#include "common/Physics.h"
#include "common/Translation.h"
#include "simulation/PhaseQuantities.h"

#include <cmath>
#include <cstdint>

namespace vornax {
namespace {

constexpr float kStep = kAccelerationStep;  // s, one sample per step
constexpr float kPi = physics::kSimulationPi;
constexpr double kHalfRho = physics::kHalfAirDensity;
constexpr double kRolling = physics::kRollingPerKg;
constexpr double kEfficiency = 0.915;  // multiplies every acceleration
constexpr float kWheelInertia = 1.2f;  // kg·m², gear phases

// Time of sample `index`, s; the sample index is a 32-bit count, so the
// product is a double.
double timeOf(std::int32_t index) { return index * static_cast<double>(kStep); }

// Engine speed (tr/min) at road speed v (km/h) for overall ratio G, and back.
float rpmAtSpeed(float G, float v, float circumference)
{
    return G * 1000.0f * v / (circumference * physics::kSecondsPerMinuteSingle);
}
float speedAtRpm(float G, float rpm, float circumference)
{
    return circumference * physics::kSecondsPerMinuteSingle * rpm / (G * 1000.0f);
}

// Wheel angular speed (rad/s) from engine speed, and back (stored as single).
float omegaAtRpm(float G, float rpm) { return kPi * rpm / (G * 30.0f); }
float rpmAtOmega(double omega, float G) { return static_cast<float>(omega * G * 30 / kPi); }

double aeroTorque(const PhaseQuantities& q, double omega)
{
    const double r = q.radius;
    return kHalfRho * q.scx * omega * omega * (r * r * r);
}

double wheelInertia(const PhaseQuantities& q)
{
    const double r = q.radius;
    return q.mass * r * r;
}

// One step of the wheel's angular speed under the net torque.
double nextOmega(double omega, double netTorque, double inertia)
{
    return omega + kStep * kEfficiency * netTorque / inertia;
}

// Torque of a curve row in N·m. The table holds the display unit (N·m ×
// LbConvertionNm), which the model must not take for N·m: with a language
// whose torque unit is not N·m the car would not even leave the line.
float torqueNm(const TorqueCurve& curve, std::int16_t row, float torqueFactor)
{
    return curve.torque[row] / torqueFactor;
}

}  // namespace

std::int16_t FindCurveRow(const TorqueCurve& curve, std::int16_t row, float rpm)
{
    float x = 0.0f;
    int p = row;
    while (!(x > rpm || p > curve.lastRow)) {
        x = curve.rpm[p];
        ++p;
    }
    p -= 2;
    return static_cast<std::int16_t>(p < 0 ? 0 : p);
}

Status AccelerationModel::simulate(const SimulationInputs& in)
{
    if (Status checked = checkRunInputs(in); !checked)
        return checked;
    startRun();
    hasRun_ = true;
    const PhaseEnd launched = SimulatePhase(kLaunchPhase, 0.0f, in);
    if (launched == PhaseEnd::LaunchStalled) {
        shownLength_ = series_.index - 1;
        return Failure{
            tx("AccelerationModel", "Couple insuffisant : le véhicule n'atteint jamais la fin du démarrage (%1 km/h)")
                .arg(formatPattern(launchSpeed_, Pattern::OneDecimal))};
    }
    SimulatePhase(1, launchSpeed_, in);
    const int gears = simulatedGears(in.store);
    for (int g = 2; g <= gears; ++g) {
        SimulatePhase(kGearChangePhase, phaseEndSpeed_, in);
        SimulatePhase(g, phaseEndSpeed_, in);
    }
    shownLength_ = series_.index - 1;
    return success();
}

void AccelerationModel::startRun()
{
    series_.index = 0;
    series_.time[0] = 0.0f;
    series_.speed[0] = 0.0f;
    series_.distance[0] = 0.0f;
    maxSpeed_ = 1.0f;
}

PhaseEnd AccelerationModel::SimulatePhase(int phase, float startSpeed, const SimulationInputs& in)
{
    if (phase < kLaunchPhase || phase > kGearChangePhase)
        return PhaseEnd::Error;
    curveRow_ = 0;
    const auto q = readPhaseQuantities(phase, in);
    if (!q)
        return PhaseEnd::Error;
    PhaseEnd end;
    if (phase == kLaunchPhase)
        end = launch(*q, in.curve);
    else if (phase == kGearChangePhase)
        end = gearChange(startSpeed, *q, in.curve);
    else
        end = gear(phase, startSpeed, *q, in);
    // Figures written before an error stay, as the labels would have.
    flushLabels(in);
    return end;
}

bool AccelerationModel::append(float speed)
{
    // The series is full: the step that would write past it ends the phase,
    // and the index stays on the last sample written.
    if (series_.index >= ResultSeries::kLastIndex || !std::isfinite(speed))
        return false;
    const std::int32_t i = ++series_.index;
    series_.time[i] = series_.time[i - 1] + kStep;
    series_.speed[i] = speed;
    series_.distance[i] = static_cast<float>(
        series_.distance[i - 1] + static_cast<double>(speed) * (static_cast<double>(kStep) / physics::kKmhPerMps));
    return std::isfinite(series_.distance[i]);
}

PhaseEnd AccelerationModel::launch(const PhaseQuantities& q, const TorqueCurve& curve)
{
    // The clutch slips with the torque of the curve's third row until the
    // first-gear road speed at the curve's second engine speed.
    const float G = q.gearRatio * q.finalDrive;
    const float endSpeed = static_cast<float>(q.circumference * physics::kKmhPerMps * curve.rpm[1] /
                                              (q.finalDrive * physics::kSecondsPerMinuteSingle * q.gearRatio));
    if (!std::isfinite(endSpeed))
        return PhaseEnd::Error;
    launchSpeed_ = endSpeed;
    const float drive = G * torqueNm(curve, 2, q.torqueFactor) / q.lossFactor;
    const double inertia = wheelInertia(q);
    // Only here is the rolling torque multiplied by the overall ratio.
    const double rolling = q.mass * kRolling * q.radius * G;

    double omega = 0.0;
    for (;;) {
        const std::int32_t i = series_.index;
        if (series_.speed[i] > launchSpeed_) {
            if (i < 1)
                return PhaseEnd::Error;
            phaseEndSpeed_ = series_.speed[i - 1];
            return PhaseEnd::Finished;
        }
        const double next = nextOmega(omega, drive - aeroTorque(q, omega) - rolling, inertia);
        if (!std::isfinite(next))
            return PhaseEnd::Error;
        // Each step maps omega through an increasing function, so once a
        // step fails to raise it no later step will: the launch would fill
        // the whole series without ever ending.
        if (!(next > omega))
            return PhaseEnd::LaunchStalled;
        omega = next;
        const float rpm = rpmAtOmega(omega, G);
        if (!append(speedAtRpm(G, rpm, q.circumference)))
            return PhaseEnd::Error;
    }
}

PhaseEnd AccelerationModel::gear(int phase, float startSpeed, const PhaseQuantities& q, const SimulationInputs& in)
{
    const TorqueCurve& curve = in.curve;
    const float G = q.finalDrive * q.gearRatio;
    float rpm = rpmAtSpeed(G, startSpeed, q.circumference);
    if (!std::isfinite(rpm))
        return PhaseEnd::Error;
    curveRow_ = FindCurveRow(curve, curveRow_, rpm);
    // The engine inertia is multiplied by G once, not by G squared, as the
    // program always did.
    const double inertia = wheelInertia(q) + q.engineInertia * G + kWheelInertia;
    const double rolling = q.mass * kRolling * q.radius;

    double t = 0.0;
    for (;;) {
        t = timeOf(series_.index);
        if ((phase < q.gears && rpm > q.changeRpm) || t > q.duration || rpm > curve.topRpm)
            break;
        // No interpolation: the torque of the row found after the last step.
        const float torque = torqueNm(curve, curveRow_, q.torqueFactor);
        const float omega = omegaAtRpm(G, rpm);
        const float drive = G * torque / q.lossFactor;
        const double next = nextOmega(omega, drive - aeroTorque(q, omega) - rolling, inertia);
        rpm = rpmAtOmega(next, G);
        if (!std::isfinite(rpm))
            return PhaseEnd::Error;
        curveRow_ = FindCurveRow(curve, curveRow_, rpm);
        if (!append(speedAtRpm(G, rpm, q.circumference)))
            return PhaseEnd::Error;
        noteGearSample(phase, rpm, q.speedFactor);
    }

    // Top-speed hold: the last gear ran out of engine speed before the end,
    // so the car keeps that speed until the duration. The distances it
    // passes meanwhile are timed there, not when the hold began.
    if (phase == q.gears && t < q.duration) {
        const float held = speedAtRpm(G, rpm, q.circumference);
        while (q.duration >= timeOf(series_.index + 1)) {
            if (!append(held))
                return PhaseEnd::Error;
            noteGearSample(phase, rpm, q.speedFactor);
        }
    }

    const std::int32_t last = series_.index;
    if (last < 1)
        return PhaseEnd::Error;
    phaseEndSpeed_ = series_.speed[last - 1];
    if (phase == q.gears) {
        // Empty the figures the run never attained, judged on its last sample.
        flushLabels(in);
        if (series_.speed[last] <= 100.0f)
            labels_.lbT0100.clear();
        if (series_.distance[last] <= 1000.0f)
            labels_.lb1000mDA.clear();
        if (series_.distance[last] <= 400.0f)
            labels_.lb400mDA.clear();
    }
    return PhaseEnd::Finished;
}

PhaseEnd AccelerationModel::gearChange(float startSpeed, const PhaseQuantities& q, const TorqueCurve& curve)
{
    // The clutch is open: the car coasts against drag and rolling
    // resistance, the engine speed followed through the final drive alone.
    const float G = q.finalDrive;
    float rpm = rpmAtSpeed(G, startSpeed, q.circumference);
    if (!std::isfinite(rpm))
        return PhaseEnd::Error;
    curveRow_ = FindCurveRow(curve, curveRow_, rpm);
    const double inertia = wheelInertia(q);
    const double rolling = q.mass * kRolling * q.radius;

    // j counts the steps in a 16-bit integer and j × 0.01 is a single, so a
    // change time of 0,5 s runs j = 0 ... 50: 51 samples.
    std::int16_t j = 0;
    while (q.changeTime >= static_cast<float>(j) * kStep && q.duration >= timeOf(series_.index)) {
        if (j == INT16_MAX)
            return PhaseEnd::Error;
        ++j;
        const float omega = omegaAtRpm(G, rpm);
        const double next = nextOmega(omega, 0.0 - aeroTorque(q, omega) - rolling, inertia);
        rpm = rpmAtOmega(next, G);
        if (!std::isfinite(rpm))
            return PhaseEnd::Error;
        curveRow_ = FindCurveRow(curve, curveRow_, rpm);
        if (!append(speedAtRpm(G, rpm, q.circumference)))
            return PhaseEnd::Error;
    }

    if (series_.index < 1)
        return PhaseEnd::Error;
    phaseEndSpeed_ = series_.speed[series_.index - 1];
    return PhaseEnd::Finished;
}

void AccelerationModel::noteGearSample(int phase, float rpm, float speedFactor)
{
    const std::int32_t i = series_.index;
    const float speed = series_.speed[i];
    const float distance = series_.distance[i];
    if (speed > maxSpeed_) {
        maxSpeed_ = speed;
        pending_.top = true;
        pending_.topShown = speedFactor * maxSpeed_;
        pending_.topRpm = rpm;
        pending_.topPhase = phase;
    }
    if (speed <= 100.0f) {
        pending_.t0100 = true;
        pending_.time0100 = series_.time[i];
    }
    if (distance <= 1000.0f) {
        pending_.t1000 = true;
        pending_.time1000 = series_.time[i];
    }
    if (distance <= 400.0f) {
        pending_.t400 = true;
        pending_.time400 = series_.time[i];
    }
}

void AccelerationModel::flushLabels(const SimulationInputs& in)
{
    if (pending_.top) {
        labels_.lbVmaxi = formatPattern(pending_.topShown, Pattern::OneDecimal);
        labels_.lbvte = tx("AccelerationModel", "%1/h en %2 à %3 tr/min")
                            .arg(in.store.get("LbkmhMph"))
                            .arg(std::to_string(pending_.topPhase))
                            .arg(formatPattern(pending_.topRpm, Pattern::Whole));
    }
    if (pending_.t0100)
        labels_.lbT0100 = formatPattern(pending_.time0100, Pattern::OneDecimal);
    if (pending_.t1000)
        labels_.lb1000mDA = formatPattern(pending_.time1000, Pattern::OneDecimal);
    if (pending_.t400)
        labels_.lb400mDA = formatPattern(pending_.time400, Pattern::OneDecimal);
    pending_ = Pending{};
}

}  // namespace vornax
