#include "common/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace vornax {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimSpaces(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// Checks the grammar of a decimal and rewrites it in the form from_chars
// takes: "-12.5e+3" (a point, no leading "+", digits on both sides).
std::optional<std::string> canonicalDecimal(std::string_view text)
{
    text = trimSpaces(text);
    std::string out;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            out += '-';
        ++i;
    }
    std::string intDigits, fracDigits;
    while (i < text.size() && isDigit(text[i]))
        intDigits += text[i++];
    if (i < text.size() && (text[i] == ',' || text[i] == '.')) {
        ++i;
        while (i < text.size() && isDigit(text[i]))
            fracDigits += text[i++];
    }
    if (intDigits.empty() && fracDigits.empty())
        return std::nullopt;
    out += intDigits.empty() ? "0" : intDigits;
    out += '.';
    out += fracDigits.empty() ? "0" : fracDigits;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        out += 'e';
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            out += text[i++];
        const std::size_t expStart = i;
        while (i < text.size() && isDigit(text[i]))
            out += text[i++];
        if (i == expStart)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    return out;
}

// Power of ten of the leading digit of a canonical decimal ("0.05e3" -> 1).
long long decimalMagnitude(const std::string& canonical)
{
    const std::size_t point = canonical.find('.');
    const std::size_t expPos = canonical.find('e');
    const std::size_t start = canonical[0] == '-' ? 1 : 0;
    long long exponent = 0;
    if (expPos != std::string::npos) {
        const char* first = canonical.data() + expPos + 1;
        if (*first == '+')
            ++first;
        const auto [p, ec] = std::from_chars(first, canonical.data() + canonical.size(), exponent);
        if (ec != std::errc())
            exponent = (*first == '-') ? -(1LL << 40) : (1LL << 40);
        // Far past any float either way; held there so that adding the
        // leading digit's position cannot overflow ("95E9223372036854775807").
        exponent = std::clamp(exponent, -(1LL << 40), 1LL << 40);
    }
    const std::size_t firstNonZero = canonical.find_first_of("123456789", start);
    if (firstNonZero == std::string::npos || (expPos != std::string::npos && firstNonZero > expPos))
        return -(1LL << 41);  // zero
    const long long lead = firstNonZero < point ? static_cast<long long>(point - firstNonZero) - 1
                                                : -static_cast<long long>(firstNonZero - point);
    return lead + exponent;
}

template <typename T>
std::optional<T> parseFloating(std::string_view text)
{
    const auto canonical = canonicalDecimal(text);
    if (!canonical)
        return std::nullopt;
    const char* first = canonical->data();
    const char* last = first + canonical->size();
    T value{};
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec == std::errc::result_out_of_range) {
        // Too small to hold is zero; too large is a failure.
        if (decimalMagnitude(*canonical) < 0)
            return static_cast<T>((*canonical)[0] == '-' ? -0.0 : 0.0);
        return std::nullopt;
    }
    if (ec != std::errc() || ptr != last || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The value's exact binary value rounded to `digits` significant digits (ties
// to even): the digits and the decimal exponent of the first one. Written by
// to_chars, which never looks at the C locale.
struct Scientific {
    std::string digits;  // exactly `digits` of them, no sign
    int exponent = 0;
};

Scientific scientificDigits(double value, int digits)
{
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, digits - 1);
    Scientific out;
    const char* p = buffer;
    for (; p != end && *p != 'e'; ++p)
        if (isDigit(*p))
            out.digits += *p;
    if (p != end) {
        ++p;
        if (p != end && *p == '+')
            ++p;
        std::from_chars(p, end, out.exponent);
    }
    (void)ec;  // 64 characters always hold a double's scientific text
    return out;
}

std::string withoutTrailingZeros(std::string digits)
{
    digits.erase(digits.find_last_not_of('0') + 1);
    return digits;
}

// printf-style %.<digits>G text with the decimal comma; zero is "0".
std::string generalText(double value, int digits)
{
    if (value == 0)
        return "0";
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Infinity" : "Infinity";
    const Scientific sci = scientificDigits(value, digits);
    std::string text = value < 0 ? "-" : "";
    const int e = sci.exponent;
    if (e < -4 || e >= digits) {
        const std::string fraction = withoutTrailingZeros(sci.digits.substr(1));
        text += sci.digits[0];
        if (!fraction.empty())
            text += ',' + fraction;
        const int magnitude = e < 0 ? -e : e;
        text += e < 0 ? "E-" : "E+";
        if (magnitude < 10)
            text += '0';
        text += std::to_string(magnitude);
        return text;
    }
    std::string whole, fraction;
    if (e >= 0) {
        whole = sci.digits.substr(0, static_cast<std::size_t>(e) + 1);
        fraction = sci.digits.substr(static_cast<std::size_t>(e) + 1);
    } else {
        whole = "0";
        fraction = std::string(static_cast<std::size_t>(-e - 1), '0') + sci.digits;
    }
    fraction = withoutTrailingZeros(fraction);
    text += whole;
    if (!fraction.empty())
        text += ',' + fraction;
    return text;
}

// Adds one to a string of decimal digits, growing it on a carry out.
void incrementDigits(std::string& digits)
{
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

}  // namespace

std::optional<float> parseSingle(std::string_view text) { return parseFloating<float>(text); }

std::optional<double> parseDouble(std::string_view text) { return parseFloating<double>(text); }

std::optional<std::int16_t> parseInt16(std::string_view text)
{
    const auto value = parseDouble(text);
    if (!value)
        return std::nullopt;
    const double rounded = std::nearbyint(*value);  // default mode: halves to even
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::string singleText(float value) { return generalText(static_cast<double>(value), 7); }

std::string doubleText(double value) { return generalText(value, 15); }

std::string printedNumber(std::string_view numberText)
{
    std::string out;
    if (numberText.empty() || numberText.front() != '-')
        out += ' ';
    out += numberText;
    out += ' ';
    return out;
}

std::string formatPattern(double value, Pattern pattern, DecimalMark mark)
{
    if (!std::isfinite(value))
        return generalText(value, 15);
    const int decimals = pattern == Pattern::ThreeDecimals ? 3
                         : pattern == Pattern::TwoDecimals ? 2
                         : pattern == Pattern::Whole       ? 0
                                                           : 1;

    // The 15 significant digits d0.d1...d14 x 10^exponent of the value.
    const Scientific sci = scientificDigits(value, 15);
    const std::string& digits = sci.digits;
    const int exponent = sci.exponent;

    // Keep the digits whose place value is at least 10^-decimals, rounding the
    // first dropped digit half away from zero. The kept digits are the value
    // times 10^decimals as a whole number.
    const int keep = exponent + decimals + 1;
    std::string scaled;
    if (keep < 0) {
        scaled = "0";
    } else if (keep == 0) {
        scaled = digits[0] >= '5' ? "1" : "0";
    } else if (keep >= static_cast<int>(digits.size())) {
        scaled = digits + std::string(static_cast<std::size_t>(keep) - digits.size(), '0');
    } else {
        scaled = digits.substr(0, static_cast<std::size_t>(keep));
        if (digits[static_cast<std::size_t>(keep)] >= '5')
            incrementDigits(scaled);
    }
    if (scaled.size() < static_cast<std::size_t>(decimals) + 1)
        scaled.insert(0, static_cast<std::size_t>(decimals) + 1 - scaled.size(), '0');

    std::string intPart = scaled.substr(0, scaled.size() - static_cast<std::size_t>(decimals));
    std::string fracPart = scaled.substr(scaled.size() - static_cast<std::size_t>(decimals));
    intPart.erase(0, std::min(intPart.find_first_not_of('0'), intPart.size() - 1));
    if (pattern == Pattern::UpToOne && fracPart == "0")
        fracPart.clear();

    const bool isZero = scaled.find_first_not_of('0') == std::string::npos;
    std::string out = (value < 0 && !isZero) ? "-" : "";
    out += intPart;
    if (pattern != Pattern::Whole) {
        out += mark == DecimalMark::Point ? '.' : ',';
        out += fracPart;
    }
    return out;
}

std::optional<Pattern> patternFromText(std::string_view pattern)
{
    if (pattern == "#0.00")
        return Pattern::TwoDecimals;
    if (pattern == "#0.0")
        return Pattern::OneDecimal;
    if (pattern == "#0.#")
        return Pattern::UpToOne;
    if (pattern == "#0")
        return Pattern::Whole;
    if (pattern == "#0.000")
        return Pattern::ThreeDecimals;
    return std::nullopt;
}

std::string decimalsText(double value, int decimals, DecimalMark mark)
{
    decimals = std::clamp(decimals, 0, 15);
    if (!std::isfinite(value))
        return generalText(value, 15);
    char buffer[400];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (ec != std::errc())
        return generalText(value, 15);
    std::string text(buffer, end);
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    if (mark == DecimalMark::Comma)
        std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

std::string wholeText(double value)
{
    return decimalsText(std::nearbyint(value), 0);  // default mode: halves to even
}

double shortestSingleAsDouble(float value)
{
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    double out = value;
    if (ec == std::errc())
        std::from_chars(buffer, end, out);
    return out;
}

std::string pointsToCommas(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c == '.')
            c = ',';
    return out;
}

}  // namespace vornax
