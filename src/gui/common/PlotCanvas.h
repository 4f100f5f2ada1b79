// The one drawing surface of the program. It keeps what was drawn in the
// surface's user scale (origin top left, y downwards, scale width x scale
// height) as a display list made by the core, so the drawing is redrawn at
// any widget size and exported to PNG or SVG as shown, through the same
// painter that draws pictures without a display. A window that shows the
// plot's axis values in labels around the surface gives it the same texts as
// a frame (PlotFrame): the screen shows the plot alone, between the labels,
// and the export draws the frame around it, as `vornax plot` does.
#pragma once

#include "common/PlatformServices.h"
#include "common/PlotFrame.h"
#include "common/PlotMapping.h"
#include "paint/PlotPainter.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <optional>
#include <vector>

class QPainter;

namespace vornax {

class PlotCanvas : public QWidget {
    Q_OBJECT
public:
    explicit PlotCanvas(QWidget* parent = nullptr);

    // Clears every item and the frame, and fills the surface with the background colour.
    void clear();
    void setBackground(Rgb colour);
    Rgb background() const { return plot_.background; }

    // Sets the user scale. A width or height that is zero or not finite is
    // refused (false) and the scale stays as it was.
    bool setScale(double width, double height);
    bool setScaleWidth(double width) { return setScale(width, plot_.scaleHeight); }
    bool setScaleHeight(double height) { return setScale(plot_.scaleWidth, height); }
    double scaleWidth() const { return plot_.scaleWidth; }
    double scaleHeight() const { return plot_.scaleHeight; }

    // Shows a display list: its scale (when valid), background and items
    // replace the surface's.
    void setPlot(PlotList plot);
    // Adds the items of `plot` over what is drawn, in this surface's scale.
    void add(const PlotList& plot);
    // A straight line in user coordinates. Lines with a coordinate that is not
    // finite are skipped (the surface cannot draw them).
    void line(double x1, double y1, double x2, double y2, Rgb colour);

    // The display list as it is painted, and its straight pieces in drawing
    // order (segmentsOf).
    const PlotList& plot() const { return plot_; }
    std::vector<PlotLine> segments() const { return segmentsOf(plot_); }

    // The texts around the plot (axis values and titles, lines under it, a
    // legend), drawn by the export only. Kept until replaced or cleared.
    void setFrame(PlotFrame frame);
    void clearFrame();
    const std::optional<PlotFrame>& frame() const { return frame_; }

    // The drawing at the given pixel size (the widget's size by default), as
    // on the screen.
    QImage toImage(QSize size = {}) const;
    // What an export of `size` pixels draws (exportSize() by default): the
    // plot framed by framedPlot, or the plot alone when it has no frame.
    PlotList exportedPlot(QSize size = {}) const;
    // The widget's size, grown by the frame's room: the exported plot keeps
    // its size on the screen.
    QSize exportSize() const;
    // Writes exportedPlot(size) as a PNG or SVG, chosen by the file name's
    // ending; false on failure.
    bool exportTo(const QString& fileName, QSize size = {}) const;
    void render(QPainter& painter, QSize size) const;

    // Pointer position in user coordinates from a widget pixel position.
    PlotPoint toUser(QPoint pixel) const;

signals:
    // The pointer moved over the surface; position in user coordinates and in
    // widget pixels.
    void pointerMoved(double userX, double userY, QPoint pixel);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    PlotList plot_;
    std::optional<PlotFrame> frame_;
};

}  // namespace vornax
