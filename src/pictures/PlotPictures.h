// Each window's plot as a picture: the display list the window draws, and
// the texts it shows around it (axis values, units, summary lines), framed
// by framedPlot. The windows give their plot canvases these frames (their
// exports carry them) and fill their value labels from them. Callers may add curves (the demo adds the true curves) and
// legend entries before drawing. Words and units come from the store, so the
// texts follow the language in force.
#pragma once

#include "common/PlotFrame.h"
#include "compare/CurvePlot.h"
#include "power/AirCorrection.h"
#include "power/PowerComputation.h"
#include "store/Varia.h"
#include "signal/SignalPlots.h"
#include "simulation/SpeedTimePlot.h"

#include <optional>
#include <string>
#include <vector>

namespace vornax {

inline constexpr int kPictureWidth = 1000;
inline constexpr int kPictureHeight = 620;

struct PlotPicture {
    PlotList plot;    // in the window's user scale
    PlotFrame frame;  // its texts
    PlotList drawn(int width = kPictureWidth, int height = kPictureHeight) const
    {
        return framedPlot(plot, frame, width, height);
    }
    // Curves drawn `width` pixels wide: a picture is seen at a distance where
    // the windows' one-pixel lines look faint.
    void widenCurves(double width);
};

// The WAV window's engine-speed plot: speed values down the left edge, times
// along the bottom.
PlotPicture speedCurvePicture(const SpeedPlot& plot, const Varia& store);

// The power window's chart: power values at the left, torque at the right,
// engine speeds along the bottom, and its two summary lines (with the note of
// the correction applied to `result`, as the window shows them).
PlotPicture powerChartPicture(const PowerResult& result, const Varia& store, const PowerCorrection& correction = {});

// The comparison window's plot of the ticked slots (power and torque shown),
// with its two " max: " lines and a legend naming each slot's file; nullopt
// when the plot stops before it has a scale (see PlotStop), with the reason.
Result<PlotPicture> comparisonPicture(const compare::CurveSet& slots, const Varia& store);
// The texts of a plot of the ticked slots that reached its scale: the axis
// values, the two " max: " lines, and a legend naming each file with its own
// maxima of the quantities shown.
PlotFrame comparisonFrame(const compare::PlotDrawing& drawing, const compare::CurveSet& slots,
                          const compare::PlotOptions& shown, const Varia& store);

// Colours that tell up to kSlotCount curves apart on one comparison plot:
// the torque colour and the power colour of slot k.
std::pair<Rgb, Rgb> comparisonColours(std::size_t k);

// The acceleration window's plot: speeds at the left, distances at the
// right (in `distanceUnit`, that of the plot's distances), times along the
// bottom.
PlotPicture accelerationPicture(const SpeedTimePicture& picture, const Varia& store,
                                const std::string& distanceUnit = "m");

// What a file that `vornax plot` is given holds, told from its lines: a
// curve file has "time;speed" lines; a power curve file and an acceleration
// file both have three fields, the acceleration file's first field being the
// time, one sampling step (0,01 s) apart from line to line, where the power
// file has engine speeds. Fails when no line holds a ";".
enum class PlotFileKind { Curve, Power, Acceleration };
Result<PlotFileKind> plotFileKind(const std::vector<std::string>& lines);

}  // namespace vornax
