// `vornax plot FILE... -o OUT.png|OUT.svg [--size WxH] [--lang FILE]`: a
// file drawn as its window draws it, for sharing curves as pictures. A curve
// file (.ReT) as the WAV window's engine-speed plot; one or more power curve
// files as the comparison window plots them, each in its own colours, with
// the maxima of its summary lines; an acceleration file as the acceleration
// window plots it. The kind is told from the file's lines. With
// --spectrogram, one recording of the engine's sound as the WAV window shows
// it: its spectrogram with the tracked firing order and harmonics over it.
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/OffscreenGui.h"
#include "cli/SoundSource.h"
#include "common/NumberText.h"
#include "paint/PlotPainter.h"
#include "common/TextFile.h"
#include "pictures/PlotPictures.h"
#include "store/Varia.h"
#include "signal/CurveFile.h"
#include "simulation/AccelerationFile.h"
#include "cli/RecordingInput.h"
#include "sound/SoundChannels.h"
#include "sound/SoundPlots.h"

#include <filesystem>
#include <iostream>
#include <memory>
#include <regex>

namespace vornax::cli {
namespace {

struct PlotArguments {
    std::vector<std::string> files;
    std::string output, size, lang;
    bool spectrogram = false, logFrequency = false;
    SoundRpmOptions engine;
};

QSize pictureSize(const std::string& text)
{
    if (text.empty())
        return {kPictureWidth, kPictureHeight};
    std::smatch m;
    static const std::regex pattern("([0-9]{1,5})[xX]([0-9]{1,5})");
    if (!std::regex_match(text, m, pattern))
        throw UsageError("--size: \"" + text + "\" is not WIDTHxHEIGHT (800x500)");
    const int w = std::stoi(m[1]), h = std::stoi(m[2]);
    if (w < 100 || h < 80 || w > 10000 || h > 10000)
        throw UsageError("--size: " + text + " is outside 100x80 ... 10000x10000");
    return {w, h};
}

std::vector<std::string> linesOf(const std::string& file)
{
    const auto lines = readTextLines(file, 64u << 20);
    if (!lines)
        throw BadInput("\"" + file + "\": " + lines.error());
    return *lines;
}

PlotPicture curvePicture(const std::string& file)
{
    auto curve = std::make_unique<Curve>();
    if (const Status loaded = LoadCurve(file, *curve); !loaded)
        throw BadInput(loaded.error());
    const auto plot = graphtemp(*curve);
    if (!plot)
        throw BadInput("\"" + file + "\": too few points for a plot");
    return speedCurvePicture(*plot, store());
}

PlotPicture powerPicture(const std::vector<std::string>& files)
{
    if (files.size() > static_cast<std::size_t>(compare::kSlotCount))
        throw UsageError("at most " + std::to_string(compare::kSlotCount) + " power curve files on one plot");
    const auto units = displayUnits(store());
    if (!units)
        throw BadInput(units.error());
    auto set = std::make_unique<compare::CurveSet>();
    for (std::size_t k = 0; k < files.size(); ++k) {
        compare::CurveSlot& slot = (*set)[k];
        if (const Status loaded = compare::fichierPo(files[k], slot, *units); !loaded)
            throw BadInput(loaded.error());
        slot.path = files[k];
        slot.ticked = true;
        std::tie(slot.torqueColour, slot.powerColour) = comparisonColours(k);
    }
    auto picture = comparisonPicture(*set, store());
    if (!picture)
        throw BadInput(picture.error());
    return std::move(*picture);
}

PlotPicture accelerationFilePicture(const std::string& file, const std::vector<std::string>& lines)
{
    const auto run = parseAccelerationLines(lines, file);
    if (!run)
        throw BadInput(run.error());
    const SpeedTimePicture drawn =
        DrawSpeedTime(*run->series, run->shownLength, run->maxSpeed, run->speedFactor, 1.0, 1.0);
    return accelerationPicture(drawn, store());
}

// The spectrogram fills the picture, one column and one row a pixel, with
// the track over it and one line above saying how sure the track is. A
// recording in which no engine can be followed is drawn without a track, and
// the reason is said.
PlotList spectrogramPicture(const PlotArguments& args, QSize size)
{
    if (args.files.size() != 1)
        throw UsageError("--spectrogram draws one recording");
    const std::string& file = args.files[0];
    const SoundSettings engine = soundSettings(args.engine);
    auto tracked = trackSoundFile(file, engine, channelOption(args.engine.channel));
    if (!tracked)
        throw BadInput(tracked.error());
    const SoundSamples* recording = &tracked->samples;
    SpectrogramSettings settings = engineSpectrogramSettings(engine, recording->rate);
    settings.columns = size.width();
    settings.rows = size.height();
    settings.logFrequency = args.logFrequency;
    const auto picture = spectrogram(recording->samples, recording->rate, settings);
    if (!picture)
        throw BadInput("\"" + file + "\": " + picture.error());
    const Result<SoundTrack>& track = tracked->track;
    PlotList plot = spectrogramPlot(*picture, track ? &*track : nullptr);
    std::string caption = std::filesystem::path(file).filename().string();
    if (recording->channels > 1)
        caption += " (" + soundChannelText(*recording) + ")";
    if (track) {
        caption += ": firing order " + singleText(float(track->firingsPerRev)) + " per revolution, followed " +
                   formatPattern(100.0 * track->followedShare, Pattern::OneDecimal) + " % of the pull, confidence " +
                   formatPattern(track->medianConfidenceDb, Pattern::OneDecimal) + " dB" +
                   (track->sure && !track->orderSuspect ? "" : " (not sure)");
        for (const std::string& w : track->warnings)
            std::cerr << "vornax: " << w << "\n";
    } else {
        caption += ": no track (" + track.error() + ")";
        std::cerr << "vornax: " << file << ": no track drawn: " << track.error() << "\n";
    }
    plot.text(plot.scaleWidth * 0.01, plot.scaleHeight * 0.025, caption, TextAnchor::TopLeft, {255, 255, 255}, 13);
    return plot;
}

void runPlot(const PlotArguments& args)
{
    for (const std::string& file : args.files)
        refuseOverwritingInput(args.output, {file});
    if (!args.lang.empty())
        refuseOverwritingInput(args.output, {args.lang});
    const QSize size = pictureSize(args.size);
    if (args.spectrogram) {
        const PlotList plot = spectrogramPicture(args, size);
        startOffscreenGui();
        if (const Status saved = savePlotPicture(args.output, plot, size); !saved)
            throw BadInput(saved.error());
        return;
    }
    loadLanguage(args.lang);

    std::vector<PlotFileKind> kinds;
    std::vector<std::vector<std::string>> contents;
    for (const std::string& file : args.files) {
        contents.push_back(linesOf(file));
        const auto kind = plotFileKind(contents.back());
        if (!kind)
            throw BadInput("\"" + file + "\": " + kind.error());
        kinds.push_back(*kind);
    }
    PlotPicture picture;
    if (std::all_of(kinds.begin(), kinds.end(), [](PlotFileKind k) { return k == PlotFileKind::Power; })) {
        picture = powerPicture(args.files);
    } else if (args.files.size() > 1) {
        throw UsageError("several files make one plot only when all are power curve files");
    } else if (kinds[0] == PlotFileKind::Curve) {
        picture = curvePicture(args.files[0]);
    } else {
        picture = accelerationFilePicture(args.files[0], contents[0]);
    }

    picture.widenCurves(2.0);
    startOffscreenGui();
    if (const Status saved = savePlotPicture(args.output, picture.drawn(size.width(), size.height()), size); !saved)
        throw BadInput(saved.error());
}

}  // namespace

void addPlotCommand(CLI::App& app)
{
    auto args = std::make_shared<PlotArguments>();
    CLI::App* command = app.add_subcommand("plot", kPlotSummary);
    command
        ->add_option("files", args->files,
                     "curve (.ReT), power curve or acceleration files; with --spectrogram a recording")
        ->required();
    command->add_option("-o,--output", args->output, "picture to write (.png or .svg)")->required();
    command->add_option("--size", args->size, "picture size in pixels, WIDTHxHEIGHT (default 1000x620)");
    command->add_option("--lang", args->lang, "language file; default: the active language file");
    command->add_flag("--spectrogram", args->spectrogram,
                      "draw one recording of the engine's sound: its spectrogram with the tracked firing order");
    command->add_flag("--log-frequency", args->logFrequency, "with --spectrogram: frequencies on a log axis");
    command->add_option("--cylinders", args->engine.cylinders,
                        "with --spectrogram: cylinders of the engine (default 4)");
    command->add_option("--strokes", args->engine.strokes, "with --spectrogram: 4 (default) or 2");
    command->add_option("--rpm-range", args->engine.rpmRange,
                        "with --spectrogram: engine speeds of the pull, LOW:HIGH (default 800:8000)");
    command->add_option("--channel", args->engine.channel,
                        "with --spectrogram: channel drawn and tracked: auto (default: the mix, or the channel that "
                        "carries the engine), left, right, mix or a number");
    command->callback([args] { runPlot(*args); });
}

}  // namespace vornax::cli
