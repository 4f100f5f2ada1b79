#include "power/PowerTexts.h"

#include "common/NumberText.h"
#include "power/AddedTexts.h"

#include <cmath>

namespace vornax {

SummaryLines summaryLines(const PowerExtremes& e, const Varia& store)
{
    const std::string& rpmUnit = store.get("LbUniteRegime");
    SummaryLines lines;
    lines.power = store.get("LbPuissance") + " max: " + formatPattern(e.maxPower, Pattern::TwoDecimals) +
                  store.get("LbUnitePuissance") + " / " + formatPattern(e.rpmAtMaxPower, Pattern::OneDecimal) + " " +
                  rpmUnit;
    lines.torque = store.get("LbCouple") + " max: " + formatPattern(e.maxTorque, Pattern::TwoDecimals) +
                   store.get("LbUniteCouple") + "/ " + formatPattern(e.rpmAtMaxTorque, Pattern::OneDecimal) + " " +
                   rpmUnit;
    return lines;
}

std::string correctionNote(const PowerCorrection& correction)
{
    if (!correction.active())
        return {};
    return addedTexts().corrected + " " + standardInfo(correction.standard).name +
           ", k = " + formatPattern(correction.factor, Pattern::ThreeDecimals);
}

SummaryLines summaryLines(const PowerExtremes& extremes, const Varia& store, const PowerCorrection& correction)
{
    SummaryLines lines = summaryLines(extremes, store);
    if (correction.active()) {
        const std::string note = ", " + correctionNote(correction);
        lines.power += note;
        lines.torque += note;
    }
    return lines;
}

namespace {

// A whole engine speed, rounded halves to even. Engine speeds stay far inside
// 16 bits; a value beyond is still written rather than stopping the drawing.
std::string wholeRpm(double value) { return wholeText(value); }

}  // namespace

AxisLabels axisLabels(const ChartScale& s)
{
    AxisLabels labels;
    for (int row = 0; row < 10; ++row) {
        // Row 0 is the top (j = 9) and row 9 the bottom (j = 0).
        const int j = 9 - row;
        const double power = row == 0   ? s.powerTop
                             : row == 9 ? s.powerBottom
                                        : s.powerBottom + static_cast<double>(s.powerSpan) * j / 9.0;
        const double torque = row == 0   ? s.torqueTop
                              : row == 9 ? s.torqueBottom
                                         : s.torqueBottom + static_cast<double>(s.torqueSpan) * j / 9.0;
        labels.power[static_cast<std::size_t>(row)] = formatPattern(power, Pattern::OneDecimal);
        labels.torque[static_cast<std::size_t>(row)] = formatPattern(torque, Pattern::OneDecimal);
    }
    for (int col = 0; col < 9; ++col) {
        const double rpm = col == 0   ? s.rpmLeft
                           : col == 8 ? s.rpmRight
                                      : s.rpmLeft + static_cast<double>(s.rpmSpan) * (col * 0.125);
        labels.rpm[static_cast<std::size_t>(col)] = wholeRpm(rpm);
    }
    return labels;
}

std::string powerWindowCaption(const Varia& store)
{
    return store.get("LbMcalcP") + "     ****" + store.get("Lbnom") + "****";
}

}  // namespace vornax
