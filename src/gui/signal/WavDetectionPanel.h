// The WAV window's detection panel: the source ("Allumage" or "Son du
// moteur"); for the ignition the threshold with its "Auto", the polarity and
// the sparks per revolution; the start and end times; the test mode's
// "Traitement" frame; for the engine's sound the "Moteur" frame in place of
// the threshold and sparks. Its controls lie on the window's area at their
// designed places; it reads them into the settings of a detection or of the
// sound's tracking, and tells the window when they change.
#pragma once

#include "signal/SparkDetection.h"
#include "sound/EngineSoundTracker.h"

#include <QObject>

#include <utility>
#include <vector>

#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QWidget;

namespace vornax {

struct AutoSettings;
struct WavEnabled;

class WavDetectionPanel : public QObject {
    Q_OBJECT
public:
    WavDetectionPanel(QWidget* area, QObject* parent);

    bool soundChosen() const;
    int threshold() const;
    bool lowPolarity() const;
    float sparksPerRev() const;  // of the option chosen

    // The threshold and polarity "Auto" found.
    void showAutoThreshold(const AutoSettings& found);
    // A new recording: the default threshold and polarity, no "Auto" figure.
    void resetThreshold();

    // The settings of a detection at `threshold` (the one of the signal
    // drawn); a time refused is said, put back to the last accepted and used;
    // none (after its message) for a refused tuning.
    std::optional<DetectionSettings> detectionSettings(int threshold);
    // "Début" or "Fin" read as the user left it: said and put back when refused.
    std::optional<float> startTime();
    std::optional<float> endTime();
    void resetStart();            // back to 0
    void showEnd(float seconds);  // the end accepted, to a tenth
    // A recording of `duration` s: a start past it goes back to 0, and the
    // end shows the duration in full until the detection accepts it.
    void fitTimesTo(float duration);

    // The engine of the controls; none (after its message, the range put
    // back) for a range that is no engine's.
    std::optional<SoundSettings> engineSettings();
    QGroupBox* engineFrame() const { return engineFrame_; }

    void showSource(bool sound);
    void setTestMode(bool on);
    // Its controls that wait for the long work, each with whether it is on.
    std::vector<std::pair<QWidget*, bool>> enabledStates(const WavEnabled& enabled) const;
    // The captions of the language file.
    void showStoreCaptions();

signals:
    void thresholdChanged();
    void sparksChosen();
    void polaritySwitched();
    void autoAsked();
    void startTimeLeft();
    void endTimeLeft();
    void sourceChosen();
    void engineChanged();

private:
    void setPolarity(bool low);
    std::optional<float> timeField(QLineEdit* field, std::string& lastGood);

    QRadioButton* optAllumage_ = nullptr;
    QRadioButton* optSon_ = nullptr;
    QLabel* label4_ = nullptr;
    QSlider* slider4_ = nullptr;
    QPushButton* autoButton_ = nullptr;  // beside the threshold slider
    QLabel* autoLabel_ = nullptr;        // the threshold it chose
    QCheckBox* check1_ = nullptr;
    QGroupBox* sparksFrame_ = nullptr;
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    QLineEdit* tdebut_ = nullptr;
    QLineEdit* tfin_ = nullptr;
    QGroupBox* detectionFrame_ = nullptr;  // "Traitement", test mode
    QLineEdit* text1_ = nullptr;
    QLineEdit* text3_ = nullptr;
    QGroupBox* engineFrame_ = nullptr;  // "Moteur", in place of the ignition's detection settings
    QComboBox* cboCylindres_ = nullptr;
    QComboBox* cboTemps_ = nullptr;
    QLineEdit* txtRegimeMin_ = nullptr;
    QLineEdit* txtRegimeMax_ = nullptr;

    bool switchingPolarity_ = false;
    std::string lastStart_ = "0", lastEnd_ = "1000";
    std::string lastRpmMin_ = "800", lastRpmMax_ = "8000";
};

}  // namespace vornax
