#include "paint/PlotPainter.h"

#include "common/PlotMapping.h"
#include "common/TextFile.h"
#include "common/Translation.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QSvgGenerator>

#include <algorithm>
#include <vector>

namespace vornax {
namespace {

QColor qcolour(Rgb c) { return QColor(c.r, c.g, c.b); }

class Mapper {
public:
    Mapper(const PlotList& plot, int width, int height)
        : map_(plot.scaleWidth, plot.scaleHeight, width, height), width_(width), height_(height)
    {
    }

    // A point for a line: on the pixel centre, edges kept inside the area.
    QPointF stroke(double x, double y) const
    {
        const PlotPoint p = map_.toPixel({x, y});
        return {device(p.x, width_), device(p.y, height_)};
    }
    // A point for an area or a text: pixel edges.
    QPointF edge(double x, double y) const
    {
        const PlotPoint p = map_.toPixel({x, y});
        return {std::clamp(p.x, -1.0e6, 1.0e6), std::clamp(p.y, -1.0e6, 1.0e6)};
    }

private:
    static double device(double v, int extent)
    {
        if (v >= -1.0 && v <= extent + 1.0)
            return std::clamp(v + 0.5, 0.5, extent - 0.5);
        return std::clamp(v, -1.0e6, 1.0e6);
    }

    PlotMapping map_;
    int width_, height_;
};

QPen pen(Rgb colour, double width, bool dashed = false)
{
    QPen p(qcolour(colour));
    p.setWidthF(width);
    p.setCosmetic(true);
    p.setCapStyle(Qt::FlatCap);
    p.setJoinStyle(Qt::RoundJoin);
    if (dashed)
        p.setStyle(Qt::DashLine);
    return p;
}

void paintText(QPainter& painter, const Mapper& map, const PlotText& t, double scale)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(std::max(1, static_cast<int>(t.size * scale + 0.5)));
    font.setBold(t.bold);
    painter.setFont(font);
    painter.setPen(qcolour(t.colour));
    const QString text = QString::fromStdString(t.text);
    const QFontMetricsF metrics(font);
    const double w = metrics.horizontalAdvance(text);
    const double h = metrics.height();
    const QPointF at = map.edge(t.x, t.y);
    double left = at.x(), top = at.y();
    switch (t.anchor) {
    case TextAnchor::Top:
    case TextAnchor::Centre:
    case TextAnchor::Bottom: left -= w / 2; break;
    case TextAnchor::TopRight:
    case TextAnchor::Right:
    case TextAnchor::BottomRight: left -= w; break;
    default: break;
    }
    switch (t.anchor) {
    case TextAnchor::Left:
    case TextAnchor::Centre:
    case TextAnchor::Right: top -= h / 2; break;
    case TextAnchor::BottomLeft:
    case TextAnchor::Bottom:
    case TextAnchor::BottomRight: top -= h; break;
    default: break;
    }
    painter.drawText(QPointF(left, top + metrics.ascent()), text);
}

// The legend in device pixels, in its corner of the width x height area. The
// box takes at most half the area's width; longer names lose their middle.
void paintLegend(QPainter& painter, const PlotLegend& legend, int width, int height, double scale)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(std::max(1, static_cast<int>(legend.size * scale + 0.5)));
    const QFontMetricsF metrics(font);
    const double pad = metrics.height() * 0.5;
    const double rowHeight = metrics.height() * 1.15;
    const double sampleLength = metrics.height() * 1.8;
    const double gap = metrics.height() * 0.4;
    const double margin = 8.0 * scale;

    std::size_t mostSamples = 0;
    for (const PlotLegendEntry& e : legend.entries)
        mostSamples = std::max(mostSamples, e.samples.size());
    const double samplesWidth =
        mostSamples == 0 ? 0.0 : double(mostSamples) * sampleLength + double(mostSamples - 1) * gap + gap;
    const double nameRoom = std::max(metrics.averageCharWidth() * 6, width * 0.5 - 2 * pad - samplesWidth);

    std::vector<QString> names;
    double widest = 0;
    for (const PlotLegendEntry& e : legend.entries) {
        names.push_back(metrics.elidedText(QString::fromStdString(e.name), Qt::ElideMiddle, nameRoom));
        widest = std::max(widest, metrics.horizontalAdvance(names.back()));
    }
    const double boxWidth = 2 * pad + samplesWidth + widest;
    const double boxHeight = pad + rowHeight * double(legend.entries.size());
    const bool right = legend.corner == LegendCorner::TopRight || legend.corner == LegendCorner::BottomRight;
    const bool bottom = legend.corner == LegendCorner::BottomLeft || legend.corner == LegendCorner::BottomRight;
    const double left = right ? width - margin - boxWidth : margin;
    const double top = bottom ? height - margin - boxHeight : margin;

    // A little of the curves shows through, so that the box hides none of
    // them entirely.
    painter.setPen(pen({160, 160, 160}, 1.0));
    painter.setBrush(QColor(255, 255, 255, 225));
    painter.drawRect(QRectF(left + 0.5, top + 0.5, boxWidth, boxHeight));
    painter.setBrush(Qt::NoBrush);
    painter.setFont(font);
    for (std::size_t k = 0; k < legend.entries.size(); ++k) {
        const double centre = top + pad / 2 + rowHeight * (double(k) + 0.5);
        double x = left + pad;
        for (const PlotLegendSample& sample : legend.entries[k].samples) {
            painter.setPen(pen(sample.colour, 2.0 * scale, sample.dashed));
            painter.drawLine(QPointF(x, centre), QPointF(x + sampleLength, centre));
            x += sampleLength + gap;
        }
        painter.setPen(QColor(0, 0, 0));
        painter.drawText(QPointF(left + pad + samplesWidth, centre - metrics.height() / 2 + metrics.ascent()),
                         names[k]);
    }
}

}  // namespace

void paintPlot(QPainter& painter, const QRect& area, const PlotList& plot, double lineWidth)
{
    painter.save();
    painter.translate(area.topLeft());
    const int width = area.width();
    const int height = area.height();
    painter.setClipRect(QRect(0, 0, width, height), Qt::IntersectClip);
    painter.fillRect(QRect(0, 0, width, height), qcolour(plot.background));
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const Mapper map(plot, width, height);
    for (const PlotItem& item : plot.items) {
        if (const auto* l = std::get_if<PlotLine>(&item)) {
            painter.setPen(pen(l->colour, l->width * lineWidth));
            painter.drawLine(map.stroke(l->x1, l->y1), map.stroke(l->x2, l->y2));
        } else if (const auto* p = std::get_if<PlotPolyline>(&item)) {
            painter.setPen(pen(p->colour, p->width * lineWidth, p->dashed));
            QPolygonF points;
            points.reserve(static_cast<qsizetype>(p->points.size()));
            for (const PlotPoint& q : p->points)
                points << map.stroke(q.x, q.y);
            painter.drawPolyline(points);
        } else if (const auto* t = std::get_if<PlotText>(&item)) {
            paintText(painter, map, *t, lineWidth);
        } else if (const auto* r = std::get_if<PlotRect>(&item)) {
            painter.fillRect(QRectF(map.edge(r->x, r->y), map.edge(r->x + r->width, r->y + r->height)).normalized(),
                             qcolour(r->fill));
        } else if (const auto* panel = std::get_if<PlotPanel>(&item)) {
            const QPointF a = map.edge(panel->x, panel->y);
            const QPointF b = map.edge(panel->x + panel->width, panel->y + panel->height);
            const QRect inner = QRectF(a, b).normalized().toRect();
            if (panel->plot && !inner.isEmpty())
                paintPlot(painter, inner, *panel->plot, lineWidth);
        } else if (const auto* image = std::get_if<PlotImage>(&item)) {
            const QRectF target =
                QRectF(map.edge(image->x, image->y), map.edge(image->x + image->width, image->y + image->height))
                    .normalized();
            // The pixels are only read: the picture wraps them without a copy.
            const QImage raster(reinterpret_cast<const uchar*>(image->pixels->data()), image->columns, image->rows,
                                image->columns * 4, QImage::Format_RGB32);
            painter.save();
            painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
            painter.drawImage(target, raster);
            painter.restore();
        } else if (const auto* legend = std::get_if<PlotLegend>(&item)) {
            paintLegend(painter, *legend, width, height, lineWidth);
        }
    }
    painter.restore();
}

QImage renderPlot(const PlotList& plot, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    paintPlot(painter, QRect(QPoint(0, 0), size), plot);
    return image;
}

Status savePlotPicture(const std::string& fileName, const PlotList& plot, QSize size)
{
    if (size.isEmpty())
        return Failure{tx("PlotPainter", "\"%1\": a picture of no size cannot be drawn").arg(fileName)};
    // Drawn in memory first and written through a temporary file, so that a
    // failed save never leaves half a picture in place of an older one.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (QFileInfo(QString::fromStdString(fileName)).suffix().compare("svg", Qt::CaseInsensitive) == 0) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        QPainter painter;
        if (!painter.begin(&svg))
            return Failure{tx("PlotPainter", "\"%1\": the drawing could not be started").arg(fileName)};
        paintPlot(painter, QRect(QPoint(0, 0), size), plot);
        painter.end();
    } else if (!renderPlot(plot, size).save(&buffer, "PNG")) {
        return Failure{tx("PlotPainter", "\"%1\": the picture could not be encoded").arg(fileName)};
    }
    return writeFileAtomically(fileName, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace vornax
