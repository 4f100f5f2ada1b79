#include "power/PowerCurveInput.h"

#include "common/Translation.h"
#include "common/TextFile.h"

namespace vornax {

namespace {

std::string where(std::string_view source, std::size_t lineIndex)
{
    return tx("PowerCurveInput", "\"%1\", line %2").arg(source).arg(std::to_string(lineIndex + 1));
}

}  // namespace

Result<std::vector<RunPoint>> parsePowerCurveLines(const std::vector<std::string>& lines, std::string_view source)
{
    if (lines.size() > static_cast<std::size_t>(kMaxPowerPoints))
        return Failure{tx("PowerCurveInput", "\"%1\" has %2 lines; a curve for the power computation holds at most %3")
                           .arg(source)
                           .arg(std::to_string(lines.size()))
                           .arg(std::to_string(kMaxPowerPoints))};
    std::vector<RunPoint> points;
    points.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const RunLine read = readRunLine(lines[i]);
        if (read.fault == RunLineFault::NoSeparator)
            return Failure{tx("PowerCurveInput", "%1: no \";\" between time and engine speed").arg(where(source, i))};
        if (read.fault == RunLineFault::NotANumber)
            return Failure{tx("PowerCurveInput", "%1: %2 is not time;engine speed")
                               .arg(where(source, i))
                               .arg(quotedValue(lines[i]))};
        points.push_back(read.point);
    }
    return points;
}

Result<std::vector<RunPoint>> parsePowerCurveText(std::string_view text, std::string_view source)
{
    return parsePowerCurveLines(splitLines(decodeText(text)), source);
}

Result<std::vector<RunPoint>> readPowerCurveInput(const std::filesystem::path& file)
{
    // 5001 lines of two numbers stay far below this; a larger file is refused
    // before it is read into memory.
    constexpr std::uintmax_t maxBytes = 16u << 20;
    const auto bytes = readFileBytes(file, maxBytes);
    if (!bytes)
        return Failure{bytes.error()};
    return parsePowerCurveText(*bytes, file.string());
}

}  // namespace vornax
