#include "cli/CorrectionOptions.h"

#include "cli/CliSupport.h"

namespace vornax::cli {

void addCorrectionOptions(CLI::App& command, CorrectionOptions& options)
{
    command.add_option("--correction", options.standard,
                       "power corrected to standard air: none (default), din70020, sae-j1349 or iso1585");
    command.add_option("--air-temp", options.airTemp, "air temperature of the run, degrees C (-30 to 55)");
    command.add_option("--pressure", options.pressure, "barometric pressure of the run, hPa (800 to 1100)");
    command.add_option("--humidity", options.humidity, "relative humidity of the run, percent (0 to 100)");
}

PowerCorrection correctionFromOptions(const CorrectionOptions& options)
{
    const auto standard = standardFromKey(options.standard);
    if (!standard)
        throw UsageError("--correction: " + quotedValue(options.standard) +
                         " is not a standard (none, din70020, sae-j1349, iso1585)");
    if (*standard == CorrectionStandard::None)
        return {};
    const bool dryAir = *standard != CorrectionStandard::Din70020;
    const auto required = [&](const std::string& text, const char* option) {
        if (text.empty())
            throw UsageError(std::string("--correction ") + options.standard + " needs " + option);
        return doubleOption(text, option);
    };
    AirConditions air;
    air.airTempC = required(options.airTemp, "--air-temp");
    air.pressureHpa = required(options.pressure, "--pressure");
    air.humidityPct = dryAir || !options.humidity.empty() ? required(options.humidity, "--humidity") : 0.0;
    if (const auto field = fieldOutOfRange(air)) {
        const char* option = *field == AirField::Temperature ? "--air-temp"
                             : *field == AirField::Pressure  ? "--pressure"
                                                             : "--humidity";
        throw UsageError(std::string(option) + ": " + outOfRangeMessage(*field, air));
    }
    const auto correction = makeCorrection(*standard, air);
    if (!correction)
        throw UsageError(correction.error());
    return *correction;
}

}  // namespace vornax::cli
