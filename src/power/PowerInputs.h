// What one power computation reads from the parameter store: the committed
// vehicle, the selected gear and the language's unit factors. Everything is
// read afresh at the start of each computation through the store's readings
// (store/StoreReadings.h: readVehicle, displayUnits), which convert the
// stored texts as everywhere: ratios, inertias, drag area and factors as
// singles; tyre sizes, mass and losses as 16-bit integers.
#pragma once

#include "common/Physics.h"
#include "common/Result.h"
#include "store/StoreReadings.h"
#include "store/Varia.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vornax {

struct PowerInputs {
    float finalDrive = 0;            // LbRp
    float gearRatio = 0;             // of the selected gear
    std::int16_t lossPercent = 0;    // of the selected gear, whole percent
    std::int16_t tyreWidthMm = 0;    // LbLp
    std::int16_t aspectPercent = 0;  // LbHp
    std::int16_t rimInches = 0;      // LbDp
    std::int16_t massKg = 0;         // LbPoid
    float scx = 0;                   // LbSCx, m²
    float engineInertia = 0;         // LbImoteur, kg·m²
    float wheelInertia = 0;          // lbIroue, kg·m²
    // lbCrr: the car's own, from a coast-down; the program's constant when
    // the entry is empty.
    double rollingCoefficient = physics::kRollingCoefficient;
    float wattsPerUnit = 0;          // LbConvertionWatt: W per display power unit
    float unitsPerNm = 0;            // LbConvertionNm: display torque units per N·m
};

// Reads the inputs for the gear with list index gearIndex (0 = 1st gear).
// Fails naming the first entry that does not hold a number ("?" before a
// vehicle was committed), or a gear index outside 0 .. 5.
Result<PowerInputs> readPowerInputs(const Varia& store, int gearIndex);
// The same reading of the vehicle without the language's unit factors (left
// at 0), for computations in SI units (the synthetic car).
Result<PowerInputs> readVehicleInputs(const Varia& store, int gearIndex);

// Wheel radius of the inputs' tyre, in metres (store/StoreReadings.h).
double wheelRadius(const PowerInputs& in);

// Overall ratio G: gear ratio times final drive, rounded to single.
float overallRatio(const PowerInputs& in);

// The road speeds, in km/h, of a gear's engine speeds rpmLow and rpmHigh:
// rpm × 2π ÷ 60 ÷ G × wheel radius, × 3,6.
struct RoadSpeedRange {
    double lowKmh = 0, highKmh = 0;
};
RoadSpeedRange roadSpeedRange(const PowerInputs& in, double rpmLow, double rpmHigh);

// Loss factor F = 1 / (1 - L / 100), rounded to single; 14 % gives 1.1627907.
// Not finite for a loss of 100 %.
float lossFactor(const PowerInputs& in);

}  // namespace vornax
