// The comparison plot: extremes of the ticked curves, the two summary lines,
// the margins, the axis labels, the grid and the polylines, as plain values
// that the window puts on its labels and its plot canvas.
//
// User scale of the plot: x = engine speed − lower speed bound (0 .. speed
// range), y = upper bound − value, downwards (0 .. power range, or the torque
// range when power is not shown). Torque is stretched by the torque scale
// factor so that its range fills the same height.
#pragma once

#include "common/PlotList.h"
#include "compare/CurveSlot.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vornax::compare {

// What the last plot leaves for the pointer readout; 0, 0, 0 and 1 before any.
struct ReadoutScale {
    float lowerRpm = 0;
    float lowerPower = 0;
    float lowerTorque = 0;
    float torquePerPower = 1;  // torque range ÷ power range
};

// Window-level values kept from one plot to the next.
struct PlotMemory {
    float rpmAtMaxPower = 0;
    float rpmAtMaxTorque = 0;
    ReadoutScale readout;
};

// Texts of the store the plot writes with (LbPuissance, LbUnitePuissance,
// LbCouple, LbUniteCouple).
struct PlotTexts {
    std::string power = "Puissance", powerUnit, torque = "Couple", torqueUnit;
};
PlotTexts plotTextsFrom(const Varia& store);

struct PlotOptions {
    bool showPower = false;   // Check13
    bool showTorque = false;  // Check12
};

// Where a plot stopped. A zero or non-finite range, or an engine speed
// label beyond the 16-bit range, ends the plot at that step; what was set
// before stays.
enum class PlotStop {
    None,
    Margins,      // a widened bound or a range is not finite
    Ratio,        // power range zero or not finite
    PowerAxis,    // torque range zero while power is not shown
    TorqueAxis,   // torque range zero while torque is shown
    SpeedAxis,    // a speed label beyond -32768..32767
    ScaleHeight,  // vertical extent refused by the canvas
    ScaleWidth,   // speed range zero
};

// The outcome of one plot. Labels are numbered as in the window: Label1 to
// Label10 power values (top to bottom), Label11 to Label20 torque values,
// Label21 to Label29 engine speeds (left to right), Label30 the power unit,
// Label31 the torque unit. A label the plot did not reach is nullopt.
struct PlotDrawing {
    // The two " max: " summary lines, each ending with the name of the file
    // whose curve holds the maximum, in brackets, when that slot has a file.
    std::string label76, label77;
    std::string powerMaxCurve, torqueMaxCurve;          // those names alone; empty: none
    std::array<std::optional<std::string>, 32> labels;  // index 1..31
    bool cleared = false;                               // the canvas was cleared
    std::optional<double> scaleHeight, scaleWidth;
    // Grid lines first, then each ticked slot's polylines in slot order (the
    // torque dashed, the power solid), then a legend naming each ticked
    // slot's file with samples of its lines; with neither quantity shown, a
    // line saying what to tick instead. Its scale is set once both extents
    // are known.
    PlotList plot;
    PlotStop stop = PlotStop::None;
};

// The running extremes of one column over points 1 .. count − 1 (point 0 is
// never examined). Strict comparisons: the first point reaching an extreme
// wins. curveMax records the point's engine speed as the speed at maximum
// torque (column Torque) or power (column Power).
float curveMax(const CurveSlot& slot, Column column, float running, PlotMemory& memory);
float curveMin(const CurveSlot& slot, Column column, float running);

// Widened bounds and scale factor one slot is drawn with.
struct PlotBounds {
    float minRpm = 0;
    float maxPower = 0;
    float maxTorque = 0;
    float torqueScale = 1;
};

// Draws one slot's polylines into `plot`: torque (dashed) first, then power,
// each from point 1 to point count − 1 and ending before the first drop of
// engine speed.
void plotSlot(const CurveSlot& slot, const PlotBounds& bounds, const PlotOptions& options, PlotList& plot);

// The whole plot of the ticked slots. Updates `memory` (speeds at the
// maxima, and the readout scale once the ranges are known).
PlotDrawing plotCurves(const CurveSet& slots, const PlotOptions& options, const PlotTexts& texts, PlotMemory& memory);

}  // namespace vornax::compare
