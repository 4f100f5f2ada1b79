// The engine-speed curve file (".ReT"): one point per line, "time;speed",
// CR LF, both numbers in the shortest single text with a decimal comma
// ("3;4500", "2,5;3012,4"). No header, no blank line.
#pragma once

#include "common/Result.h"
#include "signal/Curve.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace vornax {

// Most lines a curve file can hold: one per row of the table.
inline constexpr int kMaxCurveLines = Curve::kLastRow + 1;

// The file text of a curve: rows 7..pointCount-8, one line each (the first 7
// and last 8 rows are never written; fewer than 16 rows give an empty file).
std::string curveFileText(const Curve& curve);
// Lines curveFileText writes for a point count.
int savedLineCount(int pointCount);

// `SaveCurve`: writes the file anew (through a temporary file, so a failed
// save leaves any older file as it was).
Status SaveCurve(const std::filesystem::path& file, const Curve& curve);

// `LoadCurve` from a file's text into `curve`: line j goes to row j and
// pointCount = lines - 1; an empty line leaves its row as it was. Each line
// splits at its first ";". A file with no line, more than 32 001 lines, a
// line without ";" or a side that is not a number changes nothing and the
// failure names the line (1-based).
Status loadCurveText(std::string_view text, Curve& curve);
Status LoadCurve(const std::filesystem::path& file, Curve& curve);

}  // namespace vornax
