#include "store/StoreReadings.h"

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

}  // namespace vornax
