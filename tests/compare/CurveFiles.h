// Power curve files made up for the tests: data lines "rpm;torque;power" in
// the program's number text, then (optionally) the two printed factor lines.
#pragma once

#include "common/NumberText.h"
#include "compare/CurveSlot.h"

#include <optional>
#include <string>
#include <vector>

namespace vornax::testing {

using compare::CurveSlot;
using vornax::PowerPoint;

struct Factors {
    float watt, nm;
};

inline std::string curveText(const std::vector<PowerPoint>& points, std::optional<Factors> factors = {})
{
    std::string text;
    for (const PowerPoint& p : points)
        text += singleText(p.rpm) + ";" + singleText(p.torque) + ";" + singleText(p.power) + "\r\n";
    if (factors)
        text += printedSingle(factors->watt) + "\r\n" + printedSingle(factors->nm) + "\r\n";
    return text;
}

// A run of `count` points from `rpm0` rising by `step`, with a torque hump and
// the power that goes with it (kW-like numbers).
inline std::vector<PowerPoint> risingCurve(int count, float rpm0 = 2000, float step = 25, float torque0 = 80)
{
    std::vector<PowerPoint> points;
    for (int i = 0; i < count; ++i) {
        const float rpm = rpm0 + step * static_cast<float>(i);
        const float x = static_cast<float>(i) / static_cast<float>(count);
        const float torque = torque0 * (0.8f + 0.8f * x - 0.7f * x * x);
        points.push_back({rpm, torque, rpm * torque / 9549.0f});
    }
    return points;
}

// Lines as the reader takes them (no line ends).
inline std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// A slot read from points, in units where both factors are 1.
inline CurveSlot slotOf(const std::vector<PowerPoint>& points, bool ticked = true)
{
    CurveSlot slot;
    loadCurveLines(linesOf(curveText(points)), slot, {1, 1});
    slot.ticked = ticked;
    return slot;
}

}  // namespace vornax::testing
