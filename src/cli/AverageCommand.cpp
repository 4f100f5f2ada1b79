// `vornax average A.txt B.txt ... -o AVG.txt [--lang FILE] [--json]`: the
// comparison window's average. The files go into slots 0, 1, ... of a fresh
// set of slots, ticked, and are read as the plot command reads them (into the
// units of the language in force); the average is then formed and written as
// the "Moyenne" button does.
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "common/TextFile.h"
#include "compare/AverageCurve.h"
#include "shell/Varia.h"

#include <iostream>
#include <memory>

namespace vornax::cli {
namespace {

using namespace vornax::compare;

struct AverageOptions {
    std::vector<std::string> inputs;
    std::string output;
    std::string lang;
    bool json = false;
};

void runAverage(const AverageOptions& options)
{
    if (options.inputs.size() > static_cast<std::size_t>(kSlotCount))
        throw UsageError("at most " + std::to_string(kSlotCount) + " curves can be averaged (one per slot)");
    for (const auto& input : options.inputs)
        refuseOverwritingInput(options.output, {input});
    loadLanguage(options.lang);

    const auto units = currentUnits(store());
    if (!units)
        throw BadInput(units.error());
    CurveSet slots;
    for (std::size_t k = 0; k < options.inputs.size(); ++k) {
        CurveSlot& slot = slots[k];
        slot.path = options.inputs[k];
        slot.ticked = true;
        const Status read = fichierPo(slot.path, slot, *units);
        if (!read)
            throw BadInput(read.error());
    }

    const auto average = averageCurve(slots, *units);
    if (!average)
        throw BadInput(average.error());
    const Status written = writeFileAtomically(options.output, average->fileBytes());
    if (!written)
        throw BadInput(written.error());

    if (options.json)
        printJson({{"points", average->points.size()}});
    else
        std::cout << average->points.size() << " points written to " << options.output << '\n';
}

}  // namespace

void addAverageCommand(CLI::App& app)
{
    auto options = std::make_shared<AverageOptions>();
    CLI::App* cmd = app.add_subcommand("average", "Average power curve files point by point, as the comparison "
                                                  "window's \"Moyenne\" does");
    cmd->add_option("curves", options->inputs, "power curve files, one per slot (at most 11)")->required();
    cmd->add_option("-o,--output", options->output, "average curve file to write")->required();
    cmd->add_option("--lang", options->lang, "language file giving the units (default: the active one)");
    cmd->add_flag("--json", options->json, "print {\"points\": lines written} as JSON");
    cmd->callback([options] { runAverage(*options); });
}

}  // namespace vornax::cli
