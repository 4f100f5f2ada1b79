#include "gui/signal/WavPlotsPanel.h"

#include "gui/common/PlotCanvas.h"
#include "gui/signal/WavPanelKit.h"
#include "pictures/PlotPictures.h"
#include "signal/SignalPlots.h"
#include "store/Varia.h"

#include <QLabel>
#include <QSize>

#include <string>

namespace vornax {

WavPlotsPanel::WavPlotsPanel(QWidget* area, QObject* parent) : QObject(parent)
{
    QWidget* a = area;
    picture2_ = named(new PlotCanvas(a), "Picture2");
    picture2_->setGeometry(px(kPlotLeft), px(kPlotTop), px(12600), px(4500));
    static constexpr const char* speedNames[10] = {"Label5",  "Label6",  "Label7",  "Label8", "Label9",
                                                   "Label10", "Label11", "Label12", "Label1", "Label13"};
    for (std::size_t k = 0; k < speedLabels_.size(); ++k) {
        speedLabels_[k] = named(new QLabel(a), speedNames[k]);
        speedLabels_[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    for (std::size_t k = 0; k < timeLabels_.size(); ++k) {
        const std::string name = "Label" + std::to_string(14 + k);
        timeLabels_[k] = named(new QLabel(a), name.c_str());
        timeLabels_[k]->setAlignment(Qt::AlignCenter);
    }
    checkLine_ = named(new QLabel(a), "lblControle");
    checkLine_->setWordWrap(true);
    checkLine_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void WavPlotsPanel::graphtemp(const Curve& curve)
{
    picture2_->clear();
    picture2_->setBackground({255, 255, 255});
    const auto plot = vornax::graphtemp(curve);
    // The labels show the texts the canvas exports around the plot. Too few
    // points for a scale: an empty plot with empty axes.
    const PlotFrame frame = plot ? speedCurvePicture(*plot, store()).frame : PlotFrame{};
    if (plot) {
        picture2_->setPlot(plot->plot);
        picture2_->setFrame(frame);
    }
    const auto text = [](const std::vector<std::string>& texts, std::size_t k) {
        return k < texts.size() ? QString::fromStdString(texts[k]) : QString();
    };
    for (std::size_t k = 0; k < speedLabels_.size(); ++k)
        speedLabels_[k]->setText(text(frame.left, k));
    for (std::size_t k = 0; k < timeLabels_.size(); ++k)
        timeLabels_[k]->setText(text(frame.bottom, k));
    curveShown_ = true;
}

void WavPlotsPanel::showCheckLine(const CheckLine& line)
{
    // Said loudly when the curve is no measurement.
    checkLine_->setStyleSheet(line.loud ? QStringLiteral("color: #c00000; font-weight: bold;") : QString());
    checkLine_->setText(QString::fromStdString(line.text));
}

bool WavPlotsPanel::place(const QSize& size)
{
    // In twips, from the area below the menu: H and W its size, T and L the
    // plot's fixed top and left.
    const int h = size.height() * kTwipsPerPixel;
    const int w = size.width() * kTwipsPerPixel;
    int plotHeight = picture2_->height() * kTwipsPerPixel;
    if (h - kPlotTop - 1200 > 0)
        plotHeight = h - kPlotTop - 1200;
    if (w - 2 * kPlotLeft < 1) {
        picture2_->resize(picture2_->width(), px(plotHeight));
        return false;
    }
    const int plotWidth = w - 2 * kPlotLeft;
    picture2_->setGeometry(px(kPlotLeft), px(kPlotTop), px(plotWidth), px(plotHeight));
    picture2_->setBackground({255, 255, 255});
    for (std::size_t k = 0; k < speedLabels_.size(); ++k)
        speedLabels_[k]->setGeometry(0, px(kPlotTop + plotHeight * int(k) / 9 - 125), px(kPlotLeft) - 6, px(250));
    for (std::size_t k = 0; k < timeLabels_.size(); ++k)
        timeLabels_[k]->setGeometry(px(kPlotLeft + plotWidth * int(k) / 8 - 307), px(kPlotTop + plotHeight + 100),
                                    px(614), px(250));
    // Two lines, for the check's findings and the precise curve's figures.
    checkLine_->setGeometry(px(kPlotLeft), px(kPlotTop + plotHeight + 400), px(plotWidth), px(600));
    return true;
}

}  // namespace vornax
