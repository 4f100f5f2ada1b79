// The WAV window's precise curve: "Précise" chosen beside "Filtrer" fits the
// crank angle through the sparks of the last detection; the line under the
// plot tells what the spark check found and how sure the precise curve is.
#include "gui/signal/WavWindow.h"

#include "gui/signal/WavDetectionPanel.h"
#include "gui/signal/WavPlotsPanel.h"
#include "gui/signal/WavTexts.h"
#include "signal/PreciseCurve.h"
#include "signal/WavCheckLine.h"

#include <memory>
#include <optional>

namespace vornax {
namespace {

// The figures take a decimal comma in every language, as every other figure
// of the window does.
constexpr bool kDecimalPoint = false;

}  // namespace

void WavWindow::showCheckLine()
{
    CheckLine line;
    if (soundSource()) {
        if (soundTrack_) {
            showSoundLine();
            return;
        }
    } else {
        SparkLineInput input;
        input.tooFewSparks = tooFewSparks_;
        input.threshold = threshold_;
        input.sparkTimes = &sparkTimes_;
        input.sparksPerRev = sparksPerRevShown();
        input.precise = preciseUncertainty_;
        line = sparkLine(input);
    }
    untrusted_ = line.untrusted;
    plots_->showCheckLine(line);
}

void WavWindow::filtrerPrecise()
{
    // A curve file holds speeds, not sparks: the fit needs the recording.
    if (sparkTimes_.empty()) {
        showMessage(tx("vornax::WavWindow",
                       "La courbe précise se calcule sur les étincelles d'un enregistrement : ouvrez un fichier Wav"));
        return;
    }
    PreciseSettings settings;
    settings.sparksPerRev = sparksPerRevShown();
    settings.sampleRate = sampleRate_;
    // The engine's virtual sparks (exact times, no sample rate) come with how
    // far their crank may wander.
    if (soundTrack_ && sampleRate_ == 0)
        settings.leastTimingNoise = soundTrack_->timingNoise;
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
                      showMessage(precise.error());
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
                      showMessage(note);
              });
}

}  // namespace vornax
