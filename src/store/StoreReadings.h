// The readings of the parameter store that more than one window, the command
// line, the demo and the report make: each is written here once, with one
// message when the stored text does not give a usable value.
#pragma once

#include "common/Result.h"
#include "store/Varia.h"

#include <cstdint>
#include <string>
#include <string_view>
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

// A tyre as the vehicle editor gives it: 145/70/12.
struct Tyre {
    std::int16_t widthMm = 0;        // LbLp
    std::int16_t aspectPercent = 0;  // LbHp
    std::int16_t rimInches = 0;      // LbDp
};

// Wheel radius in metres: sidewall height (width in cm times the aspect
// ratio) plus half the rim in cm, over 100, in double. 145/70/12 gives
// 0.2539 m. (The acceleration model forms its own radius in single from the
// tyre fields of its window: simulatedWheelRadius.)
double wheelRadius(const Tyre& tyre);

// The committed vehicle's entries, each read once, converted as every stored
// text is: ratios, drag area, inertias and the rolling coefficient as
// singles; tyre sizes, mass and losses as 16-bit integers (halves to the even
// neighbour, so a loss of "22,62" is 23 % and "22,5" is 22 %). An entry that
// holds no number carries its one message, naming it as the user knows it
// with its text ("no vehicle has been confirmed yet" while it holds "?"); a
// computation takes only the entries it uses, so a bad one fails only those.
struct VehicleReadings {
    Result<float> finalDrive;            // LbRp
    Result<std::int16_t> tyreWidthMm;    // LbLp
    Result<std::int16_t> aspectPercent;  // LbHp
    Result<std::int16_t> rimInches;      // LbDp
    Result<std::int16_t> massKg;         // LbPoid
    Result<float> scx;                   // LbSCx, m²
    Result<float> engineInertia;         // LbImoteur, kg·m²
    Result<float> wheelInertia;          // lbIroue, kg·m²
    // lbCrr: the car's own, from a coast-down; the program's constant when
    // the entry is empty.
    Result<double> rollingCoefficient;
    std::vector<Result<float>> gearRatios;  // gear list index 0 ... 5 (gearEntries)
    Result<std::int16_t> firstGearLoss;     // lbperte1e
    Result<std::int16_t> gearboxLoss;       // LbPerteB, through the gearbox
    Result<std::int16_t> directGearLoss;    // lbperte4e

    // The reading of a loss entry (lbperte1e, LbPerteB or lbperte4e): the
    // power computation takes a gear's from gearEntries, the acceleration
    // model its own (simulation/PhaseQuantities).
    const Result<std::int16_t>& loss(std::string_view entry) const;
};
VehicleReadings readVehicle(const Varia& store);

}  // namespace vornax
