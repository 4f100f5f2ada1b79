// The notes saved beside a curve the WAV window writes: the recording, the
// detection settings, and the smoothing or precise fit that made the curve.
#include "gui/signal/WavWindow.h"

#include "gui/signal/WavDetectionPanel.h"
#include "signal/CurveFile.h"

#include <filesystem>

namespace vornax {

void WavWindow::noteMaking(CurveMethod method, const SmoothingSettings& smoothing)
{
    CurveNotes notes;
    notes.method = method;
    notes.smoothing = smoothing;
    if (method == CurveMethod::Precise && preciseUncertainty_) {
        notes.rpmUncertaintyPct = preciseUncertainty_->first;
        notes.powerUncertaintyPct = preciseUncertainty_->second;
    }
    making_ = CurveMaking{curveFingerprint(curveFileText(curve_)), notes};
}

std::optional<CurveNotes> WavWindow::curveNotesToSave() const
{
    // A curve loaded from a file (and anything done to it since) has no
    // known making here.
    if (source_ != Source::Wav)
        return std::nullopt;
    CurveNotes notes;
    // The curve still as the last smoothing or fit left it; otherwise it is
    // the detection's own, one point per spark.
    if (making_ && making_->fingerprint == curveFingerprint(curveFileText(curve_)))
        notes = making_->notes;
    notes.recording = std::filesystem::path(wavPath_).filename().string();
    notes.threshold = threshold_;
    notes.lowPolarity = detection_->lowPolarity();
    notes.sparksPerRev = detection_->sparksPerRev();
    return notes;
}

}  // namespace vornax
