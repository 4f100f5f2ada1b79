// What a run needs before it starts: the fields from the store, the number of
// gears, and the refusal of inputs that would only make every phase end at
// once.
#include "common/NumberText.h"
#include "common/Translation.h"
#include "power/PowerInputs.h"
#include "store/EntryCaptions.h"
#include "store/StoreReadings.h"
#include "simulation/AccelerationModel.h"
#include "simulation/PhaseQuantities.h"

namespace vornax {
namespace {

// `what` is the caption of the field or entry, as the user sees it.
Failure badValue(const std::string& what, const std::string& text)
{
    return Failure{tx("RunChecks", "Valeur inadapter : %1 (%2)").arg(what).arg(quotedValue(text))};
}

}  // namespace

SimulationFields SimulationFields::fromStore(const Varia& store)
{
    SimulationFields f;
    f.textPoid = store.get("LbPoid");
    f.TextRP = store.get("LbRp");
    f.InertieVol = store.get("LbImoteur");
    f.TextPneuL = store.get("LbLp");
    f.TextPneuH = store.get("LbHp");
    f.TextPneuD = store.get("LbDp");
    return f;
}

// The gears the power window offers for the same box.
int simulatedGears(const Varia& store) { return gearboxGears(store); }

Status checkRunInputs(const SimulationInputs& in)
{
    if (in.curve.lastRow < 2)
        return Failure{tx("RunChecks", "Courbe de couple trop courte : il faut au moins trois lignes de données")};

    const SimulationFields& f = in.fields;
    // Each field named by its caption in the acceleration window.
    const Varia& store = in.store;
    struct Field {
        std::string what;
        const std::string& text;
        bool whole;
    };
    const Field fields[] = {
        {store.get("LbRapportdePont"), f.TextRP, false},  {store.get("LbPoids"), f.textPoid, true},
        {store.get("LbInertieMot"), f.InertieVol, false}, {entryCaption(store, "LbLp"), f.TextPneuL, true},
        {entryCaption(store, "LbHp"), f.TextPneuH, true}, {entryCaption(store, "LbDp"), f.TextPneuD, true},
        {store.get("LbRegmiepassage"), f.RPMCh, false},   {store.get("LbTMPchange"), f.TMPch, false},
        {tx("RunChecks", "Durée (s)"), f.txtfin, false},
    };
    for (const Field& field : fields) {
        const bool converts = field.whole ? parseInt16(field.text).has_value() : parseSingle(field.text).has_value();
        if (!converts)
            return badValue(field.what, field.text);
    }

    // The store entries every phase of this gearbox reads. "?" is what they
    // hold until the vehicle editor has been confirmed.
    const VehicleReadings vehicle = readVehicle(in.store);
    struct Entry {
        const char* name;
        bool converts;
    };
    std::vector<Entry> entries = {
        {"lblboite", parseDouble(in.store.get("lblboite")).has_value()},
        {"LbSCx", vehicle.scx.ok()},
        {"LbConvertionNm", in.store.single("LbConvertionNm").has_value()},
        {"Lbcoefkm", in.store.single("Lbcoefkm").has_value()},
    };
    const int gears = simulatedGears(in.store);
    for (int g = 1; g <= gears; ++g) {
        entries.push_back({gearRatioEntry(g), vehicle.gearRatios[static_cast<std::size_t>(gearIndex(g))].ok()});
        entries.push_back({lossEntry(g), vehicle.loss(lossEntry(g)).ok()});
    }
    for (const auto& [entry, converts] : entries) {
        const std::string& text = in.store.get(entry);
        if (!converts) {
            const Failure bad = badValue(entryCaption(store, entry), text);
            if (text == "?")
                return Failure{tx("RunChecks", "%1, confirmez d'abord la Mini").arg(bad.message)};
            return bad;
        }
    }
    if (*in.store.single("LbConvertionNm") == 0.0f)
        return badValue(entryCaption(store, "LbConvertionNm"), in.store.get("LbConvertionNm"));
    // A speed factor of zero or less would show every speed as zero or
    // backwards, and the saved file would not read back.
    if (!(*in.store.single("Lbcoefkm") > 0.0f))
        return badValue(entryCaption(store, "Lbcoefkm"), in.store.get("Lbcoefkm"));

    // Values that convert but describe no car: a mass, ratio or wheel of
    // zero or less, or a loss of the whole torque, would run to nonsense
    // (0-100 km/h in under a second, negative speeds) rather than fail.
    const auto notAboveZero = [](const std::string& what, const std::string& text) {
        return Failure{tx("RunChecks", "%1, il faut une valeur supérieure à zéro").arg(badValue(what, text).message)};
    };
    // Each gear but the last runs up to the gear-change speed; the curve
    // holds no torque above its top engine speed, so a change speed above it
    // would only end every gear there and time a car the curve never showed.
    if (*parseSingle(f.RPMCh) > in.curve.topRpm)
        return Failure{tx("RunChecks", "%1, au-dessus du régime maximal de la courbe (%2 tr/min)")
                           .arg(badValue(store.get("LbRegmiepassage"), f.RPMCh).message)
                           .arg(formatPattern(in.curve.topRpm, Pattern::Whole))};

    if (*parseInt16(f.textPoid) <= 0)
        return notAboveZero(store.get("LbPoids"), f.textPoid);
    if (*parseSingle(f.TextRP) <= 0.0f)
        return notAboveZero(store.get("LbRapportdePont"), f.TextRP);
    if (simulatedWheelRadius({*parseInt16(f.TextPneuL), *parseInt16(f.TextPneuH), *parseInt16(f.TextPneuD)}) <= 0.0f)
        return notAboveZero(store.get("LbPneumatique"), f.TextPneuL + "/" + f.TextPneuH + "/" + f.TextPneuD);
    for (int g = 1; g <= gears; ++g) {
        if (*vehicle.gearRatios[static_cast<std::size_t>(gearIndex(g))] <= 0.0f)
            return notAboveZero(entryCaption(store, gearRatioEntry(g)), in.store.get(gearRatioEntry(g)));
        if (*vehicle.loss(lossEntry(g)) >= 100)
            return Failure{tx("RunChecks", "%1, il faut une perte inférieure à 100 %")
                               .arg(badValue(entryCaption(store, lossEntry(g)), in.store.get(lossEntry(g))).message)};
    }
    return success();
}

}  // namespace vornax
