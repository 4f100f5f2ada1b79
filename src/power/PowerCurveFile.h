// The power curve file, read by the comparison and the acceleration windows.
// CR LF lines: one data line "rpm;torque;power" for each result row
// 10 ... n - 40 (none when n < 50), each value the shortest text of its
// single (decimal comma, "-" when negative, exponent form when very large or
// small), then the power factor (watts per display unit) and the torque
// factor (display units per N·m), each alone on its line with a space before
// (when not negative) and after: " 736 ".
#pragma once

#include "common/Result.h"
#include "power/PowerComputation.h"
#include "store/Varia.h"

#include <filesystem>
#include <string>

namespace vornax {

// The file's bytes.
std::string powerCurveFileBytes(const PowerTable& table, int pointCount, float wattsPerUnit, float unitsPerNm);

// Data lines the file of a result holds: n - 49 for n >= 50, else 0.
int powerCurveDataLines(int pointCount);

// Writes the file for `result` with the factors now in the store
// (LbConvertionWatt, LbConvertionNm). The file is replaced whole, through a
// temporary file; nothing is written when a factor is not a number.
Status savePowerCurveFile(const std::filesystem::path& file, const PowerTable& table, int pointCount,
                          const Varia& store);

}  // namespace vornax
