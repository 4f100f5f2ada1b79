#include "power/AirCorrection.h"

#include "common/NumberText.h"
#include "common/Translation.h"

#include <cmath>

namespace vornax {

const std::vector<StandardInfo>& correctionStandards()
{
    static const std::vector<StandardInfo> standards{
        {CorrectionStandard::None, "none", ""},
        {CorrectionStandard::Din70020, "din70020", "DIN 70020"},
        {CorrectionStandard::SaeJ1349, "sae-j1349", "SAE J1349"},
        {CorrectionStandard::Iso1585, "iso1585", "ISO 1585"},
    };
    return standards;
}

const StandardInfo& standardInfo(CorrectionStandard standard)
{
    return correctionStandards().at(static_cast<std::size_t>(standard));
}

std::optional<CorrectionStandard> standardFromKey(std::string_view key)
{
    for (const StandardInfo& info : correctionStandards())
        if (key == info.key)
            return info.standard;
    return std::nullopt;
}

namespace {

struct FieldRange {
    const char* name;
    const char* unit;
    double low, high;
};

FieldRange rangeOf(AirField field)
{
    switch (field) {
    case AirField::Temperature: return {txNoop("AirCorrection", "air temperature"), "°C", -30, 55};
    case AirField::Pressure: return {txNoop("AirCorrection", "pressure"), "hPa", 800, 1100};
    case AirField::Humidity: break;
    }
    return {txNoop("AirCorrection", "relative humidity"), "%", 0, 100};
}

double valueOf(AirField field, const AirConditions& air)
{
    return field == AirField::Temperature ? air.airTempC
           : field == AirField::Pressure  ? air.pressureHpa
                                          : air.humidityPct;
}

// Temperatures as the standards write them.
double kelvin(double airTempC) { return 273.0 + airTempC; }

}  // namespace

std::optional<AirField> fieldOutOfRange(const AirConditions& air)
{
    for (AirField field : {AirField::Temperature, AirField::Pressure, AirField::Humidity}) {
        const FieldRange range = rangeOf(field);
        const double value = valueOf(field, air);
        if (!(value >= range.low && value <= range.high))
            return field;
    }
    return std::nullopt;
}

std::string outOfRangeMessage(AirField field, const AirConditions& air)
{
    const FieldRange range = rangeOf(field);
    const std::string unit = std::string(range.unit) == "%" ? " %" : std::string(" ") + range.unit;
    return tx("AirCorrection", "the %1 %2%3 is outside %4 to %5%3")
        .arg(Text("AirCorrection", range.name).str())
        .arg(doubleText(valueOf(field, air)))
        .arg(unit)
        .arg(doubleText(range.low))
        .arg(doubleText(range.high));
}

double saturationVapourPressure(double airTempC)
{
    return 6.1121 * std::exp((18.678 - airTempC / 234.5) * (airTempC / (257.14 + airTempC)));
}

double dryAirPressure(const AirConditions& air)
{
    return air.pressureHpa - air.humidityPct / 100.0 * saturationVapourPressure(air.airTempC);
}

Result<float> correctionFactor(CorrectionStandard standard, const AirConditions& air)
{
    if (standard == CorrectionStandard::None)
        return 1.0f;
    if (const auto field = fieldOutOfRange(air))
        return Failure{outOfRangeMessage(*field, air)};
    const double t = kelvin(air.airTempC);
    double k = 1.0;
    switch (standard) {
    case CorrectionStandard::Din70020: k = 1013.0 / air.pressureHpa * std::sqrt(t / 293.0); break;
    case CorrectionStandard::SaeJ1349: k = 1.176 * (990.0 / dryAirPressure(air)) * std::sqrt(t / 298.0) - 0.176; break;
    case CorrectionStandard::Iso1585: k = std::pow(990.0 / dryAirPressure(air), 1.2) * std::pow(t / 298.0, 0.6); break;
    case CorrectionStandard::None: break;
    }
    return static_cast<float>(k);
}

Result<PowerCorrection> makeCorrection(CorrectionStandard standard, const AirConditions& air)
{
    const auto factor = correctionFactor(standard, air);
    if (!factor)
        return Failure{factor.error()};
    return PowerCorrection{standard, air, *factor};
}

}  // namespace vornax
