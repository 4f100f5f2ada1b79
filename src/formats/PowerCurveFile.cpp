#include "formats/PowerCurveFile.h"

#include "common/NumberText.h"
#include "common/TextFile.h"

namespace vornax {

std::string powerFileText(std::span<const PowerPoint> points, float wattsPerUnit, float unitsPerNm)
{
    TextWriter out;
    std::string line;
    for (const PowerPoint& p : points) {
        line = singleText(p.rpm);
        line += ';';
        line += singleText(p.torque);
        line += ';';
        line += singleText(p.power);
        out.line(line);
    }
    out.line(printedSingle(wattsPerUnit));
    out.line(printedSingle(unitsPerNm));
    return out.bytes();
}

PowerDataLine readPowerDataLine(std::string_view line)
{
    PowerDataLine read;
    const std::size_t first = line.find(';');
    if (first == std::string_view::npos)
        return read;
    read.rpm = parseSingle(line.substr(0, first));
    const std::string_view rest = line.substr(first + 1);
    const std::size_t second = rest.find(';');
    if (second == std::string_view::npos)
        return read;
    read.threeFields = true;
    read.torque = parseDouble(rest.substr(0, second));
    read.power = parseDouble(rest.substr(second + 1));
    return read;
}

std::optional<float> readFactorLine(std::string_view line) { return parseSingle(line); }

}  // namespace vornax
