// `CPuiss`, the power window: loads an engine-speed curve, computes torque
// and power for the selected gear with the committed vehicle, shows the two
// summary lines and the chart, and saves the power curve file. The window
// only reads its controls and calls the computation core.
//
// A computation that fails (bad curve line, a vehicle value that is not a
// number, a ratio of 0...) shows one message and changes nothing: the table,
// the labels, the chart, the save button and the curve in use stay those of
// the last successful computation.
#pragma once

#include "power/AirCorrection.h"
#include "power/PowerComputation.h"
#include "signal/CurveNotes.h"

#include <QWidget>

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vornax {

class PlotCanvas;

class PowerWindow : public QWidget {
    Q_OBJECT
public:
    explicit PowerWindow(QWidget* parent = nullptr);

    // Load a curve (open dialog in RPM), then compute.
    void Command1_Click();
    // A curve made elsewhere (from a speed log) computed in the gear with
    // list index gearIndex, as if chosen in the open dialog.
    bool loadCurve(const std::filesystem::path& curve, int gearIndex);
    // The computation on the current curve and gear; true on success.
    bool Command2_Click();
    // Save the power curve file (save dialog in Puissance).
    void Command3_Click();
    // The gear changed: compute again once a computation has succeeded. The
    // gear the user picks is kept in the settings for the next windows.
    void lstvitesse_Click();
    // The correction's standard or air changed: kept in the settings, and
    // computed again once a computation has succeeded. A refused value is
    // said, and the frame goes back to the conditions in force, so that it
    // never shows air the figures do not use.
    void conditionsChanged();
    // The one-page run report of the result on screen (save dialog in
    // Puissance, a PDF).
    void cmdRapport_Click();
    // The correction the Conditions frame asks for; fails naming the field
    // that is not a number or is outside its range.
    Result<PowerCorrection> chosenCorrection() const;
    // A vehicle was confirmed since the window opened: its name in the
    // title, the gears of its box.
    Q_INVOKABLE void vehicleCommitted();

    const PowerTable& table() const { return table_; }
    int pointCount() const { return pointCount_; }
    const std::filesystem::path& curvePath() const { return curvePath_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void setCaptions();
    QLabel* makeLabel(const QString& name, Qt::Alignment alignment, int widthTwips);
    void placeTwips(QWidget* widget, double left, double top);
    void layOut();
    void fillGears();
    void recomputeAfterResize();
    // A curve the window computes from, read from its file when chosen.
    struct LoadedCurve {
        std::filesystem::path file;
        std::vector<RunPoint> points;
        std::optional<CurveNotes> notes;  // how it was made, kept beside it
    };
    // The computation on the curve in use, or on `newCurve` read afresh
    // (given back in `taken` once read); changes nothing of the window.
    Result<PowerResult> computeResult(float correctionFactor, const std::filesystem::path* newCurve,
                                      std::optional<LoadedCurve>& taken) const;
    // Computes and shows; a new curve becomes the one in use on success only.
    bool compute(bool quietWhenRepeated, const std::filesystem::path* newCurve = nullptr);
    void showResult(const PowerResult& result, const PowerCorrection& correction);
    QGroupBox* makeConditionsFrame();
    void loadConditions();
    void showGearSpeeds();

    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QPushButton* command3_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    QComboBox* lstvitesse_ = nullptr;
    QLabel* lblVitesseRoute_ = nullptr;  // the road speeds the gear gives the curve
    PlotCanvas* picture1_ = nullptr;
    std::array<QLabel*, 10> powerLabels_{};   // Label1 ... Label10
    std::array<QLabel*, 9> rpmLabels_{};      // Label11 ... Label19
    std::array<QLabel*, 10> torqueLabels_{};  // LabelC1 ... LabelC10
    QLabel* label20_ = nullptr;
    QLabel* label21_ = nullptr;
    QLabel* label22_ = nullptr;
    QLabel* label23_ = nullptr;
    QPushButton* cmdRapport_ = nullptr;
    QGroupBox* frameConditions_ = nullptr;
    QComboBox* lstnorme_ = nullptr;
    QLineEdit* txtTempAir_ = nullptr;
    QLineEdit* txtPression_ = nullptr;
    QLineEdit* txtHumidite_ = nullptr;

    std::filesystem::path curvePath_;
    std::optional<LoadedCurve> curve_;  // the curve of the result on screen
    PowerTable table_ = emptyPowerTable();
    int pointCount_ = 0;
    std::optional<PowerResult> lastResult_;  // extremes and scale of the result on screen
    PowerCorrection lastCorrection_;
    int lastGear_ = 0;
    double pictureWidthTwips_;
    double pictureHeightTwips_;
    bool resizeRecomputePending_ = false;
    std::string lastQuietFailure_;
};

}  // namespace vornax
