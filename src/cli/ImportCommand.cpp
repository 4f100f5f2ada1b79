// `vornax import IN -o OUT.wav`: any audio file into the recorder's own
// 8-bit mono 44 100 Hz WAV, with the pickup's channel chosen, the offset taken
// out, the sparks turned up and the level set.
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/RecordingInput.h"
#include "common/NumberText.h"
#include "common/TextFile.h"
#include "signal/AudioImport.h"
#include "signal/AutoThreshold.h"

#include <cmath>
#include <iostream>
#include <memory>

namespace vornax::cli {
namespace {

struct ImportOptions {
    std::string input, output, channel = "auto";
    bool json = false;
};

void runImport(const ImportOptions& o)
{
    const ChannelRequest channel = channelOption(o.channel);
    refuseOverwritingInput(o.output, {o.input});
    const auto imported = importToWav(o.input, o.output, channel);
    if (!imported)
        throw BadInput(imported.error());
    const ImportReport& r = imported->report;
    const nlohmann::json channelValue = r.channel == 0 ? nlohmann::json("mix") : nlohmann::json(r.channel);
    if (o.json) {
        printJson({{"format", r.format},
                   {"codec", r.codec},
                   {"sample_rate", r.sampleRate},
                   {"channels", r.channels},
                   {"channel", channelValue},
                   {"inverted", r.inverted},
                   {"gain_db", jsonSingle(static_cast<float>(r.gainDb))},
                   {"duration_s", jsonSingle(static_cast<float>(r.durationSeconds))},
                   {"clipped_fraction", jsonSingle(static_cast<float>(r.clippedFraction))}});
        return;
    }
    // The sparks the detection's defaults would see, as a check of the level.
    const int sparks = static_cast<int>(bothSides(imported->samples(), 128.0, 1.0).up.sparks);
    std::cout << o.input << ": " << r.format << ", " << r.codec << ", " << r.sampleRate << " Hz, " << r.channels
              << (r.channels == 1 ? " channel, " : " channels, ")
              << formatPattern(float(r.durationSeconds), Pattern::TwoDecimals) << " s\n"
              << o.output << ": 8-bit mono 44100 Hz from channel " << channelValue.dump()
              << (r.inverted ? ", turned up" : "") << ", gain " << formatPattern(float(r.gainDb), Pattern::OneDecimal)
              << " dB, " << formatPattern(float(r.clippedFraction * 100), Pattern::TwoDecimals) << " % clipped, about "
              << sparks << " sparks\n";
}

}  // namespace

void addImportCommand(CLI::App& app)
{
    auto o = std::make_shared<ImportOptions>();
    CLI::App* cmd = app.add_subcommand("import", kImportSummary);
    cmd->add_option("recording", o->input, "audio file: WAV, FLAC, MP3, AAC/M4A, Ogg Vorbis, Opus, AIFF, ...")
        ->required();
    cmd->add_option("-o,--output", o->output, "WAV file to write (never the input)")->required();
    cmd->add_option("--channel", o->channel,
                    "channel of the pickup: auto (default), left, right, mix or a number from 1");
    cmd->add_flag(
        "--json", o->json,
        "print {format, codec, sample_rate, channels, channel, inverted, gain_db, duration_s, clipped_fraction}");
    cmd->callback([o] { runImport(*o); });
}

}  // namespace vornax::cli
