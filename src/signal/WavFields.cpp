#include "signal/WavFields.h"

#include "common/NumberText.h"
#include "common/Translation.h"

namespace vornax {

float sparksPerRevChoice(bool half) { return half ? 0.5f : 2.0f; }

Result<float> secondsField(const std::string& text)
{
    const auto value = parseSingle(text);
    if (value && *value >= 0.0f)
        return *value;
    return Failure{
        tx("vornax::WavWindow", "Valeur inadapter: %1 n'est pas un temps en secondes").arg(quotedValue(text))};
}

bool startsWithin(float start, float duration) { return start < duration; }

Result<DetectionTuning> detectionTuning(const std::string& bounding, const std::string& antiBounce)
{
    const auto b = parseSingle(bounding);
    const auto a = parseSingle(antiBounce);
    if (!b)
        return Failure{tx("vornax::WavWindow", "Valeur inadapter: Bornage des variation")};
    if (!a)
        return Failure{tx("vornax::WavWindow", "Valeur inadapter: Anti rebond")};
    return DetectionTuning{*b, *a};
}

Result<SmoothingSettings> smoothingFields(bool average, bool bezier, int level, const std::string& skipped)
{
    SmoothingSettings settings;
    settings.average = average;
    settings.bezier = bezier;
    settings.level = level;
    const auto points = parseInt16(skipped);
    if (bezier && (!points || *points < 0))
        return Failure{tx("vornax::WavWindow", "Valeur inadapter: Nombre de point sauté par Bezier")};
    settings.skipped = points.value_or(10);
    return settings;
}

Result<RpmRange> engineRange(const std::string& low, const std::string& high)
{
    const auto l = parseSingle(low);
    const auto h = parseSingle(high);
    if (!l || !h || !(*l >= 100) || !(*h <= 30000) || !(*h >= 1.5f * *l))
        return Failure{tx("vornax::WavWindow",
                          "Valeur inadapter : le régime va de 100 à 30000 tr/min, le haut au moins 1,5 fois le bas")};
    return RpmRange{*l, *h};
}

}  // namespace vornax
