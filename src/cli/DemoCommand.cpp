// `vornax demo [--out DIR]`: the whole road on a synthetic recording of the
// 1275 in 3rd gear: the files every window would save, in the application
// folder layout under DIR, pictures of the curves, and a report of what was
// measured against the engine's true curve.
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "common/TextFile.h"
#include "demo/DemoRun.h"
#include "store/Varia.h"

#ifdef VORNAX_HAS_PICTURES
#include "cli/OffscreenGui.h"
#include "paint/PlotPainter.h"
#endif

#include <iostream>
#include <memory>

namespace vornax::cli {
namespace {

struct DemoArguments {
    std::string out = "demo-output";
    std::string lang;
};

void runDemoCommand(const DemoArguments& args)
{
    loadLanguage(args.lang);
    DemoSettings settings;
    settings.folder = args.out;
#ifdef VORNAX_HAS_PICTURES
    settings.savePicture = [](const std::filesystem::path& file, const PlotList& picture) {
        startOffscreenGui();
        return savePlotPicture(file.string(), picture,
                               QSize(static_cast<int>(picture.scaleWidth), static_cast<int>(picture.scaleHeight)));
    };
#endif
    const auto report = runDemo(store(), settings);
    if (!report)
        throw BadInput(report.error());
    const std::string text = reportText(*report, store(), settings.folder);
    std::cout << text;
    std::cout.flush();
    // The report also stays beside the pictures.
    if (const Status saved = writeFileAtomically(settings.folder / "demo-report.txt", text); !saved)
        throw BadInput(saved.error());
}

}  // namespace

void addDemoCommand(CLI::App& app)
{
    auto a = std::make_shared<DemoArguments>();
    CLI::App* cmd = app.add_subcommand("demo", kDemoSummary);
    cmd->add_option("--out", a->out, "folder to write into (default demo-output)");
    cmd->add_option("--lang", a->lang, "language file; default: the active language file");
    cmd->callback([a] { runDemoCommand(*a); });
}

}  // namespace vornax::cli
