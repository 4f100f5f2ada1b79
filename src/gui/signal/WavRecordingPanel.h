// The WAV window's recording panel: the close-up of the signal ("Picture1")
// with its zoom and its scroll bar, or in its place with the engine's sound
// the spectrogram with its zoom, scroll bar and log frequency; the channel
// choice of a converted recording and the line saying which was used; the
// recorder's button and the WAV conditioning ("filtre Wav"). Its controls
// lie on the window's area at their designed places; the window opens and
// converts the recordings and tells the panel what to show.
#pragma once

#include "signal/AudioImport.h"
#include "signal/SignalPlots.h"
#include "sound/EngineSoundTracker.h"
#include "sound/SoundInput.h"
#include "sound/Spectrogram.h"

#include <QObject>
#include <QPoint>

#include <optional>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QSlider;
class QWidget;

namespace vornax {

class PlotCanvas;
struct WavEnabled;

class WavRecordingPanel : public QObject {
    Q_OBJECT
public:
    // `engineFrame`: the detection panel's engine frame, which holds the
    // spectrogram's log frequency beside the engine's settings.
    WavRecordingPanel(QWidget* area, QGroupBox* engineFrame, QObject* parent);

    // The signal: its zoom, its width in twips, its threshold line, then the
    // recording's trace over it (in Picture1's units).
    int zoom() const;
    double signalWidth() const;
    void clearSignal();
    void showThreshold(int threshold);
    void showTrace(std::vector<PlotPoint> trace);
    void setSignalBackground();  // white, as at each layout

    // The channel choice: shown for a converted source of several channels.
    void showChannels(bool converted, int channels, int used, const ChannelRequest& request);

    // The spectrogram of `sound` for `engine`, with `track` over it, from
    // the zoom and the scroll bar; cleared without a sound.
    void drawSpectrogram(const SoundSamples* sound, const SoundSettings& engine, const SoundTrack* track);
    void clearSpectrogram();
    const std::optional<Spectrogram>& shownSpectrogram() const { return shownSpectrogram_; }

    // The signal's controls or the spectrogram's, for the source chosen.
    void showSource(bool sound);
    // Its controls that wait for the long work, each with whether it is on.
    std::vector<std::pair<QWidget*, bool>> enabledStates(const WavEnabled& enabled) const;

signals:
    void zoomChanged();
    void channelChosen(const ChannelRequest& channel);
    void spectrogramViewChanged();
    // A click on the spectrogram, at `time` s and `hz`.
    void spectrogramClicked(double time, double hz);
    void recorderAsked();
    void conditioningAsked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void drawWaveform();  // the trace from the scroll bar's place

    QWidget* area_;
    PlotCanvas* picture1_ = nullptr;
    QScrollBar* waveScroll_ = nullptr;  // under the signal, when zoomed past it
    QSlider* slider1_ = nullptr;
    QPushButton* record_ = nullptr;
    QPushButton* command156_ = nullptr;
    QLineEdit* text5_ = nullptr;
    QLineEdit* text4_ = nullptr;
    QLabel* channelLine_ = nullptr;       // the channel the conversion used
    QComboBox* channelChoice_ = nullptr;  // automatic, each channel, mix
    int channels_ = 0;
    PlotCanvas* picSpectre_ = nullptr;   // in place of the signal
    QScrollBar* scrSpectre_ = nullptr;   // under the spectrogram
    QSlider* sldZoomSpectre_ = nullptr;  // in place of the signal's zoom
    QCheckBox* chkFrequenceLog_ = nullptr;

    int threshold_ = 165;           // of the last drawing of the signal
    std::vector<PlotPoint> trace_;  // the last drawing of the signal, in Picture1's units
    std::optional<Spectrogram> shownSpectrogram_;
};

}  // namespace vornax
