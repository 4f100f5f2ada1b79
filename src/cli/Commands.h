// Each command of `vornax` adds itself to the application here.
#pragma once

#include <CLI/CLI.hpp>

#include <optional>
#include <string>

namespace vornax::cli {

// Registered in main(); each lives in its own file.
void addRpmCommand(CLI::App& app);
void addConditionCommand(CLI::App& app);
void addImportCommand(CLI::App& app);
void addVehicleCommand(CLI::App& app);
void addPowerCommand(CLI::App& app);
void addSimulateCommand(CLI::App& app);
void addAverageCommand(CLI::App& app);
void addSynthCommand(CLI::App& app);
void addDemoCommand(CLI::App& app);
void addReportCommand(CLI::App& app);  // built with the GUI (it paints with Qt Gui)
void addPlotCommand(CLI::App& app);    // built with the GUI (it paints with Qt Gui)

// The text of an option when it was given on the command line.
inline std::optional<std::string> typedOption(const CLI::App& command, const std::string& option,
                                              const std::string& text)
{
    return command.count(option) ? std::optional<std::string>(text) : std::nullopt;
}

}  // namespace vornax::cli
