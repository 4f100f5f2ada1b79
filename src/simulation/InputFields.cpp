#include "simulation/InputFields.h"

namespace vornax {

const std::vector<VehicleChoice>& vehicleChoices()
{
    static const std::vector<VehicleChoice> pairs = {
        {"Frame2", "LbPoids", "PoidsOption1", "PoidsOption2", {{"textPoid", "LbPoid"}}},
        {"frameRP", "LbRapportdePont", "RPOption1", "RPOption2", {{"TextRP", "LbRp"}}},
        {"FrameVol", "LbInertieMot", "VIoption1", "VIoption2", {{"InertieVol", "LbImoteur"}}},
        {"FramePneu",
         "LbPneumatique",
         "Option1",
         "Option2",
         {{"TextPneuL", "LbLp"}, {"TextPneuH", "LbHp"}, {"TextPneuD", "LbDp"}}},
    };
    return pairs;
}

std::vector<std::pair<std::string, std::string>> storedValues(const VehicleChoice& pair, const Varia& store)
{
    std::vector<std::pair<std::string, std::string>> values;
    for (const auto& [field, entry] : pair.fields)
        values.emplace_back(field, store.get(entry));
    return values;
}

const std::vector<InputFieldRule>& inputFieldRules()
{
    // The weight takes digits only yet still repairs points, as it always
    // did; the duration has neither filter nor repair.
    static const std::vector<InputFieldRule> fields = {
        {"textPoid", InputKeys::Digits, true},    {"TextRP", InputKeys::Decimal, true},
        {"InertieVol", InputKeys::Decimal, true}, {"TextPneuL", InputKeys::Digits, false},
        {"TextPneuH", InputKeys::Digits, false},  {"TextPneuD", InputKeys::Digits, false},
        {"RPMCh", InputKeys::Digits, false},      {"TMPch", InputKeys::Decimal, true},
        {"txtfin", InputKeys::Any, false},
    };
    return fields;
}

}  // namespace vornax
