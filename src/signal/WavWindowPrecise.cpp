// The WAV window's precise curve: "Précise" chosen beside "Filtrer" fits the
// crank angle through the sparks of the last detection; the line under the
// plot tells what the spark check found and how sure the precise curve is.
#include "signal/WavWindow.h"

#include "common/PlatformServices.h"
#include "shell/Varia.h"
#include "signal/PreciseCurve.h"
#include "signal/SparkCheck.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QRadioButton>

namespace vornax {
namespace {

// The program's own texts follow the language file in force: English when
// its first line names English, French otherwise.
bool englishTexts() { return store().get("lblVersion").find("English") != std::string::npos; }

}  // namespace

bool WavWindow::preciseChosen() const { return methodChoice_->currentIndex() == 1; }

void WavWindow::showCheckLine(const std::string& uncertainty)
{
    const bool english = englishTexts();
    methodChoice_->setItemText(1, english ? "Precise" : QString::fromUtf8("Précise"));
    std::string line = sparkTimes_.empty() ? std::string() : sparkCheckLine(checkSparks(sparkTimes_), english);
    if (!uncertainty.empty())
        line += (line.empty() ? "" : "   ") + uncertainty;
    checkLine_->setText(QString::fromStdString(line));
}

void WavWindow::filtrerPrecise()
{
    const bool english = englishTexts();
    // A curve file holds speeds, not sparks: the fit needs the recording.
    if (sparkTimes_.empty()) {
        platform().message(english ? "The precise curve needs the sparks of a recording: open a WAV file"
                                   : "La courbe précise se calcule sur les étincelles d'un enregistrement : "
                                     "ouvrez un fichier Wav",
                           "", MessageIcon::None);
        return;
    }
    PreciseSettings settings;
    settings.sparksPerRev = option1_->isChecked() ? 0.5f : 2.0f;
    settings.sampleRate = sampleRate_;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    auto precise = preciseCurve(sparkTimes_, settings);
    QGuiApplication::restoreOverrideCursor();
    if (!precise) {
        platform().message(precise.error(), "", MessageIcon::None);
        return;
    }
    curve_ = precise->curve;
    filtered_ = true;
    graphtemp();
    showCheckLine(uncertaintyLine(*precise, english));
}

}  // namespace vornax
