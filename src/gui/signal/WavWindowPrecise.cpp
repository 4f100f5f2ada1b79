// The WAV window's precise curve: "Précise" chosen beside "Filtrer" fits the
// crank angle through the sparks of the last detection; the line under the
// plot tells what the spark check found and how sure the precise curve is.
#include "gui/signal/WavWindow.h"

#include "common/PlatformServices.h"
#include "store/Varia.h"
#include "signal/PreciseCurve.h"
#include "signal/SignalVerdict.h"
#include "signal/SparkCheck.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QRadioButton>

#include <memory>
#include <optional>

namespace vornax {
namespace {

// The check line's figures take a decimal comma in every language, as every
// other figure of the window does.
constexpr bool kDecimalPoint = false;

}  // namespace

bool WavWindow::preciseChosen() const { return methodChoice_->currentIndex() == 1; }

void WavWindow::showCheckLine()
{
    untrusted_.clear();
    checkLine_->setStyleSheet(QString());
    if (soundSource()) {
        if (soundTrack_)
            showSoundLine();
        else
            checkLine_->clear();
        return;
    }
    if (tooFewSparks_) {
        checkLine_->setText(tr("Pas assez d'étincelles au seuil %1 entre le début et la fin : changez le seuil ou "
                               "appuyez sur Auto")
                                .arg(threshold_));
        return;
    }
    const SparkCheck check = sparkTimes_.empty() ? SparkCheck{} : checkSparks(sparkTimes_);
    if (!sparkTimes_.empty()) {
        const float sparksPerRev = sparksPerRevShown();
        untrusted_ = signalVerdictLine(judgeSparks(sparkTimes_, check, sparksPerRev), kDecimalPoint);
    }
    if (!untrusted_.empty()) {
        // Said loudly: this curve is no measurement.
        checkLine_->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
        checkLine_->setText(tr("COURBE NON FIABLE, %1 : essayez l'autre canal, le seuil Auto ou l'autre nombre "
                               "d'étincelles par tour")
                                .arg(QString::fromStdString(untrusted_)));
        return;
    }
    // How many sparks the detection found, and what the check made of them.
    std::string line;
    if (!sparkTimes_.empty()) {
        const std::string found = sparkCheckLine(check, kDecimalPoint);
        const auto count = static_cast<qulonglong>(sparkTimes_.size());
        line = (found.empty() ? tr("%1 étincelles, aucune manquée").arg(count)
                              : tr("%1 étincelles : %2").arg(count).arg(QString::fromStdString(found)))
                   .toStdString();
    }
    if (preciseUncertainty_) {
        const std::string uncertainty =
            uncertaintyLine(preciseUncertainty_->first, preciseUncertainty_->second, kDecimalPoint);
        line += (line.empty() ? "" : "   ") + uncertainty;
    }
    checkLine_->setText(QString::fromStdString(line));
}

void WavWindow::filtrerPrecise()
{
    // A curve file holds speeds, not sparks: the fit needs the recording.
    if (sparkTimes_.empty()) {
        platform().message(
            tr("La courbe précise se calcule sur les étincelles d'un enregistrement : ouvrez un fichier Wav")
                .toStdString(),
            "", MessageIcon::None);
        return;
    }
    PreciseSettings settings;
    settings.sparksPerRev = sparksPerRevShown();
    settings.sampleRate = sampleRate_;
    // The fit works on its own copy of the sparks, off the window's thread;
    // stopped, it leaves the curve on show as it was.
    auto fitted = std::make_shared<std::optional<Result<PreciseCurve>>>();
    startWork([fitted, times = sparkTimes_,
               settings](const ProgressCheck& proceed) { fitted->emplace(preciseCurve(times, settings, proceed)); },
              [this, fitted](bool cancelled) {
                  if (cancelled || !fitted->has_value())
                      return;
                  const auto& precise = **fitted;
                  if (!precise) {
                      platform().message(precise.error(), "", MessageIcon::None);
                      return;
                  }
                  curve_ = precise->curve;
                  filtered_ = true;
                  graphtemp();
                  preciseUncertainty_ = {precise->rpmUncertaintyPct, precise->powerUncertaintyPct};
                  noteMaking(CurveMethod::Precise, {});
                  showCheckLine();
                  // A long pull's rows are wider, so that the power computation reads it whole.
                  if (const std::string note = rowSpacingNote(*precise, kDecimalPoint); !note.empty())
                      platform().message(note, "", MessageIcon::None);
              });
}

}  // namespace vornax
