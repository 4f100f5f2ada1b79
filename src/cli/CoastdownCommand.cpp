// `vornax coastdown LOG [LOG2] [--vehicle CAR.Dat] [--air-temp C]
// [--pressure HPA] [--humidity PCT] [--write-vehicle] [--json]`: the car's
// drag area and rolling coefficient from one coast-down, or two on the same
// road in opposite directions; written into the Mini file on request.
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "common/NumberText.h"
#include "power/PowerInputs.h"
#include "store/Varia.h"
#include "speedlog/CoastDown.h"
#include "speedlog/SpeedLog.h"
#include "vehicle/MeasuredRoadLoad.h"

#include <iostream>
#include <memory>

namespace vornax::cli {
namespace {

constexpr double kKmh = 3.6;

struct CoastdownArguments {
    std::vector<std::string> logs;
    std::string vehicle;
    std::string airTemp = "20", pressure = "1013", humidity = "50";
    bool writeVehicle = false;
    bool json = false;
};

AirConditions airOf(const CoastdownArguments& args)
{
    AirConditions air;
    air.airTempC = doubleOption(args.airTemp, "--air-temp");
    air.pressureHpa = doubleOption(args.pressure, "--pressure");
    air.humidityPct = doubleOption(args.humidity, "--humidity");
    if (const auto field = fieldOutOfRange(air)) {
        const char* option = *field == AirField::Temperature ? "--air-temp"
                             : *field == AirField::Pressure  ? "--pressure"
                                                             : "--humidity";
        throw UsageError(std::string(option) + ": " + outOfRangeMessage(*field, air));
    }
    return air;
}

std::string withSd(double value, double sd, int decimals)
{
    return decimalsText(value, decimals) + " ± " + decimalsText(sd, decimals);
}

void runCoastdown(const CoastdownArguments& args)
{
    if (args.logs.empty() || args.logs.size() > 2)
        throw UsageError("coastdown takes one log, or two of the same road in opposite directions");
    if (args.writeVehicle && args.vehicle.empty())
        throw UsageError("--write-vehicle writes into the Mini file of --vehicle, which is missing");
    const AirConditions air = airOf(args);
    commitVehicle(args.vehicle);
    const auto car = coastDownCar(store());
    if (!car)
        throw BadInput(car.error());

    std::vector<CoastRun> runs;
    for (const std::string& path : args.logs) {
        const auto log = readSpeedLogFile(path);
        if (!log)
            throw BadInput(log.error());
        auto run = coastRunOf(*log, std::filesystem::path(path).filename().string());
        if (!run)
            throw BadInput(run.error());
        runs.push_back(std::move(*run));
    }
    const auto fit = fitCoastDown(runs, *car, airDensity(air));
    if (!fit)
        throw BadInput(fit.error());

    if (args.writeVehicle) {
        const Status written = writeRoadLoadToMiniFile(store(), args.vehicle, fit->scx, fit->rolling);
        if (!written)
            throw BadInput(written.error());
    }

    if (args.json) {
        nlohmann::ordered_json out;
        out["scx_m2"] = jsonSingle(float(fit->scx));
        out["scx_m2_uncertainty"] = jsonSingle(float(fit->scxSd));
        out["rolling_coefficient"] = jsonSingle(float(fit->rolling));
        out["rolling_coefficient_uncertainty"] = jsonSingle(float(fit->rollingSd));
        out["a_n"] = jsonSingle(float(fit->a));
        out["b_n_per_m_s"] = jsonSingle(float(fit->b));
        out["c_n_per_m2_s2"] = jsonSingle(float(fit->c));
        out["air_density_kg_m3"] = jsonSingle(float(fit->airDensity));
        out["directions"] = nlohmann::ordered_json::array();
        for (const CoastDirection& d : fit->directions)
            out["directions"].push_back({{"from_kmh", jsonSingle(float(d.fromSpeed * kKmh))},
                                         {"to_kmh", jsonSingle(float(d.toSpeed * kKmh))},
                                         {"seconds", jsonSingle(float(d.seconds))},
                                         {"fixes", d.fixes},
                                         {"a_n", jsonSingle(float(d.a))},
                                         {"b_n_per_m_s", jsonSingle(float(d.b))},
                                         {"scatter_kmh", jsonSingle(float(d.residualSd * kKmh))}});
        out["vehicle_written"] = args.writeVehicle;
        std::cout << out.dump() << '\n';
        return;
    }
    for (std::size_t i = 0; i < fit->directions.size(); ++i) {
        const CoastDirection& d = fit->directions[i];
        std::cout << "coast-down " << i + 1 << ": " << formatPattern(d.fromSpeed * kKmh, Pattern::OneDecimal) << " to "
                  << formatPattern(d.toSpeed * kKmh, Pattern::OneDecimal) << " km/h over "
                  << formatPattern(d.seconds, Pattern::OneDecimal) << " s (" << d.fixes << " fixes), A "
                  << withSd(d.a, d.aSd, 1) << " N";
        if (fit->linearTerm)
            std::cout << ", B " << withSd(d.b, d.bSd, 2) << " N/(m/s)";
        std::cout << ", scatter " << decimalsText(d.residualSd * kKmh, 2) << " km/h\n";
    }
    std::cout << "S.Cx " << withSd(fit->scx, fit->scxSd, 3) << " m2 (air " << decimalsText(fit->airDensity, 3)
              << " kg/m3)\n"
              << "rolling coefficient " << withSd(fit->rolling, fit->rollingSd, 4) << " (1 standard deviation)\n";
    if (fit->directions.size() == 1)
        std::cout << "one direction: a wind or a slope of the road is not cancelled; coast down the same road the "
                     "other way and give both logs\n";
    if (args.writeVehicle)
        std::cout << args.vehicle << ": S.Cx " << measuredScxText(fit->scx) << " and rolling coefficient "
                  << measuredRollingText(fit->rolling) << " written\n";
}

}  // namespace

void addCoastdownCommand(CLI::App& app)
{
    auto args = std::make_shared<CoastdownArguments>();
    CLI::App* command = app.add_subcommand(
        "coastdown", "The drag area S.Cx and the rolling coefficient from coast-downs in a speed log");
    command->add_option("logs", args->logs, "speed log of a coast-down; a second one of the same road the other way")
        ->required()
        ->expected(1, 2);
    command->add_option("--vehicle", args->vehicle, "Mini file (.Dat); default: the editor's default vehicle");
    command->add_option("--air-temp", args->airTemp, "air temperature, degrees C (default 20)");
    command->add_option("--pressure", args->pressure, "barometric pressure, hPa (default 1013)");
    command->add_option("--humidity", args->humidity, "relative humidity, percent (default 50)");
    command->add_flag("--write-vehicle", args->writeVehicle,
                      "write S.Cx and the rolling coefficient into the --vehicle Mini file");
    command->add_flag("--json", args->json, "print the result figures as one JSON object");
    command->callback([args] { runCoastdown(*args); });
}

}  // namespace vornax::cli
