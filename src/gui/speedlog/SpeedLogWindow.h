// The speed-log window "Journal de vitesse": opens a log, draws its speed
// against time with the stretches found, lists them, and sends the one
// chosen to its window: a pull becomes an engine-speed curve (saved, then
// computed in the power window), a coast-down gives the car's S·Cx and
// rolling coefficient (written into a Mini file on request), a standing
// start goes to the acceleration window as its measured run. A thin layer
// over the speed-log core.
#pragma once

#include "speedlog/CoastDown.h"
#include "speedlog/LogStretches.h"
#include "speedlog/SpeedLog.h"

#include <QWidget>

#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace vornax {

class PlotCanvas;

class SpeedLogWindow : public QWidget {
    Q_OBJECT
public:
    explicit SpeedLogWindow(QWidget* parent = nullptr);

    // Opens a log (open dialog), draws it and lists its stretches.
    void cmdOuvrir_Click();
    // Sends the stretch chosen in the list to its window.
    void cmdEnvoyer_Click();
    // Writes the last coast-down's figures into a Mini file (open dialog).
    void cmdEcrireVehicule_Click();

    const std::vector<LogStretch>& stretches() const { return stretches_; }
    const std::optional<CoastDownResult>& coastDown() const { return coast_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void setCaptions();
    void sendPull(const LogStretch& pull);
    void sendCoastDown(const LogStretch& coast);
    void sendStart(const LogStretch& start);
    void fillGears();

    QPushButton* ouvrir_ = nullptr;
    QPushButton* envoyer_ = nullptr;
    QPushButton* ecrire_ = nullptr;
    QComboBox* rapport_ = nullptr;
    QLabel* rapportCaption_ = nullptr;
    QLabel* fichier_ = nullptr;
    QLabel* resultat_ = nullptr;
    QListWidget* troncons_ = nullptr;
    PlotCanvas* picture_ = nullptr;

    std::optional<SpeedLog> log_;
    std::string logName_;
    std::vector<LogStretch> stretches_;
    std::optional<CoastDownResult> coast_;
};

}  // namespace vornax
