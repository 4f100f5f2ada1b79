#include "gui/common/PlotCanvas.h"

#include "common/AppFolder.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

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
    plot_.items.clear();
    frame_.reset();
    update();
}

void PlotCanvas::setBackground(Rgb colour)
{
    plot_.background = colour;
    update();
}

bool PlotCanvas::setScale(double width, double height)
{
    if (!PlotMapping::validExtent(width) || !PlotMapping::validExtent(height))
        return false;
    plot_.scaleWidth = width;
    plot_.scaleHeight = height;
    update();
    return true;
}

void PlotCanvas::setPlot(PlotList plot)
{
    if (!PlotMapping::validExtent(plot.scaleWidth) || !PlotMapping::validExtent(plot.scaleHeight)) {
        plot.scaleWidth = plot_.scaleWidth;
        plot.scaleHeight = plot_.scaleHeight;
    }
    plot_ = std::move(plot);
    update();
}

void PlotCanvas::add(const PlotList& plot)
{
    plot_.items.insert(plot_.items.end(), plot.items.begin(), plot.items.end());
    update();
}

void PlotCanvas::line(double x1, double y1, double x2, double y2, Rgb colour)
{
    plot_.line(x1, y1, x2, y2, colour);
    update();
}

void PlotCanvas::render(QPainter& painter, QSize size) const { paintPlot(painter, QRect(QPoint(0, 0), size), plot_); }

QImage PlotCanvas::toImage(QSize size) const
{
    if (!size.isValid() || size.isEmpty())
        size = this->size();
    return renderPlot(plot_, size);
}

void PlotCanvas::setFrame(PlotFrame frame) { frame_ = std::move(frame); }

void PlotCanvas::clearFrame() { frame_.reset(); }

QSize PlotCanvas::exportSize() const
{
    if (!frame_)
        return size();
    const FrameRoom room = frameRoom(*frame_);
    return {width() + static_cast<int>(std::ceil(room.left + room.right)),
            height() + static_cast<int>(std::ceil(room.top + room.bottom))};
}

PlotList PlotCanvas::exportedPlot(QSize size) const
{
    if (!frame_)
        return plot_;
    if (!size.isValid() || size.isEmpty())
        size = exportSize();
    return vornax::framedPlot(plot_, *frame_, size.width(), size.height());
}

bool PlotCanvas::exportTo(const QString& fileName, QSize size) const
{
    if (!size.isValid() || size.isEmpty())
        size = exportSize();
    return savePlotPicture(fileName.toStdString(), exportedPlot(size), size).ok();
}

PlotPoint PlotCanvas::toUser(QPoint pixel) const
{
    const PlotMapping map(plot_.scaleWidth, plot_.scaleHeight, width(), height());
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
