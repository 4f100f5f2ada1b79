#include "speedlog/LogText.h"

#include "common/NumberText.h"

#include <algorithm>
#include <cmath>

namespace vornax::speedlog {

void RawLog::skip(std::size_t line, std::string what)
{
    ++skippedLines;
    if (problems.size() < 20)
        problems.push_back({line, std::move(what)});
}

std::string_view trimmed(std::string_view text)
{
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string lowerAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

void splitAt(std::string_view line, char separator, std::vector<std::string_view>& out)
{
    out.clear();
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = line.find(separator, start);
        if (end == std::string_view::npos) {
            out.push_back(line.substr(start));
            return;
        }
        out.push_back(line.substr(start, end - start));
        start = end + 1;
    }
}

void splitSpaces(std::string_view line, std::vector<std::string_view>& out)
{
    out.clear();
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        if (i > start)
            out.push_back(line.substr(start, i - start));
    }
}

std::optional<double> number(std::string_view text)
{
    const auto value = parseDouble(text);
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return value;
}

namespace {

bool digitsAt(std::string_view text, std::size_t at, std::size_t count, int& value)
{
    if (at + count > text.size())
        return false;
    value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

// Fraction of a second from ".ss" or ",ss" at the end; the whole rest must be it.
bool fractionAt(std::string_view text, std::size_t at, double& fraction)
{
    fraction = 0;
    if (at == text.size())
        return true;
    if (text[at] != '.' && text[at] != ',')
        return false;
    if (at + 1 == text.size() || text.size() - at > 12)
        return false;
    double scale = 0.1;
    for (std::size_t i = at + 1; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        fraction += (text[i] - '0') * scale;
        scale /= 10;
    }
    return true;
}

std::optional<double> checkedClock(int h, int m, int s, double fraction)
{
    if (h > 23 || m > 59 || s > 60)
        return std::nullopt;
    return h * 3600.0 + m * 60.0 + s + fraction;
}

}  // namespace

std::optional<double> clockSeconds(std::string_view text)
{
    text = trimmed(text);
    int h = 0, m = 0, s = 0;
    double fraction = 0;
    if (text.find(':') == std::string_view::npos) {
        if (digitsAt(text, 0, 2, h) && digitsAt(text, 2, 2, m) && digitsAt(text, 4, 2, s) &&
            fractionAt(text, 6, fraction))
            return checkedClock(h, m, s, fraction);
        return std::nullopt;
    }
    // h:mm:ss or hh:mm:ss
    const std::size_t hourDigits = text.find(':');
    if (hourDigits < 1 || hourDigits > 2 || !digitsAt(text, 0, hourDigits, h))
        return std::nullopt;
    const std::size_t at = hourDigits + 1;
    if (!digitsAt(text, at, 2, m) || text.size() < at + 3 || text[at + 2] != ':' || !digitsAt(text, at + 3, 2, s) ||
        !fractionAt(text, at + 5, fraction))
        return std::nullopt;
    return checkedClock(h, m, s, fraction);
}

long long daysFromCivil(int year, int month, int day)
{
    // Days of whole 400-year eras, then of the years, months and days within
    // one, counting the year from March so that the leap day falls last.
    const long long y = static_cast<long long>(year) - (month <= 2 ? 1 : 0);
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yearOfEra = y - era * 400;
    const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void civilFromDays(long long days, int& year, int& month, int& day)
{
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long mp = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

namespace {

int daysInMonth(int year, int month)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

// "YYYY-MM-DD" at the start of text.
bool isoDate(std::string_view text, int& year, int& month, int& day)
{
    if (!digitsAt(text, 0, 4, year) || text.size() < 10 || text[4] != '-' || !digitsAt(text, 5, 2, month) ||
        text[7] != '-' || !digitsAt(text, 8, 2, day))
        return false;
    return month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(year, month);
}

}  // namespace

std::optional<double> isoSeconds(std::string_view text)
{
    text = trimmed(text);
    int year = 0, month = 0, day = 0;
    if (!isoDate(text, year, month, day) || text.size() < 11 || (text[10] != 'T' && text[10] != ' '))
        return std::nullopt;
    std::string_view clock = text.substr(11);
    double zone = 0;  // seconds ahead of UTC
    if (!clock.empty() && (clock.back() == 'Z' || clock.back() == 'z')) {
        clock.remove_suffix(1);
    } else if (clock.size() > 6 && (clock[clock.size() - 6] == '+' || clock[clock.size() - 6] == '-') &&
               clock[clock.size() - 3] == ':') {
        int zh = 0, zm = 0;
        if (!digitsAt(clock, clock.size() - 5, 2, zh) || !digitsAt(clock, clock.size() - 2, 2, zm) || zh > 14 ||
            zm > 59)
            return std::nullopt;
        zone = (clock[clock.size() - 6] == '+' ? 1 : -1) * (zh * 3600.0 + zm * 60.0);
        clock.remove_suffix(6);
    }
    if (clock.find(':') == std::string_view::npos)
        return std::nullopt;
    const auto seconds = clockSeconds(clock);
    if (!seconds)
        return std::nullopt;
    return static_cast<double>(daysFromCivil(year, month, day)) * 86400.0 + *seconds - zone;
}

double MidnightRollover::next(double secondsOfDay)
{
    if (previous_ >= 0 && secondsOfDay < previous_ - 43200.0)
        days_ += 1;
    previous_ = secondsOfDay;
    return days_ * 86400.0 + secondsOfDay;
}

std::optional<ClockStart> parseClockStart(std::string_view text)
{
    text = trimmed(text);
    ClockStart start;
    if (text.empty())
        return start;
    if (const auto clock = clockSeconds(text)) {
        start.secondsOfDay = *clock;
        return start;
    }
    if (const auto iso = isoSeconds(text)) {
        start.day = static_cast<long long>(std::floor(*iso / 86400.0));
        start.secondsOfDay = *iso - static_cast<double>(start.day) * 86400.0;
        return start;
    }
    return std::nullopt;
}

std::string pointDecimals(double value, int decimals)
{
    std::string text = decimalsText(value, decimals);
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

std::string paddedWhole(long long value, int width)
{
    std::string text = wholeText(static_cast<double>(value));
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
    return text;
}

std::string clockDigits(double seconds, long long& day)
{
    // Rounded to the hundredth first, so that 59,999 s is the next minute.
    const long long hundredths = std::llround(seconds * 100.0);
    day += hundredths / 8640000;
    const long long ofDay = hundredths % 8640000;
    return paddedWhole(ofDay / 360000, 2) + paddedWhole(ofDay / 6000 % 60, 2) + paddedWhole(ofDay / 100 % 60, 2) + "." +
           paddedWhole(ofDay % 100, 2);
}

}  // namespace vornax::speedlog
