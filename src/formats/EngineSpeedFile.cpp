#include "formats/EngineSpeedFile.h"

#include "common/NumberText.h"
#include "common/TextFile.h"

namespace vornax {

RunLine readRunLine(std::string_view line)
{
    const std::size_t separator = line.find(';');
    if (separator == std::string_view::npos)
        return {RunLineFault::NoSeparator, {}};
    const auto time = parseSingle(line.substr(0, separator));
    const auto rpm = parseSingle(line.substr(separator + 1));
    if (!time || !rpm)
        return {RunLineFault::NotANumber, {}};
    return {RunLineFault::None, {*time, *rpm}};
}

std::string runFileText(std::span<const RunPoint> points)
{
    TextWriter out;
    std::string line;
    for (const RunPoint& p : points) {
        line = singleText(p.time);
        line += ';';
        line += singleText(p.rpm);
        out.line(line);
    }
    return out.bytes();
}

}  // namespace vornax
