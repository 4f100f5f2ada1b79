// `vornax simulate POWER.txt [-o ACC.txt] [--vehicle CAR.Dat] [--shift-rpm R]
// [--shift-time S] [--duration S] [--lang FILE] [--json]`: the acceleration
// window's run with a power curve file and a committed vehicle; prints the
// result figures as the window shows them, and saves the acceleration curve
// file when asked.
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "common/NumberText.h"
#include "store/Varia.h"
#include "simulation/AccelerationFile.h"
#include "simulation/AccelerationModel.h"
#include "simulation/TorqueCurve.h"
#include "speedlog/SpeedLog.h"
#include "speedlog/StandingStart.h"
#include "vehicle/HeadlessCommit.h"

#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>

namespace vornax::cli {
namespace {

struct SimulateArguments {
    std::string curve;
    std::string output;
    std::string vehicle;
    std::string shiftRpm;
    std::string shiftTime;
    std::string duration;
    std::string lang;
    std::string measured;  // a speed log of a standing start
    bool json = false;
};

// A measured figure as the window shows it ("#0.0"), empty when not reached.
std::string measuredText(const std::optional<double>& seconds)
{
    return seconds ? formatPattern(*seconds, Pattern::OneDecimal) : std::string();
}

nlohmann::json measuredJson(const std::optional<double>& seconds)
{
    return seconds ? jsonSingle(float(*seconds)) : nlohmann::json(nullptr);
}

// A figure as JSON: the number shown, or null when the run emptied it.
nlohmann::json shownFigure(const std::string& label)
{
    const auto value = parseSingle(label);
    return value ? jsonSingle(*value) : nlohmann::json(nullptr);
}

void runSimulate(const SimulateArguments& args, CLI::App& command)
{
    if (!args.output.empty()) {
        refuseOverwritingInput(args.output, {args.curve});
        if (!args.vehicle.empty())
            refuseOverwritingInput(args.output, {args.vehicle});
        if (!args.lang.empty())
            refuseOverwritingInput(args.output, {args.lang});
    }
    // Typed into the window's fields, as the window repairs them.
    const auto typed = [&command](const std::string& text, const char* option, std::string& field) {
        if (!command.count(option))
            return;
        numberOption(text, option);
        field = pointsToCommas(text);
    };

    loadLanguage(args.lang);
    commitVehicle(args.vehicle);

    // The measured start first: a log that has none is refused before the
    // simulation writes anything.
    std::optional<MeasuredStart> measured;
    if (!args.measured.empty()) {
        if (!args.output.empty())
            refuseOverwritingInput(args.output, {args.measured});
        const auto log = readSpeedLogFile(args.measured);
        if (!log)
            throw BadInput(log.error());
        auto start = measureStandingStart(*log, std::filesystem::path(args.measured).filename().string());
        if (!start)
            throw BadInput(start.error());
        measured = std::move(*start);
    }

    SimulationFields fields = SimulationFields::fromStore(store());
    typed(args.shiftRpm, "--shift-rpm", fields.RPMCh);
    typed(args.shiftTime, "--shift-time", fields.TMPch);
    typed(args.duration, "--duration", fields.txtfin);

    auto curve = std::make_unique<TorqueCurve>();
    const Status loaded = loadPowerCurve(args.curve, store(), *curve);
    if (!loaded)
        throw BadInput(args.curve + ": " + loaded.error());
    auto model = std::make_unique<AccelerationModel>();
    const Status run = model->simulate({fields, store(), *curve});
    if (!run)
        throw BadInput(run.error());
    if (!args.output.empty()) {
        const Status saved = saveAccelerationFile(args.output, *model, store());
        if (!saved)
            throw BadInput(saved.error());
    }

    const ResultLabels& labels = model->labels();
    // The measured top speed in the display unit, as the simulated one.
    const auto shownPerKmh = speedFactor(store());
    if (!shownPerKmh)
        throw BadInput(shownPerKmh.error());
    if (args.json) {
        nlohmann::ordered_json object;
        object["t_0_100_s"] = shownFigure(labels.lbT0100);
        object["t_400m_s"] = shownFigure(labels.lb400mDA);
        object["t_1000m_s"] = shownFigure(labels.lb1000mDA);
        object["top_speed"] = shownFigure(labels.lbVmaxi);
        object["samples"] = model->series().index;
        if (measured) {
            nlohmann::ordered_json m;
            m["t_0_100_s"] = measuredJson(measured->time0To100);
            m["t_400m_s"] = measuredJson(measured->time400m);
            m["t_1000m_s"] = measuredJson(measured->time1000m);
            m["top_speed"] = jsonSingle(float(*shownPerKmh * measured->topSpeedKmh));
            m["start_s"] = jsonSingle(float(measured->startTime));
            object["measured"] = m;
        }
        std::cout << object.dump() << '\n';
        return;
    }
    const Varia& s = store();
    std::cout << s.get("Lb0100km") << ": " << labels.lbT0100 << '\n'
              << s.get("Lb400mDa") << ": " << labels.lb400mDA << '\n'
              << s.get("Lb1000mDA") << ": " << labels.lb1000mDA << '\n'
              << s.get("LbVitessemaxi") << ": " << labels.lbVmaxi << ' ' << s.get("LbkmhMph") << "/h\n"
              << labels.lbvte << '\n';
    if (measured) {
        const float coef = *shownPerKmh;
        std::cout << "measured (" << args.measured << ", start at "
                  << formatPattern(measured->startTime, Pattern::TwoDecimals) << " s of the log):\n"
                  << s.get("Lb0100km") << ": " << measuredText(measured->time0To100) << '\n'
                  << s.get("Lb400mDa") << ": " << measuredText(measured->time400m) << '\n'
                  << s.get("Lb1000mDA") << ": " << measuredText(measured->time1000m) << '\n'
                  << s.get("LbVitessemaxi") << ": " << formatPattern(coef * measured->topSpeedKmh, Pattern::OneDecimal)
                  << ' ' << s.get("LbkmhMph") << "/h\n";
    }
}

}  // namespace

void addSimulateCommand(CLI::App& app)
{
    auto args = std::make_shared<SimulateArguments>();
    CLI::App* command = app.add_subcommand(
        "simulate", "Simulate a standing start through the gears with a power curve file and the vehicle");
    command->add_option("curve", args->curve, "power curve file (.txt)")->required();
    command->add_option("-o,--output", args->output, "acceleration curve file to write");
    command->add_option("--vehicle", args->vehicle, "Mini file (.Dat); default: the editor's default vehicle");
    command->add_option("--shift-rpm", args->shiftRpm, "gear-change engine speed in tr/min (default 4500)");
    command->add_option("--shift-time", args->shiftTime, "gear-change time in s (default 0,5)");
    command->add_option("--duration", args->duration, "simulated duration in s (default 60)");
    command->add_option("--lang", args->lang, "language file; default: the active language file");
    command->add_option("--measured", args->measured,
                        "speed log of a standing start: its measured figures are printed beside the simulated ones");
    command->add_flag("--json", args->json, "print the result figures as one JSON object");
    command->callback([args, command] { runSimulate(*args, *command); });
}

}  // namespace vornax::cli
