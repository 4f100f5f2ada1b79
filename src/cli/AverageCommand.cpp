// `vornax average A.txt B.txt ... -o AVG.txt [--lang FILE] [--json]`: the
// comparison window's average. The files go into slots 0, 1, ... of a fresh
// set of slots, ticked, and are read as the plot command reads them (into the
// units of the language in force); the average is then formed and written as
// the "Moyenne" button does. Curves that do not share their engine speeds are
// averaged on a common engine-speed grid, and a line says so.
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "common/NumberText.h"
#include "common/TextFile.h"
#include "compare/AverageCurve.h"
#include "store/Varia.h"

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

    const auto units = displayUnits(store());
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

    if (options.json) {
        nlohmann::json object{{"points", average->points.size()}, {"common_grid", average->commonGrid}};
        if (average->commonGrid) {
            object["grid_from_rpm"] = shortestSingleAsDouble(average->gridFrom);
            object["grid_to_rpm"] = shortestSingleAsDouble(average->gridTo);
        }
        printJson(object);
        return;
    }
    if (average->commonGrid)
        std::cout << "the curves do not share their engine speeds: averaged on a common grid of "
                  << average->points.size() << " engine speeds from " << wholeText(average->gridFrom) << " to "
                  << wholeText(average->gridTo) << " rpm, the range all of them cover\n";
    std::cout << average->points.size() << " points written to " << options.output << '\n';
}

}  // namespace

void addAverageCommand(CLI::App& app)
{
    auto options = std::make_shared<AverageOptions>();
    CLI::App* cmd = app.add_subcommand("average", "Average power curve files as the comparison window's "
                                                  "\"Moyenne\" does: point by point when they share their engine "
                                                  "speeds, else on a common engine-speed grid");
    cmd->add_option("curves", options->inputs, "power curve files, one per slot (at most 11)")->required();
    cmd->add_option("-o,--output", options->output, "average curve file to write")->required();
    cmd->add_option("--lang", options->lang, "language file giving the units (default: the active one)");
    cmd->add_flag("--json", options->json,
                  "print {\"points\": lines written, \"common_grid\": "
                  "whether the curves were resampled, \"grid_from_rpm\", \"grid_to_rpm\"} as JSON");
    cmd->callback([options] { runAverage(*options); });
}

}  // namespace vornax::cli
