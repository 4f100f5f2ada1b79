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
#include "sound/SoundInput.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <iostream>

namespace vornax::cli {
namespace {

int wholeNumber(const std::string& text, const std::string& option, int lowest, int highest)
{
    const float v = numberOption(text, option);
    if (v != std::floor(v) || v < lowest || v > highest)
        throw UsageError(option + ": \"" + text + "\" must be a whole number from " + std::to_string(lowest) + " to " +
                         std::to_string(highest));
    return static_cast<int>(v);
}

SoundSettings soundSettings(const SoundRpmOptions& o)
{
    SoundSettings s;
    s.cylinders = wholeNumber(o.cylinders, "--cylinders", 1, 16);
    s.strokes = wholeNumber(o.strokes, "--strokes", 2, 4);
    if (s.strokes == 3)
        throw UsageError("--strokes: 2 or 4");
    const auto colon = o.rpmRange.find(':');
    if (colon == std::string::npos)
        throw UsageError("--rpm-range: \"" + o.rpmRange + "\" must be LOW:HIGH, as 800:8000");
    s.minRpm = numberOption(o.rpmRange.substr(0, colon), "--rpm-range");
    s.maxRpm = numberOption(o.rpmRange.substr(colon + 1), "--rpm-range");
    if (!(s.minRpm >= 100) || !(s.maxRpm <= 30000) || !(s.maxRpm >= 1.5 * s.minRpm))
        throw UsageError("--rpm-range: from 100 to 30000 rpm, the top at least 1.5 times the foot");
    return s;
}

// One row a virtual spark, its speed from the interval since the one before,
// as the detection fills a curve.
Curve sparkCurve(const std::vector<double>& sparks, float sparksPerRev)
{
    Curve curve;
    const int n = std::min<int>(static_cast<int>(sparks.size()), Curve::kLastRow);
    for (int i = 1; i < n; ++i) {
        CurvePoint& row = curve.rows[std::size_t(i)];
        row.time = static_cast<float>(sparks[std::size_t(i)]);
        row.speed = engineSpeed(sparksPerRev, static_cast<float>(sparks[std::size_t(i)] - sparks[std::size_t(i - 1)]));
    }
    curve.pointCount = std::max(0, n - 1);
    return curve;
}

}  // namespace

void runSoundTracking(const SoundRpmOptions& o, const std::string& input, const std::string& output,
                      const std::string& method, bool json)
{
    const SoundSettings settings = soundSettings(o);
    const bool precise = preciseMethod(method);
    refuseOverwritingInput(output, {input});

    const auto recording = readSoundSamples(input);
    if (!recording)
        throw BadInput(recording.error());
    const auto track = trackEngineSound(recording->samples, recording->rate, settings);
    if (!track)
        throw BadInput(input + ": " + track.error());
    const auto joined = [&] {
        std::string all;
        for (const std::string& w : track->warnings)
            all += (all.empty() ? "" : "; ") + w;
        return all;
    };
    if (track->orderSuspect || track->followedShare < 0.9)
        throw BadInput(input + ": the engine's firing can't be followed reliably, no curve written: " + joined());

    Curve curve;
    std::optional<PreciseCurve> fit;
    if (precise) {
        auto made = preciseCurve(track->virtualSparks, {track->sparksPerRev, 0.0});
        if (!made)
            throw BadInput(input + ": " + made.error());
        fit = std::move(*made);
        curve = fit->curve;
    } else {
        curve = sparkCurve(track->virtualSparks, track->sparksPerRev);
    }
    if (const auto saved = SaveCurve(output, curve); !saved)
        throw BadInput(saved.error());

    const int points = savedLineCount(curve.pointCount);
    const double duration = double(recording->samples.size()) / recording->rate;
    if (json) {
        nlohmann::json lost = nlohmann::json::array();
        for (const SoundStretch& s : track->lost)
            lost.push_back({{"start_s", jsonSingle(float(s.start))}, {"end_s", jsonSingle(float(s.end))}});
        nlohmann::json out{{"source", "sound"},
                           {"points", points},
                           {"duration_s", jsonSingle(float(duration))},
                           {"pull_start_s", jsonSingle(float(track->pullStart))},
                           {"pull_end_s", jsonSingle(float(track->pullEnd))},
                           {"firings_per_rev", jsonSingle(float(track->firingsPerRev))},
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
        }
        printJson(out);
        return;
    }
    std::cout << output << ": " << points << " points from the engine's sound, pull from "
              << formatPattern(track->pullStart, Pattern::TwoDecimals) << " to "
              << formatPattern(track->pullEnd, Pattern::TwoDecimals) << " s of a recording of "
              << formatPattern(duration, Pattern::OneDecimal) << " s\n"
              << "firing order " << formatPattern(track->firingsPerRev, Pattern::UpToOne) << " per revolution, "
              << track->harmonics << " harmonics, confidence "
              << formatPattern(track->medianConfidenceDb, Pattern::OneDecimal) << " dB, followed "
              << formatPattern(100.0 * track->followedShare, Pattern::OneDecimal) << " % of the pull\n";
    if (fit)
        std::cout << sparkFiguresText(fit->check, &*fit);
    for (const std::string& w : track->warnings)
        std::cerr << "vornax: " << w << "\n";
    if (!track->sure)
        std::cerr << "vornax: the track is not sure: check the curve against the stretches named above\n";
}

}  // namespace vornax::cli
