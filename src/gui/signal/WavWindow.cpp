#include "gui/signal/WavWindow.h"

#include "common/AppFolder.h"
#include "common/Twips.h"
#include "gui/common/Fields.h"
#include "common/NumberText.h"
#include "common/PlatformServices.h"
#include "gui/common/PlotCanvas.h"
#include "common/TextFile.h"
#include "gui/common/WindowManager.h"
#include "pictures/PlotPictures.h"
#include "signal/AudioImport.h"
#include "signal/ConditionWav.h"
#include "signal/CurveFile.h"
#include "signal/MappedFile.h"
#include "signal/Smoothing.h"
#include "sound/SoundCurve.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>

namespace vornax {
namespace {

constexpr const char* kWavFilter = QT_TRANSLATE_NOOP("vornax::WavWindow", "Fichier Son *.Wav|*.wav");
// What "Charger un Wav" opens: any recording, converted when needed.
constexpr const char* kRecordingFilter = QT_TRANSLATE_NOOP(
    "vornax::WavWindow", "Fichier Son|*.wav;*.flac;*.mp3;*.m4a;*.aac;*.ogg;*.opus;*.aif;*.aiff|Tous les fichiers|*");
constexpr const char* kCurveFilter = QT_TRANSLATE_NOOP("vornax::WavWindow", "Fichier courbe *.ReT|*.ReT");

void message(const std::string& text) { platform().message(text, "", MessageIcon::None); }

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
    request.filter = QCoreApplication::translate("vornax::WavWindow", filter).toStdString();
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
    connect(command3_, &QPushButton::clicked, this, [this] { Filtrer(); });
    connect(command156_, &QPushButton::clicked, this, [this] { ConditionWav(); });
    connect(record_, &QPushButton::clicked, this, [] { WindowManager::instance().show("Form1"); });
    // The zoom only redraws the signal; the threshold detects again.
    connect(slider1_, &QSlider::valueChanged, this, [this] {
        picture1_->clear();
        Charger();
    });
    connect(slider4_, &QSlider::valueChanged, this, [this] {
        if (switchingPolarity_)
            return;
        reload();
    });
    connect(autoButton_, &QPushButton::clicked, this, [this] { autoThreshold(); });
    connect(channelChoice_, &QComboBox::currentIndexChanged, this, [this] { channelChosen(); });
    connect(waveScroll_, &QScrollBar::valueChanged, this, [this] { drawWaveform(); });
    connect(option1_, &QRadioButton::clicked, this, [this] { Traiter(); });
    connect(option2_, &QRadioButton::clicked, this, [this] { Traiter(); });
    connect(check1_, &QCheckBox::clicked, this, [this] { polaritySwitched(); });
    connect(slider3_, &QSlider::valueChanged, slider2_, &QSlider::setValue);
    makeDecimalField(tdebut_, [this] { startTimeChecked(); });
    makeDecimalField(tfin_, [this] { endTimeChecked(); });
    for (QLineEdit* field : {text1_, text3_})
        makeDecimalField(field);
    installKeyFilter(text2_, KeyFilter::Digits);
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
        if (chosen)
            soundPath_ = *chosen;
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
    if (!openedPath_.empty() && !samePath(openedPath_, wavPath_)) {
        setPolarity(false);
        autoLabel_->clear();
    }
    openedPath_ = wavPath_;
    slider1_->setEnabled(true);
    slider4_->setEnabled(true);
    autoButton_->setEnabled(true);
    option1_->setEnabled(true);
    option2_->setEnabled(true);
    picture1_->clear();
    // Each recording runs from its own start to its own end: the end of the
    // one before would cut a longer one short.
    const auto duration = recordingDuration();
    if (duration) {
        const auto start = parseSingle(tdebut_->text().toStdString());
        if (!start || !(*start < *duration)) {
            tdebut_->setText("0");
            lastStart_ = "0";
        }
        tfin_->setText(QString::fromStdString(singleText(*duration)));
    }
    if (!Charger() || !Traiter())
        return;
    if (duration) {
        tfin_->setText(QString::fromStdString(formatPattern(*duration, Pattern::OneDecimal)));
        lastEnd_ = tfin_->text().toStdString();
    }
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
        message(file.error());
        return std::nullopt;
    }
    return std::move(file.value());
}

void WavWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        applyCaptions();
        methodChoice_->setItemText(0, tr("Standard"));
        methodChoice_->setItemText(1, tr("Précise"));
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
        message(load.error());
        return false;
    }
    channelText_ = load->channelText;
    busy.release();
    return GraphWaver(file->bytes(), *load);
}

bool WavWindow::GraphWaver(std::string_view file, const WavLoad& load)
{
    const double width = double(picture1_->width()) * kTwipsPerPixel;
    threshold_ = slider4_->value();
    zoomX_ = slider1_->value();
    picture1_->setPlot(waveformPlot(width, threshold_, {}));
    prowav_->setValue(50);
    // A recording the window cannot use stops here: neither drawn nor
    // detected, so no curve of misread bytes follows the message.
    if (load.header.channels == 2) {
        message(tr("Fichier incorrect: Stereo").toStdString());
        return false;
    }
    // Samples wider than a byte would be drawn as pairs of unrelated bytes.
    if (load.header.bitsPerSample != 8) {
        message(tr("Fichier incorrect: %1 bits").arg(load.header.bitsPerSample).toStdString());
        return false;
    }
    // Carried on past the described 9 999 steps to the end of the data, so
    // that the scroll bar reaches the whole recording.
    trace_ = waveformTrace(file, load.dataStart, load.frameCount, width, zoomX_,
                           std::max<std::int64_t>(9999, static_cast<std::int64_t>(file.size())));
    drawWaveform();
    prowav_->setValue(10000);
    return true;
}

std::optional<DetectionSettings> WavWindow::detectionSettings()
{
    DetectionSettings s;
    s.sparksPerRev = option1_->isChecked() ? 0.5f : 2.0f;
    s.threshold = threshold_;
    s.lowPolarity = check1_->isChecked();
    // A time refused here is put back to the last one accepted, and used.
    auto start = timeField(tdebut_, lastStart_);
    if (!start)
        start = parseSingle(lastStart_);
    auto end = timeField(tfin_, lastEnd_);
    if (!end)
        end = parseSingle(lastEnd_);
    const auto bounding = parseSingle(text1_->text().toStdString());
    const auto antiBounce = parseSingle(text3_->text().toStdString());
    if (!start || !end)
        return std::nullopt;
    if (!bounding || !antiBounce) {
        message((!bounding ? tr("Valeur inadapter: Bornage des variation") : tr("Valeur inadapter: Anti rebond"))
                    .toStdString());
        return std::nullopt;
    }
    s.startSeconds = *start;
    s.endSeconds = *end;
    s.bounding = *bounding;
    s.antiBounce = *antiBounce;
    return s;
}

bool WavWindow::Traiter()
{
    const auto settings = detectionSettings();
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
        message(detection.error());
        return false;
    }
    curve_ = std::move(detection->curve);
    sparkTimes_ = std::move(detection->sparkTimes);
    tooFewSparks_ = sparkTimes_.size() < 2;
    sampleRate_ = detection->header.sampleRate;
    preciseUncertainty_.reset();
    showCheckLine();
    frameCount_ = detection->frameCount;
    command3_->setEnabled(true);
    busy.release();
    if (detection->tableFull)
        message(tr("Trop d'étincelles: la courbe s'arrête à %1 points. Réduisez l'intervalle Début - Fin.")
                    .arg(Curve::kLastRow)
                    .toStdString());
    if (source_ == Source::None) {
        tfin_->setText(QString::fromStdString(formatPattern(recordingSeconds(frameCount_), Pattern::OneDecimal)));
        lastEnd_ = tfin_->text().toStdString();
    }
    graphtemp();
    return true;
}

void WavWindow::graphtemp()
{
    picture2_->clear();
    picture2_->setBackground({255, 255, 255});
    const auto plot = vornax::graphtemp(curve_);
    // The labels show the texts the canvas exports around the plot. Too few
    // points for a scale: an empty plot with empty axes.
    const PlotFrame frame = plot ? speedCurvePicture(*plot, store()).frame : PlotFrame{};
    if (plot) {
        picture2_->setPlot(plot->plot);
        picture2_->setFrame(frame);
    }
    const auto text = [](const std::vector<std::string>& texts, std::size_t k) {
        return k < texts.size() ? QString::fromStdString(texts[k]) : QString();
    };
    for (std::size_t k = 0; k < speedLabels_.size(); ++k)
        speedLabels_[k]->setText(text(frame.left, k));
    for (std::size_t k = 0; k < timeLabels_.size(); ++k)
        timeLabels_[k]->setText(text(frame.bottom, k));
    curveShown_ = true;
}

void WavWindow::reload()
{
    if (working())
        return;
    picture1_->clear();
    if (Charger())
        Traiter();
}

void WavWindow::polaritySwitched()
{
    setPolarity(check1_->isChecked());
    if (source_ == Source::Wav)
        reload();
}

void WavWindow::setPolarity(bool low)
{
    // Setting the range and value from here is no user's threshold change.
    switchingPolarity_ = true;
    check1_->setChecked(low);
    if (low) {
        slider4_->setValue(128);
        slider4_->setMinimum(1);
        slider4_->setMaximum(128);
        slider4_->setValue(50);
        check1_->setText("1 - 128");
    } else {
        slider4_->setValue(128);
        slider4_->setMaximum(255);
        slider4_->setMinimum(128);
        slider4_->setValue(165);
        check1_->setText("128 - 255");
    }
    switchingPolarity_ = false;
}

std::optional<float> WavWindow::timeField(QLineEdit* field, std::string& lastGood)
{
    const auto value = parseSingle(field->text().toStdString());
    if (value && *value >= 0.0f) {
        lastGood = field->text().toStdString();
        return value;
    }
    message(tr("Valeur inadapter: %1 n'est pas un temps en secondes")
                .arg(QString::fromStdString(quotedValue(field->text().toStdString())))
                .toStdString());
    field->setText(QString::fromStdString(lastGood));
    return std::nullopt;
}

void WavWindow::startTimeChecked()
{
    // Turned off while work runs, the field may lose its focus: no check
    // then; nor with the sound, whose analysis they do not cut.
    if (working() || soundSource())
        return;
    const auto start = timeField(tdebut_, lastStart_);
    if (source_ != Source::Wav || !start)
        return;
    if (!(*start < recordingSeconds(frameCount_))) {
        message(tr("Valeur inadapter").toStdString());
        tdebut_->setText("0");
        lastStart_ = "0";
        return;
    }
    reload();
}

void WavWindow::endTimeChecked()
{
    if (working() || soundSource())
        return;
    const auto end = timeField(tfin_, lastEnd_);
    if (source_ != Source::Wav || !end)
        return;
    const float duration = recordingSeconds(frameCount_);
    if (duration >= *end) {
        reload();
        return;
    }
    tfin_->setText(QString::fromStdString(formatPattern(duration, Pattern::OneDecimal)));
    lastEnd_ = tfin_->text().toStdString();
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
        picture1_->clear();
        if (!Charger() || !Traiter())
            return;
        filtered_ = false;
    }
    if (preciseChosen()) {
        filtrerPrecise();
        return;
    }
    SmoothingSettings settings;
    settings.average = averageCheck_->isChecked();
    settings.bezier = bezierCheck_->isChecked();
    settings.level = slider2_->value();
    const auto skipped = parseInt16(text2_->text().toStdString());
    if (settings.bezier && (!skipped || *skipped < 0)) {
        message(tr("Valeur inadapter: Nombre de point sauté par Bezier").toStdString());
        return;
    }
    settings.skipped = skipped.value_or(10);
    BusyPointer busy;
    if (const auto status = smoothCurve(curve_, settings, progressBar()); !status) {
        busy.release();
        message(status.error());
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
        message(status.error());
        return;
    }
    // A curve file holds no track: the sound's line and refusal go with it.
    soundTrack_.reset();
    sparkTimes_.clear();
    preciseUncertainty_.reset();
    tooFewSparks_ = false;
    showCheckLine();
    graphtemp();
    command3_->setEnabled(true);
}

void WavWindow::SaveCurve()
{
    if (working())
        return;
    if (savedLineCount(curve_.pointCount) == 0) {
        message(tr("Aucune courbe à enregistrer : chargez d'abord un Wav ou un Ret.").toStdString());
        return;
    }
    if (!untrusted_.empty()) {
        message(tr("Courbe non enregistrée : %1.").arg(QString::fromStdString(untrusted_)).toStdString());
        return;
    }
    // From the engine's sound the speeds spark to spark wander with the
    // firing's phase: the power of such a curve would be far off (the
    // precise fit states how far). Only the precise curve is saved.
    if (soundSource() && soundTrack_ && !preciseUncertainty_) {
        message(tr("Courbe non enregistrée : du son du moteur, seule la courbe Précise donne une puissance "
                   "utilisable ; choisissez Précise puis Filtrer.")
                    .toStdString());
        return;
    }
    const auto chosen = platform().saveFile(dialog("RPM", kCurveFilter, curvePath_));
    if (!chosen)
        return;
    curvePath_ = *chosen;
    if (const auto status = vornax::SaveCurve(curvePath_, curve_); !status) {
        message(status.error());
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
    request.title = tr("Filtre Wav : le fichier Wav à filtrer").toStdString();
    const auto input = platform().openFile(request);
    if (!input)
        return;
    wavPath_ = *input;
    // The window's recording is now this file, no conversion's copy.
    sourcePath_.clear();
    showChannelChoice();
    const auto bytes = readFileBytes(*input);
    if (!bytes) {
        message(bytes.error());
        return;
    }
    if (!scanHeader(*bytes)) {
        message(scanFailure());
        return;
    }
    request = dialog("Wav", kWavFilter, {});
    request.title = tr("Filtre Wav : enregistrer le fichier filtré sous").toStdString();
    const auto output = platform().saveFile(request);
    if (!output)
        return;
    if (samePath(*input, *output)) {
        message(tr("Le fichier de sortie est le fichier d'entrée: choisissez un autre nom").toStdString());
        return;
    }
    wavPath_ = *output;
    BusyPointer busy;
    const auto conditioned = conditionedWav(*bytes);
    if (!conditioned) {
        busy.release();
        message(conditioned.error());
        return;
    }
    if (const auto saved = writeFileAtomically(*output, *conditioned); !saved) {
        busy.release();
        message(saved.error());
    }
}

}  // namespace vornax
