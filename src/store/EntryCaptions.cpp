#include "store/EntryCaptions.h"

#include "common/Translation.h"

namespace vornax {
namespace {

// A caption inside a frame of the vehicle editor: "<frame> – <row>".
std::string within(const std::string& frame, const std::string& row) { return frame + " – " + row; }

std::string gearRatio(const std::string& gear) { return tx("EntryCaption", "%1 gear ratio").arg(gear); }

}  // namespace

std::string entryCaption(const Varia& store, std::string_view entry)
{
    const auto& s = store;
    if (entry == "LbRp")
        return s.get("LbRapportdePont");
    if (entry == "LbPr")
        return gearRatio(s.get("Lb1er"));
    if (entry == "LbDe")
        return gearRatio(s.get("Lb2eme"));
    if (entry == "LbTr")
        return gearRatio(s.get("Lb3eme"));
    if (entry == "lbqt")
        return gearRatio(s.get("Lb4eme"));
    if (entry == "lbcq")
        return gearRatio(tx("EntryCaption", "5th"));
    if (entry == "lbsix")
        return gearRatio(tx("EntryCaption", "6th"));
    if (entry == "LbPoid")
        return s.get("LbPoids");
    if (entry == "LbLp")
        return within(s.get("LbPneumatique"), tx("EntryCaption", "Width (mm)"));
    if (entry == "LbHp")
        return within(s.get("LbPneumatique"), tx("EntryCaption", "Height (%)"));
    if (entry == "LbDp")
        return within(s.get("LbPneumatique"), tx("EntryCaption", "Rim (inches)"));
    if (entry == "LbSCx")
        return "SCx";
    if (entry == "lbCrr")
        return tx("EntryCaption", "Rolling coefficient");
    if (entry == "LbImoteur")
        return within(s.get("LbInertieMot"), tx("EntryCaption", "Engine"));
    if (entry == "lbIroue")
        return within(s.get("LbInertieMot"), tx("EntryCaption", "Wheel"));
    if (entry == "lbperte1e")
        return within(s.get("LbPerteBoite"), s.get("Lb1er"));
    if (entry == "LbPerteB")
        return within(s.get("LbPerteBoite"), s.get("Lb2eme") + ", " + s.get("Lb3eme"));
    if (entry == "lbperte4e")
        return within(s.get("LbPerteBoite"), s.get("Lb4eme") + ", " + tx("EntryCaption", "5th").str() + ", " +
                                                 tx("EntryCaption", "6th").str());
    if (entry == "lblboite")
        return s.get("LbBoitedevitesse");
    if (entry == "Lbcoefkm")
        return tx("EntryCaption", "the speed factor (line 56 of the language file)");
    if (entry == "LbConvertionWatt")
        return tx("EntryCaption", "the power factor (line 60 of the language file)");
    if (entry == "LbConvertionNm")
        return tx("EntryCaption", "the torque factor (line 61 of the language file)");
    return std::string(entry);
}

}  // namespace vornax
