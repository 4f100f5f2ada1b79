// Power corrected to standard air. The same engine makes several percent more
// power in cold dry air than in hot humid air; a correction factor k brings a
// run to the reference air of a standard, so that runs of different days
// compare. k multiplies the torque and the power of every row.
//
// The standards, each with its published formula (t in °C, temperatures as
// 273 + t kelvin as the standards write them, pressures in hPa):
//   DIN 70020    k = (1013 / p) × ((273 + t) / 293)^0.5
//                p the total (barometric) pressure; reference 1013 hPa, 20 °C.
//   SAE J1349    k = 1,176 × (990 / pd) × ((273 + t) / 298)^0.5 − 0,176
//   (2004)       the mechanical-efficiency form: the air acts on the indicated
//                power and 85 % of it reaches the crank (1 / 0,85 = 1,176);
//                pd the dry-air pressure; reference 990 hPa dry, 25 °C.
//   ISO 1585 /   k = (990 / pd)^1.2 × ((273 + t) / 298)^0.6
//   EC 80/1269   spark ignition, pd the dry-air pressure; reference 990 hPa
//                dry, 25 °C.
// The dry-air pressure is the total pressure less the vapour pressure, the
// relative humidity times the saturation pressure over water (Buck's
// formula, 6,1121 hPa × exp((18,678 − t / 234,5) × t / (257,14 + t)), within
// 0,2 % of the steam tables from −30 to 55 °C).
#pragma once

#include "common/Result.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vornax {

// In the order the power window lists them, "none" first.
enum class CorrectionStandard { None, Din70020, SaeJ1349, Iso1585 };

struct StandardInfo {
    CorrectionStandard standard;
    const char* key;   // on the command line and in the settings: "none", "din70020", "sae-j1349", "iso1585"
    const char* name;  // as the summary lines and the report name it: "DIN 70020" ("" for none)
};
const std::vector<StandardInfo>& correctionStandards();
const StandardInfo& standardInfo(CorrectionStandard standard);
std::optional<CorrectionStandard> standardFromKey(std::string_view key);

// The air of the run, as measured beside the road.
struct AirConditions {
    double airTempC = 20;       // °C, −30 ... 55
    double pressureHpa = 1013;  // total (barometric) pressure, hPa, 800 ... 1100
    double humidityPct = 50;    // relative humidity, %, 0 ... 100
};

enum class AirField { Temperature, Pressure, Humidity };

// The first field outside its range (or not a finite number), nullopt when
// all three are usable.
std::optional<AirField> fieldOutOfRange(const AirConditions& air);
// "the air temperature 60 °C is outside -30 to 55 °C"
std::string outOfRangeMessage(AirField field, const AirConditions& air);

// Saturation vapour pressure over water, hPa, at t °C.
double saturationVapourPressure(double airTempC);
// Total pressure less the partial pressure of the water vapour, hPa.
double dryAirPressure(const AirConditions& air);

// The factor of a standard for the air of the run, rounded to single: 1 for
// none (whatever the air). Fails, naming the field, when the air is outside
// the checked ranges.
Result<float> correctionFactor(CorrectionStandard standard, const AirConditions& air);

// A correction as chosen, with its factor.
struct PowerCorrection {
    CorrectionStandard standard = CorrectionStandard::None;
    AirConditions air;
    float factor = 1.0f;
    bool active() const { return standard != CorrectionStandard::None; }
};
Result<PowerCorrection> makeCorrection(CorrectionStandard standard, const AirConditions& air);

}  // namespace vornax
