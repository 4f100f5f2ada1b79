// The acceleration window "Comparaison d'acceleration": the vehicle fields
// with their stored / other choices, the gear-change parameters, the power
// curve it drives with, the result figures, and the speed and distance plot.
// A thin layer over the acceleration core.
#pragma once

#include "simulation/AccelerationModel.h"
#include "simulation/SpeedTimePlot.h"
#include "simulation/TorqueCurve.h"

#include <QWidget>

#include <array>
#include <map>
#include <memory>

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
    QLineEdit* field(QWidget* parent, const char* name, int x, int y, int w);
    void choose(std::size_t pair, bool stored);
    void showLabels();
    void applyLayout();

    QWidget* body_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    QMenu* files_ = nullptr;
    QAction* charPui_ = nullptr;
    QAction* saveas_ = nullptr;
    QPushButton* regimeP_ = nullptr;
    PlotCanvas* picture_ = nullptr;
    std::map<std::string, QLineEdit*> fields_;
    std::map<std::string, QLabel*> labels_;
    std::map<std::string, QGroupBox*> frames_;
    std::vector<std::pair<QRadioButton*, QRadioButton*>> options_;
    std::array<QLabel*, 10> timeLabels_{};
    std::array<QLabel*, 6> speedLabels_{};
    std::array<QLabel*, 6> distanceLabels_{};
    QLabel* distanceUnit_ = nullptr;  // Label3
    SpeedTimeLayout layout_;

    std::unique_ptr<TorqueCurve> curve_;
    std::unique_ptr<AccelerationModel> model_;
    std::string curvePath_;  // the power curve loaded, read again after a language change
};

}  // namespace vornax
