#include "paint/ReportPdf.h"

#include "paint/PlotPainter.h"
#include "common/PlotFrame.h"
#include "common/TextFile.h"
#include "common/Translation.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace vornax {

namespace {

constexpr int kDpi = 300;

QString qs(const std::string& text) { return QString::fromStdString(text); }

// Device units for a length in millimetres.
int mm(double millimetres, int dpi) { return static_cast<int>(millimetres / 25.4 * dpi + 0.5); }

QFont font(double points, bool bold = false)
{
    QFont f("DejaVu Sans");
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// The chart as the power window shows it, framed as the window's exports
// are: power values down its left edge, torque values down its right edge,
// engine speeds along its bottom, the axis titles above the edges and the
// engine-speed unit under the speeds. Returns the bottom of what was drawn.
int paintChart(QPainter& p, const QRect& area, int dpi, const RunReport& r)
{
    PlotFrame frame;
    frame.left.assign(r.axis.power.begin(), r.axis.power.end());
    frame.right.assign(r.axis.torque.begin(), r.axis.torque.end());
    frame.bottom.assign(r.axis.rpm.begin(), r.axis.rpm.end());
    frame.leftTitle = r.powerAxisTitle;
    frame.rightTitle = r.torqueAxisTitle;
    frame.bottomTitle = r.rpmAxisTitle;
    const double scale = dpi / 96.0;  // device pixels to a picture's pixel
    const int width = static_cast<int>(area.width() / scale);
    const int height = static_cast<int>(area.height() / scale);
    paintPlot(p, area, framedPlot(r.chart, frame, width, height), scale);
    return area.bottom();
}

// A section: its title, then one line per caption and value (the value
// wrapped within its column). Returns the bottom of what was drawn.
int paintSection(QPainter& p, int left, int top, int width, int dpi, const ReportSection& s)
{
    p.setFont(font(10.5, true));
    const QFontMetrics titleMetrics(p.font());
    p.setPen(Qt::black);
    p.drawText(QRect(left, top, width, titleMetrics.height()), Qt::AlignLeft, qs(s.title));
    int y = top + titleMetrics.height() + mm(1, dpi);
    p.drawLine(left, y - mm(0.6, dpi), left + width, y - mm(0.6, dpi));

    p.setFont(font(9));
    const QFontMetrics fm(p.font());
    int captionWidth = 0;
    for (const ReportLine& line : s.lines)
        captionWidth = std::max(captionWidth, fm.horizontalAdvance(qs(line.caption)));
    captionWidth = std::min(captionWidth + mm(3, dpi), width / 2);
    for (const ReportLine& line : s.lines) {
        const int valueLeft = line.caption.empty() ? left : left + captionWidth;
        const QRect valueBox(valueLeft, y, left + width - valueLeft, fm.height() * 4);
        const QRect used = fm.boundingRect(valueBox, Qt::TextWordWrap | Qt::AlignLeft, qs(line.value));
        p.setPen(QColor(80, 80, 80));
        p.drawText(QRect(left, y, captionWidth, fm.height()), Qt::AlignLeft, qs(line.caption));
        p.setPen(Qt::black);
        p.drawText(valueBox, Qt::TextWordWrap | Qt::AlignLeft, qs(line.value));
        y += std::max(used.height(), fm.height()) + mm(0.8, dpi);
    }
    return y;
}

}  // namespace

void paintRunReport(QPainter& p, const QRect& page, int dpi, const RunReport& r)
{
    int y = page.top();
    p.setFont(font(16, true));
    const QFontMetrics titleMetrics(p.font());
    p.setPen(Qt::black);
    p.drawText(QRect(page.left(), y, page.width(), titleMetrics.height()), Qt::AlignLeft,
               qs(r.title + " – " + r.vehicleName));
    y += titleMetrics.height() + mm(0.5, dpi);
    if (!r.subtitle.empty()) {
        p.setFont(font(9.5));
        const QFontMetrics subMetrics(p.font());
        p.setPen(QColor(80, 80, 80));
        p.drawText(QRect(page.left(), y, page.width(), subMetrics.height()), Qt::AlignLeft, qs(r.subtitle));
        p.setPen(Qt::black);
        y += subMetrics.height();
    }
    y += mm(2.5, dpi);

    p.setFont(font(10.5, true));
    const QFontMetrics headMetrics(p.font());
    p.drawText(QRect(page.left(), y, page.width(), headMetrics.height()), Qt::AlignLeft, qs(r.peaksTitle));
    y += headMetrics.height() + mm(0.5, dpi);
    p.setFont(font(10));
    const QFontMetrics lineMetrics(p.font());
    for (const std::string& line : {r.summary.power, r.summary.torque}) {
        p.drawText(QRect(page.left(), y, page.width(), lineMetrics.height()), Qt::AlignLeft, qs(line));
        y += lineMetrics.height();
    }
    y += mm(3, dpi);

    y = paintChart(p, QRect(page.left(), y, page.width(), mm(128, dpi)), dpi, r) + mm(7, dpi);

    // The car's sections (the vehicle, the acceleration) in the left column;
    // the run's (the recording, the curve's making, the conditions) in the
    // right one.
    const int gap = mm(8, dpi);
    const int columnWidth = (page.width() - gap) / 2;
    int leftY = y;
    int rightY = y;
    for (std::size_t i = 0; i < r.sections.size(); ++i) {
        const bool left = r.sections[i].leftColumn;
        if (left)
            leftY = paintSection(p, page.left(), leftY, columnWidth, dpi, r.sections[i]) + mm(4, dpi);
        else
            rightY =
                paintSection(p, page.left() + columnWidth + gap, rightY, columnWidth, dpi, r.sections[i]) + mm(4, dpi);
    }

    p.setFont(font(7.5));
    const QFontMetrics footMetrics(p.font());
    p.setPen(QColor(110, 110, 110));
    p.drawText(QRect(page.left(), page.bottom() - footMetrics.height(), page.width(), footMetrics.height()),
               Qt::AlignRight, qs(r.foot));
}

std::string runReportPdf(const RunReport& report)
{
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(kDpi);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 12),
                                         QPageLayout::Millimeter));
        writer.setTitle(QString::fromStdString(report.title + " – " + report.vehicleName));
        writer.setCreator("The Vornax Meter");
        QPainter painter(&writer);
        const QRect page(QPoint(0, 0), writer.pageLayout().paintRectPixels(kDpi).size());
        paintRunReport(painter, page, kDpi, report);
        painter.end();
    }
    return bytes.toStdString();
}

Status saveRunReport(const std::filesystem::path& file, const RunReport& report)
{
    const std::string bytes = runReportPdf(report);
    if (bytes.empty())
        return Failure{tx("ReportPdf", "the report could not be drawn")};
    return writeFileAtomically(file, bytes);
}

}  // namespace vornax
