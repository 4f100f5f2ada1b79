// The frame of the comparison window: where the plot area and its axis labels
// go for a window size, and the readout of engine speed, power and torque at
// the pointer. All positions and sizes are in twips (1/1440 inch; the window
// shows them at 15 twips per pixel).
#pragma once

#include "compare/CurvePlot.h"

#include <array>
#include <optional>
#include <string>

namespace vornax::compare {

struct TwipRect {
    double left = 0, top = 0, width = 0, height = 0;
};

struct TwipPoint {
    double left = 0, top = 0;
};

// Designed places of the frame.
constexpr double kPlotLeft = 2400;
constexpr double kCommand12Top = 120;
constexpr double kCommand12Height = 735;

struct FrameLayout {
    TwipRect plot;                       // Picture1
    std::array<TwipPoint, 32> labels{};  // Label1 .. Label31 (index 0 unused)
};

// Lays the plot out in a window of the given outer size. The plot's top sits
// 255 below the plot command; it takes the height left above a 900 margin and
// the width left of a 630 margin, and keeps `previous`'s height or width when
// nothing would be left. Its left edge never moves. Value labels sit at the
// left (power) and right (torque) edges, speed labels centred under the nine
// grid lines; labels are placed from the plot's actual size.
FrameLayout layoutFrame(double windowWidth, double windowHeight, const TwipRect& previous);

struct Readout {
    std::string lblX, lblY, lblt;
};

// The readout for a pointer at (x, y) in the window: engine speed ("#0"),
// power ("#0.0" + power unit) and torque ("#0.0" + torque unit) at that place
// of the plot whose user scale is scaleWidth x scaleHeight. nullopt when the
// pointer is not strictly inside the plot (edges rounded to whole twips).
std::optional<Readout> readoutAt(double x, double y, const TwipRect& plot, double scaleWidth, double scaleHeight,
                                 const ReadoutScale& scale, const PlotTexts& texts);

}  // namespace vornax::compare
