#include "common/PlotPainter.h"

#include "common/PlotMapping.h"

#include <QPainter>
#include <QPen>

#include <algorithm>

namespace vornax {

void paintPlot(QPainter& painter, const QRect& area, const PlotList& plot, double lineWidth)
{
    painter.save();
    painter.translate(area.topLeft());
    const int width = area.width();
    const int height = area.height();
    painter.fillRect(QRect(0, 0, width, height), QColor(plot.background.r, plot.background.g, plot.background.b));
    painter.setRenderHint(QPainter::Antialiasing, true);
    const PlotMapping map(plot.scaleWidth, plot.scaleHeight, width, height);
    const auto toDevice = [](double v, int extent) {
        if (v >= -1.0 && v <= extent + 1.0)
            return std::clamp(v + 0.5, 0.5, extent - 0.5);
        return std::clamp(v, -1.0e6, 1.0e6);
    };
    QPen pen;
    pen.setWidthF(lineWidth);
    pen.setCosmetic(true);
    for (const PlotLine& l : plot.lines) {
        pen.setColor(QColor(l.colour.r, l.colour.g, l.colour.b));
        painter.setPen(pen);
        const PlotPoint a = map.toPixel({l.x1, l.y1});
        const PlotPoint b = map.toPixel({l.x2, l.y2});
        painter.drawLine(QPointF(toDevice(a.x, width), toDevice(a.y, height)),
                         QPointF(toDevice(b.x, width), toDevice(b.y, height)));
    }
    painter.restore();
}

}  // namespace vornax
