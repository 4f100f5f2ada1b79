#include "store/StoreReadings.h"

#include "common/Physics.h"
#include "common/Translation.h"
#include "store/EntryCaptions.h"

#include <array>
#include <cmath>

namespace vornax {

Result<DisplayUnits> displayUnits(const Varia& store)
{
    const auto factor = [&store](const char* entry) -> Result<float> {
        const auto value = store.single(entry);
        if (!value || !std::isfinite(*value) || *value == 0.0f)
            return Failure{tx("StoreReadings", "%1: %2 is not a usable unit factor (a number other than zero)")
                               .arg(entryCaption(store, entry))
                               .arg(quotedValue(store.get(entry)))};
        return *value;
    };
    const auto watts = factor("LbConvertionWatt");
    if (!watts)
        return Failure{watts.error()};
    const auto nm = factor("LbConvertionNm");
    if (!nm)
        return Failure{nm.error()};
    return DisplayUnits{*watts, *nm};
}

Result<float> speedFactor(const Varia& store)
{
    const auto value = store.single("Lbcoefkm");
    if (!value || !std::isfinite(*value) || !(*value > 0.0f))
        return Failure{tx("StoreReadings", "%1: %2 is not a usable speed factor (a number above zero)")
                           .arg(entryCaption(store, "Lbcoefkm"))
                           .arg(quotedValue(store.get("Lbcoefkm")))};
    return *value;
}

int gearboxGears(const Varia& store)
{
    const auto box = store.int16("lblboite");
    if (box && *box == 7)
        return 5;
    if (box && *box == 8)
        return 6;
    return 4;
}

std::vector<std::string> gearNames(const Varia& store)
{
    std::vector<std::string> names{tx("PowerInputs", "1e"), tx("PowerInputs", "2e"), tx("PowerInputs", "3e"),
                                   tx("PowerInputs", "4e"), tx("PowerInputs", "5e"), tx("PowerInputs", "6e")};
    names.resize(static_cast<std::size_t>(gearboxGears(store)));
    return names;
}

GearEntries gearEntries(int gearIndex)
{
    static constexpr std::array<GearEntries, kGearCount> gears{{
        {"LbPr", "lbperte1e"},
        {"LbDe", "LbPerteB"},
        {"LbTr", "LbPerteB"},
        {"lbqt", "lbperte4e"},
        {"lbcq", "lbperte4e"},
        {"lbsix", "lbperte4e"},
    }};
    return gears.at(static_cast<std::size_t>(gearIndex));
}

double wheelRadius(const Tyre& tyre)
{
    const double sidewallCm = (tyre.widthMm / physics::kMmPerCm * tyre.aspectPercent) / 100.0;
    const double halfRimCm = tyre.rimInches * physics::kCmPerInch / 2.0;
    return (sidewallCm + halfRimCm) / 100.0;
}

namespace {

// The message of a vehicle entry that holds no number.
Failure notANumber(const Varia& store, const char* entry)
{
    const std::string caption = entryCaption(store, entry);
    const std::string value = quotedValue(store.get(entry));
    if (store.get(entry) == "?")
        return Failure{
            tx("PowerInputs", "%1: %2 is not a number (no vehicle has been confirmed yet)").arg(caption).arg(value)};
    return Failure{tx("PowerInputs", "%1: %2 is not a number").arg(caption).arg(value)};
}

template <typename T>
Result<T> reading(const Varia& store, const char* entry, std::optional<T> value)
{
    if (!value)
        return notANumber(store, entry);
    return *value;
}

}  // namespace

VehicleReadings readVehicle(const Varia& store)
{
    const auto single = [&store](const char* entry) { return reading(store, entry, store.single(entry)); };
    const auto whole = [&store](const char* entry) { return reading(store, entry, store.int16(entry)); };
    VehicleReadings v{
        single("LbRp"),
        whole("LbLp"),
        whole("LbHp"),
        whole("LbDp"),
        whole("LbPoid"),
        single("LbSCx"),
        single("LbImoteur"),
        single("lbIroue"),
        store.get("lbCrr").empty() ? Result<double>(physics::kRollingCoefficient)
                                   : reading<double>(store, "lbCrr", store.single("lbCrr")),
        {},
        whole("lbperte1e"),
        whole("LbPerteB"),
        whole("lbperte4e"),
    };
    for (int g = 0; g < kGearCount; ++g)
        v.gearRatios.push_back(single(gearEntries(g).ratio));
    return v;
}

const Result<std::int16_t>& VehicleReadings::loss(std::string_view entry) const
{
    return entry == "lbperte1e" ? firstGearLoss : entry == "LbPerteB" ? gearboxLoss : directGearLoss;
}

}  // namespace vornax
