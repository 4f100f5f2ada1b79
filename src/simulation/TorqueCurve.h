// The torque curve the acceleration model drives with: engine speed (tr/min),
// torque (display torque unit, N·m × LbConvertionNm) and power (display power
// unit) in three parallel columns of 32 001 rows, filled from a power curve
// file. Only rows 0 … lastRow hold the loaded curve; rows past it keep older
// values and are never read.
#pragma once

#include "common/CurveLimits.h"
#include "common/Result.h"
#include "store/StoreReadings.h"
#include "store/Varia.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace vornax {

struct TorqueCurve {
    static constexpr int kRows = 32001;

    std::vector<float> rpm = std::vector<float>(kRows, 0.0f);
    std::vector<float> torque = std::vector<float>(kRows, 0.0f);
    std::vector<float> power = std::vector<float>(kRows, 0.0f);
    // Index of the last data row; -1 while no curve is loaded.
    std::int16_t lastRow = -1;
    // Engine speed of the last data row, tr/min.
    float topRpm = 0.0f;
};

// The rows of a power curve file, already rescaled to the current units.
struct PowerCurveRows {
    std::vector<float> rpm, torque, power;
};

// A power curve file holds at most this many lines (data and factor lines).
inline constexpr std::size_t kMaxPowerCurveLines = kMaxPowerLines;

// Reads the lines of a power curve file: data lines "rpm;torque;power", then
// the two factor lines (watts per power unit, torque units per N·m) the file
// was written with. A factor of 0, or no factor lines at all, means "the
// current unit". Values are rescaled from the file's units to the current
// ones: power × (file watt factor / currentWatt), torque × (currentNm / file
// torque factor). Empty lines at the end are ignored. Refuses ("Fichier
// Incorrect: ...") any other empty line, a field
// that is not a number, a line without its three fields, factor lines that
// are not a pair standing after every data line, more than 5001 lines, or no
// data line at all.
Result<PowerCurveRows> readPowerCurve(const std::vector<std::string>& lines, float currentWatt, float currentNm);

// Takes the lines of a power curve file (a file read, or the text of one just
// made) into the table: on success only, its rows are copied in and lastRow
// and topRpm set; on failure the table is left as it was. `units` are the
// current unit factors.
Status loadPowerCurveLines(const std::vector<std::string>& lines, const DisplayUnits& units, TorqueCurve& curve);

// Reads the file and, on success only, copies its rows into the table and
// sets lastRow and topRpm, and gives back the file's lines in `linesRead`
// when asked (to take them again into other units); on failure the table is
// left as it was. The current unit factors are the store's LbConvertionWatt
// and LbConvertionNm.
Status loadPowerCurve(const std::filesystem::path& file, const Varia& store, TorqueCurve& curve,
                      std::vector<std::string>* linesRead = nullptr);

}  // namespace vornax
