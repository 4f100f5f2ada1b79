// The demo's three pictures: the engine-speed curve, the power and torque
// chart with the true curves overlaid, and the speed and distance of the
// acceleration run.
#pragma once

#include "demo/Picture.h"
#include "power/PowerComputation.h"
#include "power/PowerCurveInput.h"
#include "shell/Varia.h"
#include "signal/Curve.h"
#include "simulation/AccelerationModel.h"
#include "synth/CarMotion.h"
#include "synth/EngineCurves.h"

#include <vector>

namespace vornax {

inline constexpr int kDemoPictureWidth = 1000;
inline constexpr int kDemoPictureHeight = 620;

// Raw sparks (rows 1 ... pointCount of the detection), the smoothed curve as
// saved, and the true engine speed of the synthetic run.
Picture engineSpeedPicture(const Curve& raw, const std::vector<RunPoint>& saved,
                           const std::vector<MotionSample>& truth, const Varia& store);

// The rows the power curve file holds (10 ... n - 40) and the engine's true
// curve over the same engine speeds, in the language's units.
Picture powerPicture(const PowerResult& result, const EngineCurve& engine, const Varia& store);

// Samples 1 ... K - 1 of the run: speed (display unit) and distance (m).
Picture accelerationPicture(const AccelerationModel& model, const Varia& store);

}  // namespace vornax
