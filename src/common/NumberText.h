// Numbers as text, the French way: decimal comma, no thousands separator.
//
// This is the one place that turns numbers into text and back. The program's
// files, its parameter store and its fields all hold numbers as text, and the
// files it exchanges expect exactly these forms.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vornax {

// Parses a decimal: optional sign, digits with a decimal comma (a point is
// accepted too), optional exponent ("1,5E+07"); spaces around it are ignored.
// "100," and ",5" are accepted. Anything else, an empty text, or a value out
// of the type's range is a failure (nullopt).
std::optional<float> parseSingle(std::string_view text);
std::optional<double> parseDouble(std::string_view text);

// Parses a decimal and rounds it to the nearest whole number, halves to the
// even neighbour ("22,5" -> 22, "23,5" -> 24). Fails outside -32768..32767.
std::optional<std::int16_t> parseInt16(std::string_view text);

// Shortest text of a single: its exact value rounded to 7 significant digits
// (ties to even), trailing zeros and a trailing comma dropped, exponent form
// ("1,234568E+07", "1E-05") when the decimal exponent is below -4 or above 6.
// Zero is "0", never "-0".
std::string singleText(float value);

// The same with up to 15 significant digits, for doubles.
std::string doubleText(double value);

// A number written alone on a line of a text file: a space before it when it
// is not negative, and a space after it (" 3,5 ", "-2 ").
std::string printedNumber(std::string_view numberText);
inline std::string printedSingle(float v) { return printedNumber(singleText(v)); }
inline std::string printedDouble(double v) { return printedNumber(doubleText(v)); }

// Display patterns. The value is first written as its 15-significant-digit
// decimal text, and that text is rounded half away from zero:
//   TwoDecimals "#0.00"   2.675 -> "2,68"
//   OneDecimal  "#0.0"    22.62 -> "22,6"
//   UpToOne     "#0.#"    22.62 -> "22,6", 100 -> "100,"
//   Whole       "#0"      22.5  -> "23"
//   ThreeDecimals "#0.000" 1.0325 -> "1,033" (factors such as a correction's k)
enum class Pattern { TwoDecimals, OneDecimal, UpToOne, Whole, ThreeDecimals };

// The decimal separator of a display text: the comma of every window and
// file, or the point of the command line's own lines.
enum class DecimalMark { Comma, Point };

std::string formatPattern(double value, Pattern pattern, DecimalMark mark = DecimalMark::Comma);

// Pattern from its written form ("#0.00", "#0.0", "#0.#", "#0"); nullopt for
// any other text.
std::optional<Pattern> patternFromText(std::string_view pattern);

// A whole number, rounded halves to even, without separator ("5448"); zero is
// "0", never "-0".
std::string wholeText(double value);

// `value` with exactly `decimals` decimals (0 to 15), rounded to nearest, a
// comma (or the point asked for) before them ("0,052"); zero is never "-0".
std::string decimalsText(double value, int decimals, DecimalMark mark = DecimalMark::Comma);

// The double nearest the shortest decimal that reads back as the same single
// (what a JSON number of a single should be: 0.1f gives 0.1, not 0.100000001).
double shortestSingleAsDouble(float value);

// Turns every "." of a field's text into "," (what a numeric field does when
// it loses the focus).
std::string pointsToCommas(std::string_view text);

}  // namespace vornax
