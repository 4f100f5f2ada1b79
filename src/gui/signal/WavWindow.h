// `WavT`: the WAV window. It opens a recording, draws a close-up of its
// signal, detects the sparks (`Traiter`) or tracks the engine's sound, plots
// the engine speed against time, smooths the curve ("Filtrer") and saves or
// loads it as a curve file. It is made of four panels, each with its own
// controls: the recording (WavRecordingPanel), the detection
// (WavDetectionPanel), the smoothing (WavSmoothingPanel) and the plots
// (WavPlotsPanel). The window composes them, holds what they share (the open
// recording, the curve, the sound's track), runs the long work, and calls the
// signal core; the panels read their controls and show what it gives.
#pragma once

#include "signal/AudioImport.h"
#include "signal/Curve.h"
#include "signal/CurveNotes.h"
#include "signal/MappedFile.h"
#include "signal/SparkDetection.h"
#include "signal/WavControls.h"
#include "signal/WavReader.h"
#include "sound/EngineSoundTracker.h"
#include "sound/SoundInput.h"
#include "sound/SoundPlots.h"
#include "sound/Spectrogram.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QTimer;

namespace vornax {

class WavDetectionPanel;
class WavPlotsPanel;
class WavRecordingPanel;
class WavSmoothingPanel;

class WavWindow : public QWidget {
    Q_OBJECT
public:
    explicit WavWindow(QWidget* parent = nullptr);
    // Stops any work under way and waits for it: nothing is written after.
    ~WavWindow() override;

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

    // Long work (the import of a recording, the precise fit) runs off the
    // window's thread: the progress bar follows it, "Annuler" stops it, and
    // the controls that would start other work wait for it. `workFinished`
    // follows its end, done or stopped, once the window has taken its result.
    bool working() const { return work_ != nullptr; }
    void cancelWork();

    // The recording the open file was converted from (empty for a file
    // opened as it stands) and the channel asked of it.
    const std::string& sourcePath() const { return sourcePath_; }
    const ChannelRequest& channelRequest() const { return channelRequest_; }

    // The designed size (wider in test mode), so that a window manager that
    // fits windows to their hint opens it whole.
    QSize sizeHint() const override { return designSize_; }

    // The source chosen: the ignition ("Allumage", a pickup's sparks) or the
    // engine's sound ("Son du moteur", a microphone). With the sound, opening
    // a recording tracks the firing off the window's thread, shows the
    // spectrogram with the track over it, the engine-speed curve of its
    // virtual sparks and a line saying how sure the track is; a click on the
    // spectrogram tracks again through the point clicked.
    bool soundSource() const;
    const std::optional<SoundTrack>& soundTrack() const { return soundTrack_; }
    const std::string& soundPath() const { return soundPath_; }
    // The spectrogram on show, its levels included; none before a sound.
    const std::optional<Spectrogram>& shownSpectrogram() const;

signals:
    void workFinished();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    // The first showing restores the designed size (within the screen) after
    // a window manager fitted it to a fraction of the screen.
    void showEvent(QShowEvent* event) override;

private:
    // WavWindowBuild.cpp: the menu, the panels, the progress bar, the tab
    // order, the captions and the layout.
    void buildControls();
    void setTabOrder();
    void applyCaptions();
    void connectEvents();
    void layoutOnResize();
    // Every control enabled as the window's state says, work included.
    void applyEnabled();

    // Load, drawing and detection on wavPath_; false when they stopped.
    std::optional<MappedFile> mapRecording();        // says why when it cannot
    std::optional<float> recordingDuration() const;  // s, of wavPath_; silent
    bool Charger();
    // Draws the signal; false (after its message) for one it cannot draw.
    bool GraphWaver(std::string_view file, const WavLoad& load);
    bool Traiter();
    void graphtemp();  // the curve on show in the plots panel
    void reload();     // clear Picture1, Charger, Traiter

    // "Précise" chosen beside "Filtrer": the fit through the last detection's
    // sparks (WavWindowPrecise.cpp). The line under the plot: the spark check
    // and the precise curve's uncertainty.
    void filtrerPrecise();
    // Written again after a change of language.
    void showCheckLine();
    // The chosen file on the ignition's road: a recording of the recorder's
    // kind opened as it stands, any other converted first.
    void openRecording(const std::string& chosen);
    // Opens wavPath_: controls enabled, times set, Charger and Traiter. A
    // file other than the one open before starts from the default threshold
    // and polarity.
    void openCurrent();
    // Any other audio file is converted into the Wav folder off the window's
    // thread, then opened; a file converted before from the same source is
    // opened again as it is. `channelChange`: the channel choice asked for a
    // new conversion of the source on show, which replaces its own copy.
    void convertRecording(const std::string& source, const ChannelRequest& channel, bool channelChange);
    void finishConversion(const std::string& source, const ChannelRequest& channel, bool channelChange,
                          ImportedRecording& imported);
    void channelChosen(const ChannelRequest& channel);  // converted again
    void showChannelChoice();  // the choice and the line saying what was used

    struct Work;
    // Runs `job` off the window's thread, then `done` on it (told whether it
    // was stopped); `job` must touch nothing of the window.
    void startWork(std::function<void(const ProgressCheck&)> job, std::function<void(bool cancelled)> done);
    void pollWork();
    void autoThreshold();  // "Auto": threshold and polarity from the recording
    // Of the sparks on show: the virtual sparks' with the sound, else the
    // option chosen.
    float sparksPerRevShown() const;

    // The sound source (WavWindowSound.cpp).
    void sourceChosen();
    void showSourceControls();
    void engineChanged();  // cylinders, strokes or range changed: tracked again
    // Reads (once) and tracks soundPath_ off the window's thread, through
    // `anchor` when given.
    void analyseSound(std::optional<SoundAnchor> anchor = std::nullopt);
    void drawSpectrogram();  // the view from the zoom and the scroll bar
    void showSoundLine();    // the check line for the sound's track
    void showSoundChannels();  // the channel choice of the sound's recording
    void spectrogramClicked(double time, double hz);

    void polaritySwitched();
    void startTimeChecked();
    void endTimeChecked();
    Progress progressBar();

    // The menu, the panels, and the long work's bar and "Annuler".
    QMenuBar* menuBar_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QAction* openWavAction_ = nullptr;
    QAction* loadCurveAction_ = nullptr;
    QAction* saveCurveAction_ = nullptr;
    QWidget* area_ = nullptr;  // everything below the menu, positioned in twips
    WavRecordingPanel* recording_ = nullptr;
    WavDetectionPanel* detection_ = nullptr;
    WavSmoothingPanel* smoothing_ = nullptr;
    WavPlotsPanel* plots_ = nullptr;
    QProgressBar* prowav_ = nullptr;
    QPushButton* cancelButton_ = nullptr;  // "Annuler", beside the progress bar

    // The precise curve on show: its engine speed's and power's uncertainty
    // in percent; none for a curve of any other kind.
    std::optional<std::pair<double, double>> preciseUncertainty_;
    // The last detection found too few sparks for a curve: the line says so
    // rather than leave an empty plot unexplained.
    bool tooFewSparks_ = false;
    // What made the curve on show no measurement (noise, hum, the engine's
    // sound, a doubtful track); empty when it is one. Such a curve is not saved.
    std::string untrusted_;

    // Window state.
    WavWindowState controls_;  // what the enabled controls follow
    Source source_ = Source::None;
    bool filtered_ = false;
    int threshold_ = 165;  // of the signal drawn and the last detection
    std::string wavPath_, curvePath_, channelText_;
    std::int64_t frameCount_ = 0;  // data size / block align, from the last detection
    Curve curve_;
    std::vector<double> sparkTimes_;  // of the last detection, for "Précise"
    double sampleRate_ = 0;
    QSize designSize_;
    bool shownBefore_ = false;

    // The conversion on show: its source, the channel asked and the one used.
    std::string sourcePath_;
    ChannelRequest channelRequest_;
    int sourceChannels_ = 0, usedChannel_ = 0;
    std::string openedPath_;  // the last file opened, for the threshold's reset

    // The sound on show: the file heard, its samples (read once, shared with
    // the work), the track and the engine it was made for.
    std::string soundPath_, soundSamplesPath_;
    std::shared_ptr<const SoundSamples> sound_;
    // The channel of the sound asked for ("Automatique": the mix, or the
    // channel that carries the engine where they differ); a new file starts
    // again from it.
    ChannelRequest soundChannel_;
    std::optional<SoundTrack> soundTrack_;
    SoundSettings soundEngine_;

    std::shared_ptr<Work> work_;  // shared: its type is known in one file only
    QTimer* workTimer_ = nullptr;

    // How the curve on show was made, for the notes saved beside it
    // (WavWindowNotes.cpp): the last smoothing or precise fit and the curve
    // file text it gave, so a curve changed since is not taken for it.
    struct CurveMaking {
        std::string fingerprint;
        CurveNotes notes;
    };
    std::optional<CurveMaking> making_;
    void noteMaking(CurveMethod method, const SmoothingSettings& smoothing);
    std::optional<CurveNotes> curveNotesToSave() const;
};

}  // namespace vornax
