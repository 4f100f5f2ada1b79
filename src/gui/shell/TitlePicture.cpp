#include "gui/shell/TitlePicture.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace vornax {
namespace {

// A small two-box car seen from the side: the classic Mini shape.
void drawCar(QPainter& p, QPointF origin, double scale)
{
    p.save();
    p.translate(origin);
    p.scale(scale, scale);
    QPainterPath body;
    body.moveTo(0, 60);
    body.lineTo(0, 38);
    body.quadTo(2, 30, 14, 29);
    body.lineTo(52, 27);
    body.lineTo(66, 4);
    body.quadTo(68, 0, 76, 0);
    body.lineTo(150, 0);
    body.quadTo(158, 0, 160, 6);
    body.lineTo(168, 27);
    body.lineTo(196, 29);
    body.quadTo(206, 31, 206, 40);
    body.lineTo(206, 60);
    body.closeSubpath();
    QLinearGradient paint(0, 0, 0, 60);
    paint.setColorAt(0, QColor(214, 36, 36));
    paint.setColorAt(1, QColor(120, 12, 18));
    p.setPen(QPen(QColor(40, 8, 10), 1.5));
    p.setBrush(paint);
    p.drawPath(body);
    // White roof, windows, bumpers.
    p.setBrush(QColor(245, 245, 240));
    p.drawRoundedRect(QRectF(70, -3, 86, 6), 3, 3);
    p.setBrush(QColor(150, 190, 215));
    p.setPen(QPen(QColor(30, 30, 30), 1.2));
    p.drawPolygon(QPolygonF({QPointF(70, 7), QPointF(108, 7), QPointF(108, 26), QPointF(58, 26)}));
    p.drawPolygon(QPolygonF({QPointF(114, 7), QPointF(152, 7), QPointF(160, 26), QPointF(114, 26)}));
    p.setBrush(QColor(200, 200, 205));
    p.drawRoundedRect(QRectF(-4, 50, 14, 5), 2, 2);
    p.drawRoundedRect(QRectF(196, 50, 14, 5), 2, 2);
    p.setBrush(QColor(255, 236, 160));
    p.drawEllipse(QRectF(198, 34, 7, 9));
    // Small wheels, far out at the corners.
    for (double x : {38.0, 168.0}) {
        p.setBrush(QColor(20, 20, 20));
        p.drawEllipse(QPointF(x, 60), 17, 17);
        p.setBrush(QColor(190, 190, 195));
        p.drawEllipse(QPointF(x, 60), 8, 8);
    }
    p.restore();
}

}  // namespace

QPixmap titlePicture()
{
    QPixmap pixmap(kTitlePictureWidth, kTitlePictureHeight);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, kTitlePictureHeight);
    sky.setColorAt(0.0, QColor(14, 22, 44));
    sky.setColorAt(0.7, QColor(34, 52, 92));
    sky.setColorAt(1.0, QColor(18, 20, 28));
    p.fillRect(pixmap.rect(), sky);

    // A grid and two curves, as the program draws them: power red, torque blue.
    const QRectF chart(360, 40, 340, 220);
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    for (int i = 0; i <= 9; ++i)
        p.drawLine(QPointF(chart.left(), chart.bottom() - chart.height() * i / 9),
                   QPointF(chart.right(), chart.bottom() - chart.height() * i / 9));
    for (int i = 0; i <= 8; ++i)
        p.drawLine(QPointF(chart.left() + chart.width() * i / 8, chart.top()),
                   QPointF(chart.left() + chart.width() * i / 8, chart.bottom()));
    QPainterPath power, torque;
    for (int i = 0; i <= 100; ++i) {
        const double x = i / 100.0;
        const double t = 0.78 + 0.22 * std::sin(3.1 * x - 0.35) - 0.25 * x * x;  // torque shape
        const double pw = t * (0.25 + 0.75 * x);
        const QPointF pt(chart.left() + chart.width() * x, chart.bottom() - chart.height() * pw * 0.95);
        const QPointF tt(chart.left() + chart.width() * x, chart.bottom() - chart.height() * (0.25 + 0.6 * t));
        i == 0 ? power.moveTo(pt) : power.lineTo(pt);
        i == 0 ? torque.moveTo(tt) : torque.lineTo(tt);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(235, 60, 50), 3));
    p.drawPath(power);
    p.setPen(QPen(QColor(80, 150, 255), 3));
    p.drawPath(torque);

    // An ignition trace along the bottom: one sharp pulse per spark, closer
    // and closer as the engine gathers speed.
    QPainterPath trace;
    double x = 20;
    trace.moveTo(x, 330);
    double gap = 34;
    while (x < kTitlePictureWidth - 20) {
        trace.lineTo(x + gap * 0.7, 330);
        trace.lineTo(x + gap * 0.72, 300);
        trace.lineTo(x + gap * 0.76, 348);
        trace.lineTo(x + gap * 0.80, 322);
        trace.lineTo(x + gap * 0.84, 334);
        trace.lineTo(x + gap, 330);
        x += gap;
        gap = std::max(9.0, gap * 0.93);
    }
    p.setPen(QPen(QColor(120, 230, 140), 1.6));
    p.drawPath(trace);

    drawCar(p, QPointF(40, 208), 1.2);

    QFont title("DejaVu Sans", 34, QFont::Bold);
    p.setFont(title);
    p.setPen(QColor(250, 250, 250));
    p.drawText(QRectF(30, 40, 330, 60), Qt::AlignLeft | Qt::AlignVCenter, "The Vornax");
    p.setPen(QColor(240, 200, 60));
    p.drawText(QRectF(30, 92, 330, 60), Qt::AlignLeft | Qt::AlignVCenter, "Meter");
    QFont sub("DejaVu Sans", 11);
    p.setFont(sub);
    p.setPen(QColor(210, 215, 230));
    p.drawText(
        QRectF(32, 150, 320, 40), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
        QCoreApplication::translate("TitlePicture", "Puissance et couple de la Mini\nà partir du signal d'allumage"));
    QFont small("DejaVu Sans", 9);
    p.setFont(small);
    p.setPen(QColor(150, 160, 185));
    p.drawText(QRectF(0, kTitlePictureHeight - 26, kTitlePictureWidth - 14, 20), Qt::AlignRight | Qt::AlignVCenter,
               QCoreApplication::translate("TitlePicture",
                                           "tr/min  ·  couple  ·  puissance  ·  0-100 km/h  ·  400 m  ·  1000 m"));
    return pixmap;
}

}  // namespace vornax
