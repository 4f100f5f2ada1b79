// The WAV window's second source, the engine's sound: the source chosen,
// the tracking off the window's thread, the spectrogram with the track over
// it and the line saying how sure the track is. A click on the spectrogram
// tracks again through the point clicked.
#include "gui/signal/WavWindow.h"

#include "common/NumberText.h"
#include "common/PlatformServices.h"
#include "common/TextFile.h"
#include "gui/signal/WavDetectionPanel.h"
#include "gui/signal/WavPlotsPanel.h"
#include "gui/signal/WavRecordingPanel.h"
#include "gui/signal/WavTexts.h"
#include "signal/WavCheckLine.h"
#include "sound/SoundChannels.h"
#include "sound/SoundCurve.h"

namespace vornax {

bool WavWindow::soundSource() const { return detection_ && detection_->soundChosen(); }

const std::optional<Spectrogram>& WavWindow::shownSpectrogram() const { return recording_->shownSpectrogram(); }

float WavWindow::sparksPerRevShown() const
{
    if (soundSource() && soundTrack_)
        return soundTrack_->sparksPerRev;
    return detection_->sparksPerRev();
}

void WavWindow::showSourceControls()
{
    const bool sound = soundSource();
    recording_->showSource(sound);
    detection_->showSource(sound);
    // The start and end times cut the ignition's detection only.
    controls_.sound = sound;
    applyEnabled();
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
        showSoundChannels();
        if (!soundPath_.empty())
            analyseSound();
        return;
    }
    soundTrack_.reset();
    untrusted_.clear();
    showChannelChoice();
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

void WavWindow::engineChanged()
{
    if (working())
        return;
    const auto settings = detection_->engineSettings();
    if (settings && soundSource() && !soundPath_.empty())
        analyseSound();
}

void WavWindow::analyseSound(std::optional<SoundAnchor> anchor)
{
    if (working() || soundPath_.empty())
        return;
    auto settings = detection_->engineSettings();
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
    // The bar shows the reading, when the samples are not known yet, then
    // the tracking (about three times as long), for each channel where
    // they differ; either stops at once on "Annuler".
    startWork(
        [outcome, known, path, engine = *settings, channel = soundChannel_](const ProgressCheck& proceed) {
            // Known samples (of the channel kept) are tracked again; a file
            // not read yet is read, and tracked on the channel that carries
            // the engine.
            if (known) {
                outcome->samples = known;
                auto track = trackEngineSound(known->samples, known->rate, engine, proceed);
                // A stop asked for leaves the track as it was.
                if (proceed(1.0))
                    outcome->track.emplace(std::move(track));
                return;
            }
            auto tracked = trackSoundFile(path, engine, channel, proceed);
            if (!tracked) {
                outcome->readError = tracked.error();
                return;
            }
            outcome->samples = std::make_shared<const SoundSamples>(std::move(tracked->samples));
            if (proceed(1.0))
                outcome->track.emplace(std::move(tracked->track));
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
                recording_->clearSpectrogram();
                showSoundChannels();
                showMessage(outcome->readError);
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
                controls_.curveMade = true;
                applyEnabled();
            } else {
                soundTrack_.reset();
            }
            graphtemp();
            showCheckLine();
            showSoundChannels();
            drawSpectrogram();
            if (!track)
                showMessage(tx("vornax::WavWindow", "Son du moteur : %1").arg(track.error()));
        });
}

void WavWindow::drawSpectrogram()
{
    recording_->drawSpectrogram(soundSource() ? sound_.get() : nullptr, soundEngine_,
                                soundTrack_ ? &*soundTrack_ : nullptr);
}

void WavWindow::spectrogramClicked(double time, double hz)
{
    if (working() || !soundTrack_)
        return;
    const auto anchor = anchorFromClick(*soundTrack_, time, hz);
    if (!anchor)
        return;
    if (anchor->rpm < soundEngine_.minRpm || anchor->rpm > soundEngine_.maxRpm) {
        showMessage(tx("vornax::WavWindow", "Le point cliqué donne %1 tr/min, hors du régime %2 - %3 tr/min")
                        .arg(formatPattern(anchor->rpm, Pattern::Whole))
                        .arg(formatPattern(soundEngine_.minRpm, Pattern::Whole))
                        .arg(formatPattern(soundEngine_.maxRpm, Pattern::Whole)));
        return;
    }
    analyseSound(anchor);
}

void WavWindow::showSoundChannels()
{
    if (sound_ && samePath(soundSamplesPath_, soundPath_))
        recording_->showChannels(true, sound_->channels, sound_->channel, soundChannel_);
    else
        recording_->showChannels(false, 0, 0, soundChannel_);
}

void WavWindow::showSoundLine()
{
    const SoundTrack& t = *soundTrack_;
    SoundLineInput input;
    input.firingsPerRev = t.firingsPerRev;
    input.pullStart = t.pullStart;
    input.pullEnd = t.pullEnd;
    input.followedShare = t.followedShare;
    input.medianConfidenceDb = t.medianConfidenceDb;
    if (sound_) {
        input.channels = sound_->channels;
        input.channel = sound_->channel;
    }
    input.steadyLinesHz = t.steadyLinesHz;
    input.warnings = t.warnings;
    input.sure = t.sure;
    input.orderSuspect = t.orderSuspect;
    input.precise = preciseUncertainty_;
    if (preciseUncertainty_)
        input.powerDoubt = soundPowerDoubt(preciseUncertainty_->second);
    const CheckLine line = soundLine(input);
    untrusted_ = line.untrusted;
    plots_->showCheckLine(line);
}

}  // namespace vornax
