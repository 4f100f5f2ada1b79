// The power curve file: data lines "rpm;torque;power" (torque and power in
// the display units in force when it was written, each value the shortest
// text of its single: decimal comma, "-" when negative, exponent form when
// very large or small), then the power factor (watts per display unit) and
// the torque factor (display units per N·m), each alone on its line as a
// printed number (" 736 "). CR LF lines.
//
// Written by the power computation and by the average; read by the
// comparison and by the acceleration window, each with its own rules on top
// of the one reading of a line given here (which lines may be factor lines,
// how many lines, how the values are brought to the units in force now).
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vornax {

// One point of a power curve.
struct PowerPoint {
    float rpm = 0;     // engine speed, rpm
    float torque = 0;  // display torque unit
    float power = 0;   // display power unit
};

// The file's text: the points in order, then the two factor lines.
std::string powerFileText(std::span<const PowerPoint> points, float wattsPerUnit, float unitsPerNm);

// A line without ";" is a factor line; every other line is a data line.
inline bool isFactorLine(std::string_view line) { return line.find(';') == std::string_view::npos; }

// A data line's fields as they read: engine speed before the first ";" as a
// single, torque and power after it as doubles (the readers rescale them
// before they become singles). A field that is absent or not a number is
// empty.
struct PowerDataLine {
    std::optional<float> rpm;
    bool threeFields = false;  // a second ";" follows the first
    std::optional<double> torque, power;
};
PowerDataLine readPowerDataLine(std::string_view line);

// A factor line's value; empty when it is not a number.
std::optional<float> readFactorLine(std::string_view line);

}  // namespace vornax
