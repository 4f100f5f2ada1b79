// `vornax synth -o REC.wav [--engine 850|1275|1380] [--vehicle CAR.Dat]
// [--gear G] [--start-rpm R] [--end-rpm R] [--sparks-per-rev 0.5|2]
// [--polarity high|low] [--noise N] [--seed S] [--drop-sparks N]
// [--stray-pulses N] [--truth TRUE.txt] [--lang FILE]`: a synthetic ignition
// recording of a known engine in the committed car, and on request the
// engine's true torque and power curve. With --speed-log it writes a GPS
// speed log of the car instead (SynthSpeedLogCommand.cpp).
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/SynthSpeedLog.h"
#include "common/NumberText.h"
#include "common/TextFile.h"
#include "store/Varia.h"
#include "synth/EngineSound.h"
#include "synth/SyntheticRun.h"
#include "vehicle/HeadlessCommit.h"

#include <iostream>
#include <memory>

namespace vornax::cli {
namespace {

struct SynthArguments {
    std::string output, truth, vehicle, lang;
    std::string engine = "1275", polarity = "high";
    std::string startRpm = "2000", endRpm = "5800", sparksPerRev = "0.5", noise = "2";
    int gear = 3;
    unsigned seed = 1;
    int dropSparks = 0, strayPulses = 0;
    // The engine's sound instead of the ignition (--sound).
    bool sound = false, agc = false;
    std::string position = "cabin", weakCylinder = "1", voice = "0", highPass = "80", clip = "0", lead = "1.5",
                lift = "1", roadNoise = "1", speedTruth;
    int cylinders = 4, rate = 48000;
    // A GPS speed log instead (--speed-log).
    SpeedLogSynthArguments speedLog;
    bool rateGiven = false;
    std::string shiftRpm = "4500", shiftTime = "0,5", duration = "60";
};

void runSoundSynth(const SynthArguments& args, SynthSettings& base)
{
    EngineSoundSettings s;
    s.engine = base.engine;
    s.gear = base.gear;
    s.startRpm = base.startRpm;
    s.endRpm = base.endRpm;
    s.seed = base.seed;
    s.cylinders = args.cylinders;
    if (args.position == "cabin")
        s.position = MicPosition::Cabin;
    else if (args.position == "bay")
        s.position = MicPosition::EngineBay;
    else if (args.position == "exhaust")
        s.position = MicPosition::Exhaust;
    else
        throw UsageError("--position: \"" + args.position + "\" must be cabin, bay or exhaust");
    s.weakCylinder = numberOption(args.weakCylinder, "--weak-cylinder");
    s.voice = numberOption(args.voice, "--voice");
    s.highPassHz = numberOption(args.highPass, "--highpass");
    s.clip = numberOption(args.clip, "--clip");
    s.leadSeconds = numberOption(args.lead, "--lead");
    s.liftSeconds = numberOption(args.lift, "--lift");
    s.noise = numberOption(args.roadNoise, "--road-noise");
    s.automaticGain = args.agc;
    s.sampleRate = args.rate;
    const auto recording = synthesizeEngineSound(store(), s);
    if (!recording)
        throw BadInput(recording.error());
    if (const Status saved = writeFileAtomically(args.output, recording->wav); !saved)
        throw BadInput(saved.error());
    if (!args.truth.empty()) {
        const Status saved = writeTruthFile(args.truth, *recording->engine, s.startRpm, s.endRpm, store());
        if (!saved)
            throw BadInput(saved.error());
    }
    if (!args.speedTruth.empty()) {
        if (const Status saved = writeFileAtomically(args.speedTruth, speedTruthBytes(recording->speed)); !saved)
            throw BadInput(saved.error());
    }
    std::cout << args.output << ": engine sound of the " << recording->engine->description() << ", gear " << s.gear
              << ", " << formatPattern(s.startRpm, Pattern::Whole) << " to " << formatPattern(s.endRpm, Pattern::Whole)
              << " rpm from " << formatPattern(recording->pullStart, Pattern::TwoDecimals) << " to "
              << formatPattern(recording->pullEnd, Pattern::TwoDecimals) << " s of "
              << formatPattern(recording->seconds, Pattern::OneDecimal) << " s, " << recording->firingTimes.size()
              << " firings\n";
}

void runSynth(const SynthArguments& args)
{
    SynthSettings settings;
    settings.engine = args.engine;
    if (!findEngine(args.engine))
        throw UsageError("--engine: \"" + args.engine + "\" is not a shipped engine (850, 1275 or 1380)");
    settings.gear = args.gear;
    if (args.gear < 1 || args.gear > 6)
        throw UsageError("--gear: " + std::to_string(args.gear) + " is not a gear (1 to 6)");
    settings.startRpm = numberOption(args.startRpm, "--start-rpm");
    settings.endRpm = numberOption(args.endRpm, "--end-rpm");
    settings.sparksPerRev = numberOption(args.sparksPerRev, "--sparks-per-rev");
    if (settings.sparksPerRev != 0.5 && settings.sparksPerRev != 2.0)
        throw UsageError("--sparks-per-rev: \"" + args.sparksPerRev + "\" must be 0.5 or 2");
    if (args.polarity != "high" && args.polarity != "low")
        throw UsageError("--polarity: \"" + args.polarity + "\" must be high or low");
    settings.lowPolarity = args.polarity == "low";
    settings.noise = numberOption(args.noise, "--noise");
    if (settings.noise < 0 || settings.noise > 60)
        throw UsageError("--noise: from 0 to 60 sample steps");
    settings.seed = args.seed;
    if (args.dropSparks < 0 || args.strayPulses < 0)
        throw UsageError("--drop-sparks and --stray-pulses: not negative");
    settings.droppedSparks = args.dropSparks;
    settings.strayPulses = args.strayPulses;
    for (const std::string& other : {args.truth, args.speedTruth})
        if (!other.empty())
            refuseOverwritingInput(other, {args.output});
    if (!args.vehicle.empty())
        refuseOverwritingInput(args.output, {args.vehicle});
    if (!args.truth.empty()) {
        refuseOverwritingInput(args.truth, {args.output});
        if (!args.vehicle.empty())
            refuseOverwritingInput(args.truth, {args.vehicle});
    }

    loadLanguage(args.lang);
    HeadlessVehicleOptions options;
    if (!args.vehicle.empty())
        options.miniFile = args.vehicle;
    if (const Status committed = commitVehicleHeadless(store(), options); !committed)
        throw BadInput(committed.error());

    if (args.sound) {
        runSoundSynth(args, settings);
        return;
    }
    if (args.speedLog.enabled) {
        runSpeedLogSynth(args.speedLog, {args.output, args.truth, args.engine, args.gear, args.seed, args.startRpm,
                                         args.endRpm, args.shiftRpm, args.shiftTime, args.duration, args.rateGiven});
        return;
    }
    const auto recording = synthesize(store(), settings);
    if (!recording)
        throw BadInput(recording.error());
    if (const Status saved = writeFileAtomically(args.output, recording->wav); !saved)
        throw BadInput(saved.error());
    if (!args.truth.empty()) {
        const Status saved =
            writeTruthFile(args.truth, *recording->engine, settings.startRpm, settings.endRpm, store());
        if (!saved)
            throw BadInput(saved.error());
    }
    std::cout << args.output << ": engine " << recording->engine->description() << ", gear " << settings.gear << ", "
              << formatPattern(settings.startRpm, Pattern::Whole) << " to "
              << formatPattern(settings.endRpm, Pattern::Whole) << " rpm in "
              << formatPattern(recording->run.endTime, Pattern::OneDecimal) << " s, "
              << recording->run.sparkTimes.size() << " sparks";
    if (settings.droppedSparks > 0 || settings.strayPulses > 0)
        std::cout << " (" << settings.droppedSparks << " left out, " << settings.strayPulses << " stray pulses added)";
    std::cout << "\n";
}

}  // namespace

void addSynthCommand(CLI::App& app)
{
    auto a = std::make_shared<SynthArguments>();
    CLI::App* cmd = app.add_subcommand(
        "synth", "Write a synthetic ignition recording of a known engine accelerating the car in one gear");
    cmd->add_option("-o,--output", a->output, "WAV file to write (8-bit mono 44100 Hz), or the speed log")->required();
    cmd->add_option("--engine", a->engine, "engine curve: 850, 1275 (default) or 1380");
    cmd->add_option("--vehicle", a->vehicle, "Mini file (.Dat); default: the editor's default vehicle");
    cmd->add_option("--gear", a->gear, "gear of the run, from 1 (default 3)");
    cmd->add_option("--start-rpm", a->startRpm, "engine speed when the run starts (default 2000)");
    cmd->add_option("--end-rpm", a->endRpm, "engine speed when the run ends (default 5800)");
    cmd->add_option("--sparks-per-rev", a->sparksPerRev, "sparks per revolution: 0.5 (default) or 2");
    cmd->add_option("--polarity", a->polarity, "pulses go up first (high, default) or down first (low)");
    cmd->add_option("--noise", a->noise, "background noise, standard deviation in sample steps (default 2)");
    cmd->add_option("--seed", a->seed, "seed of the random parts (default 1)");
    cmd->add_option("--drop-sparks", a->dropSparks, "leave this many sparks out of the signal, at random (default 0)");
    cmd->add_option("--stray-pulses", a->strayPulses, "add this many stray pulses at random times (default 0)");
    cmd->add_option("--truth", a->truth, "also write the engine's true torque and power curve (power curve file)");
    cmd->add_option("--lang", a->lang, "language file for the truth's units; default: the active language file");
    cmd->add_flag("--sound", a->sound,
                  "write the engine's sound (16-bit mono) instead of the ignition: part throttle, the pull, the lift");
    cmd->add_option("--cylinders", a->cylinders, "with --sound: cylinders of the four-stroke engine (default 4)");
    cmd->add_option("--position", a->position, "with --sound: microphone in the cabin (default), bay or exhaust");
    cmd->add_option("--weak-cylinder", a->weakCylinder,
                    "with --sound: strength of one weak cylinder, 0 to 1 (default 1)");
    cmd->add_option("--voice", a->voice, "with --sound: a passenger talking, level against the engine (default 0)");
    cmd->add_option("--highpass", a->highPass,
                    "with --sound: the microphone's high-pass in Hz, 0 for none (default 80)");
    cmd->add_flag("--agc", a->agc, "with --sound: a slow automatic gain");
    cmd->add_option("--clip", a->clip, "with --sound: drive the peak to this many times full scale (default 0: none)");
    cmd->add_option("--lead", a->lead, "with --sound: seconds of part throttle before the pull (default 1.5)");
    cmd->add_option("--lift", a->lift, "with --sound: seconds after the throttle closes (default 1)");
    cmd->add_option("--road-noise", a->roadNoise, "with --sound: road and wind noise, times the usual (default 1)");
    cmd->add_option("--rate", a->rate,
                    "with --sound: sample rate in Hz (default 48000); with --speed-log: fixes per second (default 10)");
    cmd->add_option("--speed-truth", a->speedTruth,
                    "with --sound: also write the true engine speed, time;rpm every 10 ms");
    addSpeedLogSynthOptions(*cmd, a->speedLog);
    cmd->add_option("--shift-rpm", a->shiftRpm,
                    "with --speed-log --run start: gear-change engine speed (default 4500)");
    cmd->add_option("--shift-time", a->shiftTime, "with --speed-log --run start: gear-change time, s (default 0,5)");
    cmd->add_option("--duration", a->duration, "with --speed-log --run start: simulated seconds (default 60)");
    cmd->callback([a, cmd] {
        a->rateGiven = cmd->count("--rate") > 0;
        if (a->rateGiven)
            a->speedLog.rate = std::to_string(a->rate);
        runSynth(*a);
    });
}

}  // namespace vornax::cli
