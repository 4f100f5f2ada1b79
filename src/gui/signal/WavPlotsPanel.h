// The WAV window's plots panel: the engine speed against time ("Picture2")
// with its speed labels on the left and its time labels below, and the check
// line under them. Its controls lie on the window's area; the plot keeps its
// designed top and left and takes the rest of the area as it is resized.
#pragma once

#include "signal/Curve.h"
#include "signal/WavCheckLine.h"

#include <QObject>

#include <array>

class QLabel;
class QSize;
class QWidget;

namespace vornax {

class PlotCanvas;

class WavPlotsPanel : public QObject {
    Q_OBJECT
public:
    WavPlotsPanel(QWidget* area, QObject* parent);

    // The engine speed of `curve`, with its speed and time labels.
    void graphtemp(const Curve& curve);
    bool curveShown() const { return curveShown_; }

    void showCheckLine(const CheckLine& line);

    // Places the plot, its labels and the check line in an area of `size`;
    // false when the area is too narrow for a plot, which then keeps its
    // width.
    bool place(const QSize& size);

private:
    PlotCanvas* picture2_ = nullptr;
    std::array<QLabel*, 10> speedLabels_{};  // Label5 .. Label12, Label1, Label13
    std::array<QLabel*, 9> timeLabels_{};    // Label14 .. Label22
    QLabel* checkLine_ = nullptr;            // under the plot
    bool curveShown_ = false;
};

}  // namespace vornax
