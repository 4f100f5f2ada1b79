// `vornax vehicle [CAR.Dat] [--scx X] [--engine-inertia X] [--json]`: the
// vehicle editor opened on a fresh store, the Mini file loaded into it, the
// options typed, then confirmed; prints the vehicle entries of the store.
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "store/Varia.h"
#include "vehicle/HeadlessCommit.h"

#include <iostream>
#include <memory>

namespace vornax::cli {
namespace {

struct VehicleArguments {
    std::string file;
    std::string scx;
    std::string engineInertia;
    bool json = false;
};

void runVehicle(const VehicleArguments& args, CLI::App& command)
{
    commitVehicle(args.file, typedOption(command, "--scx", args.scx),
                  typedOption(command, "--engine-inertia", args.engineInertia));

    const auto entries = store().vehicleEntries();
    if (args.json) {
        nlohmann::ordered_json object = nlohmann::ordered_json::object();
        for (const auto& [name, text] : entries)
            object[name] = text;
        std::cout << object.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
        return;
    }
    for (const auto& [name, text] : entries)
        std::cout << name << '=' << text << '\n';
}

}  // namespace

void addVehicleCommand(CLI::App& app)
{
    auto args = std::make_shared<VehicleArguments>();
    CLI::App* command = app.add_subcommand(
        "vehicle", "Commit a vehicle as the editor does (a Mini file, or the editor's defaults) and print its entries");
    command->add_option("file", args->file, "Mini file (.Dat) to load into the editor");
    command->add_option("--scx", args->scx, "drag area S.Cx in m2, typed with the body list on \"Autre\"");
    command->add_option("--engine-inertia", args->engineInertia,
                        "engine inertia in kg.m2, typed with the engine list on \"Autre\"");
    command->add_flag("--json", args->json, "print the entries as one JSON object");
    command->callback([args, command] { runVehicle(*args, *command); });
}

}  // namespace vornax::cli
