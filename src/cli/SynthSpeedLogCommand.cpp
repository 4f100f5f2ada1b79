// `vornax synth --speed-log -o LOG [--run pull|coastdown|start] [--format
// nmea|gpx|csv|vbo] [--rate HZ] [--speed-noise KMH] [--position-noise M]
// [--drop-fix N] [--clock HH:MM:SS] [--truth TRUE.txt]`, with for a
// coast-down [--scx X] [--rolling CR] [--slope PCT] [--wind MS] [--from KMH]
// [--to KMH] [--direction out|back|both] [--output-back LOG2]: a speed log of
// the committed car and its truth.
#include "cli/CliSupport.h"
#include "cli/SynthSpeedLog.h"
#include "common/NumberText.h"
#include "common/TextFile.h"
#include "speedlog/SpeedLogSynth.h"

#include <cmath>
#include <filesystem>
#include <iostream>

namespace vornax::cli {
namespace {

SpeedLogFormat formatOf(const std::string& format, const std::string& output)
{
    std::string name = format;
    if (name.empty()) {
        std::string extension = std::filesystem::path(output).extension().string();
        for (char& c : extension)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        name = extension == ".gpx" ? "gpx" : extension == ".csv" ? "csv" : extension == ".vbo" ? "vbo" : "nmea";
    }
    if (name == "nmea")
        return SpeedLogFormat::Nmea;
    if (name == "gpx")
        return SpeedLogFormat::Gpx;
    if (name == "csv")
        return SpeedLogFormat::Csv;
    if (name == "vbo")
        return SpeedLogFormat::Vbo;
    throw UsageError("--format: \"" + format + "\" must be nmea, gpx, csv or vbo");
}

// The settings are doubles: a float option would write 0,600000023841858
// into the truth for 0.6.
double decimalOption(const std::string& text, const std::string& option)
{
    const auto value = parseDouble(text);
    if (!value || !std::isfinite(*value))
        throw UsageError(option + ": \"" + text + "\" is not a number");
    return *value;
}

// "run.nmea" -> "run-back.nmea"
std::string backName(const std::string& output)
{
    const std::filesystem::path p(output);
    return (p.parent_path() / (p.stem().string() + "-back" + p.extension().string())).string();
}

}  // namespace

void addSpeedLogSynthOptions(CLI::App& cmd, SpeedLogSynthArguments& a)
{
    cmd.add_flag(
        "--speed-log", a.enabled,
        "write a GPS speed log of the car instead of a recording (the --run, the format, the receiver's faults)");
    cmd.add_option("--run", a.run, "with --speed-log: pull (default, full throttle in --gear), coastdown or start");
    cmd.add_option("--format", a.format,
                   "with --speed-log: nmea, gpx, csv or vbo (default: from the file's extension)");
    cmd.add_option("--speed-noise", a.speedNoise, "with --speed-log: speed noise, km/h (default 0.15)");
    cmd.add_option("--position-noise", a.positionNoise, "with --speed-log: position noise, m (default 0.5)");
    cmd.add_option("--drop-fix", a.dropFixes, "with --speed-log: fixes lost at random (default 0)");
    cmd.add_option("--clock", a.clock, "with --speed-log: clock time of the first fix (default 10:00:00.00)");
    cmd.add_option("--scx", a.scx, "with --run coastdown: the true S.Cx, m² (default: the vehicle's)");
    cmd.add_option("--rolling", a.rolling, "with --run coastdown: the true rolling coefficient (default 0.0115)");
    cmd.add_option("--slope", a.slope, "with --run coastdown: rise of the road on the first run, % (default 0)");
    cmd.add_option("--wind", a.wind, "with --run coastdown: headwind on the first run, m/s (default 0)");
    cmd.add_option("--from", a.from, "with --run coastdown: speed where the coasting starts, km/h (default 100)");
    cmd.add_option("--to", a.to, "with --run coastdown: speed where it ends, km/h (default 30)");
    cmd.add_option("--direction", a.direction,
                   "with --run coastdown: out (default), back (slope and wind reversed) or both (two logs)");
    cmd.add_option("--output-back", a.outputBack,
                   "with --direction both: the second log (default: the output's name with -back)");
}

void runSpeedLogSynth(const SpeedLogSynthArguments& a, const SpeedLogSynthCommon& common)
{
    SpeedLogSynthSettings s;
    if (a.run == "pull")
        s.run = SpeedLogRun::Pull;
    else if (a.run == "coastdown")
        s.run = SpeedLogRun::Coastdown;
    else if (a.run == "start")
        s.run = SpeedLogRun::Start;
    else
        throw UsageError("--run: \"" + a.run + "\" must be pull, coastdown or start");
    const SpeedLogFormat format = formatOf(a.format, common.output);
    s.rate = common.rateGiven ? decimalOption(a.rate, "--rate") : 10.0;
    s.speedNoise = decimalOption(a.speedNoise, "--speed-noise");
    s.positionNoise = decimalOption(a.positionNoise, "--position-noise");
    s.droppedFixes = a.dropFixes;
    s.seed = common.seed;
    s.clockStart = a.clock;
    s.engine = common.engine;
    s.gear = common.gear;
    s.startRpm = decimalOption(common.startRpm, "--start-rpm");
    s.endRpm = decimalOption(common.endRpm, "--end-rpm");
    s.scx = a.scx.empty() ? 0.0 : decimalOption(a.scx, "--scx");
    if (!a.scx.empty() && !(s.scx > 0))
        throw UsageError("--scx: a drag area above 0 m²");
    s.rollingCoefficient = decimalOption(a.rolling, "--rolling");
    s.slopePercent = decimalOption(a.slope, "--slope");
    s.windMs = decimalOption(a.wind, "--wind");
    s.fromKmh = decimalOption(a.from, "--from");
    s.toKmh = decimalOption(a.to, "--to");
    s.shiftRpm = pointsToCommas(common.shiftRpm);
    s.shiftTime = pointsToCommas(common.shiftTime);
    s.duration = pointsToCommas(common.duration);
    if (a.direction == "back") {
        s.slopePercent = -s.slopePercent;
        s.windMs = -s.windMs;
        s.bearing += 180;
    } else if (a.direction == "both") {
        s.bothDirections = true;
    } else if (a.direction != "out") {
        throw UsageError("--direction: \"" + a.direction + "\" must be out, back or both");
    }
    if (s.bothDirections && s.run != SpeedLogRun::Coastdown)
        throw UsageError("--direction both: only for --run coastdown");

    std::vector<std::string> outputs{common.output};
    if (s.bothDirections)
        outputs.push_back(a.outputBack.empty() ? backName(common.output) : a.outputBack);
    if (outputs.size() == 2 && samePath(outputs[0], outputs[1]))
        throw UsageError("--output-back: the second log must be another file than the first");
    if (!common.truth.empty())
        for (const std::string& o : outputs)
            if (samePath(o, common.truth))
                throw UsageError("--truth: the truth must be another file than the log");

    const auto made = synthesizeSpeedLog(store(), s);
    if (!made)
        throw BadInput(made.error());
    for (std::size_t i = 0; i < made->logs.size(); ++i)
        if (const Status saved = writeSpeedLogFile(made->logs[i], format, outputs[i]); !saved)
            throw BadInput(outputs[i] + ": " + saved.error());
    if (!common.truth.empty())
        if (const Status saved = writeFileAtomically(common.truth, speedLogTruthBytes(made->truth)); !saved)
            throw BadInput(saved.error());
    const SpeedLogTruth& t = made->truth;
    for (std::size_t i = 0; i < made->logs.size(); ++i) {
        const SpeedLog& log = made->logs[i];
        std::cout << outputs[i] << ": " << speedLogFormatName(format) << " log of a " << a.run << ", "
                  << log.fixes.size() << " fixes at " << doubleText(s.rate) << " Hz over "
                  << formatPattern(log.fixes.back().time, Pattern::OneDecimal) << " s";
        if (s.run == SpeedLogRun::Coastdown)
            std::cout << ", coasting " << formatPattern(t.coastStart[i], Pattern::TwoDecimals) << " to "
                      << formatPattern(t.coastEnd[i], Pattern::TwoDecimals) << " s";
        std::cout << "\n";
    }
    if (s.run == SpeedLogRun::Coastdown)
        std::cout << "S.Cx " << formatPattern(t.scx, Pattern::ThreeDecimals) << " m², rolling coefficient "
                  << decimalsText(t.rollingCoefficient, 4) << "\n";
    else if (s.run == SpeedLogRun::Pull)
        std::cout << "gear " << s.gear << ", pull " << formatPattern(t.pullStart, Pattern::TwoDecimals) << " to "
                  << formatPattern(t.pullEnd, Pattern::TwoDecimals) << " s, "
                  << formatPattern(s.startRpm, Pattern::Whole) << " to " << formatPattern(s.endRpm, Pattern::Whole)
                  << " rpm\n";
    else
        std::cout << "0-100 km/h " << formatPattern(t.t0100, Pattern::TwoDecimals) << " s, 400 m "
                  << formatPattern(t.t400, Pattern::TwoDecimals) << " s, 1000 m "
                  << formatPattern(t.t1000, Pattern::TwoDecimals) << " s after the start at "
                  << formatPattern(t.moveStart, Pattern::OneDecimal) << " s\n";
}

}  // namespace vornax::cli
