// The readings of the parameter store that more than one window, the command
// line, the demo and the report make: each is written here once, with one
// message when the stored text does not give a usable value.
#pragma once

#include "common/Result.h"
#include "store/Varia.h"

#include <string>
#include <vector>

namespace vornax {

// The display units of the language in force: LbConvertionWatt (watts per
// display power unit) and LbConvertionNm (display torque units per N·m), read
// as singles.
struct DisplayUnits {
    float wattsPerPowerUnit = 1;
    float torquePerNm = 1;
};

// Fails, naming the entry by what the user calls it, when a factor is not a
// number, is zero or is not finite (no power or torque could be shown in it).
Result<DisplayUnits> displayUnits(const Varia& store);

// The speed display factor Lbcoefkm (display speed units per km/h). Fails,
// naming it, when it is not a number above zero: every speed and distance
// shown is scaled by it, and a file saved with another could not be read back.
Result<float> speedFactor(const Varia& store);

// The gears of the committed gearbox, the one reading of its choice
// `lblboite` for every window: 5 when it is 7 (five-speed box), 6 when it is 8
// (six-speed box), 4 for any other value or a text that is not a number. The
// choice is a list index, read as every stored index is: rounded to the
// nearest whole number, halves to the even neighbour ("7,4" is 7).
int gearboxGears(const Varia& store);

// The gears the windows offer: "1e" ... "4e", "5e", "6e", as many as
// gearboxGears.
std::vector<std::string> gearNames(const Varia& store);

// Store entries of the gear with list index 0 (1st gear) ... 5 (6th gear).
struct GearEntries {
    const char* ratio;  // LbPr, LbDe, LbTr, lbqt, lbcq, lbsix
    const char* loss;   // lbperte1e, LbPerteB (2nd, 3rd), lbperte4e (4th ... 6th)
};
constexpr int kGearCount = 6;
GearEntries gearEntries(int gearIndex);  // gearIndex in 0 .. 5

}  // namespace vornax
