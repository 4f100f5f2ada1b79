// Painting a plot's display list into any rectangle of any painter, and the
// picture renderer that paints it into a PNG or SVG. The plot canvas paints
// the screen with it, the run report its chart, `vornax plot` and the demo
// their pictures, so all show the same drawing. Qt Gui only (no widgets), so
// it also draws without a display (Qt's offscreen platform).
#pragma once

#include "common/PlotList.h"
#include "common/Result.h"

#include <QImage>
#include <QRect>

#include <string>

class QPainter;

namespace vornax {

// Fills `area` with the background and draws every item mapped from the user
// scale onto it, anti-aliased; line widths are multiplied by `lineWidth`
// (device pixels per width unit, for printers) as are text sizes. Points land
// on pixel centres, so a line on a whole pixel stays one crisp pixel, and
// lines on the far edges (a grid's border) stay inside the area. Far-off
// points are clamped so that the painter never gets coordinates it cannot
// represent.
void paintPlot(QPainter& painter, const QRect& area, const PlotList& plot, double lineWidth = 1.0);

// The list painted on a picture of `size` pixels.
QImage renderPlot(const PlotList& plot, QSize size);

// Writes the list as a picture of `size` pixels: SVG when the file name ends
// in ".svg" (any case), else PNG. The error names the file.
Status savePlotPicture(const std::string& fileName, const PlotList& plot, QSize size);

}  // namespace vornax
