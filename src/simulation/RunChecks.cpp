// What a run needs before it starts: the fields from the store, the number of
// gears, and the refusal of inputs that would only make every phase end at
// once.
#include "common/NumberText.h"
#include "simulation/AccelerationModel.h"
#include "simulation/PhaseQuantities.h"

namespace vornax {
namespace {

Failure badValue(const std::string& what, const std::string& text)
{
    return Failure{"Valeur inadapter : " + what + " (" + quotedValue(text) + ")"};
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

int simulatedGears(const Varia& store)
{
    const auto box = parseDouble(store.get("lblboite"));
    if (box && *box == 7)
        return 5;
    if (box && *box == 8)
        return 6;
    return 4;
}

Status checkRunInputs(const SimulationInputs& in)
{
    if (in.curve.lastRow < 2)
        return Failure{"Courbe de couple trop courte : il faut au moins trois lignes de données"};

    const SimulationFields& f = in.fields;
    struct Field {
        const char* what;
        const std::string& text;
        bool whole;
    };
    const Field fields[] = {
        {"rapport de pont (TextRP)", f.TextRP, false},
        {"poids (textPoid)", f.textPoid, true},
        {"inertie moteur (InertieVol)", f.InertieVol, false},
        {"largeur du pneu (TextPneuL)", f.TextPneuL, true},
        {"hauteur du pneu (TextPneuH)", f.TextPneuH, true},
        {"diamètre de jante (TextPneuD)", f.TextPneuD, true},
        {"régime de passage (RPMCh)", f.RPMCh, false},
        {"temps de passage (TMPch)", f.TMPch, false},
        {"durée (txtfin)", f.txtfin, false},
    };
    for (const Field& field : fields) {
        const bool converts = field.whole ? parseInt16(field.text).has_value() : parseSingle(field.text).has_value();
        if (!converts)
            return badValue(field.what, field.text);
    }

    // The store entries every phase of this gearbox reads. "?" is what they
    // hold until the vehicle editor has been confirmed.
    std::vector<std::string> entries = {"lblboite", "LbSCx", "LbConvertionNm", "Lbcoefkm"};
    const int gears = simulatedGears(in.store);
    for (int g = 1; g <= gears; ++g) {
        entries.push_back(gearRatioEntry(g));
        entries.push_back(lossEntry(g));
    }
    for (const std::string& entry : entries) {
        const std::string& text = in.store.get(entry);
        const bool whole = entry.rfind("lbperte", 0) == 0 || entry == "LbPerteB";
        const bool converts = whole ? in.store.int16(entry).has_value()
                              : entry == "lblboite" ? parseDouble(text).has_value()
                                                    : in.store.single(entry).has_value();
        if (!converts)
            return Failure{"Valeur inadapter : " + entry + " (" + quotedValue(text) + ")" +
                           (text == "?" ? ", confirmez d'abord la Mini" : "")};
    }
    if (*in.store.single("LbConvertionNm") == 0.0f)
        return badValue("facteur de couple LbConvertionNm", in.store.get("LbConvertionNm"));

    // Values that convert but describe no car: a mass, ratio or wheel of
    // zero or less, or a loss of the whole torque, would run to nonsense
    // (0-100 km/h in under a second, negative speeds) rather than fail.
    const auto notAboveZero = [](const std::string& what, const std::string& text) {
        return Failure{badValue(what, text).message + ", il faut une valeur supérieure à zéro"};
    };
    // Each gear but the last runs up to the gear-change speed; the curve
    // holds no torque above its top engine speed, so a change speed above it
    // would only end every gear there and time a car the curve never showed.
    if (*parseSingle(f.RPMCh) > in.curve.topRpm)
        return Failure{badValue("régime de passage (RPMCh)", f.RPMCh).message +
                       ", au-dessus du régime maximal de la courbe (" +
                       formatPattern(in.curve.topRpm, Pattern::Whole) + " tr/min)"};

    if (*parseInt16(f.textPoid) <= 0)
        return notAboveZero("poids (textPoid)", f.textPoid);
    if (*parseSingle(f.TextRP) <= 0.0f)
        return notAboveZero("rapport de pont (TextRP)", f.TextRP);
    const double rim = *parseInt16(f.TextPneuD);
    const double sidewalls = 2.0 * *parseInt16(f.TextPneuL) * *parseInt16(f.TextPneuH);
    if (rim * 0.0254 + sidewalls / 100000.0 <= 0.0)
        return notAboveZero("rayon de roue (TextPneuL, TextPneuH, TextPneuD)",
                            f.TextPneuL + "/" + f.TextPneuH + "/" + f.TextPneuD);
    for (int g = 1; g <= gears; ++g) {
        if (*in.store.single(gearRatioEntry(g)) <= 0.0f)
            return notAboveZero(std::string("rapport ") + gearRatioEntry(g), in.store.get(gearRatioEntry(g)));
        if (*in.store.int16(lossEntry(g)) >= 100)
            return Failure{badValue(std::string("perte ") + lossEntry(g), in.store.get(lossEntry(g))).message +
                           ", il faut une perte inférieure à 100 %"};
    }
    return success();
}

}  // namespace vornax
