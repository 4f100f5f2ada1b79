// The texts the power window shows for a result: the two summary lines, the
// axis values and the window caption. Words and units come from the store, so
// they follow the language in force.
#pragma once

#include "power/AirCorrection.h"
#include "power/PowerComputation.h"
#include "store/Varia.h"

#include <array>
#include <string>

namespace vornax {

struct SummaryLines {
    std::string power;   // Label22: "Puissance max: 83,42ch / 6123,0 tr/min"
    std::string torque;  // Label23: "Couple max: 10,12mkg/ 4010,0 tr/min"
};
// The power line separates the rpm with " / ", the torque line with "/ ":
// both are kept as users have always seen them.
SummaryLines summaryLines(const PowerExtremes& extremes, const Varia& store);

// What a corrected result says of its correction, in the program's language:
// "corrected DIN 70020, k = 1,032" (k to three decimals); empty when there is
// none.
std::string correctionNote(const PowerCorrection& correction);
// The summary lines of a corrected result: each ends with ", " and the
// correction's note. Without a correction, exactly the lines above.
SummaryLines summaryLines(const PowerExtremes& extremes, const Varia& store, const PowerCorrection& correction);

struct AxisLabels {
    std::array<std::string, 10> power;   // Label1 ... Label10, top to bottom, "#0.0"
    std::array<std::string, 10> torque;  // LabelC1 ... LabelC10, top to bottom, "#0.0"
    std::array<std::string, 9> rpm;      // Label11 ... Label19, left to right, whole numbers
};
AxisLabels axisLabels(const ChartScale& scale);

// LbMcalcP + "     ****" + Lbnom + "****".
std::string powerWindowCaption(const Varia& store);

}  // namespace vornax
