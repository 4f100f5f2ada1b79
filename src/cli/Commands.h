// Each command of `vornax` adds itself to the application here.
#pragma once

#include <CLI/CLI.hpp>

#include <optional>
#include <string>

namespace vornax::cli {

// Registered in main(); each lives in its own file. Import, demo, report
// and plot run in the media program; `vornax` registers them as hand-overs
// to it (MediaHandOver.cpp).
void addRpmCommand(CLI::App& app);
void addConditionCommand(CLI::App& app);
void addImportCommand(CLI::App& app);
void addVehicleCommand(CLI::App& app);
void addPowerCommand(CLI::App& app);
void addSimulateCommand(CLI::App& app);
void addCoastdownCommand(CLI::App& app);
void addAverageCommand(CLI::App& app);
void addSynthCommand(CLI::App& app);
void addDemoCommand(CLI::App& app);
void addReportCommand(CLI::App& app);  // built with the GUI (it paints with Qt Gui)
void addPlotCommand(CLI::App& app);    // built with the GUI (it paints with Qt Gui)

// What the media program's commands do, as both programs' help lists them.
inline constexpr const char* kImportSummary = "Convert any audio recording to the program's 8-bit mono 44100 Hz WAV";
inline constexpr const char* kDemoSummary =
    "Run the whole measurement on a synthetic recording and write its files, pictures and a report";
inline constexpr const char* kReportSummary = "Make the one-page run report (PDF) of a power curve file";
inline constexpr const char* kPlotSummary = "Draw curve, power or acceleration files as a PNG or SVG picture";

// The text of an option when it was given on the command line.
inline std::optional<std::string> typedOption(const CLI::App& command, const std::string& option,
                                              const std::string& text)
{
    return command.count(option) ? std::optional<std::string>(text) : std::nullopt;
}

}  // namespace vornax::cli
