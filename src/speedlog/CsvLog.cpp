// CSV of lap timers and phone apps: a header row naming the columns, then one
// row a fix. The time and speed columns are found by their names (English or
// French, the unit in brackets or after the name: "Speed (km/h)", "speed_mph",
// "Vitesse km/h", "time [ms]") or given by CsvColumns; a second row of units
// under the names is read as well. Separators ";", tab or ","; numbers with a
// decimal comma or point; times as seconds, milliseconds, a clock time or an
// ISO date and time.
#include "speedlog/Formats.h"

#include "common/NumberText.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vornax::speedlog {
namespace {

enum class TimeKind { Number, Clock, Iso };

struct Columns {
    int time = -1, speed = -1, latitude = -1, longitude = -1, altitude = -1;
    double speedFactor = kNaN;  // m/s per unit of the column; NaN: not known
    double timeFactor = kNaN;   // s per unit; NaN: not known
    std::string speedName;
};

bool contains(std::initializer_list<std::string_view> names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

double speedUnit(std::string_view unit)
{
    if (contains({"km/h", "kmh", "kph", "km/hr", "kmph", "km h-1"}, unit))
        return kKmh;
    if (contains({"mph", "mi/h"}, unit))
        return kMph;
    if (contains({"m/s", "mps", "ms", "m s-1", "m/sec"}, unit))
        return 1.0;
    if (contains({"kn", "kt", "kts", "knot", "knots", "noeuds", "nds"}, unit))
        return kKnot;
    return kNaN;
}

double timeUnit(std::string_view unit)
{
    if (contains({"s", "sec", "secs", "second", "seconds", "secondes"}, unit))
        return 1.0;
    if (contains({"ms", "msec", "millis", "millisecond", "milliseconds", "millisecondes"}, unit))
        return 0.001;
    return kNaN;
}

bool isSpeedName(std::string_view base)
{
    return contains({"speed", "vitesse", "velocity", "gps speed", "gps_speed", "speed over ground", "sog", "spd", "v",
                     "ground speed", "groundspeed", "speed gps", "vitesse gps"},
                    base);
}

bool isTimeName(std::string_view base)
{
    return contains({"time", "temps", "t", "timestamp", "elapsed", "elapsed time", "time elapsed", "utc", "utc time",
                     "heure", "seconds", "secs", "datetime", "date time", "date/time", "gps time", "clock", "chrono",
                     "horodatage"},
                    base);
}

// A header field as lower-case name and unit: "Speed (km/h)" gives "speed"
// and "km/h", "speed_mph" gives "speed" and "mph".
void nameAndUnit(std::string_view field, std::string& base, std::string& unit)
{
    std::string name = lowerAscii(trimmed(field));
    if (name.size() >= 3 && name.compare(0, 3, "\xEF\xBB\xBF") == 0)
        name.erase(0, 3);
    if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
        name = name.substr(1, name.size() - 2);
    unit.clear();
    const std::size_t open = name.find_first_of("([");
    if (open != std::string::npos) {
        const std::size_t close = name.find_first_of(")]", open);
        unit = std::string(trimmed(std::string_view(name).substr(
            open + 1, close == std::string::npos ? std::string::npos : close - open - 1)));
        base = std::string(trimmed(std::string_view(name).substr(0, open)));
        return;
    }
    base = name;
    const std::size_t cut = name.find_last_of(" _");
    if (cut != std::string::npos) {
        const std::string last = name.substr(cut + 1);
        if (!std::isnan(speedUnit(last)) || !std::isnan(timeUnit(last))) {
            unit = last;
            base = std::string(trimmed(std::string_view(name).substr(0, cut)));
        }
    }
}

void findColumns(const std::vector<std::string_view>& header, Columns& c)
{
    std::string base, unit;
    for (int i = 0; i < static_cast<int>(header.size()); ++i) {
        nameAndUnit(header[static_cast<std::size_t>(i)], base, unit);
        if (c.speed < 0 && isSpeedName(base)) {
            c.speed = i;
            c.speedFactor = speedUnit(unit);
            c.speedName = std::string(trimmed(header[static_cast<std::size_t>(i)]));
        } else if (c.time < 0 && isTimeName(base)) {
            c.time = i;
            c.timeFactor = base == "seconds" || base == "secs" ? 1.0 : timeUnit(unit);
        } else if (c.latitude < 0 && contains({"lat", "latitude"}, base)) {
            c.latitude = i;
        } else if (c.longitude < 0 && contains({"lon", "lng", "long", "longitude"}, base)) {
            c.longitude = i;
        } else if (c.altitude < 0 && contains({"alt", "altitude", "elevation", "ele", "height"}, base)) {
            c.altitude = i;
        }
    }
}

char separatorOf(std::string_view header)
{
    const auto count = [&](char c) { return std::count(header.begin(), header.end(), c); };
    const long semicolons = count(';'), tabs = count('\t'), commas = count(',');
    if (semicolons > 0 && semicolons >= tabs && semicolons >= commas)
        return ';';
    if (tabs > 0 && tabs >= commas)
        return '\t';
    return ',';
}

// Fields of a row; quoted fields ("12,5") lose their quotes and may hold
// the separator (their text is then kept in `store`).
void splitRow(std::string_view line, char separator, std::vector<std::string_view>& out,
              std::vector<std::string>& store)
{
    if (line.find('"') == std::string_view::npos) {
        splitAt(line, separator, out);
        return;
    }
    out.clear();
    store.clear();
    store.reserve(line.size());  // no reallocation: the views stay valid
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        const char c = i < line.size() ? line[i] : separator;
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == separator || i == line.size()) {
            store.push_back(field);
            field.clear();
        } else {
            field += c;
        }
    }
    for (const std::string& f : store)
        out.push_back(f);
}

// A column from CsvColumns: a 1-based number or a header name.
int columnOf(std::string_view wanted, const std::vector<std::string_view>& header)
{
    const std::string_view w = trimmed(wanted);
    if (!w.empty() && std::all_of(w.begin(), w.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        if (w.size() > 6)
            return -2;
        const int n = std::stoi(std::string(w));
        return n >= 1 ? n - 1 : -2;
    }
    std::string base, unit;
    for (int i = 0; i < static_cast<int>(header.size()); ++i) {
        nameAndUnit(header[static_cast<std::size_t>(i)], base, unit);
        const std::string full = lowerAscii(trimmed(header[static_cast<std::size_t>(i)]));
        if (full == lowerAscii(w) || base == lowerAscii(w))
            return i;
    }
    return -2;
}

std::string shown(std::string_view text) { return quotedValue(trimmed(text), 30); }

}  // namespace

bool readCsv(std::string_view text, const CsvColumns& wanted, RawLog& log, SpeedLogError& error)
{
    log.format = SpeedLogFormat::Csv;
    std::vector<std::string_view> header, fields;
    std::vector<std::string> headerStore, store;
    Columns c;
    char separator = ',';
    std::size_t headerLine = 0;
    bool unitsRowChecked = false;
    TimeKind kind = TimeKind::Number;
    bool kindKnown = false;
    MidnightRollover rollover;
    std::string headerText;
    bool failed = false;

    forEachLine(text, [&](std::string_view line, std::size_t number) {
        if (trimmed(line).empty())
            return true;
        if (headerLine == 0) {
            headerLine = number;
            headerText = line;
            separator = separatorOf(line);
            splitRow(headerText, separator, header, headerStore);
            findColumns(header, c);
            if (!wanted.time.empty())
                c.time = columnOf(wanted.time, header);
            if (!wanted.speed.empty()) {
                c.speed = columnOf(wanted.speed, header);
                if (c.speed >= 0 && c.speed < static_cast<int>(header.size())) {
                    std::string base, unit;
                    nameAndUnit(header[static_cast<std::size_t>(c.speed)], base, unit);
                    c.speedFactor = speedUnit(unit);
                    c.speedName = std::string(trimmed(header[static_cast<std::size_t>(c.speed)]));
                }
            }
            if (!wanted.speedUnit.empty()) {
                c.speedFactor = speedUnit(lowerAscii(trimmed(wanted.speedUnit)));
                if (std::isnan(c.speedFactor)) {
                    error = {0, "the speed unit " + shown(wanted.speedUnit) + " is none of km/h, mph, m/s, kn"};
                    failed = true;
                    return false;
                }
            }
            if (c.time == -2 || c.speed == -2) {
                error = {number, "the header has no column " + shown(c.time == -2 ? wanted.time : wanted.speed)};
                failed = true;
                return false;
            }
            if (c.time < 0 || c.speed < 0) {
                error = {number, c.time < 0 ? "no time column in the header (time, temps, timestamp ...)"
                                            : "no speed column in the header (speed, vitesse, velocity ...)"};
                failed = true;
                return false;
            }
            // With both columns given the file may have no header at all:
            // a first row with numbers where they are is the first fix.
            const auto headerField = [&](int column) {
                return column < static_cast<int>(header.size()) ? trimmed(header[static_cast<std::size_t>(column)])
                                                                : std::string_view{};
            };
            const std::string_view firstTime = headerField(c.time);
            const bool noHeader = !wanted.time.empty() && !wanted.speed.empty() &&
                                  speedlog::number(headerField(c.speed)) &&
                                  (speedlog::number(firstTime) || clockSeconds(firstTime) || isoSeconds(firstTime));
            if (!noHeader)
                return true;
            unitsRowChecked = true;
        }
        splitRow(line, separator, fields, store);
        const auto at = [&](int column) -> std::string_view {
            return column >= 0 && column < static_cast<int>(fields.size())
                       ? trimmed(fields[static_cast<std::size_t>(column)])
                       : std::string_view{};
        };
        if (!unitsRowChecked) {
            unitsRowChecked = true;
            // A row of units under the names ("s;km/h;deg").
            const std::string speedText = lowerAscii(at(c.speed));
            if (!speedlog::number(speedText) && !std::isnan(speedUnit(speedText))) {
                if (std::isnan(c.speedFactor) || wanted.speedUnit.empty())
                    c.speedFactor = speedUnit(speedText);
                const double tu = timeUnit(lowerAscii(at(c.time)));
                if (!std::isnan(tu))
                    c.timeFactor = tu;
                return true;
            }
        }
        if (std::isnan(c.speedFactor)) {
            error = {headerLine, "the speed column " + shown(c.speedName) +
                                     " gives no unit (km/h, mph, m/s or kn): name it in the header or give it"};
            failed = true;
            return false;
        }
        if (std::max(c.time, c.speed) >= static_cast<int>(fields.size())) {
            log.skip(number, "row of " + std::to_string(fields.size()) + " fields, without the time or the speed");
            return true;
        }
        const std::string_view timeText = at(c.time);
        if (!kindKnown) {
            kindKnown = true;
            if (timeText.find(':') != std::string_view::npos)
                kind = isoSeconds(timeText) ? TimeKind::Iso : TimeKind::Clock;
        }
        std::optional<double> time;
        if (kind == TimeKind::Number) {
            time = speedlog::number(timeText);
            // Without a unit: seconds, unless the numbers are only possible
            // as milliseconds (of the calendar, as phone apps write them).
            if (time && std::isnan(c.timeFactor))
                c.timeFactor = std::fabs(*time) > 1e11 ? 0.001 : 1.0;
            if (time)
                *time *= c.timeFactor;
        } else if (kind == TimeKind::Clock) {
            time = clockSeconds(timeText);
            if (time)
                *time = rollover.next(*time);
        } else {
            time = isoSeconds(timeText);
        }
        if (!time || std::fabs(*time) > kLargestTime) {
            log.skip(number, "time " + shown(timeText) + " is not a time");
            return true;
        }
        const std::string_view speedText = at(c.speed);
        const auto speed = speedlog::number(speedText);
        if (!speed || *speed < 0 || *speed * c.speedFactor > kHighestSpeed) {
            log.skip(number, "speed " + shown(speedText) + " is not a speed");
            return true;
        }
        RawFix fix;
        fix.line = number;
        fix.time = *time;
        fix.speed = *speed * c.speedFactor;
        const auto coordinate = [&](int column, double limit) {
            const auto v = speedlog::number(at(column));
            return v && std::fabs(*v) <= limit ? *v : kNaN;
        };
        fix.latitude = coordinate(c.latitude, 90);
        fix.longitude = coordinate(c.longitude, 180);
        fix.altitude = coordinate(c.altitude, 1e5);
        if (log.fixes.empty() && kind != TimeKind::Number)
            log.clockStart = timeText;
        log.fixes.push_back(fix);
        return true;
    });
    if (failed)
        return false;
    if (headerLine == 0) {
        error = {0, "the file is empty"};
        return false;
    }
    return true;
}

bool looksLikeCsv(std::string_view head)
{
    bool found = false;
    forEachLine(head, [&](std::string_view line, std::size_t) {
        if (trimmed(line).empty())
            return true;
        std::vector<std::string_view> header;
        std::vector<std::string> store;
        splitRow(line, separatorOf(line), header, store);
        Columns c;
        findColumns(header, c);
        found = header.size() >= 2 && c.time >= 0 && c.speed >= 0;
        return false;
    });
    return found;
}

Result<std::string> csvBytes(const SpeedLog& log)
{
    const bool positions =
        std::any_of(log.fixes.begin(), log.fixes.end(), [](const SpeedFix& f) { return std::isfinite(f.latitude); });
    const bool altitudes =
        std::any_of(log.fixes.begin(), log.fixes.end(), [](const SpeedFix& f) { return std::isfinite(f.altitude); });
    std::string out = "time (s);speed (km/h)";
    if (positions)
        out += ";latitude;longitude";
    if (altitudes)
        out += ";altitude (m)";
    out += "\r\n";
    out.reserve(log.fixes.size() * 64);
    const auto optional = [](double v, int decimals) { return std::isfinite(v) ? decimalsText(v, decimals) : ""; };
    // A lost fix is a row the logger never wrote: CSV has no field for it.
    for (const SpeedFix& fix : log.fixes) {
        if (!fix.valid)
            continue;
        out += decimalsText(fix.time, 3) + ";" + decimalsText(fix.speed * 3.6, 3);
        if (positions)
            out += ";" + optional(fix.latitude, 8) + ";" + optional(fix.longitude, 8);
        if (altitudes)
            out += ";" + optional(fix.altitude, 2);
        out += "\r\n";
    }
    return out;
}

}  // namespace vornax::speedlog
