// The WAV window's side of the import: any audio file converted into the Wav
// folder before it is opened, the "Auto" threshold, and the scroll bar that
// moves the close-up of the signal along the whole recording.
#include "signal/WavWindow.h"

#include "common/AppFolder.h"
#include "common/NumberText.h"
#include "common/PlatformServices.h"
#include "common/PlotCanvas.h"
#include "common/TextFile.h"
#include "common/Twips.h"
#include "signal/AudioImport.h"
#include "signal/AutoThreshold.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScrollBar>
#include <QSlider>

#include <algorithm>

namespace vornax {
namespace {

namespace fs = std::filesystem;

void message(const std::string& text) { platform().message(text, "", MessageIcon::None); }

// What the conversion did, in a sentence, in the language in force.
QString conversionNote(const fs::path& from, const fs::path& to, const ImportReport& r)
{
    const auto t = [](const char* source) { return QCoreApplication::translate("vornax::WavWindow", source); };
    const QString channels = r.channels == 1 ? t(QT_TRANSLATE_NOOP("vornax::WavWindow", "1 canal"))
                                             : t(QT_TRANSLATE_NOOP("vornax::WavWindow", "%1 canaux")).arg(r.channels);
    QString note =
        t(QT_TRANSLATE_NOOP("vornax::WavWindow", "\"%1\" converti en \"%2\" (8 bits mono 44100 Hz) : %3 %4 Hz, %5"))
            .arg(QString::fromStdString(from.filename().string()), QString::fromStdString(to.filename().string()),
                 QString::fromStdString(r.codec))
            .arg(r.sampleRate)
            .arg(channels);
    if (r.channels > 1)
        note += r.channel == 0 ? t(QT_TRANSLATE_NOOP("vornax::WavWindow", ", canaux mélangés"))
                               : t(QT_TRANSLATE_NOOP("vornax::WavWindow", ", canal %1 retenu")).arg(r.channel);
    if (r.inverted)
        note += t(QT_TRANSLATE_NOOP("vornax::WavWindow", ", signal retourné"));
    note += t(QT_TRANSLATE_NOOP("vornax::WavWindow", ", gain %1 dB."))
                .arg(QString::fromStdString(formatPattern(r.gainDb, Pattern::OneDecimal)));
    return note;
}

}  // namespace

bool WavWindow::convertChosenRecording(const std::string& previous)
{
    {
        const auto file = MappedFile::open(wavPath_);
        // A file that cannot be read is reported by the load as ever.
        if (!file || isCanonicalRecording(file->bytes()))
            return true;
    }
    const fs::path source = wavPath_;
    wavPath_ = previous;
    // Converted first, so that a file that is no recording says so at once.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto imported = importRecording(source, {}, [bar = prowav_](int value) { bar->setValue(value); });
    QGuiApplication::restoreOverrideCursor();
    if (!imported) {
        message(imported.error());
        return false;
    }
    fs::path target = defaultFolder("Wav") / (source.stem().string() + ".wav");
    std::error_code ec;
    if (fs::exists(target, ec) || samePath(source, target)) {
        // The save dialog asks before it replaces a file.
        FileDialogRequest request;
        request.filter = tr("Fichier Son *.Wav|*.wav").toStdString();
        request.initialFolder = defaultFolder("Wav").string();
        request.initialName = target.filename().string();
        const auto chosen = platform().saveFile(request);
        if (!chosen)
            return false;
        target = *chosen;
        if (samePath(source, target)) {
            message(tr("Le fichier converti ne peut pas remplacer l'original : choisissez un autre nom").toStdString());
            return false;
        }
    }
    if (const auto saved = saveImported(*imported, source, target); !saved) {
        message(saved.error());
        return false;
    }
    message(conversionNote(source, target, imported->report).toStdString());
    wavPath_ = target.string();
    return true;
}

void WavWindow::autoThreshold()
{
    if (wavPath_.empty())
        return;
    const auto file = mapRecording();
    if (!file)
        return;
    const auto header = scanHeader(file->bytes());
    if (!header) {
        message(scanFailure());
        return;
    }
    const std::string_view bytes = file->bytes();
    const std::size_t start = std::min<std::size_t>(bytes.size(), static_cast<std::size_t>(header->dataStart - 1));
    const std::size_t size = std::min<std::size_t>(header->dataSize, bytes.size() - start);
    const AutoSettings found =
        vornax::autoThreshold({reinterpret_cast<const std::uint8_t*>(bytes.data()) + start, size});
    if (found.lowPolarity != check1_->isChecked())
        setPolarity(found.lowPolarity);
    switchingPolarity_ = true;
    slider4_->setValue(found.threshold);
    switchingPolarity_ = false;
    autoLabel_->setText(QString::number(found.threshold));
    if (source_ == Source::Wav)
        reload();
}

void WavWindow::drawWaveform()
{
    const double width = double(picture1_->width()) * kTwipsPerPixel;
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

}  // namespace vornax
