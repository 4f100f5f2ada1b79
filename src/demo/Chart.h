// A line chart on a Picture: a frame, a grid at round values with their
// numbers, a title, axis names, up to two vertical axes (left and right) and
// a legend. Series are drawn in user units against the axis they belong to.
#pragma once

#include "demo/Picture.h"

#include <string>
#include <utility>
#include <vector>

namespace vornax {

// Round grid values over [low, high]: a step of 1, 2 or 5 times a power of
// ten giving about `divisions` divisions, the range widened to whole steps.
struct NiceScale {
    double low = 0, high = 1, step = 1;
    int divisions() const;
};
NiceScale niceScale(double low, double high, int divisions = 6);
// The same number of divisions as `other`, over [low, high] widened to whole
// steps, so that a second axis shares the first axis's grid lines.
NiceScale matchingScale(double low, double high, int divisions);

// The text of a grid value, with as many decimals as the step needs (decimal
// comma).
std::string gridText(double value, double step);

enum class Side { Left, Right };

struct Series {
    std::vector<std::pair<double, double>> points;  // (x, y) in user units
    Rgb colour;
    Side side = Side::Left;
    int thickness = 2;
    int dash = 0;  // 0: solid
    std::string name;  // legend entry; empty: none
};

struct ChartSetup {
    std::string title;
    std::string xName, leftName, rightName;  // rightName empty: no right axis
    std::pair<double, double> xRange, leftRange, rightRange;
    bool legendBottomRight = false;  // else top left, inside the frame
};

// Draws the chart into the whole picture, the series last, clipped to the
// plot area.
void drawChart(Picture& picture, const ChartSetup& setup, const std::vector<Series>& series);

}  // namespace vornax
