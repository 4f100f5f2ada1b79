// The acceleration window "Comparaison d'acceleration": the vehicle fields
// with their stored / other choices, the gear-change parameters, the power
// curve it drives with, the result figures, and the speed and distance plot.
// A thin layer over the acceleration core.
#pragma once

#include "simulation/AccelerationModel.h"
#include "simulation/SpeedTimePlot.h"
#include "simulation/TorqueCurve.h"
#include "speedlog/StandingStart.h"

#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;

namespace vornax {

class PlotCanvas;

class SimTD : public QWidget {
    Q_OBJECT
public:
    explicit SimTD(QWidget* parent = nullptr);
    ~SimTD() override;

    // Captions from the store, vehicle fields from the store and locked.
    void Form_Load();
    // Loads a power curve file; on success enables "Estimer".
    void CharPui_Click();
    // Runs the simulation and redraws.
    void regimeP_Click();
    // Clears and redraws the plot from the last run.
    void DrawSpeedTime();
    // Lays the plot and its labels out for the window's size, then redraws.
    void Form_Resize();
    // Saves the last run as an acceleration curve file.
    void saveas_Click();
    // Loads a speed log of a standing start: its measured curve is drawn
    // over the simulated one and its figures shown beside them.
    void CharJournal_Click();
    // The measured start shown, from a log or from the speed-log window.
    void showMeasured(MeasuredStart measured, const std::string& name);
    // A vehicle was confirmed since the window opened: the fields left on
    // "Origine" show its values.
    Q_INVOKABLE void vehicleCommitted();

    const AccelerationModel& model() const { return *model_; }
    const TorqueCurve& curve() const { return *curve_; }
    SimulationFields fields() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The captions: from the store, and the program's own words.
    void setCaptions();
    void buildEstimation();
    void buildParameters();
    void buildModifications();
    void buildPlot();
    QLabel* label(QWidget* parent, const char* name, int x, int y, int w, const QString& text = {});
    QLabel* valueLabel(QWidget* parent, const char* name, int x, int y, int w);
    QLineEdit* field(QWidget* parent, const char* name, int x, int y, int w);
    QGroupBox* frame(QWidget* parent, const char* name, QRect geometry);
    void choose(std::size_t pair, bool stored);
    void showLabels();
    void applyLayout();

    QWidget* body_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    QMenu* files_ = nullptr;
    QAction* charPui_ = nullptr;
    QAction* saveas_ = nullptr;
    QAction* charJournal_ = nullptr;
    QLabel* lbMesure_ = nullptr;  // the measured figures, empty without a log
    QPushButton* regimeP_ = nullptr;
    PlotCanvas* picture_ = nullptr;

    // "Estimation": captions, then the figures of the last run.
    QGroupBox* frameEsti_ = nullptr;
    QLabel* label0100_ = nullptr;
    QLabel* label400DA_ = nullptr;
    QLabel* label1000DA_ = nullptr;
    QLabel* labelVMAXI_ = nullptr;
    QLabel* lbT0100_ = nullptr;
    QLabel* lb400mDA_ = nullptr;
    QLabel* lb1000mDA_ = nullptr;
    QLabel* lbVmaxi_ = nullptr;
    QLabel* speedUnit_ = nullptr;  // Label1
    QLabel* lbvte_ = nullptr;

    // The gear-change parameters.
    QGroupBox* framePara_ = nullptr;
    QLabel* labelchRPM_ = nullptr;
    QLabel* lbTMPch_ = nullptr;
    QLabel* labelfin_ = nullptr;
    QLineEdit* rpmCh_ = nullptr;
    QLineEdit* tmpCh_ = nullptr;
    QLineEdit* txtfin_ = nullptr;

    // The vehicle values: each of the four choices (in the order of
    // vehicleChoices()) with its option buttons and the fields it governs.
    QGroupBox* frame1_ = nullptr;
    QLineEdit* textPoid_ = nullptr;
    QLineEdit* textRP_ = nullptr;
    QLineEdit* inertieVol_ = nullptr;
    QLineEdit* tyreWidth_ = nullptr;
    QLineEdit* tyreHeight_ = nullptr;
    QLineEdit* rimDiameter_ = nullptr;
    struct Choice {
        QGroupBox* frame = nullptr;
        QRadioButton* stored = nullptr;
        QRadioButton* other = nullptr;
        std::vector<QLineEdit*> fields;  // in the order of the choice's fields
    };
    std::vector<Choice> choices_;

    std::array<QLabel*, 10> timeLabels_{};
    std::array<QLabel*, 6> speedLabels_{};
    std::array<QLabel*, 6> distanceLabels_{};
    QLabel* distanceUnit_ = nullptr;  // Label3
    SpeedTimeLayout layout_;

    std::unique_ptr<TorqueCurve> curve_;
    std::unique_ptr<AccelerationModel> model_;
    // The lines of the power curve loaded, taken again into the new units
    // after a language change.
    std::vector<std::string> curveLines_;
    std::optional<MeasuredStart> measured_;
    std::string measuredName_;
};

}  // namespace vornax
