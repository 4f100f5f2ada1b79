#include "simulation/InputFields.h"

namespace vornax {

const std::vector<ChoicePair>& choicePairs()
{
    static const std::vector<ChoicePair> pairs = {
        {"Frame2", "PoidsOption1", "PoidsOption2", {{"textPoid", "LbPoid"}}},
        {"frameRP", "RPOption1", "RPOption2", {{"TextRP", "LbRp"}}},
        {"FrameVol", "VIoption1", "VIoption2", {{"InertieVol", "LbImoteur"}}},
        {"FramePneu", "Option1", "Option2", {{"TextPneuL", "LbLp"}, {"TextPneuH", "LbHp"}, {"TextPneuD", "LbDp"}}},
    };
    return pairs;
}

std::vector<std::pair<std::string, std::string>> storedValues(const ChoicePair& pair, const Varia& store)
{
    std::vector<std::pair<std::string, std::string>> values;
    for (const auto& [field, entry] : pair.fields)
        values.emplace_back(field, store.get(entry));
    return values;
}

const std::vector<NumericField>& numericFields()
{
    // The weight takes digits only yet still repairs points, as it always
    // did; the duration has neither filter nor repair.
    static const std::vector<NumericField> fields = {
        {"textPoid", FieldKeys::Digits, true},    {"TextRP", FieldKeys::Decimal, true},
        {"InertieVol", FieldKeys::Decimal, true}, {"TextPneuL", FieldKeys::Digits, false},
        {"TextPneuH", FieldKeys::Digits, false},  {"TextPneuD", FieldKeys::Digits, false},
        {"RPMCh", FieldKeys::Digits, false},      {"TMPch", FieldKeys::Decimal, true},
        {"txtfin", FieldKeys::Any, false},
    };
    return fields;
}

}  // namespace vornax
