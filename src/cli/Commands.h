// Each command of `vornax` adds itself to the application here.
#pragma once

#include <CLI/CLI.hpp>

namespace vornax::cli {

// Registered in main(); each lives in its own file.
void addRpmCommand(CLI::App& app);
void addConditionCommand(CLI::App& app);
void addVehicleCommand(CLI::App& app);
void addPowerCommand(CLI::App& app);
void addSimulateCommand(CLI::App& app);
void addAverageCommand(CLI::App& app);
void addSynthCommand(CLI::App& app);
void addDemoCommand(CLI::App& app);

}  // namespace vornax::cli
