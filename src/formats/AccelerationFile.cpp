#include "formats/AccelerationFile.h"

#include "common/NumberText.h"
#include "common/TextFile.h"

#include <algorithm>
#include <cmath>

namespace vornax {

std::string accelerationFileBytes(const ResultSeries& series, std::int32_t shownLength, float speedFactor)
{
    TextWriter writer;
    std::string line;
    for (std::int32_t i = 1; i <= shownLength - 1 && i <= ResultSeries::kLastIndex; ++i) {
        line = singleText(series.time[i]);
        line += ';';
        line += singleText(series.speed[i]);
        line += ';';
        line += singleText(series.distance[i]);
        writer.line(line);
    }
    writer.line(printedSingle(speedFactor));
    writer.line(printedSingle(speedFactor));
    return writer.bytes();
}

Result<AccelerationRun> parseAccelerationLines(const std::vector<std::string>& lines, const std::string& source)
{
    AccelerationRun run;
    ResultSeries& series = *run.series;
    std::int32_t count = 0;
    bool factorSeen = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const std::string where = "\"" + source + "\", line " + std::to_string(i + 1) + ": ";
        const auto first = line.find(';');
        if (first == std::string::npos) {
            if (line.find_first_not_of(' ') == std::string::npos)
                continue;
            const auto factor = parseSingle(line);
            if (!factor)
                return Failure{where + quotedValue(line) + " is not a number"};
            if (!factorSeen)
                run.speedFactor = *factor;
            factorSeen = true;
            continue;
        }
        const auto second = line.find(';', first + 1);
        const auto t = parseSingle(std::string_view(line).substr(0, first));
        const auto v = second == std::string::npos
                           ? std::nullopt
                           : parseSingle(std::string_view(line).substr(first + 1, second - first - 1));
        const auto d =
            second == std::string::npos ? std::nullopt : parseSingle(std::string_view(line).substr(second + 1));
        if (!t || !v || !d)
            return Failure{where + quotedValue(line) + " is not time;speed;distance"};
        if (count + 1 >= ResultSeries::kLastIndex)
            return Failure{where + "more samples than a run holds"};
        ++count;
        series.time[count] = *t;
        series.speed[count] = *v;
        series.distance[count] = *d;
        run.maxSpeed = std::max(run.maxSpeed, *v);
    }
    if (count == 0 || !factorSeen)
        return Failure{"\"" + source + "\" holds no acceleration run"};
    // The plot scales its speeds and distances by the factor: the file of a
    // language with a speed unit has it above 0.
    if (!(run.speedFactor > 0.0f) || !std::isfinite(run.speedFactor))
        return Failure{"\"" + source + "\": the speed factor " + singleText(run.speedFactor) + " is not above 0"};

    run.shownLength = count + 1;
    series.time[count + 1] = series.time[count] + 0.01f;
    series.index = count + 1;
    return run;
}

}  // namespace vornax
