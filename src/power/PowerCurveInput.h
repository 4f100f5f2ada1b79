// The engine-speed curve as the power computation reads it: every line is
// time ";" engine speed (seconds, rpm), split at the first ";", both sides
// read as singles with the decimal comma (a point is accepted too). At most
// 5001 lines fit the computation's tables.
#pragma once

#include "common/CurveLimits.h"
#include "common/Result.h"
#include "formats/EngineSpeedFile.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vornax {

constexpr int kMaxPowerPoints = kMaxPowerLines;

// Parses the lines of a curve. A line without ";", a side that is not a
// number, or more than 5001 lines fails with a message naming `source` and
// the line (counted from 1).
Result<std::vector<RunPoint>> parsePowerCurveLines(const std::vector<std::string>& lines, std::string_view source);

// Parses the text of a curve file (CR LF or LF lines), as it is saved.
Result<std::vector<RunPoint>> parsePowerCurveText(std::string_view text, std::string_view source);

// Reads and parses a curve file.
Result<std::vector<RunPoint>> readPowerCurveInput(const std::filesystem::path& file);

}  // namespace vornax
