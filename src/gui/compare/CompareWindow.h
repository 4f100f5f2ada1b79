// The comparison window GRph: eleven curve slots, the plot of their torque and
// power against engine speed, the average, and the readout under the pointer.
// The window only wires its controls to the core (CurveSlot, CurvePlot,
// AverageCurve, GraphFrame) and draws the core's lines on its plot canvas.
#pragma once

#include "compare/CurvePlot.h"
#include "compare/GraphFrame.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;

namespace vornax {

class PlotCanvas;

class CompareWindow : public QWidget {
    Q_OBJECT
public:
    explicit CompareWindow(QWidget* parent = nullptr);

    // "Tracer": rereads every ticked slot's file, then plots. A file that
    // cannot be read stops the command with one message naming it.
    void Command12_Click();
    // "Moyenne": averages the ticked slots into a file chosen in the save
    // dialog. With no slot ticked it shows a message and writes nothing.
    void MoyC_Click();
    // Plots the slots as they are in memory (also after a resize).
    void plotCurves();

    const compare::CurveSet& curveSlots() const { return slots_; }
    const compare::PlotMemory& plotMemory() const { return memory_; }
    bool plotRequested() const { return plotRequested_; }
    const compare::TwipRect& plotArea() const { return plotArea_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct SlotRow {
        QCheckBox* show = nullptr;
        QPushButton* load = nullptr;
        QLabel* torqueSwatch = nullptr;
        QLabel* torqueName = nullptr;
        QLabel* powerSwatch = nullptr;
        QLabel* powerName = nullptr;
    };

    void buildSlotRow(int k);
    void buildAxisLabels();
    void setCaptions();
    void chooseFile(int k);
    // The load button's caption: "Courbe k", or the chosen file's name.
    void showSlotName(int k);
    void showBoxChanged(int k, bool ticked);
    void pickSwatchColour(QLabel* swatch);
    void layOut();
    // Pointer at a window position in pixels; nullopt: off the window.
    void updateReadout(std::optional<QPointF> windowPixel);

    std::array<SlotRow, compare::kSlotCount> rows_;
    std::array<QLabel*, 32> axisLabels_{};  // Label1 .. Label31
    QPushButton* command12_ = nullptr;
    QPushButton* moyC_ = nullptr;
    QCheckBox* check12_ = nullptr;  // torque shown
    QCheckBox* check13_ = nullptr;  // power shown
    QLabel* label76_ = nullptr;
    QLabel* label77_ = nullptr;
    QLabel* lblX_ = nullptr;
    QLabel* lblY_ = nullptr;
    QLabel* lblt_ = nullptr;
    PlotCanvas* picture1_ = nullptr;

    compare::CurveSet slots_;
    compare::PlotMemory memory_;
    bool plotRequested_ = false;
    // Until a plot sets its own scale, the plot area's scale is its size in
    // twips.
    bool userScale_ = false;
    compare::TwipRect plotArea_;
};

}  // namespace vornax
