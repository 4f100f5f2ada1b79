#include "simulation/PhaseQuantities.h"

#include "common/Physics.h"
#include "common/NumberText.h"
#include "store/StoreReadings.h"

#include <cmath>

namespace vornax {
float simulatedWheelRadius(const Tyre& tyre)
{
    const std::int32_t sidewalls = 2 * std::int32_t{tyre.widthMm} * tyre.aspectPercent;
    return static_cast<float>((tyre.rimInches * physics::kMetresPerInch + sidewalls / 100000.0) / 2);
}

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
    q.radius = simulatedWheelRadius({*width, *height, *rim});
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
