// A window's plot as a picture: the plot's own display list drawn into the
// middle of a picture, with the texts the window shows around it (value
// columns at the left and right edges, values along the bottom, axis titles,
// a title, lines under the plot and a legend). `vornax plot` and the demo
// draw their pictures with it, and the plot canvas its exports, so that a
// picture saved from a window carries the texts the window shows.
#pragma once

#include "common/PlotList.h"

#include <string>
#include <vector>

namespace vornax {

struct LegendEntry {
    std::string name;
    Rgb colour;
    double width = 2.0;
    bool dashed = false;
};

struct PlotFrame {
    std::string title;
    // Values spread evenly from the plot's top edge (first) to its bottom
    // edge (last), as the windows' label columns.
    std::vector<std::string> left, right;
    // Values spread evenly from the plot's left edge (first) to its right
    // edge (last).
    std::vector<std::string> bottom;
    std::string leftTitle, rightTitle, bottomTitle;
    std::vector<std::string> notes;  // lines under the plot
    std::vector<LegendEntry> legend;
    // The legend in the plot's top-left corner, or under the plot in two
    // columns (for many entries over a plot filled with curves).
    bool legendBelow = false;
};

// A list of width x height pixels (its user scale) holding `plot` framed as
// described. Text widths are estimated from the character count, so the
// columns leave room for the longest value.
PlotList framedPlot(const PlotList& plot, const PlotFrame& frame, int width, int height);

// The pixels the frame's texts take at each edge of the plot: a picture
// that much larger than the plot shows the plot at its own size.
struct FrameRoom {
    double left = 0, top = 0, right = 0, bottom = 0;
};
FrameRoom frameRoom(const PlotFrame& frame);

}  // namespace vornax
