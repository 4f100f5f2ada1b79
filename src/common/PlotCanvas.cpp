#include "common/PlotCanvas.h"

#include "common/AppFolder.h"

#include <QContextMenuEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgGenerator>

#include <cmath>

namespace vornax {

PlotCanvas::PlotCanvas(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(20, 20);
}

void PlotCanvas::clear()
{
    lines_.clear();
    update();
}

void PlotCanvas::setBackground(Rgb colour)
{
    background_ = colour;
    update();
}

bool PlotCanvas::setScale(double width, double height)
{
    if (!PlotMapping::validExtent(width) || !PlotMapping::validExtent(height))
        return false;
    scaleWidth_ = width;
    scaleHeight_ = height;
    update();
    return true;
}

void PlotCanvas::line(double x1, double y1, double x2, double y2, Rgb colour)
{
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return;
    lines_.push_back({x1, y1, x2, y2, colour});
    update();
}

void PlotCanvas::render(QPainter& painter, QSize size) const
{
    painter.fillRect(QRect(QPoint(0, 0), size), QColor(background_.r, background_.g, background_.b));
    painter.setRenderHint(QPainter::Antialiasing, true);
    const PlotMapping map(scaleWidth_, scaleHeight_, size.width(), size.height());
    // Points land on pixel centres, so that a line on a whole pixel position
    // stays one crisp pixel wide, and lines on the far edges (a grid's border)
    // stay inside the picture. Far-off points are clamped so that the painter
    // never gets coordinates it cannot represent.
    const auto toDevice = [](double v, int extent) {
        if (v >= -1.0 && v <= extent + 1.0)
            return std::clamp(v + 0.5, 0.5, extent - 0.5);
        return std::clamp(v, -1.0e6, 1.0e6);
    };
    QPen pen;
    pen.setWidthF(1.0);
    pen.setCosmetic(true);
    for (const Line& l : lines_) {
        pen.setColor(QColor(l.colour.r, l.colour.g, l.colour.b));
        painter.setPen(pen);
        const PlotPoint a = map.toPixel({l.x1, l.y1});
        const PlotPoint b = map.toPixel({l.x2, l.y2});
        painter.drawLine(QPointF(toDevice(a.x, size.width()), toDevice(a.y, size.height())),
                         QPointF(toDevice(b.x, size.width()), toDevice(b.y, size.height())));
    }
}

QImage PlotCanvas::toImage(QSize size) const
{
    if (!size.isValid() || size.isEmpty())
        size = this->size();
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    render(painter, size);
    return image;
}

bool PlotCanvas::exportTo(const QString& fileName, QSize size) const
{
    if (!size.isValid() || size.isEmpty())
        size = this->size();
    if (QFileInfo(fileName).suffix().compare("svg", Qt::CaseInsensitive) == 0) {
        QSvgGenerator svg;
        svg.setFileName(fileName);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        QPainter painter;
        if (!painter.begin(&svg))
            return false;
        render(painter, size);
        return painter.end();
    }
    return toImage(size).save(fileName, "PNG");
}

PlotPoint PlotCanvas::toUser(QPoint pixel) const
{
    const PlotMapping map(scaleWidth_, scaleHeight_, width(), height());
    return map.toUser({double(pixel.x()), double(pixel.y())});
}

void PlotCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    render(painter, size());
}

void PlotCanvas::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pixel = event->position().toPoint();
    const PlotPoint user = toUser(pixel);
    emit pointerMoved(user.x, user.y, pixel);
    QWidget::mouseMoveEvent(event);
}

void PlotCanvas::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    QAction* save = menu.addAction(tr("Save picture as PNG or SVG..."));
    if (menu.exec(event->globalPos()) != save)
        return;
    FileDialogRequest request;
    request.title = tr("Save picture").toStdString();
    request.filter = tr("PNG picture (*.png)|*.png|SVG drawing (*.svg)|*.svg").toStdString();
    request.initialFolder = appFolder().string();
    request.initialName = "plot.png";
    const auto chosen = platform().saveFile(request);
    if (!chosen)
        return;
    if (!exportTo(QString::fromStdString(*chosen)))
        platform().message(tr("Cannot save the picture to \"%1\".").arg(QString::fromStdString(*chosen)).toStdString(),
                           request.title, MessageIcon::Warning);
}

}  // namespace vornax
