// Painting a plot's display list: straight lines in the surface's user scale
// (origin top left, y downwards, scale width x scale height) on a background,
// into any rectangle of any painter. The plot canvas paints the screen with
// it, and the run report paints its chart into a PDF page with the same code,
// so both show the same drawing. Qt Gui only (no widgets), so it also draws
// without a display.
#pragma once

#include "common/PlatformServices.h"

#include <QRect>

#include <vector>

class QPainter;

namespace vornax {

struct PlotLine {
    double x1, y1, x2, y2;  // user coordinates
    Rgb colour;
};

struct PlotList {
    double scaleWidth = 1.0, scaleHeight = 1.0;  // user scale of the surface
    Rgb background{255, 255, 255};
    std::vector<PlotLine> lines;  // in drawing order
};

// Fills `area` with the background and draws every line mapped from the user
// scale onto it, `lineWidth` device pixels wide. Points land on pixel centres,
// so a line on a whole pixel stays one crisp pixel, and lines on the far edges
// (a grid's border) stay inside the area. Far-off points are clamped so that
// the painter never gets coordinates it cannot represent.
void paintPlot(QPainter& painter, const QRect& area, const PlotList& plot, double lineWidth = 1.0);

}  // namespace vornax
