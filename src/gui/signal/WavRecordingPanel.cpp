#include "gui/signal/WavRecordingPanel.h"

#include "gui/common/PlotCanvas.h"
#include "gui/signal/WavPanelKit.h"
#include "signal/ChannelChoice.h"
#include "signal/WavControls.h"
#include "sound/SoundPlots.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

namespace vornax {
namespace {

constexpr int kMostZoom = 64;

}  // namespace

WavRecordingPanel::WavRecordingPanel(QWidget* area, QGroupBox* engineFrame, QObject* parent)
    : QObject(parent), area_(area)
{
    QWidget* a = area;
    picture1_ = named(new PlotCanvas(a), "Picture1");
    picture1_->setGeometry(px(kPlotLeft), 8, px(12600), px(2100));
    waveScroll_ = named(new QScrollBar(Qt::Horizontal, a), "WaveScroll");
    waveScroll_->setGeometry(px(kPlotLeft), 8 + px(2100), px(12600), 12);
    waveScroll_->hide();
    // Beneath the detection's sparks frame, whose title overlaps its lower
    // edge, as it was designed; the spectrogram's scroll bar lies over the
    // engine frame.
    waveScroll_->lower();
    caption(a, txNoop("vornax::WavWindow", "Zoom X"), 60, kRow1, 60);
    slider1_ = slider(a, "Slider1", 1, 100, 30);
    slider1_->setGeometry(60, kRow1 + 18, 150, 22);

    record_ = named(ownCaption(new QPushButton(a), txNoop("vornax::WavWindow", "Enregistreur")), "Record");
    record_->setGeometry(385, kRow2 + 12, 110, 28);
    auto* wavFilter = ownCaption(new QGroupBox(a), txNoop("vornax::WavWindow", "filtre Wav"));
    wavFilter->setGeometry(510, kRow2 - 6, 360, 52);
    command156_ =
        named(ownCaption(new QPushButton(wavFilter), txNoop("vornax::WavWindow", "Filtre Wav")), "Command156");
    command156_->setGeometry(10, 20, 90, 26);
    caption(wavFilter, txNoop("vornax::WavWindow", "largeur de la séquence"), 110, 24, 150);
    text5_ = named(new QLineEdit("500", wavFilter), "Text5");
    text5_->setGeometry(262, 22, 42, 22);
    text4_ = named(new QLineEdit("0,1", wavFilter), "Text4");
    text4_->setGeometry(310, 22, 42, 22);

    channelLine_ = named(new QLabel(a), "lblCanal");
    channelLine_->setGeometry(606, 278, 168, 22);
    channelLine_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    channelChoice_ = named(new QComboBox(a), "cboCanal");
    channelChoice_->setGeometry(780, 277, 120, 24);
    channelLine_->hide();
    channelChoice_->hide();

    // The spectrogram in place of the signal, zoomed and scrolled the same way.
    picSpectre_ = named(new PlotCanvas(a), "picSpectre");
    picSpectre_->setGeometry(picture1_->geometry());
    picSpectre_->setBackground({0, 0, 0});
    picSpectre_->setCursor(Qt::CrossCursor);
    picSpectre_->installEventFilter(this);
    picSpectre_->hide();
    scrSpectre_ = named(new QScrollBar(Qt::Horizontal, a), "scrSpectre");
    scrSpectre_->setGeometry(waveScroll_->geometry());
    scrSpectre_->hide();
    sldZoomSpectre_ = named(new QSlider(Qt::Horizontal, a), "sldZoomSpectre");
    sldZoomSpectre_->setRange(1, kMostZoom);
    sldZoomSpectre_->setValue(1);
    sldZoomSpectre_->setTracking(false);
    sldZoomSpectre_->setGeometry(slider1_->geometry());
    sldZoomSpectre_->hide();
    chkFrequenceLog_ =
        named(ownCaption(new QCheckBox(engineFrame), txNoop("vornax::WavWindow", "Fréquence log")), "chkFrequenceLog");
    chkFrequenceLog_->setGeometry(418, 22, 118, 22);

    connect(slider1_, &QSlider::valueChanged, this, &WavRecordingPanel::zoomChanged);
    connect(waveScroll_, &QScrollBar::valueChanged, this, [this] { drawWaveform(); });
    connect(channelChoice_, &QComboBox::currentIndexChanged, this,
            [this](int index) { emit channelChosen(channelOfChoice(index, channels_)); });
    connect(record_, &QPushButton::clicked, this, &WavRecordingPanel::recorderAsked);
    connect(command156_, &QPushButton::clicked, this, &WavRecordingPanel::conditioningAsked);
    connect(chkFrequenceLog_, &QCheckBox::toggled, this, &WavRecordingPanel::spectrogramViewChanged);
    connect(sldZoomSpectre_, &QSlider::valueChanged, this, &WavRecordingPanel::spectrogramViewChanged);
    connect(scrSpectre_, &QScrollBar::valueChanged, this, &WavRecordingPanel::spectrogramViewChanged);
}

int WavRecordingPanel::zoom() const { return slider1_->value(); }

double WavRecordingPanel::signalWidth() const { return double(picture1_->width()) * kTwipsPerPixel; }

void WavRecordingPanel::clearSignal() { picture1_->clear(); }

void WavRecordingPanel::setSignalBackground() { picture1_->setBackground({255, 255, 255}); }

void WavRecordingPanel::showThreshold(int threshold)
{
    threshold_ = threshold;
    picture1_->setPlot(waveformPlot(signalWidth(), threshold_, {}));
}

void WavRecordingPanel::showTrace(std::vector<PlotPoint> trace)
{
    trace_ = std::move(trace);
    drawWaveform();
}

void WavRecordingPanel::drawWaveform()
{
    const double width = signalWidth();
    // The scroll bar shows when the zoomed trace runs past the picture.
    const double extent = trace_.empty() ? 0.0 : trace_.back().x;
    const int hidden = static_cast<int>(std::max(0.0, extent - width));
    waveScroll_->blockSignals(true);
    waveScroll_->setRange(0, hidden);
    waveScroll_->setPageStep(static_cast<int>(width));
    waveScroll_->setSingleStep(std::max(1, static_cast<int>(width) / 20));
    waveScroll_->blockSignals(false);
    waveScroll_->setVisible(hidden > 0);
    const double offset = hidden > 0 ? waveScroll_->value() : 0.0;

    picture1_->setPlot(waveformPlot(width, threshold_, trace_, offset));
}

void WavRecordingPanel::showChannels(bool converted, int channels, int used, const ChannelRequest& request)
{
    const bool shown = converted && channels > 1;
    channelChoice_->setVisible(shown);
    channelLine_->setVisible(shown);
    if (!shown)
        return;
    const QSignalBlocker blocker(channelChoice_);
    channels_ = channels;
    channelChoice_->clear();
    for (const std::string& choice : channelChoices(channels))
        channelChoice_->addItem(QString::fromStdString(choice));
    channelChoice_->setCurrentIndex(channelChoiceIndex(request, channels));
    channelLine_->setText(QString::fromStdString(channelUsedLine(used, channels)));
}

void WavRecordingPanel::drawSpectrogram(const SoundSamples* sound, const SoundSettings& engine, const SoundTrack* track)
{
    if (!sound || sound->samples.empty()) {
        picSpectre_->clear();
        return;
    }
    const double duration = double(sound->samples.size()) / sound->rate;
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
    SpectrogramSettings settings = engineSpectrogramSettings(engine, sound->rate);
    settings.start = scrSpectre_->value() / 100.0;
    settings.end = settings.start + span;
    settings.columns = std::max(100, picSpectre_->width());
    settings.rows = std::max(50, picSpectre_->height());
    settings.logFrequency = chkFrequenceLog_->isChecked();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    auto picture = spectrogram(sound->samples, sound->rate, settings);
    QGuiApplication::restoreOverrideCursor();
    if (!picture) {
        shownSpectrogram_.reset();
        picSpectre_->clear();
        return;
    }
    picSpectre_->setPlot(spectrogramPlot(*picture, track));
    shownSpectrogram_ = std::move(*picture);
}

void WavRecordingPanel::clearSpectrogram()
{
    shownSpectrogram_.reset();
    picSpectre_->clear();
}

void WavRecordingPanel::showSource(bool sound)
{
    picture1_->setVisible(!sound);
    slider1_->setVisible(!sound);
    if (sound)
        waveScroll_->hide();
    picSpectre_->setVisible(sound);
    sldZoomSpectre_->setVisible(sound);
    scrSpectre_->setVisible(sound && scrSpectre_->maximum() > 0);
}

std::vector<std::pair<QWidget*, bool>> WavRecordingPanel::enabledStates(const WavEnabled& enabled) const
{
    return {{slider1_, enabled.signalSettings},
            {command156_, enabled.others},
            {channelChoice_, enabled.others},
            {sldZoomSpectre_, enabled.others},
            {scrSpectre_, enabled.others}};
}

bool WavRecordingPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == picSpectre_ && event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::LeftButton) {
            // Nothing to track again through before a spectrogram is on show.
            if (shownSpectrogram_) {
                const PlotPoint at = picSpectre_->toUser(press->position().toPoint());
                emit spectrogramClicked(shownSpectrogram_->start + at.x, shownSpectrogram_->hzAt(at.y));
            }
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace vornax
