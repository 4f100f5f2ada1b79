// `vornax`: the program's computations without a display.
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/MediaProgram.h"
#include "common/Version.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    vornax::cli::keepCommandLine(argc, argv);
    CLI::App app{"The Vornax Meter: engine torque and power of a classic Mini from a recording of its ignition."};
    app.name("vornax");
    app.set_version_flag("--version", std::string("vornax ") + vornax::kVersion);
    app.require_subcommand(1);
    // The commands; add a new one's registration here.
    vornax::cli::addAverageCommand(app);
    vornax::cli::addVehicleCommand(app);
    vornax::cli::addPowerCommand(app);
    vornax::cli::addRpmCommand(app);
    vornax::cli::addConditionCommand(app);
    vornax::cli::addImportCommand(app);
    vornax::cli::addSimulateCommand(app);
    vornax::cli::addCoastdownCommand(app);
    vornax::cli::addSynthCommand(app);
    vornax::cli::addDemoCommand(app);
#ifdef VORNAX_HAS_REPORT
    vornax::cli::addReportCommand(app);
    vornax::cli::addPlotCommand(app);
#endif

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return 2;
    } catch (const vornax::cli::UsageError& e) {
        std::cerr << "vornax: " << e.what() << '\n';
        return 2;
    } catch (const vornax::cli::BadInput& e) {
        std::cerr << "vornax: " << e.what() << '\n';
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "vornax: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
