#include "power/PowerInputs.h"

#include "common/Physics.h"
#include "common/Translation.h"
#include "store/EntryCaptions.h"

#include <array>
#include <numbers>
#include <optional>

namespace vornax {

namespace {

// True when a language entry still holds its initial text, which is only
// its own name: the language file that gives the unit factors is missing.
bool isUnloadedLanguageText(const Varia& store, const char* name)
{
    for (const EntryInfo& entry : Varia::entries())
        if (std::string_view(entry.name) == name)
            return entry.kind == EntryKind::Language && store.get(name) == entry.initial;
    return false;
}

// Collects conversions and remembers the first entry that failed, so the
// message names the value the user has to fix.
class Reader {
public:
    explicit Reader(const Varia& store) : store_(store) {}

    float single(const char* name)
    {
        const auto value = store_.single(name);
        if (!value)
            fail(name);
        return value.value_or(0.0f);
    }
    std::int16_t whole(const char* name)
    {
        const auto value = store_.int16(name);
        if (!value)
            fail(name);
        return value.value_or(std::int16_t{0});
    }
    const std::optional<std::string>& failure() const { return failure_; }

private:
    void fail(const char* name)
    {
        if (failure_)
            return;
        const std::string caption = entryCaption(store_, name);
        const std::string value = quotedValue(store_.get(name));
        if (store_.get(name) == "?")
            failure_ =
                tx("PowerInputs", "%1: %2 is not a number (no vehicle has been confirmed yet)").arg(caption).arg(value);
        else if (isUnloadedLanguageText(store_, name))
            failure_ =
                tx("PowerInputs", "%1: %2 is not a number (no language file has been loaded)").arg(caption).arg(value);
        else
            failure_ = tx("PowerInputs", "%1: %2 is not a number").arg(caption).arg(value);
    }
    const Varia& store_;
    std::optional<std::string> failure_;
};

}  // namespace

namespace {

// A rolling coefficient above this is no tyre on a road (a flat tyre on
// sand is about 0,3; road tyres stay near 0,01).
constexpr double kMostRolling = 0.1;

Result<PowerInputs> readInputs(const Varia& store, int gearIndex, bool withUnits)
{
    if (gearIndex < 0 || gearIndex >= kGearCount)
        return Failure{tx("PowerInputs", "gear %1 does not exist (1 to 6)").arg(std::to_string(gearIndex + 1))};
    Reader read(store);
    PowerInputs in;
    in.finalDrive = read.single("LbRp");
    in.tyreWidthMm = read.whole("LbLp");
    in.aspectPercent = read.whole("LbHp");
    in.rimInches = read.whole("LbDp");
    in.massKg = read.whole("LbPoid");
    in.scx = read.single("LbSCx");
    in.engineInertia = read.single("LbImoteur");
    in.wheelInertia = read.single("lbIroue");
    if (!store.get("lbCrr").empty())
        in.rollingCoefficient = read.single("lbCrr");
    const GearEntries gear = gearEntries(gearIndex);
    in.gearRatio = read.single(gear.ratio);
    in.lossPercent = read.whole(gear.loss);
    if (read.failure())
        return Failure{*read.failure()};
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

double wheelRadius(const PowerInputs& in)
{
    const double sidewallCm = (in.tyreWidthMm / physics::kMmPerCm * in.aspectPercent) / 100.0;
    const double halfRimCm = in.rimInches * physics::kCmPerInch / 2.0;
    return (sidewallCm + halfRimCm) / 100.0;
}

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
