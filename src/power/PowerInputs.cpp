#include "power/PowerInputs.h"

#include "common/Physics.h"
#include "common/Translation.h"
#include "store/EntryCaptions.h"

#include <numbers>

namespace vornax {

namespace {

template <typename T>
const std::string* failed(const Result<T>& reading)
{
    return reading ? nullptr : &reading.error();
}

// A rolling coefficient above this is no tyre on a road (a flat tyre on
// sand is about 0,3; road tyres stay near 0,01).
constexpr double kMostRolling = 0.1;

Result<PowerInputs> readInputs(const Varia& store, int gearIndex, bool withUnits)
{
    if (gearIndex < 0 || gearIndex >= kGearCount)
        return Failure{tx("PowerInputs", "gear %1 does not exist (1 to 6)").arg(std::to_string(gearIndex + 1))};
    const VehicleReadings v = readVehicle(store);
    const GearEntries gear = gearEntries(gearIndex);
    const auto& ratio = v.gearRatios[static_cast<std::size_t>(gearIndex)];
    const auto& loss = v.loss(gear.loss);
    // The first entry that holds no number is named, in the order the
    // computation takes them.
    for (const std::string* failure :
         {failed(v.finalDrive), failed(v.tyreWidthMm), failed(v.aspectPercent), failed(v.rimInches), failed(v.massKg),
          failed(v.scx), failed(v.engineInertia), failed(v.wheelInertia), failed(v.rollingCoefficient), failed(ratio),
          failed(loss)})
        if (failure)
            return Failure{*failure};
    PowerInputs in;
    in.finalDrive = *v.finalDrive;
    in.tyreWidthMm = *v.tyreWidthMm;
    in.aspectPercent = *v.aspectPercent;
    in.rimInches = *v.rimInches;
    in.massKg = *v.massKg;
    in.scx = *v.scx;
    in.engineInertia = *v.engineInertia;
    in.wheelInertia = *v.wheelInertia;
    in.rollingCoefficient = *v.rollingCoefficient;
    in.gearRatio = *ratio;
    in.lossPercent = *loss;
    // The vehicle is named first when both it and the units are wrong.
    if (withUnits) {
        const auto units = displayUnits(store);
        if (!units)
            return Failure{units.error()};
        in.wattsPerUnit = units->wattsPerPowerUnit;
        in.unitsPerNm = units->torquePerNm;
    }

    // Values that convert but describe no car would give a curve of nonsense
    // (a negative power for a negative mass) that looks like a measurement.
    const auto notUsable = [&store](const char* name, const std::string& rule) {
        return Failure{tx("PowerInputs", "%1: %2 is not a usable value (%3)")
                           .arg(entryCaption(store, name))
                           .arg(quotedValue(store.get(name)))
                           .arg(rule)};
    };
    if (in.massKg <= 0)
        return notUsable("LbPoid", tx("PowerInputs", "the mass must be above zero"));
    if (!(in.finalDrive > 0.0f))
        return notUsable("LbRp", tx("PowerInputs", "the final drive ratio must be above zero"));
    if (!(in.gearRatio > 0.0f))
        return notUsable(gear.ratio, tx("PowerInputs", "the gear ratio must be above zero"));
    if (in.lossPercent >= 100)
        return notUsable(gear.loss, tx("PowerInputs", "the loss must be below 100 %"));
    if (!(in.rollingCoefficient > 0.0 && in.rollingCoefficient < kMostRolling))
        return notUsable("lbCrr", tx("PowerInputs", "the rolling coefficient must be above 0 and below 0,1"));
    if (!(wheelRadius(in) > 0.0))
        return Failure{tx("PowerInputs", "%1 %2 has no usable wheel radius (it must be above zero)")
                           .arg(store.get("LbPneumatique"))
                           .arg(quotedValue(store.get("LbLp") + "/" + store.get("LbHp") + "/" + store.get("LbDp")))};
    return in;
}

}  // namespace

Result<PowerInputs> readPowerInputs(const Varia& store, int gearIndex) { return readInputs(store, gearIndex, true); }

Result<PowerInputs> readVehicleInputs(const Varia& store, int gearIndex) { return readInputs(store, gearIndex, false); }

double wheelRadius(const PowerInputs& in) { return wheelRadius(Tyre{in.tyreWidthMm, in.aspectPercent, in.rimInches}); }

float overallRatio(const PowerInputs& in)
{
    return static_cast<float>(static_cast<double>(in.gearRatio) * in.finalDrive);
}

RoadSpeedRange roadSpeedRange(const PowerInputs& in, double rpmLow, double rpmHigh)
{
    const double metresPerRev = 2.0 * std::numbers::pi * wheelRadius(in) / static_cast<double>(overallRatio(in));
    const auto kmh = [&](double rpm) { return rpm / physics::kSecondsPerMinute * metresPerRev * physics::kKmhPerMps; };
    return {kmh(rpmLow), kmh(rpmHigh)};
}

float lossFactor(const PowerInputs& in) { return static_cast<float>(1.0 / (1.0 - in.lossPercent / 100.0)); }

}  // namespace vornax
