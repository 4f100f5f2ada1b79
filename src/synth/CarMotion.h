// The car accelerating at full throttle in one gear: the engine's power,
// reduced by the gear's transmission loss, accelerates the car and its
// rotating parts (engine and wheel) against air drag and rolling resistance.
// This is the balance the power computation solves backwards from a recorded
// engine-speed curve, with the same constants and the vehicle read from the
// store the same way, so that a recording made from this motion measures back
// to the engine's own curve.
#pragma once

#include "common/Result.h"
#include "store/Varia.h"
#include "synth/EngineCurves.h"

#include <cstdint>
#include <vector>

namespace vornax {

// The vehicle in one gear, from the committed store entries.
struct CarInGear {
    double wheelRadius = 0;  // m, from the tyre's width, aspect ratio and rim
    float overallRatio = 0;  // gear ratio × final drive, single precision
    int lossPercent = 0;     // the gear's transmission loss, whole percent
    int massKg = 0;
    float scx = 0;            // drag area, m²
    float engineInertia = 0;  // kg·m²
    float wheelInertia = 0;   // kg·m²
};

// The vehicle in gear 1 ... 6, read by the power computation's own reader
// (readVehicleInputs): ratios, drag area and inertias as singles, tyre sizes,
// mass and loss as whole numbers (halves to even). Fails with that reader's
// message (an entry that is not a number, "?" before a vehicle was committed,
// or a value that describes no car), or for a negative loss.
Result<CarInGear> carInGear(const Varia& store, int gear);

// Angular acceleration of the wheels (rad/s²) at wheel speed omega (rad/s)
// with full-load engine torque.
double wheelAcceleration(const CarInGear& car, const EngineCurve& engine, double omega);

struct MotionSample {
    double time;  // s from the start of the run
    double rpm;   // engine speed
};

struct CarRun {
    std::vector<double> sparkTimes;     // s, increasing
    std::vector<MotionSample> samples;  // every 10 ms, for plots and checks
    double endTime = 0;                 // s, when the end engine speed is reached
};

struct RunSettings {
    double startRpm = 2000;
    double endRpm = 5800;
    double sparksPerRev = 0.5;   // one spark every second revolution
    double firstSparkAngle = 0;  // crank angle of the first spark after the start, 0 ... 1 of a spark interval
    double maxSeconds = 300;
};

// Integrates the motion from startRpm until endRpm (4th-order Runge-Kutta,
// 0,1 ms steps) and places a spark each time the crankshaft has turned
// 1 / sparksPerRev revolutions. Fails when the speeds lie outside the
// engine's curve, when the car stops gaining speed before endRpm, or when the
// run would last longer than maxSeconds.
Result<CarRun> runCar(const CarInGear& car, const EngineCurve& engine, const RunSettings& settings);

}  // namespace vornax
