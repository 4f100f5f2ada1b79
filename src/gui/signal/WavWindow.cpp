// The WAV window's operations: opening a recording, its drawing and
// detection, "Filtrer", the curve files and the WAV conditioning.
#include "gui/signal/WavWindow.h"

#include "common/AppFolder.h"
#include "common/NumberText.h"
#include "common/PlatformServices.h"
#include "common/TextFile.h"
#include "common/Twips.h"
#include "gui/common/WindowManager.h"
#include "gui/signal/WavDetectionPanel.h"
#include "gui/signal/WavPlotsPanel.h"
#include "gui/signal/WavRecordingPanel.h"
#include "gui/signal/WavSmoothingPanel.h"
#include "gui/signal/WavTexts.h"
#include "signal/AudioImport.h"
#include "signal/ConditionWav.h"
#include "signal/CurveFile.h"
#include "signal/MappedFile.h"
#include "signal/Smoothing.h"
#include "signal/WavFields.h"
#include "sound/SoundCurve.h"

#include <QAction>
#include <QEvent>
#include <QGuiApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace vornax {
namespace {

constexpr const char* kWavFilter = txNoop("vornax::WavWindow", "Fichier Son *.Wav|*.wav");
// What "Charger un Wav" opens: any recording, converted when needed.
constexpr const char* kRecordingFilter = txNoop(
    "vornax::WavWindow", "Fichier Son|*.wav;*.flac;*.mp3;*.m4a;*.aac;*.ogg;*.opus;*.aif;*.aiff|Tous les fichiers|*");
constexpr const char* kCurveFilter = txNoop("vornax::WavWindow", "Fichier courbe *.ReT|*.ReT");

// The busy pointer for the length of an operation, always put back, and
// put back before any message so that the message box gets the normal one.
class BusyPointer {
public:
    BusyPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { release(); }
    void release()
    {
        if (on_)
            QGuiApplication::restoreOverrideCursor();
        on_ = false;
    }

private:
    bool on_ = true;
};

FileDialogRequest dialog(const char* folder, const char* filter, const std::string& current)
{
    FileDialogRequest request;
    request.filter = Text("vornax::WavWindow", filter).str();
    request.initialFolder = defaultFolder(folder).string();
    request.initialName = std::filesystem::path(current).filename().string();
    return request;
}

}  // namespace

WavWindow::WavWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("WavT");
    buildControls();
    applyCaptions();
    connectEvents();
}

void WavWindow::connectEvents()
{
    connect(openWavAction_, &QAction::triggered, this, [this] { OpenWav(); });
    connect(loadCurveAction_, &QAction::triggered, this, [this] {
        source_ = Source::None;
        LoadCurve();
    });
    connect(saveCurveAction_, &QAction::triggered, this, [this] { SaveCurve(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { cancelWork(); });
    connect(workTimer_, &QTimer::timeout, this, [this] { pollWork(); });
    connect(smoothing_, &WavSmoothingPanel::filterAsked, this, [this] { Filtrer(); });
    connect(recording_, &WavRecordingPanel::conditioningAsked, this, [this] { ConditionWav(); });
    connect(recording_, &WavRecordingPanel::recorderAsked, this, [] { WindowManager::instance().show("Form1"); });
    // The zoom only redraws the signal; the threshold detects again.
    connect(recording_, &WavRecordingPanel::zoomChanged, this, [this] {
        recording_->clearSignal();
        Charger();
    });
    connect(recording_, &WavRecordingPanel::channelChosen, this,
            [this](const ChannelRequest& channel) { channelChosen(channel); });
    connect(recording_, &WavRecordingPanel::spectrogramViewChanged, this, [this] { drawSpectrogram(); });
    connect(recording_, &WavRecordingPanel::spectrogramClicked, this,
            [this](double time, double hz) { spectrogramClicked(time, hz); });
    connect(detection_, &WavDetectionPanel::thresholdChanged, this, [this] { reload(); });
    connect(detection_, &WavDetectionPanel::autoAsked, this, [this] { autoThreshold(); });
    connect(detection_, &WavDetectionPanel::sparksChosen, this, [this] { Traiter(); });
    connect(detection_, &WavDetectionPanel::polaritySwitched, this, [this] { polaritySwitched(); });
    connect(detection_, &WavDetectionPanel::startTimeLeft, this, [this] { startTimeChecked(); });
    connect(detection_, &WavDetectionPanel::endTimeLeft, this, [this] { endTimeChecked(); });
    connect(detection_, &WavDetectionPanel::sourceChosen, this, [this] { sourceChosen(); });
    connect(detection_, &WavDetectionPanel::engineChanged, this, [this] { engineChanged(); });
}

void WavWindow::showEvent(QShowEvent* event)
{
    if (!shownBefore_) {
        shownBefore_ = true;
        QSize size = designSize_;
        if (const QScreen* screen = this->screen())
            size = size.boundedTo(screen->availableGeometry().size());
        resize(size);
    }
    QWidget::showEvent(event);
}

void WavWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutOnResize();
}

Progress WavWindow::progressBar()
{
    return [bar = prowav_](int value) { bar->setValue(value); };
}

void WavWindow::OpenWav()
{
    if (working())
        return;
    if (soundSource()) {
        // The engine's sound is heard from the file as it was recorded:
        // nothing is converted.
        const auto chosen = platform().openFile(dialog("Wav", kRecordingFilter,
                                                       !soundPath_.empty()   ? soundPath_
                                                       : sourcePath_.empty() ? wavPath_
                                                                             : sourcePath_));
        if (chosen && !samePath(*chosen, soundPath_)) {
            soundPath_ = *chosen;
            soundChannel_ = {};
        }
        if (!soundPath_.empty())
            analyseSound();
        return;
    }
    const auto chosen =
        platform().openFile(dialog("Wav", kRecordingFilter, sourcePath_.empty() ? wavPath_ : sourcePath_));
    // A cancelled dialog keeps the name it held: the current recording is
    // opened again, if there is one.
    if (chosen) {
        openRecording(*chosen);
        return;
    }
    if (wavPath_.empty())
        return;
    openCurrent();
}

void WavWindow::openRecording(const std::string& chosen)
{
    const auto file = MappedFile::open(chosen);
    // Any other audio file is converted first, then opened; a file that
    // cannot be read is reported by the load as ever.
    if (file && !isCanonicalRecording(file->bytes())) {
        // The same source again keeps the channel chosen for it.
        const ChannelRequest channel = samePath(chosen, sourcePath_) ? channelRequest_ : ChannelRequest{};
        convertRecording(chosen, channel, false);
        return;
    }
    wavPath_ = chosen;
    sourcePath_.clear();
    showChannelChoice();
    openCurrent();
}

void WavWindow::openCurrent()
{
    // A recording other than the one open before starts from the defaults,
    // which are what every converted recording is levelled for; the same
    // one opened again keeps the threshold and polarity it was given.
    if (!openedPath_.empty() && !samePath(openedPath_, wavPath_))
        detection_->resetThreshold();
    openedPath_ = wavPath_;
    controls_.recordingOpened = true;
    applyEnabled();
    recording_->clearSignal();
    // Each recording runs from its own start to its own end: the end of the
    // one before would cut a longer one short.
    const auto duration = recordingDuration();
    if (duration)
        detection_->fitTimesTo(*duration);
    if (!Charger() || !Traiter())
        return;
    if (duration)
        detection_->showEnd(*duration);
    source_ = Source::Wav;
}

std::optional<float> WavWindow::recordingDuration() const
{
    const auto file = MappedFile::open(wavPath_);
    if (!file)
        return std::nullopt;
    const auto header = scanHeader(file->bytes());
    if (!header)
        return std::nullopt;
    return recordingSeconds(detectionFrames(*header));
}

std::optional<MappedFile> WavWindow::mapRecording()
{
    auto file = MappedFile::open(wavPath_);
    if (!file) {
        showMessage(file.error());
        return std::nullopt;
    }
    return std::move(file.value());
}

void WavWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        applyCaptions();
        showCheckLine();
        showChannelChoice();
    }
    QWidget::changeEvent(event);
}

bool WavWindow::Charger()
{
    const auto file = mapRecording();
    if (!file)
        return false;
    BusyPointer busy;
    const auto load = vornax::Charger(file->bytes(), progressBar());
    if (!load) {
        if (const auto header = scanHeader(file->bytes()))
            channelText_ = channelText(header->channels);
        busy.release();
        showMessage(load.error());
        return false;
    }
    channelText_ = load->channelText;
    busy.release();
    return GraphWaver(file->bytes(), *load);
}

bool WavWindow::GraphWaver(std::string_view file, const WavLoad& load)
{
    const double width = recording_->signalWidth();
    threshold_ = detection_->threshold();
    recording_->showThreshold(threshold_);
    prowav_->setValue(50);
    // A recording the window cannot use stops here: neither drawn nor
    // detected, so no curve of misread bytes follows the message.
    if (load.header.channels == 2) {
        showMessage(tx("vornax::WavWindow", "Fichier incorrect: Stereo"));
        return false;
    }
    // Samples wider than a byte would be drawn as pairs of unrelated bytes.
    if (load.header.bitsPerSample != 8) {
        showMessage(
            tx("vornax::WavWindow", "Fichier incorrect: %1 bits").arg(std::to_string(load.header.bitsPerSample)));
        return false;
    }
    // Carried on past the described 9 999 steps to the end of the data, so
    // that the scroll bar reaches the whole recording.
    recording_->showTrace(waveformTrace(file, load.dataStart, load.frameCount, width, recording_->zoom(),
                                        std::max<std::int64_t>(9999, static_cast<std::int64_t>(file.size()))));
    prowav_->setValue(10000);
    return true;
}

bool WavWindow::Traiter()
{
    const auto settings = detection_->detectionSettings(threshold_);
    if (!settings)
        return false;
    const auto file = mapRecording();
    if (!file)
        return false;
    BusyPointer busy;
    auto detection = vornax::Traiter(file->bytes(), *settings, progressBar());
    if (!detection) {
        curve_ = Curve{};
        sparkTimes_.clear();
        preciseUncertainty_.reset();
        tooFewSparks_ = false;
        busy.release();
        showMessage(detection.error());
        return false;
    }
    curve_ = std::move(detection->curve);
    sparkTimes_ = std::move(detection->sparkTimes);
    tooFewSparks_ = sparkTimes_.size() < 2;
    sampleRate_ = detection->header.sampleRate;
    preciseUncertainty_.reset();
    showCheckLine();
    frameCount_ = detection->frameCount;
    controls_.curveMade = true;
    applyEnabled();
    busy.release();
    if (detection->tableFull)
        showMessage(tx("vornax::WavWindow",
                       "Trop d'étincelles: la courbe s'arrête à %1 points. Réduisez l'intervalle Début - Fin.")
                        .arg(std::to_string(Curve::kLastRow)));
    if (source_ == Source::None)
        detection_->showEnd(recordingSeconds(frameCount_));
    graphtemp();
    return true;
}

void WavWindow::graphtemp() { plots_->graphtemp(curve_); }

void WavWindow::reload()
{
    if (working())
        return;
    recording_->clearSignal();
    if (Charger())
        Traiter();
}

void WavWindow::polaritySwitched()
{
    if (source_ == Source::Wav)
        reload();
}

void WavWindow::startTimeChecked()
{
    // Turned off while work runs, the field may lose its focus: no check
    // then; nor with the sound, whose analysis they do not cut.
    if (working() || soundSource())
        return;
    const auto start = detection_->startTime();
    if (source_ != Source::Wav || !start)
        return;
    if (!startsWithin(*start, recordingSeconds(frameCount_))) {
        showMessage(tx("vornax::WavWindow", "Valeur inadapter"));
        detection_->resetStart();
        return;
    }
    reload();
}

void WavWindow::endTimeChecked()
{
    if (working() || soundSource())
        return;
    const auto end = detection_->endTime();
    if (source_ != Source::Wav || !end)
        return;
    const float duration = recordingSeconds(frameCount_);
    if (duration >= *end) {
        reload();
        return;
    }
    detection_->showEnd(duration);
}

void WavWindow::Filtrer()
{
    if (working())
        return;
    // A curve from the WAV starts again from the raw detection; a curve from
    // a file is smoothed as it stands, smoothed or not.
    if (filtered_ && soundSource() && soundTrack_) {
        curve_ = virtualSparkCurve(soundTrack_->virtualSparks, soundTrack_->sparksPerRev);
        preciseUncertainty_.reset();
        filtered_ = false;
    } else if (filtered_ && source_ == Source::Wav) {
        recording_->clearSignal();
        if (!Charger() || !Traiter())
            return;
        filtered_ = false;
    }
    if (smoothing_->preciseChosen()) {
        filtrerPrecise();
        return;
    }
    const auto chosen = smoothing_->smoothingSettings();
    if (!chosen) {
        showMessage(chosen.error());
        return;
    }
    const SmoothingSettings& settings = *chosen;
    BusyPointer busy;
    if (const auto status = smoothCurve(curve_, settings, progressBar()); !status) {
        busy.release();
        showMessage(status.error());
        return;
    }
    filtered_ = true;
    noteMaking(CurveMethod::Standard, settings);
    graphtemp();
}

void WavWindow::LoadCurve()
{
    if (working())
        return;
    const auto chosen = platform().openFile(dialog("RPM", kCurveFilter, curvePath_));
    if (!chosen)
        return;
    curvePath_ = *chosen;
    if (const auto status = vornax::LoadCurve(curvePath_, curve_); !status) {
        showMessage(status.error());
        return;
    }
    // A curve file holds no track: the sound's line and refusal go with it.
    soundTrack_.reset();
    sparkTimes_.clear();
    preciseUncertainty_.reset();
    tooFewSparks_ = false;
    showCheckLine();
    graphtemp();
    controls_.curveMade = true;
    applyEnabled();
}

void WavWindow::SaveCurve()
{
    if (working())
        return;
    if (savedLineCount(curve_.pointCount) == 0) {
        showMessage(tx("vornax::WavWindow", "Aucune courbe à enregistrer : chargez d'abord un Wav ou un Ret."));
        return;
    }
    if (!untrusted_.empty()) {
        showMessage(tx("vornax::WavWindow", "Courbe non enregistrée : %1.").arg(untrusted_));
        return;
    }
    // From the engine's sound the speeds spark to spark wander with the
    // firing's phase: the power of such a curve would be far off (the
    // precise fit states how far). Only the precise curve is saved.
    if (soundSource() && soundTrack_ && !preciseUncertainty_) {
        showMessage(tx("vornax::WavWindow",
                       "Courbe non enregistrée : du son du moteur, seule la courbe Précise donne une "
                       "puissance utilisable ; choisissez Précise puis Filtrer."));
        return;
    }
    const auto chosen = platform().saveFile(dialog("RPM", kCurveFilter, curvePath_));
    if (!chosen)
        return;
    curvePath_ = *chosen;
    if (const auto status = vornax::SaveCurve(curvePath_, curve_); !status) {
        showMessage(status.error());
        return;
    }
    // A failed note costs the report its method line only, not the curve.
    if (const auto notes = curveNotesToSave())
        (void)saveCurveNotes(curvePath_, *notes);
}

void WavWindow::ConditionWav()
{
    if (working())
        return;
    auto request = dialog("Wav", kWavFilter, wavPath_);
    request.title = tx("vornax::WavWindow", "Filtre Wav : le fichier Wav à filtrer");
    const auto input = platform().openFile(request);
    if (!input)
        return;
    wavPath_ = *input;
    // The window's recording is now this file, no conversion's copy.
    sourcePath_.clear();
    showChannelChoice();
    const auto bytes = readFileBytes(*input);
    if (!bytes) {
        showMessage(bytes.error());
        return;
    }
    if (!scanHeader(*bytes)) {
        showMessage(scanFailure());
        return;
    }
    request = dialog("Wav", kWavFilter, {});
    request.title = tx("vornax::WavWindow", "Filtre Wav : enregistrer le fichier filtré sous");
    const auto output = platform().saveFile(request);
    if (!output)
        return;
    if (samePath(*input, *output)) {
        showMessage(tx("vornax::WavWindow", "Le fichier de sortie est le fichier d'entrée: choisissez un autre nom"));
        return;
    }
    wavPath_ = *output;
    BusyPointer busy;
    const auto conditioned = conditionedWav(*bytes);
    if (!conditioned) {
        busy.release();
        showMessage(conditioned.error());
        return;
    }
    if (const auto saved = writeFileAtomically(*output, *conditioned); !saved) {
        busy.release();
        showMessage(saved.error());
    }
}

}  // namespace vornax
