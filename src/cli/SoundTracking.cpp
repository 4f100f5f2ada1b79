// The engine-sound road of `vornax rpm --source sound`, in the media
// program (the tracker's transform comes from FFmpeg's libavutil).
#include "cli/SoundSource.h"

#include "cli/CliSupport.h"
#include "cli/RpmMethod.h"
#include "common/NumberText.h"
#include "signal/CurveFile.h"
#include "signal/PreciseCurve.h"
#include "signal/SparkDetection.h"
#include "sound/EngineSoundTracker.h"
#include "cli/RecordingInput.h"
#include "sound/SoundChannels.h"
#include "sound/SoundCurve.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <iostream>

namespace vornax::cli {

void runSoundTracking(const SoundRpmOptions& o, const std::string& input, const std::string& output,
                      const std::string& method, bool json)
{
    const SoundSettings settings = soundSettings(o);
    if (!preciseMethod(method))
        throw UsageError("--method standard: from the engine's sound the curve comes from the precise fit only (spark "
                         "to spark its speeds wander with the firing's phase, far too much for a power curve); leave "
                         "--method out or give precise");
    refuseOverwritingInput(output, {input});

    auto tracked = trackSoundFile(input, settings, channelOption(o.channel));
    if (!tracked)
        throw BadInput(tracked.error());
    const SoundSamples* recording = &tracked->samples;
    const Result<SoundTrack>& track = tracked->track;
    if (!track)
        throw BadInput(input + ": " + track.error());
    const auto joined = [&] {
        std::string all;
        for (const std::string& w : track->warnings)
            all += (all.empty() ? "" : "; ") + w;
        return all;
    };
    // The checks of the order can be wrong about an engine whose cylinders
    // differ only in pairs, and a setting other than a four-stroke four's
    // may be right though the sound can't confirm it: one who knows the
    // setting is right can still have the curve, flagged.
    if ((track->orderSuspect || track->followedShare < 0.9) && !o.writeUntrusted)
        throw BadInput(input + ": " +
                       (track->followedShare < 0.9 ? "the engine's firing can't be followed reliably"
                                                   : "the engine speed read may be wrong") +
                       ", no curve written: " + joined() + " (--write-untrusted writes it anyway)");

    auto made = preciseCurve(track->virtualSparks, soundPreciseSettings(*track));
    if (!made)
        throw BadInput(input + ": " + made.error());
    const std::optional<PreciseCurve> fit = std::move(*made);
    const std::string powerDoubt = soundPowerDoubt(fit->powerUncertaintyPct);
    if (!powerDoubt.empty() && !o.writeUntrusted)
        throw BadInput(input + ": no curve written: " + powerDoubt + " (--write-untrusted writes it anyway)");
    const Curve& curve = fit->curve;
    if (const auto saved = SaveCurve(output, curve); !saved)
        throw BadInput(saved.error());
    if (!powerDoubt.empty())
        std::cerr << "vornax: warning: written although " << powerDoubt << "\n";

    const int points = savedLineCount(curve.pointCount);
    const double duration = double(recording->samples.size()) / recording->rate;
    if (json) {
        nlohmann::json lost = nlohmann::json::array(), steadyLines = nlohmann::json::array();
        for (const double hz : track->steadyLinesHz)
            steadyLines.push_back(jsonSingle(float(hz)));
        for (const SoundStretch& s : track->lost)
            lost.push_back({{"start_s", jsonSingle(float(s.start))}, {"end_s", jsonSingle(float(s.end))}});
        nlohmann::json out{{"source", "sound"},
                           {"points", points},
                           {"duration_s", jsonSingle(float(duration))},
                           {"pull_start_s", jsonSingle(float(track->pullStart))},
                           {"pull_end_s", jsonSingle(float(track->pullEnd))},
                           {"firings_per_rev", jsonSingle(float(track->firingsPerRev))},
                           {"steady_lines_hz", steadyLines},
                           {"channels", recording->channels},
                           {"channel", recording->channel},
                           {"harmonics", track->harmonics},
                           {"virtual_sparks", track->virtualSparks.size()},
                           {"confidence_db", jsonSingle(float(track->medianConfidenceDb))},
                           {"followed_pct", jsonSingle(float(100.0 * track->followedShare))},
                           {"sure", track->sure},
                           {"not_followed", lost},
                           {"warnings", track->warnings}};
        if (fit) {
            out["rpm_uncertainty_pct"] = jsonSingle(float(fit->rpmUncertaintyPct));
            out["power_uncertainty_pct"] = jsonSingle(float(fit->powerUncertaintyPct));
            out["power_sure"] = powerDoubt.empty();
        }
        printJson(out);
        return;
    }
    std::cout << output << ": " << points << " points from the engine's sound, pull from "
              << formatPattern(track->pullStart, Pattern::TwoDecimals) << " to "
              << formatPattern(track->pullEnd, Pattern::TwoDecimals) << " s of a recording of "
              << formatPattern(duration, Pattern::OneDecimal) << " s"
              << (recording->channels > 1 ? ", " + soundChannelText(*recording) : std::string()) << "\n"
              << "firing order " << singleText(float(track->firingsPerRev)) << " per revolution, " << track->harmonics
              << " harmonics, confidence " << formatPattern(track->medianConfidenceDb, Pattern::OneDecimal)
              << " dB, followed " << formatPattern(100.0 * track->followedShare, Pattern::OneDecimal)
              << " % of the pull\n";
    if (!track->steadyLinesHz.empty()) {
        std::cout << "steady lines taken out (hum):";
        for (std::size_t k = 0; k < track->steadyLinesHz.size(); ++k)
            std::cout << (k ? ", " : " ") << formatPattern(track->steadyLinesHz[k], Pattern::TwoDecimals) << " Hz";
        std::cout << "\n";
    }
    if (fit)
        std::cout << sparkFiguresText(fit->check, &*fit);
    for (const std::string& w : track->warnings)
        std::cerr << "vornax: " << w << "\n";
    if (!track->sure)
        std::cerr << "vornax: the track is not sure: check the curve against the warnings above\n";
}

}  // namespace vornax::cli
