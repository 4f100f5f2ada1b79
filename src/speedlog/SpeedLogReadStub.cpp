// Temporary: a minimal reader of "time_s;speed_kmh" CSV logs, so that the
// computations' commands can be built and tried before the log readers
// arrive. Removed when they do.
#include "common/NumberText.h"
#include "common/TextFile.h"
#include "speedlog/SpeedLog.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace vornax {

const char* speedLogFormatName(SpeedLogFormat format)
{
    switch (format) {
    case SpeedLogFormat::Nmea: return "NMEA";
    case SpeedLogFormat::Gpx: return "GPX";
    case SpeedLogFormat::Csv: return "CSV";
    case SpeedLogFormat::Vbo: return "VBO";
    }
    return "";
}

bool looksLikeSpeedLog(std::span<const char> bytes)
{
    const std::string head(bytes.data(), std::min<std::size_t>(bytes.size(), 64));
    return head.rfind("time_s;speed_kmh", 0) == 0;
}

Result<SpeedLog> readSpeedLog(std::span<const char> bytes, const SpeedLogReadOptions&, SpeedLogError* where)
{
    if (!looksLikeSpeedLog(bytes))
        return Failure{"not a speed log"};
    SpeedLog log;
    std::istringstream in(std::string(bytes.data(), bytes.size()));
    std::string line;
    std::getline(in, line);
    std::size_t number = 1;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const auto semi = line.find(';');
        const auto t = semi == std::string::npos ? std::nullopt : parseDouble(line.substr(0, semi));
        const auto v = semi == std::string::npos ? std::nullopt : parseDouble(line.substr(semi + 1));
        if (!t || !v || *v < 0) {
            ++log.skippedLines;
            continue;
        }
        if (!log.fixes.empty() && *t <= log.fixes.back().time) {
            if (where)
                *where = {number, "time goes backwards"};
            return Failure{"line " + std::to_string(number) + ": the time goes backwards"};
        }
        SpeedFix f;
        f.time = *t;
        f.speed = *v / 3.6;
        log.fixes.push_back(f);
    }
    if (log.fixes.size() < 2)
        return Failure{"fewer than 2 fixes"};
    const double t0 = log.fixes.front().time;
    for (SpeedFix& f : log.fixes)
        f.time -= t0;
    return log;
}

Result<SpeedLog> readSpeedLogFile(const std::string& path, const SpeedLogReadOptions& options, SpeedLogError* where)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return Failure{path + ": cannot be read"};
    std::ostringstream all;
    all << file.rdbuf();
    const std::string bytes = all.str();
    auto log = readSpeedLog(std::span<const char>(bytes.data(), bytes.size()), options, where);
    if (!log)
        return Failure{path + ": " + log.error()};
    return log;
}

double speedLogRate(const SpeedLog& log)
{
    std::vector<double> gaps;
    for (std::size_t i = 1; i < log.fixes.size(); ++i)
        gaps.push_back(log.fixes[i].time - log.fixes[i - 1].time);
    if (gaps.empty())
        return 0;
    std::nth_element(gaps.begin(), gaps.begin() + std::ptrdiff_t(gaps.size() / 2), gaps.end());
    const double gap = gaps[gaps.size() / 2];
    return gap > 0 ? 1 / gap : 0;
}

}  // namespace vornax
