// `vornax power CURVE.ReT -o POWER.txt [--vehicle CAR.Dat] [--gear G]
// [--scx X] [--engine-inertia X] [--lang FILE] [--json]
// [--correction STD --air-temp C --pressure HPA --humidity PCT]`: the power
// window's computation on an engine-speed curve with a committed vehicle,
// corrected to standard air on request, saved as the window saves a power
// curve file; prints the window's two summary lines.
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/CorrectionOptions.h"
#include "power/PowerComputation.h"
#include "power/PowerCurveFile.h"
#include "power/PowerCurveInput.h"
#include "power/PowerInputs.h"
#include "power/PowerTexts.h"
#include "store/Varia.h"
#include "vehicle/HeadlessCommit.h"

#include <iostream>
#include <memory>

namespace vornax::cli {
namespace {

struct PowerArguments {
    std::string curve;
    std::string output;
    std::string vehicle;
    int gear = 1;  // counted from 1, as the window's list shows it
    std::string scx;
    std::string engineInertia;
    std::string lang;
    CorrectionOptions correction;
    bool json = false;
};

void runPower(const PowerArguments& args, CLI::App& command)
{
    refuseOverwritingInput(args.output, {args.curve});
    if (!args.vehicle.empty())
        refuseOverwritingInput(args.output, {args.vehicle});
    if (!args.lang.empty())
        refuseOverwritingInput(args.output, {args.lang});
    if (args.gear < 1 || args.gear > kGearCount)
        throw UsageError("--gear: " + std::to_string(args.gear) + " is not a gear (1 to 6)");
    const PowerCorrection correction = correctionFromOptions(args.correction);

    loadLanguage(args.lang);
    commitVehicle(args.vehicle, typedOption(command, "--scx", args.scx),
                  typedOption(command, "--engine-inertia", args.engineInertia));

    // The window offers only the gears of the committed gearbox.
    const auto gears = gearNames(store());
    if (args.gear > static_cast<int>(gears.size()))
        throw BadInput("--gear " + std::to_string(args.gear) + ": this vehicle's gearbox has " +
                       std::to_string(gears.size()) + " gears");

    // The vehicle is read before the curve, so a bad gear is reported
    // whatever the curve.
    const auto inputs = readRunInputs(store(), args.gear - 1);
    if (!inputs)
        throw BadInput(inputs.error());
    const auto points = readPowerCurveInput(args.curve);
    if (!points)
        throw BadInput(points.error());
    const auto result = computePower(*inputs, *points, emptyPowerTable(), args.curve, correction.factor);
    if (!result)
        throw BadInput(result.error());
    const Status saved = savePowerCurveFile(args.output, result->table, result->pointCount, store());
    if (!saved)
        throw BadInput(saved.error());

    const PowerExtremes& e = result->extremes;
    if (args.json) {
        nlohmann::ordered_json object;
        object["points"] = powerCurveDataLines(result->pointCount);
        object["max_power"] = jsonSingle(e.maxPower);
        object["rpm_at_max_power"] = jsonSingle(e.rpmAtMaxPower);
        object["max_torque"] = jsonSingle(e.maxTorque);
        object["rpm_at_max_torque"] = jsonSingle(e.rpmAtMaxTorque);
        object["min_power"] = jsonSingle(e.minPower);
        object["min_torque"] = jsonSingle(e.minTorque);
        object["correction"] = standardInfo(correction.standard).key;
        object["correction_factor"] = jsonSingle(correction.factor);
        std::cout << object.dump() << '\n';
        return;
    }
    const SummaryLines lines = summaryLines(e, store(), correction);
    std::cout << lines.power << '\n' << lines.torque << '\n';
}

}  // namespace

void addPowerCommand(CLI::App& app)
{
    auto args = std::make_shared<PowerArguments>();
    CLI::App* command = app.add_subcommand(
        "power", "Compute torque and power from an engine-speed curve (.ReT) and save the power curve file");
    command->add_option("curve", args->curve, "engine-speed curve file (.ReT)")->required();
    command->add_option("-o,--output", args->output, "power curve file to write (.txt)")->required();
    command->add_option("--vehicle", args->vehicle, "Mini file (.Dat); default: the editor's default vehicle");
    command->add_option("--gear", args->gear, "gear of the run, from 1 (default 1)");
    command->add_option("--scx", args->scx, "drag area S.Cx in m2, typed with the body list on \"Autre\"");
    command->add_option("--engine-inertia", args->engineInertia,
                        "engine inertia in kg.m2, typed with the engine list on \"Autre\"");
    command->add_option("--lang", args->lang, "language file; default: the active language file");
    addCorrectionOptions(*command, args->correction);
    command->add_flag("--json", args->json, "print the result figures as one JSON object");
    command->callback([args, command] { runPower(*args, *command); });
}

}  // namespace vornax::cli
