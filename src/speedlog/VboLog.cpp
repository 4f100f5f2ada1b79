// VBO-style text logs of data loggers: sections in square brackets; the
// names of the columns in [column names] (or, without it, one a line in
// [header]); rows of fields separated by spaces in [data]. The time is a UTC
// clock time hhmmss.ss, the velocity in km/h, latitude and longitude in
// minutes (the longitude counted positive to the west), the height in m;
// zero satellites is a lost fix.
#include "speedlog/Formats.h"

#include <algorithm>
#include <cmath>

namespace vornax::speedlog {
namespace {

int indexOf(const std::vector<std::string>& names, std::initializer_list<std::string_view> wanted)
{
    for (std::string_view w : wanted) {
        const auto it = std::find(names.begin(), names.end(), w);
        if (it != names.end())
            return static_cast<int>(it - names.begin());
    }
    return -1;
}

std::string sectionOf(std::string_view line)
{
    line = trimmed(line);
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']')
        return lowerAscii(line.substr(1, line.size() - 2));
    return {};
}

}  // namespace

bool readVbo(std::string_view text, RawLog& log, SpeedLogError& error)
{
    log.format = SpeedLogFormat::Vbo;
    std::string section;
    std::vector<std::string> headerNames, columnNames, names;
    std::vector<std::string_view> fields;
    int time = -1, speed = -1, sats = -1, lat = -1, lon = -1, height = -1;
    std::size_t dataLine = 0;
    MidnightRollover rollover;
    bool failed = false;
    forEachLine(text, [&](std::string_view line, std::size_t number) {
        if (trimmed(line).empty())
            return true;
        if (const std::string s = sectionOf(line); !s.empty()) {
            section = s;
            if (section == "data") {
                dataLine = number;
                names = columnNames.empty() ? headerNames : columnNames;
                time = indexOf(names, {"time"});
                speed = indexOf(names, {"velocity", "speed", "velocity_kmh"});
                sats = indexOf(names, {"sats", "satellites"});
                lat = indexOf(names, {"lat", "latitude"});
                lon = indexOf(names, {"long", "lon", "longitude"});
                height = indexOf(names, {"height", "alt", "altitude"});
                if (time < 0 || speed < 0) {
                    error = {number, time < 0 ? "no time column before [data]" : "no velocity column before [data]"};
                    failed = true;
                    return false;
                }
            }
            return true;
        }
        if (section == "header") {
            splitSpaces(line, fields);
            headerNames.push_back(lowerAscii(fields.front()));
        } else if (section == "column names") {
            splitSpaces(line, fields);
            for (std::string_view f : fields)
                columnNames.push_back(lowerAscii(f));
        } else if (section == "data") {
            splitSpaces(line, fields);
            if (std::max(time, speed) >= static_cast<int>(fields.size())) {
                log.skip(number,
                         "row of " + std::to_string(fields.size()) + " fields, without the time or the velocity");
                return true;
            }
            const auto clock = clockSeconds(fields[static_cast<std::size_t>(time)]);
            if (!clock) {
                log.skip(number,
                         "time " + quotedValue(fields[static_cast<std::size_t>(time)], 30) + " is not hhmmss.ss");
                return true;
            }
            const auto v = speedlog::number(fields[static_cast<std::size_t>(speed)]);
            if (!v || *v < 0 || *v * kKmh > kHighestSpeed) {
                log.skip(number,
                         "velocity " + quotedValue(fields[static_cast<std::size_t>(speed)], 30) + " is not a speed");
                return true;
            }
            const auto field = [&](int column) {
                return column >= 0 && column < static_cast<int>(fields.size())
                           ? speedlog::number(fields[static_cast<std::size_t>(column)])
                           : std::nullopt;
            };
            RawFix fix;
            fix.line = number;
            fix.time = rollover.next(*clock);
            fix.speed = *v * kKmh;
            if (const auto minutes = field(lat); minutes && std::fabs(*minutes) <= 90 * 60)
                fix.latitude = *minutes / 60.0;
            if (const auto minutes = field(lon); minutes && std::fabs(*minutes) <= 180 * 60)
                fix.longitude = -*minutes / 60.0;
            if (fix.latitude == 0 && fix.longitude == 0)
                fix.latitude = fix.longitude = kNaN;  // what a logger writes without a position
            if (const auto h = field(height); h && std::fabs(*h) < 1e5)
                fix.altitude = *h;
            if (const auto n = field(sats); n && *n == 0) {
                fix.valid = false;
                fix.speed = 0;
            }
            if (log.fixes.empty())
                log.clockStart = fields[static_cast<std::size_t>(time)];
            log.fixes.push_back(fix);
        }
        return true;
    });
    if (failed)
        return false;
    if (dataLine == 0) {
        error = {0, "no [data] section"};
        return false;
    }
    return true;
}

bool looksLikeVbo(std::string_view head)
{
    bool header = false, data = false;
    forEachLine(head, [&](std::string_view line, std::size_t) {
        const std::string s = sectionOf(line);
        header = header || s == "header" || s == "column names";
        data = data || s == "data";
        return !(header && data);
    });
    // A short log may hold its [data] past the first kilobytes: the header
    // sections with the names of a time and a velocity column are enough.
    return header && (data || head.find("velocity") != std::string_view::npos);
}

namespace {

// "+03012.34567": sign, whole minutes to `digits` places, 5 decimals.
std::string minutesText(double minutes, int digits)
{
    std::string text = pointDecimals(std::fabs(minutes), 5);
    const std::size_t point = text.find('.');
    if (point != std::string::npos && static_cast<int>(point) < digits)
        text.insert(0, static_cast<std::size_t>(digits) - point, '0');
    return (minutes < 0 ? "-" : "+") + text;
}

}  // namespace

Result<std::string> vboBytes(const SpeedLog& log, const ClockStart& start)
{
    int year = 0, month = 0, day = 0;
    civilFromDays(start.day, year, month, day);
    long long firstDay = start.day;
    const std::string created = clockDigits(start.secondsOfDay, firstDay);
    std::string out =
        "File created on " + paddedWhole(day, 2) + "/" + paddedWhole(month, 2) + "/" + paddedWhole(year, 4) + " at " +
        created.substr(0, 2) + ":" + created.substr(2, 2) + ":" + created.substr(4, 2) +
        "\r\n\r\n[header]\r\nsatellites\r\ntime\r\nlatitude\r\nlongitude\r\n"
        "velocity kmh\r\nheight\r\n\r\n[column names]\r\nsats time lat long velocity height\r\n\r\n[data]\r\n";
    out.reserve(out.size() + log.fixes.size() * 64);
    for (const SpeedFix& fix : log.fixes) {
        long long d = start.day;
        out += paddedWhole(fix.valid ? 10 : 0, 3) + " " + clockDigits(start.secondsOfDay + fix.time, d) + " ";
        out += (std::isfinite(fix.latitude) ? minutesText(fix.latitude * 60.0, 5) : "+00000.00000") + " ";
        out += (std::isfinite(fix.longitude) ? minutesText(-fix.longitude * 60.0, 5) : "+00000.00000") + " ";
        std::string speed = pointDecimals(fix.valid ? fix.speed * 3.6 : 0.0, 3);
        if (speed.find('.') < 3)
            speed.insert(0, 3 - speed.find('.'), '0');
        out += speed + " ";
        out += (std::isfinite(fix.altitude) ? (fix.altitude < 0 ? "-" : "+") + pointDecimals(std::fabs(fix.altitude), 2)
                                            : std::string("+0.00"));
        out += "\r\n";
    }
    return out;
}

}  // namespace vornax::speedlog
