#include "signal/CurveFile.h"

#include "common/TextFile.h"
#include "common/Translation.h"
#include "formats/EngineSpeedFile.h"

namespace vornax {

int savedLineCount(int pointCount) { return pointCount - 8 >= 7 ? pointCount - 14 : 0; }

std::string curveFileText(const Curve& curve)
{
    std::vector<RunPoint> points;
    const int last = std::min(curve.pointCount - 8, Curve::kLastRow);
    for (int r = 7; r <= last; ++r)
        points.push_back({curve.rows[r].time, curve.rows[r].speed});
    return runFileText(points);
}

Status SaveCurve(const std::filesystem::path& file, const Curve& curve)
{
    return writeFileAtomically(file, curveFileText(curve));
}

Status loadCurveText(std::string_view text, Curve& curve)
{
    const std::vector<std::string> lines = splitLines(decodeText(text));
    if (lines.empty())
        return Failure{tx("CurveFile", "Fichier incorrect: aucun point")};
    if (lines.size() > std::size_t(kMaxCurveLines))
        return Failure{tx("CurveFile", "Fichier incorrect: %1 lignes, au plus %2")
                           .arg(std::to_string(lines.size()))
                           .arg(std::to_string(kMaxCurveLines))};
    // Read into a copy so that a bad line leaves the current curve whole.
    Curve loaded = curve;
    for (std::size_t j = 0; j < lines.size(); ++j) {
        const std::string& line = lines[j];
        if (line.empty())
            continue;
        const std::string number = std::to_string(j + 1);
        const RunLine read = readRunLine(line);
        if (read.fault == RunLineFault::NoSeparator)
            return Failure{
                tx("CurveFile", "Fichier incorrect: ligne %1 %2 sans \";\"").arg(number).arg(quotedValue(line))};
        if (read.fault == RunLineFault::NotANumber)
            return Failure{tx("CurveFile", "Fichier incorrect: ligne %1 %2 n'est pas un nombre")
                               .arg(number)
                               .arg(quotedValue(line))};
        loaded.rows[j] = {read.point.time, read.point.rpm};
    }
    loaded.pointCount = static_cast<int>(lines.size()) - 1;
    curve = std::move(loaded);
    return success();
}

Status LoadCurve(const std::filesystem::path& file, Curve& curve)
{
    // A full table is about 32 001 lines of some 20 bytes; anything far past
    // that is not a curve file.
    const auto bytes = readFileBytes(file, 64u << 20);
    if (!bytes)
        return Failure{bytes.error()};
    return loadCurveText(*bytes, curve);
}

}  // namespace vornax
