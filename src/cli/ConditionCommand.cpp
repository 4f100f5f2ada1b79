// `vornax condition IN.wav -o OUT.wav`: the WAV conditioning tool.
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/RecordingInput.h"
#include "common/TextFile.h"
#include "signal/ConditionWav.h"
#include "signal/WavReader.h"

#include <iostream>
#include <memory>

namespace vornax::cli {
namespace {

struct ConditionOptions {
    std::string input, output;
    bool json = false;
};

void runCondition(const ConditionOptions& o)
{
    refuseOverwritingInput(o.output, {o.input});
    const AnyRecording recording = openRecording(o.input);
    const std::string name = std::filesystem::path(o.input).filename().string();
    const auto conditioned = conditionedWav(recording.bytes());
    if (!conditioned)
        throw BadInput(name + ": " + conditioned.error());
    if (const auto saved = writeFileAtomically(o.output, *conditioned); !saved)
        throw BadInput(saved.error());
    const std::size_t frames = conditioned->size() - 44;
    if (o.json)
        printJson({{"frames", frames}});
    else
        std::cout << o.output << ": " << frames << " frames, 8-bit mono 44100 Hz\n";
}

}  // namespace

void addConditionCommand(CLI::App& app)
{
    auto o = std::make_shared<ConditionOptions>();
    CLI::App* cmd =
        app.add_subcommand("condition", "Write a smoothed and levelled copy of a recording (\"Filtre Wav\")");
    cmd->add_option("recording", o->input,
                    "recording to condition: any audio file (converted in memory unless 8-bit mono 44100 Hz PCM WAV)")
        ->required();
    cmd->add_option("-o,--output", o->output, "WAV file to write (never the input)")->required();
    cmd->add_flag("--json", o->json, "print {frames} as JSON");
    cmd->callback([o] { runCondition(*o); });
}

}  // namespace vornax::cli
