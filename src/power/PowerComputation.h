// The torque and power computation: from an engine-speed curve recorded while
// accelerating in one gear and the committed vehicle, the power the engine
// delivered at each point (to accelerate the car, its wheels and its engine,
// and to overcome air drag and rolling resistance), raised by the gear's
// transmission loss, with the matching torque, in the display units of the
// language in force.
//
// Row i of the result uses points i and i + 1 (forward differences); a curve
// of n points fills rows 0 ... n - 3 and leaves the other rows as they were in
// the table the computation started from. The last point is never used.
#pragma once

#include "common/Physics.h"
#include "common/Result.h"
#include "power/PowerCurveInput.h"
#include "power/PowerInputs.h"
#include "store/Varia.h"

#include <optional>
#include <string_view>
#include <vector>

namespace vornax {

using physics::kPowerPi;

struct PowerRow {
    float rpm = 0;     // engine speed, rpm
    float torque = 0;  // display torque unit (N·m × LbConvertionNm)
    float power = 0;   // display power unit (W ÷ LbConvertionWatt)
};

// Always kMaxPowerPoints rows (indexes 0 ... 5000).
using PowerTable = std::vector<PowerRow>;
inline PowerTable emptyPowerTable() { return PowerTable(kMaxPowerPoints); }

// The five power terms of one row, in watts, each rounded to single, and
// their sum (engine + wheel + aero + translation + rolling) at the wheels.
struct PowerTerms {
    float engineInertia = 0;
    float wheelInertia = 0;
    float aero = 0;
    float translation = 0;
    float rolling = 0;
    float atWheels = 0;
};

// The vehicle side of the computation, fixed for one run.
class PowerModel {
public:
    // Fails for an overall ratio of 0 or a loss of 100 % (or any loss whose
    // factor is not a finite single).
    static Result<PowerModel> make(const PowerInputs& inputs);

    double radius() const { return radius_; }
    float ratio() const { return ratio_; }
    float factor() const { return factor_; }

    // Terms of the row that starts at `a` and ends at `b`. nullopt when the
    // two points have the same time or a term overflows a single.
    std::optional<PowerTerms> terms(RunPoint a, RunPoint b) const;

    // The row of point `a` (next point `b`). Fails with a short reason (the
    // caller adds the file and line).
    Result<PowerRow> row(RunPoint a, RunPoint b) const;

private:
    PowerInputs in_;
    double radius_ = 0;
    float ratio_ = 0;
    float factor_ = 0;
};

// Extremes over rows 5 ... n - 40, each starting from row 0's value; a row
// replaces the current extreme only when strictly beyond it, so the first row
// reaching an extreme wins. When row 0 holds a maximum the engine speed given
// with it is row 0's.
struct PowerExtremes {
    float maxPower = 0, rpmAtMaxPower = 0, minPower = 0;
    float maxRpm = 0, minRpm = 0;
    float maxTorque = 0, rpmAtMaxTorque = 0, minTorque = 0;
};
PowerExtremes findExtremes(const PowerTable& table, int pointCount);

// The chart's scale: the power axis gets a 2.5 % top margin, every other
// margin is 5 %; the torque is drawn on the power scale through
// torqueToPower = powerSpan / torqueSpan. All singles.
struct ChartScale {
    float powerTop = 0, powerBottom = 0;
    float rpmLeft = 0, rpmRight = 0;
    float torqueTop = 0, torqueBottom = 0;
    float rpmSpan = 0, powerSpan = 0, torqueSpan = 0;
    float torqueToPower = 0;
};
// Fails when a span is zero or not finite (a flat curve has nothing to draw).
Result<ChartScale> chartScale(const PowerExtremes& extremes);

struct PowerResult {
    PowerTable table;    // kMaxPowerPoints rows
    int pointCount = 0;  // lines of the curve
    PowerExtremes extremes;
    ChartScale scale;
    float correctionFactor = 1.0f;  // multiplied into every row's torque and power
};

// The whole computation on a curve in memory (the points of a .ReT file, as
// power/PowerCurveInput reads them, or a curve just made). `start` is the
// table the rows are written into (the previous result, so rows past n - 3
// keep their values); `source` names the curve in messages. Fails for fewer
// than 3 points, two points with the same time, an engine speed of 0, an
// overflow, or a flat result; the message names the curve and line. Fails too
// for a result no car's engine gives: an engine speed outside 0 to 20 000 rpm
// (the first row out is named), or a largest or smallest power beyond 500 ch
// either way. `correctionFactor` (the air correction's k) multiplies the
// torque and the power of every row, each rounded to single; at 1 the rows
// are exactly the uncorrected ones. Nothing outside the returned value
// changes, so a caller keeps its previous result when this fails.
Result<PowerResult> computePower(const PowerInputs& inputs, const std::vector<RunPoint>& points, PowerTable start,
                                 std::string_view source, float correctionFactor = 1.0f);

// What a run takes of the store for the gear with list index gearIndex (0 =
// 1st gear): the inputs, refused when they make no model. A caller reads them
// before the curve, so that a bad gear is reported whatever the curve.
Result<PowerInputs> readRunInputs(const Varia& store, int gearIndex);

}  // namespace vornax
