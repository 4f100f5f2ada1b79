// The WAV window's smoothing panel: the filter level, "Filtrer" and the
// method beside it ("Standard" or "Précise"), and the test mode's "Filtrage"
// frame (averaging, Bézier and its skipped points, the filter level the
// smoothing uses, which follows the first). Its controls lie on the window's
// area at their designed places; it reads them into the smoothing's settings.
#pragma once

#include "common/Result.h"
#include "signal/Smoothing.h"

#include <QObject>

#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QWidget;

namespace vornax {

struct WavEnabled;

class WavSmoothingPanel : public QObject {
    Q_OBJECT
public:
    WavSmoothingPanel(QWidget* area, QObject* parent);

    bool preciseChosen() const;
    // The smoothing chosen, or the message refusing it.
    Result<SmoothingSettings> smoothingSettings() const;

    void setTestMode(bool on);
    // Its controls that wait for the long work, each with whether it is on.
    std::vector<std::pair<QWidget*, bool>> enabledStates(const WavEnabled& enabled) const;
    // The language file's captions and the method's names.
    void showCaptions();

signals:
    void filterAsked();

private:
    QSlider* slider3_ = nullptr;
    QPushButton* command3_ = nullptr;
    QComboBox* methodChoice_ = nullptr;  // "Standard" / "Précise", beside "Filtrer"
    QGroupBox* filterFrame_ = nullptr;   // "Filtrage", test mode
    QCheckBox* averageCheck_ = nullptr;
    QCheckBox* bezierCheck_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QLabel* filterLevelLabel_ = nullptr;  // the test frame's "Niveau du filtre"
    QSlider* slider2_ = nullptr;
};

}  // namespace vornax
