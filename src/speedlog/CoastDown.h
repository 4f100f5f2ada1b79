// The car's own drag and rolling resistance from coast-downs: in neutral the
// car slows under the road load alone,
//   m_eff · dv/dt = −(A + B·v + C·v²),
// with m_eff the mass plus the wheels' rotating inertia over the radius
// squared. C is the air's ½·ρ·S·Cx, A the rolling resistance m·g·Crr, B what
// the tyres add with speed. A steady wind w and a slope s change A and B of
// one direction (C(v ± w)² = C·v² ± 2Cw·v + Cw², and ± m·g·s), so each
// direction gets its own A and B and both share C; the mean of the two A
// (and B) is the car's own, the wind and the slope cancelling.
//
// The fit is linear and needs no derivative of the noisy speed: integrated
// from the stretch's start, v(t) = v₀ − (A·T + B·∫v dt + C·∫v² dt) / m_eff,
// the integrals taken over the measured speeds, so the receiver's noise
// enters only through the fitted speeds (least squares with a free v₀).
#pragma once

#include "common/Result.h"
#include "power/AirCorrection.h"
#include "speedlog/SpeedLog.h"

#include <optional>
#include <string>
#include <vector>

namespace vornax {

struct CoastDownCar {
    double massKg = 0;
    double rotatingInertia = 0;  // kg·m² of what turns with the wheels in neutral
    double wheelRadius = 0;      // m
    double effectiveMass() const { return massKg + rotatingInertia / (wheelRadius * wheelRadius); }
};

class Varia;

// The car as a coast-down sees it, from the committed vehicle: its mass, the
// wheels' inertia and the tyre's rolling radius, nothing else. A coast-down
// measures the drag area and the rolling coefficient, so a stored one that
// holds no number does not stop it, nor does any gear's entry. Fails, naming
// the entry, where one of its three holds no number or no usable value.
Result<CoastDownCar> coastDownCar(const Varia& store);

// Air density in kg/m³ of the air of the run: dry air and water vapour as
// ideal gases, ρ = p_d / (R_d·T) + p_v / (R_v·T).
double airDensity(const AirConditions& air);

// One direction's stretch: the fixes of one coast-down.
struct CoastRun {
    std::vector<SpeedFix> fixes;  // valid fixes in time order
};

struct CoastDirection {
    double a = 0, aSd = 0;  // N, with one standard deviation
    double b = 0, bSd = 0;  // N per m/s (0 when not fitted)
    double fromSpeed = 0, toSpeed = 0, seconds = 0;
    std::size_t fixes = 0;
    double residualSd = 0;  // m/s, the speeds' scatter about the fit
};

struct CoastDownResult {
    std::vector<CoastDirection> directions;
    bool linearTerm = false;  // B fitted (two directions); one direction fits A + C·v²
    double a = 0, aSd = 0, b = 0, c = 0, cSd = 0;
    double airDensity = 0;
    double scx = 0, scxSd = 0;          // m²
    double rolling = 0, rollingSd = 0;  // A / (m·g), the vehicle's mass (not m_eff)
};

// Fits one or two runs (two: opposite directions on the same road). Fails in
// words for a run of fewer than 20 fixes or under 10 s, a fit that is not
// determined, or a result no car gives (C or A not above zero).
Result<CoastDownResult> fitCoastDown(const std::vector<CoastRun>& runs, const CoastDownCar& car, double airDensity);

// The coast-down stretch of a log (the longest found) as a run; fails in
// words when the log has none.
Result<CoastRun> coastRunOf(const SpeedLog& log, const std::string& name);

}  // namespace vornax
