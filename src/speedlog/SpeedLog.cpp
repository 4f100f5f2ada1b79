#include "speedlog/SpeedLog.h"

#include "common/NumberText.h"
#include "common/TextFile.h"
#include "speedlog/Formats.h"
#include "speedlog/Geodesic.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace vornax {
namespace {

using speedlog::RawLog;

// How much of a file the content test looks at.
constexpr std::size_t kHeadBytes = 16384;

bool isBinary(std::string_view head) { return head.find('\0') != std::string_view::npos; }

std::string timeGap(double seconds) { return formatPattern(seconds, Pattern::TwoDecimals) + " s"; }

std::string lineText(std::size_t line) { return line > 0 ? "line " + std::to_string(line) + ": " : std::string(); }

Failure failed(SpeedLogError* where, SpeedLogError error)
{
    const std::string message = lineText(error.line) + error.message;
    if (where)
        *where = std::move(error);
    return Failure{message};
}

// Speeds of the fixes that have none, from the distances to their
// neighbours over the time between them (central where both exist).
void speedsFromPositions(RawLog& log, RawLog& later)
{
    auto& fixes = log.fixes;
    const auto located = [&](std::size_t i) {
        return fixes[i].valid && std::isfinite(fixes[i].latitude) && std::isfinite(fixes[i].longitude);
    };
    std::vector<double> derived(fixes.size(), speedlog::kNaN);
    for (std::size_t i = 0; i < fixes.size(); ++i) {
        if (!std::isnan(fixes[i].speed) || !located(i))
            continue;
        const std::size_t before = i > 0 && located(i - 1) ? i - 1 : i;
        const std::size_t after = i + 1 < fixes.size() && located(i + 1) ? i + 1 : i;
        if (before == after)
            continue;
        const double distance = geodesicDistance(fixes[before].latitude, fixes[before].longitude, fixes[after].latitude,
                                                 fixes[after].longitude);
        const double seconds = fixes[after].time - fixes[before].time;
        if (std::isfinite(distance) && seconds > 0 && distance / seconds <= speedlog::kHighestSpeed)
            derived[i] = distance / seconds;
    }
    for (std::size_t i = 0; i < fixes.size(); ++i) {
        if (!std::isnan(fixes[i].speed))
            continue;
        if (std::isnan(derived[i])) {
            later.skip(fixes[i].line, "fix without a speed, and without neighbours to take it from");
            fixes[i].valid = false;
            fixes[i].speed = 0;
        } else {
            fixes[i].speed = derived[i];
        }
    }
}

// The common checks of every reader: times increase (a repeated time is
// skipped and counted, a time going back refuses the file), at least two
// valid fixes, times from the first fix.
Result<SpeedLog> finish(RawLog& raw, SpeedLogError* where)
{
    RawLog later;  // what these checks skip
    std::vector<speedlog::RawFix> kept;
    kept.reserve(raw.fixes.size());
    for (const speedlog::RawFix& fix : raw.fixes) {
        if (!kept.empty() && fix.time <= kept.back().time) {
            if (fix.time == kept.back().time) {
                later.skip(fix.line, "same time as line " + std::to_string(kept.back().line));
                continue;
            }
            return failed(where, {fix.line, "the time goes back, " + timeGap(kept.back().time - fix.time) +
                                                " before that of line " + std::to_string(kept.back().line) +
                                                ": not one log in time order"});
        }
        kept.push_back(fix);
    }
    raw.fixes = std::move(kept);
    speedsFromPositions(raw, later);
    // The reader's first 20 problems and these are each in line order: the
    // first 20 of both together are the first 20 of the file.
    raw.problems.insert(raw.problems.end(), later.problems.begin(), later.problems.end());
    std::stable_sort(raw.problems.begin(), raw.problems.end(),
                     [](const SpeedLogProblem& a, const SpeedLogProblem& b) { return a.line < b.line; });
    if (raw.problems.size() > 20)
        raw.problems.resize(20);
    raw.skippedLines += later.skippedLines;

    SpeedLog log;
    log.format = raw.format;
    log.skippedLines = raw.skippedLines;
    log.problems = std::move(raw.problems);
    log.clockStart = std::move(raw.clockStart);
    log.fixes.reserve(raw.fixes.size());
    const double origin = raw.fixes.empty() ? 0 : raw.fixes.front().time;
    std::size_t valid = 0;
    for (const speedlog::RawFix& r : raw.fixes) {
        SpeedFix fix;
        fix.time = r.time - origin;
        fix.speed = r.speed;
        fix.latitude = r.latitude;
        fix.longitude = r.longitude;
        fix.altitude = r.altitude;
        fix.valid = r.valid;
        valid += r.valid ? 1 : 0;
        log.fixes.push_back(fix);
    }
    if (valid < 2) {
        const std::string skipped =
            log.skippedLines > 0 ? " (" + std::to_string(log.skippedLines) + " lines skipped)" : std::string();
        return failed(where, {0, "the " + std::string(speedLogFormatName(log.format)) + " log holds " +
                                     std::to_string(valid) + " valid fix" + (valid == 1 ? "" : "es") +
                                     ", too few for a speed against time" + skipped});
    }
    return log;
}

std::string_view headOf(std::string_view text) { return text.substr(0, std::min(text.size(), kHeadBytes)); }

}  // namespace

const char* speedLogFormatName(SpeedLogFormat format)
{
    switch (format) {
    case SpeedLogFormat::Nmea: return "NMEA";
    case SpeedLogFormat::Gpx: return "GPX";
    case SpeedLogFormat::Csv: return "CSV";
    case SpeedLogFormat::Vbo: return "VBO";
    }
    return "?";
}

bool looksLikeSpeedLog(std::span<const char> bytes)
{
    const std::string_view raw(bytes.data(), bytes.size());
    const std::string_view rawHead = headOf(raw);
    if (rawHead.empty() || isBinary(rawHead))
        return false;
    const std::string head = decodeText(rawHead);
    return speedlog::looksLikeGpx(head) || speedlog::looksLikeVbo(head) || speedlog::looksLikeNmea(head) ||
           speedlog::looksLikeCsv(head);
}

Result<SpeedLog> readSpeedLog(std::span<const char> bytes, const SpeedLogReadOptions& options, SpeedLogError* where)
{
    const std::string_view raw(bytes.data(), bytes.size());
    if (speedlog::trimmed(raw).empty())
        return failed(where, {0, "the file is empty"});
    if (isBinary(headOf(raw)))
        return failed(where, {0, "not a speed log: the file is not text (NMEA, GPX, CSV or VBO)"});
    RawLog log;
    SpeedLogError error;
    bool read = false;
    // GPX is XML and pugixml reads its own encodings; the text formats are
    // decoded once (UTF-8 as it is, else Windows-1252).
    if (speedlog::looksLikeGpx(decodeText(headOf(raw)))) {
        read = speedlog::readGpx(raw, log, error);
    } else {
        std::string decoded;
        std::string_view text = raw;
        if (!isValidUtf8(raw)) {
            decoded = decodeText(raw);
            text = decoded;
        }
        const std::string_view head = headOf(text);
        const bool columnsGiven = !options.columns.time.empty() || !options.columns.speed.empty();
        if (speedlog::looksLikeVbo(head))
            read = speedlog::readVbo(text, log, error);
        else if (!columnsGiven && speedlog::looksLikeNmea(head))
            read = speedlog::readNmea(text, log, error);
        else if (columnsGiven || speedlog::looksLikeCsv(head))
            read = speedlog::readCsv(text, options.columns, log, error);
        else
            return failed(where, {0, "not a speed log: neither NMEA sentences, GPX, VBO sections nor a CSV header "
                                     "naming a time and a speed column"});
    }
    if (!read)
        return failed(where, std::move(error));
    return finish(log, where);
}

Result<SpeedLog> readSpeedLogFile(const std::string& path, const SpeedLogReadOptions& options, SpeedLogError* where)
{
    const auto bytes = readFileBytes(path);
    if (!bytes) {
        if (where)
            *where = {0, bytes.error()};
        return Failure{bytes.error()};
    }
    auto log = readSpeedLog(std::span<const char>(bytes->data(), bytes->size()), options, where);
    if (!log)
        return Failure{path + ": " + log.error()};
    return log;
}

Status writeSpeedLogFile(const SpeedLog& log, SpeedLogFormat format, const std::string& path)
{
    if (log.fixes.empty())
        return Failure{"no fix to write"};
    for (std::size_t i = 0; i < log.fixes.size(); ++i) {
        const SpeedFix& fix = log.fixes[i];
        if (!std::isfinite(fix.time) || (i > 0 && !(fix.time > log.fixes[i - 1].time)))
            return Failure{"fix " + std::to_string(i + 1) + ": the times must increase"};
        if (!std::isfinite(fix.speed) || fix.speed < 0 || fix.speed > speedlog::kHighestSpeed)
            return Failure{"fix " + std::to_string(i + 1) + ": the speed is not a speed"};
    }
    const auto start = speedlog::parseClockStart(log.clockStart);
    if (!start && format != SpeedLogFormat::Csv)
        return Failure{"the clock start " + quotedValue(log.clockStart) + " is not a clock time"};
    Result<std::string> bytes = Failure{""};
    switch (format) {
    case SpeedLogFormat::Nmea: bytes = speedlog::nmeaBytes(log, *start); break;
    case SpeedLogFormat::Gpx: bytes = speedlog::gpxBytes(log, *start); break;
    case SpeedLogFormat::Csv: bytes = speedlog::csvBytes(log); break;
    case SpeedLogFormat::Vbo: bytes = speedlog::vboBytes(log, *start); break;
    }
    if (!bytes)
        return Failure{bytes.error()};
    return writeFileAtomically(path, *bytes);
}

double speedLogRate(const SpeedLog& log)
{
    std::vector<double> spacing;
    spacing.reserve(log.fixes.size());
    const SpeedFix* previous = nullptr;
    for (const SpeedFix& fix : log.fixes) {
        if (!fix.valid)
            continue;
        if (previous)
            spacing.push_back(fix.time - previous->time);
        previous = &fix;
    }
    if (spacing.empty())
        return 0;
    const auto middle = spacing.begin() + static_cast<std::ptrdiff_t>(spacing.size() / 2);
    std::nth_element(spacing.begin(), middle, spacing.end());
    double median = *middle;
    if (spacing.size() % 2 == 0)
        median = (median + *std::max_element(spacing.begin(), middle)) / 2;
    return median > 0 ? 1.0 / median : 0;
}

}  // namespace vornax
