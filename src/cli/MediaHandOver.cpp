// `vornax` without the media libraries: the commands that decode or paint
// are listed in its help as the media program lists them, and each hands
// the whole command line over to the media program, options, --help and
// errors included, before anything is read or written.
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/MediaProgram.h"
#include "cli/RecordingInput.h"
#include "cli/SoundSource.h"

namespace vornax::cli {
namespace {

void addHandedOverCommand(CLI::App& app, const std::string& name, const std::string& summary)
{
    CLI::App* command = app.add_subcommand(name, summary);
    // Everything after the name, --help included, is the media program's.
    command->prefix_command();
    command->set_help_flag();
    command->callback([name] { handOverToMedia(name); });
}

}  // namespace

void addImportCommand(CLI::App& app) { addHandedOverCommand(app, "import", kImportSummary); }
void addDemoCommand(CLI::App& app) { addHandedOverCommand(app, "demo", kDemoSummary); }
void addReportCommand(CLI::App& app) { addHandedOverCommand(app, "report", kReportSummary); }
void addPlotCommand(CLI::App& app) { addHandedOverCommand(app, "plot", kPlotSummary); }

AnyRecording importedRecording(const std::string& input, const std::string&)
{
    handOverToMedia("converting " + std::filesystem::path(input).filename().string());
}

void runSoundTracking(const SoundRpmOptions&, const std::string&, const std::string&, const std::string&, bool)
{
    handOverToMedia("the engine's sound");
}

}  // namespace vornax::cli
