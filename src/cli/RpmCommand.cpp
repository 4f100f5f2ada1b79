// `vornax rpm REC.wav -o CURVE.ReT`: the spark detection (and, on request,
// the smoothing) of the WAV window, saved as the window saves a curve.
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/RecordingInput.h"
#include "cli/RpmMethod.h"
#include "cli/SoundSource.h"
#include "common/NumberText.h"
#include "power/PowerInputs.h"
#include "store/Varia.h"
#include "signal/CurveFile.h"
#include "signal/CurveNotes.h"
#include "signal/PreciseCurve.h"
#include "signal/SignalVerdict.h"
#include "signal/Smoothing.h"
#include "signal/SparkDetection.h"
#include "speedlog/LogPower.h"
#include "speedlog/SpeedLog.h"
#include "vehicle/HeadlessCommit.h"

#include <cmath>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>

namespace vornax::cli {
namespace {

struct RpmOptions {
    std::string input, output;
    std::string sparksPerRev = "0.5", threshold, start = "0", end = "1000", antiBounce = "0.3", bounding = "0.05";
    std::string polarity, channel = "auto";
    bool lowPolarity = false, smooth = false, noAverage = false, noBezier = false, json = false;
    bool writeUntrusted = false;
    std::string level = "1", bezierSkip = "10", method = "standard";
    SoundRpmOptions sound;
    int gear = 0;  // a speed log's gear, from 1; 0 when not given
    std::string vehicle;
};

int wholeOption(const std::string& text, const std::string& option, int lowest, int highest)
{
    const float value = numberOption(text, option);
    if (value != std::floor(value) || value < lowest || value > highest)
        throw UsageError(option + ": \"" + text + "\" must be a whole number from " + std::to_string(lowest) + " to " +
                         std::to_string(highest));
    return static_cast<int>(value);
}

DetectionSettings detectionSettings(const RpmOptions& o)
{
    DetectionSettings s;
    const float sparks = numberOption(o.sparksPerRev, "--sparks-per-rev");
    if (sparks != 0.5f && sparks != 2.0f)
        throw UsageError("--sparks-per-rev: \"" + o.sparksPerRev + "\" must be 0.5 or 2");
    s.sparksPerRev = sparks;
    s.lowPolarity = o.lowPolarity || o.polarity == "low";
    if (!o.polarity.empty() && o.polarity != "auto" && o.polarity != "high" && o.polarity != "low")
        throw UsageError("--polarity: \"" + o.polarity + "\" must be high, low or auto");
    // The threshold slider's range and default follow the polarity; one
    // chosen from the recording is checked once the polarity is known.
    if (o.threshold == "auto")
        s.threshold = s.lowPolarity ? 50 : 165;
    else if (o.polarity == "auto")
        s.threshold = o.threshold.empty() ? 165 : wholeOption(o.threshold, "--threshold", 1, 255);
    else if (s.lowPolarity)
        s.threshold = o.threshold.empty() ? 50 : wholeOption(o.threshold, "--threshold", 1, 128);
    else
        s.threshold = o.threshold.empty() ? 165 : wholeOption(o.threshold, "--threshold", 128, 255);
    s.startSeconds = numberOption(o.start, "--start");
    s.endSeconds = numberOption(o.end, "--end");
    if (s.startSeconds < 0 || s.endSeconds < 0)
        throw UsageError("--start and --end are times in seconds, not negative");
    s.antiBounce = numberOption(o.antiBounce, "--anti-bounce");
    s.bounding = numberOption(o.bounding, "--bounding");
    if (s.antiBounce < 0)
        throw UsageError("--anti-bounce: not negative");
    return s;
}

// Whether the input is a speed log, told by its first bytes (a recording's
// header, a log's first lines).
bool isSpeedLog(const std::string& input)
{
    std::ifstream file(input, std::ios::binary);
    std::string head(1 << 16, '\0');
    file.read(head.data(), std::streamsize(head.size()));
    head.resize(std::size_t(file.gcount()));
    return !head.empty() && looksLikeSpeedLog(std::span<const char>(head.data(), head.size()));
}

// A speed log: the engine-speed curve of a pull in the gear given, through
// the vehicle's ratios and tyre; the pull found by itself unless --start and
// --end give it.
void runLogRpm(const RpmOptions& o, const CLI::App& command)
{
    if (o.gear < 1 || o.gear > kGearCount)
        throw UsageError("a speed log needs --gear N (1 to 6): the gear of the pull");
    refuseOverwritingInput(o.output, {o.input});
    if (!o.vehicle.empty())
        refuseOverwritingInput(o.output, {o.vehicle});
    const std::string name = std::filesystem::path(o.input).filename().string();
    const auto log = readSpeedLogFile(o.input);
    if (!log)
        throw BadInput(log.error());
    commitVehicle(o.vehicle);
    const auto gears = gearNames(store());
    if (o.gear > static_cast<int>(gears.size()))
        throw BadInput("--gear " + std::to_string(o.gear) + ": this vehicle's gearbox has " +
                       std::to_string(gears.size()) + " gears");
    const auto inputs = readVehicleInputs(store(), o.gear - 1);
    if (!inputs)
        throw BadInput(inputs.error());
    const bool typedSpan = command.count("--start") || command.count("--end");
    auto curve = typedSpan
                     ? engineCurveFromLog(*log, *inputs, numberOption(o.start, "--start"), numberOption(o.end, "--end"))
                     : engineCurveOfLongestPull(*log, *inputs, name);
    if (!curve)
        throw BadInput(typedSpan ? name + ": " + curve.error() : curve.error());
    if (const auto saved = SaveCurve(o.output, curve->curve); !saved)
        throw BadInput(saved.error());
    CurveNotes notes;
    notes.recording = name;
    notes.method = CurveMethod::Precise;
    notes.rpmUncertaintyPct = curve->rpmUncertaintyPct;
    notes.powerUncertaintyPct = curve->powerUncertaintyPct;
    if (const auto noted = saveCurveNotes(o.output, notes); !noted)
        std::cerr << "vornax: the curve is saved, but not the note of how it was made: " << noted.error() << "\n";

    const int points = savedLineCount(curve->curve.pointCount);
    if (o.json) {
        nlohmann::json out{{"points", points},
                           {"duration_s", jsonSingle(float(curve->to - curve->from))},
                           {"format", speedLogFormatName(log->format)},
                           {"from_s", jsonSingle(float(curve->from))},
                           {"to_s", jsonSingle(float(curve->to))},
                           {"fixes", curve->fixes},
                           {"rate_hz", jsonSingle(float(curve->rate))},
                           {"gaps", curve->gaps},
                           {"lost_fixes", curve->lostFixes},
                           {"coarse", curve->coarse},
                           {"notes", curve->notes},
                           {"rpm_uncertainty_pct", jsonSingle(float(curve->rpmUncertaintyPct))},
                           {"power_uncertainty_pct", jsonSingle(float(curve->powerUncertaintyPct))}};
        printJson(out);
        return;
    }
    std::cout << o.output << ": " << points << " points from the " << speedLogFormatName(log->format)
              << " speed log, pull of " << formatPattern(curve->from, Pattern::OneDecimal) << " to "
              << formatPattern(curve->to, Pattern::OneDecimal) << " s in gear " << o.gear << " (" << curve->fixes
              << " fixes, " << fixesPerSecondText(curve->rate) << " a second)\n"
              << "engine speed ± " << uncertaintyText(curve->rpmUncertaintyPct, false) << " %, power ± "
              << uncertaintyText(curve->powerUncertaintyPct, false) << " % (1 standard deviation)\n";
    for (const std::string& note : curve->notes)
        std::cout << note << "\n";
}

void runRpm(const RpmOptions& o, const CLI::App& command)
{
    if (isSpeedLog(o.input)) {
        runLogRpm(o, command);
        return;
    }
    if (o.gear != 0 || !o.vehicle.empty())
        throw UsageError("--gear and --vehicle are for a speed log; " + o.input + " is a recording");
    SoundRpmOptions sound = o.sound;
    sound.writeUntrusted = o.writeUntrusted;
    sound.channel = o.channel;
    // The engine's sound gives its curve through the precise fit: spark to
    // spark its speeds wander with the firing's phase, far too much for a
    // power.
    if (runSoundRpm(sound, o.input, o.output, command.count("--method") ? o.method : "precise", o.json))
        return;
    const DetectionSettings settings = detectionSettings(o);
    const bool usePrecise = preciseMethod(o.method);
    SmoothingSettings smoothing;
    smoothing.average = !o.noAverage;
    smoothing.bezier = !o.noBezier;
    smoothing.level = wholeOption(o.level, "--level", 1, 4);
    smoothing.skipped = wholeOption(o.bezierSkip, "--bezier-skip", 0, Curve::kLastRow);
    refuseOverwritingInput(o.output, {o.input});

    const AnyRecording recording = openRecording(o.input, o.channel);
    DetectionSettings chosenSettings = settings;
    const nlohmann::json chosen = chooseAutomatically(chosenSettings, recording.bytes(), o.threshold == "auto",
                                                      o.polarity == "auto", !o.threshold.empty());
    auto detection =
        detectSparksInRecording(std::filesystem::path(o.input).filename().string(), recording.bytes(), chosenSettings);
    if (!detection)
        throw BadInput(detection.error());
    if (detection->tableFull)
        std::cerr << "vornax: more sparks than the curve holds; the detection stopped at " << Curve::kLastRow
                  << " sparks (shorten the span with --start/--end)\n";
    const SparkCheck check = checkSparks(detection->sparkTimes);
    // Pulses that are no spark train (noise, hum, the engine's sound, the
    // wrong channel) give a curve of nonsense: refused unless asked for.
    const std::string name = std::filesystem::path(o.input).filename().string();
    const SignalVerdict verdict = judgeSparks(detection->sparkTimes, check, settings.sparksPerRev);
    const std::string seen = signalVerdictLine(verdict, true);
    if (!verdict.trustworthy()) {
        const std::string advice = "try another channel (--channel), --threshold auto or the other --sparks-per-rev";
        if (!o.writeUntrusted)
            throw BadInput(name + ": " + seen + " (" + std::to_string(detection->crossings) + " pulses); no curve " +
                           "written: " + advice + ", or --write-untrusted to write it anyway");
        std::cerr << "vornax: " << name << ": " << seen << "; the curve is written as asked, but it is not "
                  << "trustworthy\n";
    }
    std::optional<PreciseCurve> precise;
    if (usePrecise)
        precise = smoothPrecisely(*detection, settings.sparksPerRev);
    Curve& curve = detection->curve;
    if (o.smooth && !precise) {
        if (const auto status = smoothCurve(curve, smoothing); !status)
            throw UsageError(status.error());
    }
    if (const auto saved = SaveCurve(o.output, curve); !saved)
        throw BadInput(saved.error());
    // How the curve was made, beside it, for the run report.
    CurveNotes notes;
    notes.recording = std::filesystem::path(o.input).filename().string();
    notes.method = precise ? CurveMethod::Precise : o.smooth ? CurveMethod::Standard : CurveMethod::Unsmoothed;
    notes.threshold = chosenSettings.threshold;
    notes.lowPolarity = chosenSettings.lowPolarity;
    notes.sparksPerRev = chosenSettings.sparksPerRev;
    notes.smoothing = smoothing;
    if (precise) {
        notes.rpmUncertaintyPct = precise->rpmUncertaintyPct;
        notes.powerUncertaintyPct = precise->powerUncertaintyPct;
    }
    if (const auto noted = saveCurveNotes(o.output, notes); !noted)
        std::cerr << "vornax: the curve is saved, but not the note of how it was made: " << noted.error() << "\n";

    const int points = savedLineCount(curve.pointCount);
    const float duration = recordingSeconds(detection->frameCount);
    if (o.json) {
        nlohmann::json out{{"points", points}, {"duration_s", jsonSingle(duration)}};
        out.update(chosen);
        addSparkFigures(out, check, precise ? &*precise : nullptr);
        out["trustworthy"] = verdict.trustworthy();
        // The figures it was judged on, rounded as they are read.
        auto rounded = [](double v, double step) {
            return jsonSingle(static_cast<float>(std::round(v / step) * step));
        };
        out["rhythm"] = {{"suspect_pct", rounded(100 * verdict.suspectShare, 0.01)},
                         {"scatter_pct", rounded(verdict.scatterPct, 0.01)},
                         {"low_rpm", rounded(verdict.lowRpm, 1)},
                         {"high_rpm", rounded(verdict.highRpm, 1)},
                         {"jump_pct", rounded(100 * verdict.jumpShare, 0.01)}};
        if (!verdict.trustworthy())
            out["verdict"] = seen;
        printJson(out);
        return;
    }
    if (!chosen.empty())
        std::cout << "threshold " << chosenSettings.threshold << ", polarity "
                  << (chosenSettings.lowPolarity ? "low" : "high") << " (chosen from the recording)\n";
    std::cout << o.output << ": " << points << " points from " << detection->crossings << " sparks, recording of "
              << formatPattern(duration, Pattern::OneDecimal) << " s\n"
              << sparkFiguresText(check, precise ? &*precise : nullptr);
}

}  // namespace

void addRpmCommand(CLI::App& app)
{
    auto o = std::make_shared<RpmOptions>();
    CLI::App* cmd =
        app.add_subcommand("rpm", "Detect the sparks of a recording and save its engine-speed curve (.ReT)");
    cmd->add_option("recording", o->input,
                    "recording of the ignition: any audio file (not an 8-bit mono 44100 Hz WAV: converted in memory), "
                    "or a speed log (NMEA, GPX, CSV, VBO) with --gear")
        ->required();
    cmd->add_option("-o,--output", o->output, "curve file to write")->required();
    cmd->add_option("--sparks-per-rev", o->sparksPerRev, "sparks per revolution: 0.5 (default) or 2");
    cmd->add_option("--threshold", o->threshold,
                    "detection threshold: 128..255 (default 165), 1..128 with --low-polarity (default 50), or auto");
    cmd->add_flag("--low-polarity", o->lowPolarity, "sparks go below the threshold (\"1 - 128\")");
    cmd->add_option("--polarity", o->polarity, "high (default), low, or auto: the side the sparks stand out on");
    cmd->add_option("--channel", o->channel,
                    "channel of the pickup in a converted file, or with --source sound of the engine's sound: auto "
                    "(default), left, right, mix or a number");
    cmd->add_option("--start", o->start, "start time in seconds (default 0)");
    cmd->add_option("--end", o->end, "end time in seconds (default 1000)");
    cmd->add_option("--anti-bounce", o->antiBounce, "anti-bounce value; the gap is value x 441 samples (default 0,3)");
    cmd->add_option("--bounding", o->bounding, "largest relative speed change per spark from the 101st (default 0,05)");
    CLI::Option* smooth = cmd->add_flag("--smooth", o->smooth, "smooth the curve as \"Filtrer\" does");
    cmd->add_option("--level", o->level, "averaging level 1..4 (default 1)")->needs(smooth);
    cmd->add_option("--bezier-skip", o->bezierSkip, "points skipped by the Bezier stage (default 10)")->needs(smooth);
    cmd->add_flag("--no-average", o->noAverage, "smooth without the averaging stage")->needs(smooth);
    cmd->add_flag("--no-bezier", o->noBezier, "smooth without the Bezier stage")->needs(smooth);
    cmd->add_option("--method", o->method,
                    "standard (default): the smoothing of \"Filtrer\"; precise: a fit of the crank angle through "
                    "every spark, one row every 10 ms (always, from the engine's sound)");
    cmd->add_flag(
        "--write-untrusted", o->writeUntrusted,
        "write the curve even when the pulses are no spark train (noise, hum, engine sound), or when the power of a "
        "precise curve from the engine's sound would be too uncertain; by default "
        "such a detection is refused with exit code 1");
    cmd->add_flag("--json", o->json, "print {points, duration_s, sparks, missed, extra, ...} as JSON");
    addSoundRpmOptions(cmd, o->sound);
    cmd->add_option("--gear", o->gear, "with a speed log: the gear of the pull, from 1");
    cmd->add_option("--vehicle", o->vehicle,
                    "with a speed log: Mini file (.Dat) of the ratios and tyre; default: the editor's default vehicle");
    cmd->callback([o, cmd] { runRpm(*o, *cmd); });
}

}  // namespace vornax::cli
