// The demo's three pictures, drawn by the windows' own plot code with the
// synthetic run's true curves added as further curves: the engine-speed plot
// of the WAV window, the power window's chart and the acceleration window's
// plot, each framed with its axis texts and a legend.
#pragma once

#include "common/PlotList.h"
#include "common/Result.h"
#include "pictures/PlotPictures.h"
#include "power/PowerComputation.h"
#include "power/PowerCurveInput.h"
#include "store/Varia.h"
#include "signal/Curve.h"
#include "simulation/AccelerationModel.h"
#include "synth/CarMotion.h"
#include "synth/EngineCurves.h"

#include <optional>
#include <vector>

namespace vornax {

// The detected sparks (the curve as the WAV window plots it), the smoothed
// curve as saved, and the true engine speed of the synthetic run. nullopt when
// the detection has too few points for a plot.
std::optional<PlotList> engineSpeedPicture(const Curve& raw, const std::vector<RunPoint>& saved,
                                           const std::vector<MotionSample>& truth, const Varia& store);

// The power chart of the computed result and the engine's true curves over
// the same engine speeds, in the language's units. Fails, naming the entry,
// when the language's power or torque factor is missing, zero or no number.
Result<PlotList> powerPicture(const PowerResult& result, const EngineCurve& engine, const Varia& store);

// The acceleration window's plot of the run. Fails, naming the entry, when
// the language's speed factor (Lbcoefkm) is missing, zero or no number.
Result<PlotList> accelerationPicture(const AccelerationModel& model, const Varia& store);

}  // namespace vornax
