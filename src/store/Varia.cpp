#include "store/Varia.h"

#include "common/NumberText.h"

#include <stdexcept>
#include <unordered_map>

namespace vornax {
namespace {

const std::vector<EntryInfo> kEntries = {
    {"LbtitreaideboiteV", "LbtitreaideboiteV", EntryKind::Language},
    {"Lbboite6", "Lbboite6", EntryKind::Language},
    {"Lbboite5", "Lbboite5", EntryKind::Language},
    {"Lbboite4", "Lbboite4", EntryKind::Language},
    {"Lbboite3", "Lbboite3", EntryKind::Language},
    {"Lbboite2", "Lbboite2", EntryKind::Language},
    {"Lbboite1", "Lbboite1", EntryKind::Language},
    {"Lbmesbox2", "Lbmesbox2", EntryKind::Language},
    {"Lbmesbox1", "Lbmesbox1", EntryKind::Language},
    {"LbTsyn", "LbTsyn", EntryKind::Language},
    {"Lb3syn", "Lb3syn", EntryKind::Language},
    {"Lbpropos", "A propos de", EntryKind::Language},
    {"Lbcoefkm", "Lbcoefkm", EntryKind::Language},
    {"LbkmhMph", "LbkmhMph", EntryKind::Language},
    {"LbcharcourP", "LbcharcourP", EntryKind::Language},
    {"LbEstimer", "LbEstimer", EntryKind::Language},
    {"LbAutre", "LbAutre", EntryKind::Language},
    {"LbOriginie", "LbOriginie", EntryKind::Language},
    {"LbModification", "LbModification", EntryKind::Language},
    {"LbVitessemaxi", "LbVitessemaxi", EntryKind::Language},
    {"Lb50100km", "Lb50100km", EntryKind::Language},
    {"Lb0100km", "Lb0100km", EntryKind::Language},
    {"Lb1000mDA", "Lb1000mDA", EntryKind::Language},
    {"Lb400mDa", "Lb400mDa", EntryKind::Language},
    {"LbEstimation", "LbEstimation", EntryKind::Language},
    {"LbTMPchange", "LbTMPchange", EntryKind::Language},
    {"LbRegmiepassage", "LbRegmiepassage", EntryKind::Language},
    {"LbParaVitesse", "LbParaVitesse", EntryKind::Language},
    {"LbOuvrirREt", "ouvrirret", EntryKind::Language},
    {"LbouvrirWav", "ouvrirwav", EntryKind::Language},
    {"Lbniveaufiltrage", "niveaudefiltrage", EntryKind::Language},
    {"Lbseuildetection", "seuildedetection", EntryKind::Language},
    {"Lbnombredeteincel", "nombredeteincel", EntryKind::Language},
    {"LbVitesse", "Vitesse", EntryKind::Language},
    {"LbChargeCourbeDeRegime", "ChargerCourbeDeRegime", EntryKind::Language},
    {"LbFiltrer", "Filtrer", EntryKind::Language},
    {"LbPuissanceEn", "PuissanceEn", EntryKind::Language},
    {"LbCoupleEn", "CoupleEn", EntryKind::Language},
    {"LbUniteRegime", "UniteRegime", EntryKind::Language},
    {"LbUnitePuissance", "UnitePuissance", EntryKind::Language},
    {"LbUniteCouple", "UniteCouple", EntryKind::Language},
    {"LbConvertionWatt", "ConvertionWatt", EntryKind::Language},
    {"LbConvertionNm", "ConvertionNm", EntryKind::Language},
    {"LbExpert", "LbExpert", EntryKind::Language},
    {"LbInertieMot", "LbInertieMot", EntryKind::Language},
    {"LbPerteBoite", "pertedeboite", EntryKind::Language},
    {"Lbnomdelamini", "Nomdelamini", EntryKind::Language},
    {"LbBoitedevitesse", "boitedevitesse", EntryKind::Language},
    {"LbRapportdePont", "rapportdepont", EntryKind::Language},
    {"Lb1er", "premiere", EntryKind::Language},
    {"Lb2eme", "deuxieme", EntryKind::Language},
    {"Lb3eme", "troisieme", EntryKind::Language},
    {"Lb4eme", "quatrieme", EntryKind::Language},
    {"LbPneumatique", "penumatique", EntryKind::Language},
    {"LbAerodynamique", "aerodynamique", EntryKind::Language},
    {"LbTextAerodynamique", "text de l'aerodynamique", EntryKind::Language},
    {"LbPoids", "poids", EntryKind::Language},
    {"LbAnnuler", "annuler", EntryKind::Language},
    {"LbNouvelle", "nouvellemini", EntryKind::Language},
    {"LbPuissanceinitial", "P:", EntryKind::Language},
    {"LbTracer", "Tracer", EntryKind::Language},
    {"LbCourbe", "Courbe", EntryKind::Language},
    {"LbPuissance", "Puissance", EntryKind::Language},
    {"LbCouple", "Couple", EntryKind::Language},
    {"LbCoupleinitial", "C:", EntryKind::Language},
    {"LbEnregistrer", "Enregistrer", EntryKind::Language},
    {"LbEnregistrerSous", "Enregistrer Sous", EntryKind::Language},
    {"Lbfichier", "Fichier", EntryKind::Language},
    {"LbCharger", "Charger", EntryKind::Language},
    {"LbMmini", "Mini", EntryKind::Language},
    {"LbAcc", "LbAcc", EntryKind::Language},
    {"LbMAquisition", "Aquisition", EntryKind::Language},
    {"LbMcalcP", "Calcul de Puissance", EntryKind::Language},
    {"LbTraiterWav", "Traiter un Wav", EntryKind::Language},
    {"LbMComparaison", "Comparaison", EntryKind::Language},
    {"LbCoubeCP", "Courbe Couple/Puissance", EntryKind::Language},
    {"Lbversion", "The Vornax Meter", EntryKind::Title},
    {"LbApropo", "A propos de", EntryKind::Language},
    {"lbperte4e", "?", EntryKind::Vehicle},
    {"lbperte1e", "?", EntryKind::Vehicle},
    {"lbIroue", "0,11", EntryKind::Vehicle},
    {"lblImot", "0,11", EntryKind::Vehicle},
    {"lbcq", "?", EntryKind::Vehicle},
    {"lbsix", "?", EntryKind::Vehicle},
    {"lbqt", "?", EntryKind::Vehicle},
    {"lbltypediff", "0", EntryKind::Vehicle},
    {"lbltypepneu", "2", EntryKind::Vehicle},
    {"lbltypecascade", "0", EntryKind::Vehicle},
    {"lbltypeboite", "0", EntryKind::Vehicle},
    {"lbldiff", "2", EntryKind::Vehicle},
    {"lblboite", "5", EntryKind::Vehicle},
    {"lbltypeScx", "0", EntryKind::Vehicle},
    {"LbPoid", "650", EntryKind::Vehicle},
    {"LbSCx", "?", EntryKind::Vehicle},
    {"lbCrr", "", EntryKind::Vehicle},
    {"Lbnom", "?", EntryKind::Vehicle},
    {"LbRp", "?", EntryKind::Vehicle},
    {"LbPr", "?", EntryKind::Vehicle},
    {"LbDe", "?", EntryKind::Vehicle},
    {"LbTr", "?", EntryKind::Vehicle},
    {"LbPerteB", "?", EntryKind::Vehicle},
    {"LbLp", "?", EntryKind::Vehicle},
    {"LbHp", "?", EntryKind::Vehicle},
    {"LbDp", "?", EntryKind::Vehicle},
    {"LbImoteur", "0,11", EntryKind::Vehicle},
    {"lblVersion", "lblVersion", EntryKind::Language},
};

const std::unordered_map<std::string_view, std::size_t>& nameIndex()
{
    static const auto index = [] {
        std::unordered_map<std::string_view, std::size_t> map;
        for (std::size_t i = 0; i < kEntries.size(); ++i)
            map.emplace(kEntries[i].name, i);
        return map;
    }();
    return index;
}

}  // namespace

Varia::Varia()
{
    texts_.reserve(kEntries.size());
    for (const EntryInfo& entry : kEntries)
        texts_.emplace_back(entry.initial);
}

const std::vector<EntryInfo>& Varia::entries() { return kEntries; }

bool Varia::isEntry(std::string_view name) { return nameIndex().count(name) != 0; }

std::size_t Varia::indexOf(std::string_view name) const
{
    const auto it = nameIndex().find(name);
    if (it == nameIndex().end())
        throw std::out_of_range("no store entry named " + std::string(name));
    return it->second;
}

const std::string& Varia::get(std::string_view name) const { return texts_[indexOf(name)]; }

void Varia::set(std::string_view name, std::string text) { texts_[indexOf(name)] = std::move(text); }

std::optional<float> Varia::single(std::string_view name) const { return parseSingle(get(name)); }

std::optional<std::int16_t> Varia::int16(std::string_view name) const { return parseInt16(get(name)); }

std::vector<std::pair<std::string, std::string>> Varia::vehicleEntries() const
{
    std::vector<std::pair<std::string, std::string>> out;
    for (std::size_t i = 0; i < kEntries.size(); ++i)
        if (kEntries[i].kind == EntryKind::Vehicle)
            out.emplace_back(kEntries[i].name, texts_[i]);
    return out;
}

Varia& store()
{
    static Varia instance;
    return instance;
}

void resetStore() { store() = Varia(); }

}  // namespace vornax
