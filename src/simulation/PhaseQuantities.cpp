#include "simulation/PhaseQuantities.h"

#include "common/Physics.h"
#include "common/NumberText.h"
#include "store/StoreReadings.h"

#include <cmath>

namespace vornax {
namespace {

// Wheel radius in metres from the tyre: rim D inches plus twice the sidewall
// (H % of the width L mm). 2 × L × H is formed in 32 bits: two 16-bit sizes
// cannot overflow it, and a tyre such as 205/80/13 (32 800) is an ordinary
// one. Every tyre whose product fitted 16 bits gets the same radius as before.
float wheelRadius(std::int16_t width, std::int16_t height, std::int16_t rim)
{
    const std::int32_t sidewalls = 2 * std::int32_t{width} * height;
    return static_cast<float>((rim * physics::kMetresPerInch + sidewalls / 100000.0) / 2);
}

}  // namespace

int gearIndex(int phase) { return phase == kLaunchPhase ? 0 : phase - 1; }

const char* gearRatioEntry(int phase) { return gearEntries(gearIndex(phase)).ratio; }

const char* lossEntry(int phase)
{
    static const char* const entries[] = {"lbperte1e", "lbperte1e", "LbPerteB", "LbPerteB",
                                          "lbperte4e", "LbPerteB",  "LbPerteB"};
    return entries[phase];
}

std::optional<PhaseQuantities> readPhaseQuantities(int phase, const SimulationInputs& in)
{
    const SimulationFields& f = in.fields;
    const auto width = parseInt16(f.TextPneuL);
    const auto height = parseInt16(f.TextPneuH);
    const auto rim = parseInt16(f.TextPneuD);
    const auto mass = parseInt16(f.textPoid);
    const VehicleReadings vehicle = readVehicle(in.store);
    const auto& scx = vehicle.scx;
    const auto finalDrive = parseSingle(f.TextRP);
    const auto changeRpm = parseSingle(f.RPMCh);
    const auto changeTime = parseSingle(f.TMPch);
    const auto duration = parseSingle(f.txtfin);
    const auto torqueFactor = in.store.single("LbConvertionNm");
    const auto speedFactor = in.store.single("Lbcoefkm");
    if (!width || !height || !rim || !mass || !scx || !finalDrive || !changeRpm || !changeTime || !duration ||
        !torqueFactor || !speedFactor)
        return std::nullopt;

    PhaseQuantities q;
    q.radius = wheelRadius(*width, *height, *rim);
    q.circumference = q.radius * physics::kSimulationTwoPi;
    q.mass = *mass;
    q.scx = *scx;
    q.finalDrive = *finalDrive;
    q.changeRpm = *changeRpm;
    q.changeTime = *changeTime;
    q.duration = *duration;
    q.torqueFactor = *torqueFactor;
    q.speedFactor = *speedFactor;
    q.gears = simulatedGears(in.store);

    if (phase != kGearChangePhase) {
        const auto& ratio = vehicle.gearRatios[static_cast<std::size_t>(gearIndex(phase))];
        const auto& loss = vehicle.loss(lossEntry(phase));
        if (!ratio || !loss)
            return std::nullopt;
        q.gearRatio = *ratio;
        q.lossFactor = static_cast<float>(1.0 / (1.0 - *loss / 100.0));
        if (!std::isfinite(q.lossFactor))
            return std::nullopt;
    }
    if (phase != kLaunchPhase && phase != kGearChangePhase) {
        const auto inertia = parseSingle(f.InertieVol);
        if (!inertia)
            return std::nullopt;
        q.engineInertia = *inertia;
    }
    return q;
}

}  // namespace vornax
