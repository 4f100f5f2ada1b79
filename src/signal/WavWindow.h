// `WavT`: the WAV window. It opens a recording, draws a close-up of its
// signal (`GraphWaver`), detects the sparks (`Traiter`), plots the engine
// speed against time (`graphtemp`), smooths the curve ("Filtrer") and saves
// or loads it as a curve file. The computations are the signal core's; the
// window reads its controls, calls them and shows the result.
#pragma once

#include "signal/Curve.h"
#include "signal/MappedFile.h"
#include "signal/SignalPlots.h"
#include "signal/SparkDetection.h"
#include "signal/WavReader.h"

#include <QWidget>

#include <array>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QSlider;

namespace vornax {

class PlotCanvas;

class WavWindow : public QWidget {
    Q_OBJECT
public:
    explicit WavWindow(QWidget* parent = nullptr);

    // Where the current curve came from: a WAV opened in this window, or none
    // (nothing yet, or a curve file).
    enum class Source { None, Wav };
    Source source() const { return source_; }
    bool filtered() const { return filtered_; }
    const Curve& curve() const { return curve_; }
    const std::string& wavPath() const { return wavPath_; }

    // The window's operations, as its menu and buttons run them.
    void OpenWav();
    void LoadCurve();
    void SaveCurve();
    void Filtrer();
    void ConditionWav();

    // The designed size (wider in test mode), so that a window manager that
    // fits windows to their hint opens it whole.
    QSize sizeHint() const override { return designSize_; }

    // Shows a control's own caption in the language in force.
    static void showOwnCaption(QObject* control);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    // The first showing restores the designed size (within the screen) after
    // a window manager fitted it to a fraction of the screen.
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void applyCaptions();
    void connectEvents();
    void layoutOnResize();

    // Load, drawing and detection on wavPath_; false when they stopped.
    std::optional<MappedFile> mapRecording();        // says why when it cannot
    std::optional<float> recordingDuration() const;  // s, of wavPath_; silent
    bool Charger();
    // Draws the signal; false (after its message) for one it cannot draw.
    bool GraphWaver(std::string_view file, const WavLoad& load);
    bool Traiter();
    void graphtemp();
    std::optional<DetectionSettings> detectionSettings();
    void reload();  // clear Picture1, Charger, Traiter

    // "Précise" chosen beside "Filtrer": the fit through the last detection's
    // sparks (WavWindowPrecise.cpp). The line under the plot: the spark check
    // and the precise curve's uncertainty.
    bool preciseChosen() const;
    void filtrerPrecise();
    // Written again after a change of language.
    void showCheckLine();
    // Any other audio file is converted into the Wav folder first; false
    // when that fails or is cancelled (wavPath_ then stays as it was).
    bool convertChosenRecording(const std::string& previous);
    void autoThreshold();  // "Auto": threshold and polarity from the recording
    void drawWaveform();   // the trace from the scroll bar's place
    void setPolarity(bool low);

    void polaritySwitched();
    void startTimeChecked();
    void endTimeChecked();
    // The field's text as a number, or a short message and the last accepted
    // text put back.
    std::optional<float> timeField(QLineEdit* field, std::string& lastGood);
    Progress progressBar();

    // Controls, named as the behaviour names them.
    QMenuBar* menuBar_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QAction* openWavAction_ = nullptr;
    QAction* loadCurveAction_ = nullptr;
    QAction* saveCurveAction_ = nullptr;
    QWidget* area_ = nullptr;  // everything below the menu, positioned in twips
    PlotCanvas* picture1_ = nullptr;
    PlotCanvas* picture2_ = nullptr;
    QProgressBar* prowav_ = nullptr;
    QSlider* slider1_ = nullptr;
    QSlider* slider4_ = nullptr;
    QPushButton* autoButton_ = nullptr;  // beside the threshold slider
    QLabel* autoLabel_ = nullptr;        // the threshold it chose
    QScrollBar* waveScroll_ = nullptr;   // under the signal, when zoomed past it
    QLabel* label4_ = nullptr;
    QCheckBox* check1_ = nullptr;
    QGroupBox* sparksFrame_ = nullptr;
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    QLineEdit* tdebut_ = nullptr;
    QLineEdit* tfin_ = nullptr;
    QSlider* slider3_ = nullptr;
    QPushButton* command3_ = nullptr;
    QComboBox* methodChoice_ = nullptr;  // "Standard" / "Précise", beside "Filtrer"
    QLabel* checkLine_ = nullptr;        // under the plot
    // The precise curve on show: its engine speed's and power's uncertainty
    // in percent; none for a curve of any other kind.
    std::optional<std::pair<double, double>> preciseUncertainty_;
    // The last detection found too few sparks for a curve: the line says so
    // rather than leave an empty plot unexplained.
    bool tooFewSparks_ = false;
    // What made the last detection's pulses no spark train (noise, hum, the
    // engine's sound); empty when they are one. Such a curve is not saved.
    std::string untrusted_;
    QPushButton* record_ = nullptr;
    QPushButton* command156_ = nullptr;
    QLineEdit* text5_ = nullptr;
    QLineEdit* text4_ = nullptr;
    QGroupBox* filterFrame_ = nullptr;     // "Filtrage", test mode
    QGroupBox* detectionFrame_ = nullptr;  // "Traitement", test mode
    QCheckBox* averageCheck_ = nullptr;
    QCheckBox* bezierCheck_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QSlider* slider2_ = nullptr;
    QLabel* filterLevelLabel_ = nullptr;  // the test frame's "Niveau du filtre"
    QLineEdit* text1_ = nullptr;
    QLineEdit* text3_ = nullptr;
    std::array<QLabel*, 10> speedLabels_{};  // Label5 .. Label12, Label1, Label13
    std::array<QLabel*, 9> timeLabels_{};    // Label14 .. Label22

    // Window state.
    Source source_ = Source::None;
    bool curveShown_ = false;
    bool filtered_ = false;
    int zoomX_ = 30;
    int threshold_ = 165;
    std::string wavPath_, curvePath_, channelText_;
    std::int64_t frameCount_ = 0;  // data size / block align, from the last detection
    Curve curve_;
    std::vector<double> sparkTimes_;  // of the last detection, for "Précise"
    double sampleRate_ = 0;
    std::vector<PlotPoint> trace_;  // the last drawing of the signal, in Picture1's units
    std::string lastStart_ = "0", lastEnd_ = "1000";
    bool switchingPolarity_ = false;
    QSize designSize_;
    bool shownBefore_ = false;
};

}  // namespace vornax
