// The quantities one phase of the acceleration model reads at its start, with
// the derived wheel radius, circumference and loss factor.
#pragma once

#include "simulation/AccelerationModel.h"
#include "store/StoreReadings.h"

#include <cstdint>
#include <optional>

namespace vornax {

// Wheel radius in metres from a tyre of the window's fields: rim D inches
// plus twice the sidewall (H % of the width L mm), rounded to single, as the
// acceleration curve file has it (the power computation's, store/
// StoreReadings.h, is the same sum formed in centimetres and kept in double).
// 2 × L × H is formed in 32 bits: two 16-bit sizes cannot overflow it, and a
// tyre such as 205/80/13 (32 800) is an ordinary one.
float simulatedWheelRadius(const Tyre& tyre);

// The gear list index (0 = 1st gear, as gearEntries counts) of phases 0-6:
// phase 0, the launch, is in first gear.
int gearIndex(int phase);
// Gear ratio and loss entries of the store for phases 0-6. Gears 2, 3, 5 and
// 6 take the loss through the gearbox, LbPerteB; gear 4 is the direct gear
// (the power computation takes lbperte4e for gears 4 to 6).
const char* gearRatioEntry(int phase);
const char* lossEntry(int phase);

struct PhaseQuantities {
    std::int16_t mass = 0;    // kg
    float radius = 0;         // wheel radius, m
    float circumference = 0;  // m
    float scx = 0;            // m²
    float finalDrive = 0;
    float gearRatio = 0;      // phases 0-6
    float lossFactor = 1;     // 1 / (1 - loss / 100), phases 0-6
    float engineInertia = 0;  // kg·m², gear phases
    float changeRpm = 0;      // tr/min
    float changeTime = 0;     // s
    float duration = 0;       // s
    float torqueFactor = 1;   // LbConvertionNm: display torque units per N·m
    float speedFactor = 1;    // Lbcoefkm: display speed per km/h
    int gears = 4;
};

// Reads and converts what the phase needs; nullopt when a text does not
// convert or the loss factor divides by zero. The phase then ends at once.
std::optional<PhaseQuantities> readPhaseQuantities(int phase, const SimulationInputs& in);

}  // namespace vornax
