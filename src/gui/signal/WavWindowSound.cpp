// The WAV window's second source, the engine's sound: the source choice, the
// engine's settings, the tracking off the window's thread, the spectrogram
// with the track over it (zoomed and scrolled like the signal) and the line
// saying how sure the track is. A click on the spectrogram tracks again
// through the point clicked.
#include "gui/signal/WavWindow.h"

#include "gui/common/Fields.h"
#include "common/NumberText.h"
#include "common/PlatformServices.h"
#include "gui/common/PlotCanvas.h"
#include "common/TextFile.h"
#include "signal/PreciseCurve.h"
#include "sound/SoundCurve.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>

#include <cmath>

namespace vornax {
namespace {

constexpr int kMostZoom = 64;
constexpr bool kDecimalPoint = false;  // the window's figures take a decimal comma in every language

void message(const QString& text) { platform().message(text.toStdString(), "", MessageIcon::None); }

QString seconds(double s) { return QString::fromStdString(formatPattern(s, Pattern::OneDecimal)); }

}  // namespace

void WavWindow::buildSoundControls()
{
    QWidget* a = area_;
    // The source, on a line of its own above the plot.
    auto* sourceLabel = new QLabel(a);
    sourceLabel->setProperty("vornaxSourceText", QString::fromUtf8(QT_TR_NOOP("Mesure par :")));
    sourceLabel->setGeometry(60, 300, 90, 19);
    optAllumage_ = new QRadioButton(a);
    optAllumage_->setObjectName("optSourceAllumage");
    optAllumage_->setProperty("vornaxSourceText", QString::fromUtf8(QT_TR_NOOP("Allumage")));
    optAllumage_->setGeometry(150, 300, 110, 19);
    optAllumage_->setChecked(true);
    optSon_ = new QRadioButton(a);
    optSon_->setObjectName("optSourceSon");
    optSon_->setProperty("vornaxSourceText", QString::fromUtf8(QT_TR_NOOP("Son du moteur")));
    optSon_->setGeometry(265, 300, 150, 19);
    auto* sources = new QButtonGroup(this);
    sources->addButton(optAllumage_);
    sources->addButton(optSon_);

    // The engine, where the ignition's threshold and sparks are.
    engineFrame_ = new QGroupBox(a);
    engineFrame_->setObjectName("fraMoteur");
    engineFrame_->setProperty("vornaxSourceText", QString::fromUtf8(QT_TR_NOOP("Moteur")));
    engineFrame_->setGeometry(225, 154, 540, 50);
    const auto label = [this](const char* source, int x, int w) {
        auto* l = new QLabel(engineFrame_);
        l->setProperty("vornaxSourceText", QString::fromUtf8(source));
        l->setGeometry(x, 22, w, 22);
        return l;
    };
    label(QT_TR_NOOP("Cylindres"), 8, 60);
    cboCylindres_ = new QComboBox(engineFrame_);
    cboCylindres_->setObjectName("cboCylindres");
    for (const int n : {1, 2, 3, 4, 5, 6, 8, 10, 12})
        cboCylindres_->addItem(QString::number(n), n);
    cboCylindres_->setCurrentIndex(3);
    cboCylindres_->setGeometry(70, 21, 46, 24);
    label(QT_TR_NOOP("Temps"), 124, 46);
    cboTemps_ = new QComboBox(engineFrame_);
    cboTemps_->setObjectName("cboTemps");
    cboTemps_->addItem("4", 4);
    cboTemps_->addItem("2", 2);
    cboTemps_->setGeometry(170, 21, 40, 24);
    label(QT_TR_NOOP("Régime"), 218, 50);
    txtRegimeMin_ = new QLineEdit("800", engineFrame_);
    txtRegimeMin_->setObjectName("txtRegimeMin");
    txtRegimeMin_->setGeometry(268, 22, 44, 22);
    (new QLabel("-", engineFrame_))->setGeometry(315, 22, 8, 22);
    txtRegimeMax_ = new QLineEdit("8000", engineFrame_);
    txtRegimeMax_->setObjectName("txtRegimeMax");
    txtRegimeMax_->setGeometry(325, 22, 44, 22);
    label(QT_TR_NOOP("tr/min"), 373, 40);
    chkFrequenceLog_ = new QCheckBox(engineFrame_);
    chkFrequenceLog_->setObjectName("chkFrequenceLog");
    chkFrequenceLog_->setProperty("vornaxSourceText", QString::fromUtf8(QT_TR_NOOP("Fréquence log")));
    chkFrequenceLog_->setGeometry(418, 22, 118, 22);
    engineFrame_->hide();

    // The spectrogram in place of the signal, zoomed and scrolled the same way.
    picSpectre_ = new PlotCanvas(a);
    picSpectre_->setObjectName("picSpectre");
    picSpectre_->setGeometry(picture1_->geometry());
    picSpectre_->setBackground({0, 0, 0});
    picSpectre_->setCursor(Qt::CrossCursor);
    picSpectre_->installEventFilter(this);
    picSpectre_->hide();
    scrSpectre_ = new QScrollBar(Qt::Horizontal, a);
    scrSpectre_->setObjectName("scrSpectre");
    scrSpectre_->setGeometry(waveScroll_->geometry());
    scrSpectre_->hide();
    sldZoomSpectre_ = new QSlider(Qt::Horizontal, a);
    sldZoomSpectre_->setObjectName("sldZoomSpectre");
    sldZoomSpectre_->setRange(1, kMostZoom);
    sldZoomSpectre_->setValue(1);
    sldZoomSpectre_->setTracking(false);
    sldZoomSpectre_->setGeometry(slider1_->geometry());
    sldZoomSpectre_->hide();

    // The two options are exclusive: one toggles at each change of source.
    connect(optSon_, &QRadioButton::toggled, this, [this] { sourceChosen(); });
    connect(cboCylindres_, &QComboBox::activated, this, [this] { engineChanged(); });
    connect(cboTemps_, &QComboBox::activated, this, [this] { engineChanged(); });
    makeDecimalField(txtRegimeMin_, [this] { engineChanged(); });
    makeDecimalField(txtRegimeMax_, [this] { engineChanged(); });
    connect(chkFrequenceLog_, &QCheckBox::toggled, this, [this] { drawSpectrogram(); });
    connect(sldZoomSpectre_, &QSlider::valueChanged, this, [this] { drawSpectrogram(); });
    connect(scrSpectre_, &QScrollBar::valueChanged, this, [this] { drawSpectrogram(); });
}

bool WavWindow::soundSource() const { return optSon_ && optSon_->isChecked(); }

float WavWindow::sparksPerRevShown() const
{
    if (soundSource() && soundTrack_)
        return soundTrack_->sparksPerRev;
    return option1_->isChecked() ? 0.5f : 2.0f;
}

void WavWindow::showSourceControls()
{
    const bool sound = soundSource();
    for (QWidget* w :
         {static_cast<QWidget*>(picture1_), static_cast<QWidget*>(slider1_), static_cast<QWidget*>(label4_),
          static_cast<QWidget*>(slider4_), static_cast<QWidget*>(autoButton_), static_cast<QWidget*>(autoLabel_),
          static_cast<QWidget*>(check1_), static_cast<QWidget*>(sparksFrame_)})
        w->setVisible(!sound);
    if (sound)
        waveScroll_->hide();
    engineFrame_->setVisible(sound);
    picSpectre_->setVisible(sound);
    sldZoomSpectre_->setVisible(sound);
    scrSpectre_->setVisible(sound && scrSpectre_->maximum() > 0);
    // The start and end times cut the ignition's detection only.
    tdebut_->setEnabled(!sound);
    tfin_->setEnabled(!sound);
}

void WavWindow::sourceChosen()
{
    if (working())
        return;
    showSourceControls();
    if (soundSource()) {
        // The recording open on the ignition's road is heard as it was
        // recorded, before any conversion.
        if (soundPath_.empty())
            soundPath_ = !sourcePath_.empty() ? sourcePath_ : wavPath_;
        source_ = Source::None;
        if (!soundPath_.empty())
            analyseSound();
        return;
    }
    soundTrack_.reset();
    untrusted_.clear();
    // Back to the pickup's sparks: of the recording last opened.
    const bool newer = !soundPath_.empty() && !samePath(soundPath_, wavPath_) &&
                       (sourcePath_.empty() || !samePath(soundPath_, sourcePath_));
    if (newer)
        openRecording(soundPath_);
    else if (!wavPath_.empty())
        openCurrent();
    else
        showCheckLine();
}

std::optional<SoundSettings> WavWindow::engineSettings()
{
    SoundSettings s;
    s.cylinders = cboCylindres_->currentData().toInt();
    s.strokes = cboTemps_->currentData().toInt();
    const auto low = parseSingle(txtRegimeMin_->text().toStdString());
    const auto high = parseSingle(txtRegimeMax_->text().toStdString());
    if (!low || !high || !(*low >= 100) || !(*high <= 30000) || !(*high >= 1.5f * *low)) {
        message(tr("Valeur inadapter : le régime va de 100 à 30000 tr/min, le haut au moins 1,5 fois le bas"));
        txtRegimeMin_->setText(QString::fromStdString(lastRpmMin_));
        txtRegimeMax_->setText(QString::fromStdString(lastRpmMax_));
        return std::nullopt;
    }
    lastRpmMin_ = txtRegimeMin_->text().toStdString();
    lastRpmMax_ = txtRegimeMax_->text().toStdString();
    s.minRpm = *low;
    s.maxRpm = *high;
    return s;
}

void WavWindow::engineChanged()
{
    if (working())
        return;
    const auto settings = engineSettings();
    if (settings && soundSource() && !soundPath_.empty())
        analyseSound();
}

void WavWindow::analyseSound(std::optional<SoundAnchor> anchor)
{
    if (working() || soundPath_.empty())
        return;
    auto settings = engineSettings();
    if (!settings)
        return;
    if (anchor) {
        settings->anchorTime = anchor->time;
        settings->anchorRpm = anchor->rpm;
    }
    // The samples are read once a file; the work gets its own share of them.
    struct Outcome {
        std::shared_ptr<const SoundSamples> samples;
        std::string readError;
        std::optional<Result<SoundTrack>> track;
    };
    auto outcome = std::make_shared<Outcome>();
    std::shared_ptr<const SoundSamples> known = samePath(soundSamplesPath_, soundPath_) ? sound_ : nullptr;
    const std::string path = soundPath_;
    // The reading and the tracking take no report of their own: the bar
    // moves and a stop is taken between them.
    startWork(
        [outcome, known, path, engine = *settings](const ProgressCheck& proceed) {
            std::shared_ptr<const SoundSamples> samples = known;
            if (!samples) {
                if (!proceed(0.02))
                    return;
                auto read = readSoundSamples(path);
                if (!read) {
                    outcome->readError = read.error();
                    return;
                }
                samples = std::make_shared<const SoundSamples>(std::move(*read));
            }
            outcome->samples = samples;
            if (!proceed(0.4))
                return;
            outcome->track.emplace(trackEngineSound(samples->samples, samples->rate, engine));
            proceed(1.0);
        },
        [this, outcome, path, engine = *settings](bool cancelled) {
            if (outcome->samples) {
                sound_ = outcome->samples;
                soundSamplesPath_ = path;
            }
            if (cancelled)
                return;
            if (!outcome->readError.empty()) {
                sound_.reset();
                soundSamplesPath_.clear();
                soundTrack_.reset();
                shownSpectrogram_.reset();
                picSpectre_->clear();
                message(QString::fromStdString(outcome->readError));
                return;
            }
            if (!outcome->track)
                return;
            const Result<SoundTrack>& track = *outcome->track;
            soundEngine_ = engine;
            curve_ = Curve{};
            sparkTimes_.clear();
            filtered_ = false;
            preciseUncertainty_.reset();
            tooFewSparks_ = false;
            sampleRate_ = 0;
            making_.reset();
            if (track) {
                soundTrack_ = *track;
                sparkTimes_ = soundTrack_->virtualSparks;
                curve_ = virtualSparkCurve(sparkTimes_, soundTrack_->sparksPerRev);
                command3_->setEnabled(true);
            } else {
                soundTrack_.reset();
            }
            graphtemp();
            showCheckLine();
            drawSpectrogram();
            if (!track)
                message(tr("Son du moteur : %1").arg(QString::fromStdString(track.error())));
        });
}

void WavWindow::drawSpectrogram()
{
    if (!soundSource() || !sound_ || sound_->samples.empty()) {
        picSpectre_->clear();
        return;
    }
    const double duration = double(sound_->samples.size()) / sound_->rate;
    const double span = duration / sldZoomSpectre_->value();
    // The scroll bar counts hundredths of a second.
    const int room = static_cast<int>(std::floor((duration - span) * 100));
    {
        const QSignalBlocker quiet(scrSpectre_);
        scrSpectre_->setRange(0, std::max(0, room));
        scrSpectre_->setPageStep(std::max(1, static_cast<int>(span * 100)));
        scrSpectre_->setSingleStep(std::max(1, static_cast<int>(span * 10)));
    }
    scrSpectre_->setVisible(room > 0);
    SpectrogramSettings settings = engineSpectrogramSettings(soundEngine_, sound_->rate);
    settings.start = scrSpectre_->value() / 100.0;
    settings.end = settings.start + span;
    settings.columns = std::max(100, picSpectre_->width());
    settings.rows = std::max(50, picSpectre_->height());
    settings.logFrequency = chkFrequenceLog_->isChecked();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    auto picture = spectrogram(sound_->samples, sound_->rate, settings);
    QGuiApplication::restoreOverrideCursor();
    if (!picture) {
        shownSpectrogram_.reset();
        picSpectre_->clear();
        return;
    }
    picSpectre_->setPlot(spectrogramPlot(*picture, soundTrack_ ? &*soundTrack_ : nullptr));
    shownSpectrogram_ = std::move(*picture);
}

bool WavWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == picSpectre_ && event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::LeftButton) {
            spectrogramClicked(press->position().toPoint());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void WavWindow::spectrogramClicked(QPoint pixel)
{
    if (working() || !soundTrack_ || !shownSpectrogram_)
        return;
    const PlotPoint at = picSpectre_->toUser(pixel);
    const double time = shownSpectrogram_->start + at.x;
    const double hz = shownSpectrogram_->hzAt(at.y);
    const auto anchor = anchorFromClick(*soundTrack_, time, hz);
    if (!anchor)
        return;
    if (anchor->rpm < soundEngine_.minRpm || anchor->rpm > soundEngine_.maxRpm) {
        message(tr("Le point cliqué donne %1 tr/min, hors du régime %2 - %3 tr/min")
                    .arg(QString::fromStdString(formatPattern(anchor->rpm, Pattern::Whole)),
                         QString::fromStdString(formatPattern(soundEngine_.minRpm, Pattern::Whole)),
                         QString::fromStdString(formatPattern(soundEngine_.maxRpm, Pattern::Whole))));
        return;
    }
    analyseSound(anchor);
}

void WavWindow::showSoundLine()
{
    const SoundTrack& t = *soundTrack_;
    QString line =
        tr("Son du moteur : %1 allumages par tour, accélération de %2 à %3 s suivie à %4 %, confiance %5 dB")
            .arg(QString::fromStdString(singleText(float(t.firingsPerRev))), seconds(t.pullStart), seconds(t.pullEnd),
                 QString::fromStdString(formatPattern(100.0 * t.followedShare, Pattern::OneDecimal)),
                 QString::fromStdString(formatPattern(t.medianConfidenceDb, Pattern::OneDecimal)));
    for (const SoundStretch& s : t.lost)
        line += tr(" ; l'allumage ne peut pas être suivi de %1 s à %2 s").arg(seconds(s.start), seconds(s.end));
    for (const std::string& w : t.warnings)
        line += " ; " + QString::fromStdString(w);
    if (preciseUncertainty_)
        line += "   " + QString::fromStdString(
                            uncertaintyLine(preciseUncertainty_->first, preciseUncertainty_->second, kDecimalPoint));
    const std::string powerDoubt = preciseUncertainty_ ? soundPowerDoubt(preciseUncertainty_->second) : "";
    if (!powerDoubt.empty()) {
        // The track holds but the firing's phase does not: the precise curve
        // would give a power far off; not saved either.
        untrusted_ = powerDoubt;
        checkLine_->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
        line = tr("PUISSANCE INCERTAINE : %1. %2").arg(QString::fromStdString(powerDoubt), line);
    }
    if (!t.sure || t.orderSuspect) {
        // Said loudly, and the curve is not saved: this track is no measurement.
        untrusted_ = tr("le suivi du son du moteur n'est pas sûr").toStdString();
        checkLine_->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
        line = tr("SUIVI INCERTAIN : cliquez sur la bonne raie du spectrogramme ou vérifiez le moteur. %1").arg(line);
    }
    checkLine_->setText(line);
}

}  // namespace vornax
