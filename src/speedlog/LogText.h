// Pieces the speed-log readers and writers share: lines of a text as views,
// fields, clock and calendar times, and the fixes as a reader collects them
// before the common checks turn them into a SpeedLog.
#pragma once

#include "common/Physics.h"
#include "speedlog/SpeedLog.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vornax::speedlog {

inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
inline constexpr double kKnot = 1852.0 / 3600.0;  // m/s per knot
inline constexpr double kKmh = physics::kMpsPerKmh;  // m/s per km/h
inline constexpr double kMph = 0.44704;           // m/s per mile an hour
// No car on a road goes faster; a larger speed is a damaged field.
inline constexpr double kHighestSpeed = 150.0;  // m/s (540 km/h)
// Times beyond this (s) lose the hundredths a log needs when made relative.
inline constexpr double kLargestTime = 1e13;

// A fix as a reader finds it: its time in the file's own scale (seconds of
// a clock, calendar seconds or seconds of a counter), a speed that may still
// be missing (NaN: taken from the positions afterwards) and its line.
struct RawFix {
    double time = 0;
    double speed = kNaN;
    double latitude = kNaN;
    double longitude = kNaN;
    double altitude = kNaN;
    bool valid = true;
    std::size_t line = 0;
};

struct RawLog {
    SpeedLogFormat format = SpeedLogFormat::Csv;
    std::vector<RawFix> fixes;
    std::size_t skippedLines = 0;
    std::vector<SpeedLogProblem> problems;
    std::string clockStart;

    // Counts a skipped line and keeps the first 20 reasons.
    void skip(std::size_t line, std::string what);
};

// Calls `each(line, number)` for every line of `text` (CR LF or LF ends,
// numbers from 1), without copying; returns false as soon as `each` does.
template <typename Each>
bool forEachLine(std::string_view text, Each&& each)
{
    std::size_t number = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!each(line, ++number))
            return false;
        start = end + 1;
    }
    return true;
}

std::string_view trimmed(std::string_view text);
std::string lowerAscii(std::string_view text);

// Fields of a line at `separator` (no quoting); `out` is reused.
void splitAt(std::string_view line, char separator, std::vector<std::string_view>& out);
// Fields at runs of spaces or tabs.
void splitSpaces(std::string_view line, std::vector<std::string_view>& out);

// A decimal with a point or a comma; nullopt for anything else, NaN and
// infinities included.
std::optional<double> number(std::string_view text);

// Seconds of the day of "hhmmss", "hhmmss.ss", "hh:mm:ss", "h:mm:ss.sss" or
// "hh:mm:ss,ss"; nullopt for anything else or an hour, minute or second out
// of range.
std::optional<double> clockSeconds(std::string_view text);

// Days from 1970-01-01 of a date of the proleptic Gregorian calendar.
long long daysFromCivil(int year, int month, int day);

// Seconds from 1970-01-01T00:00:00Z of an ISO 8601 date and time
// ("2026-05-01T12:35:19.04Z", "2026-05-01 12:35:19", "...+02:00"); no zone
// is read as UTC.
std::optional<double> isoSeconds(std::string_view text);

// Turns clock times of the day into one increasing scale: a time more than
// half a day before the previous one is taken as the next day (a log that
// runs past midnight).
class MidnightRollover {
public:
    double next(double secondsOfDay);

private:
    double previous_ = -1;
    double days_ = 0;
};

// The clock time of a log's first fix, from the texts readers keep in
// `clockStart`: nothing ("" is midnight of the first day), a clock time, or
// an ISO date and time.
struct ClockStart {
    long long day = daysFromCivil(2026, 1, 1);  // days from 1970-01-01
    double secondsOfDay = 0;
};
std::optional<ClockStart> parseClockStart(std::string_view text);

// `value` with exactly `decimals` decimals and a decimal point: the number
// form of formats that are not the program's own (NMEA, GPX, VBO).
std::string pointDecimals(double value, int decimals);

// A whole number with leading zeros to `width` digits ("07"); not negative.
std::string paddedWhole(long long value, int width);

// "hhmmss.ss" of `seconds` from midnight of `day` (days from 1970-01-01),
// rounded to the hundredth; `day` moves on past each midnight.
std::string clockDigits(double seconds, long long& day);

// Calendar date of a day from 1970-01-01.
void civilFromDays(long long days, int& year, int& month, int& day);

}  // namespace vornax::speedlog
