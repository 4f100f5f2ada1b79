#include "vehicle/Catalogue.h"

#include "common/Translation.h"

namespace vornax {
namespace {

// The words of the lists are marked for translation: the editor's window
// shows them in the language in force (context "Catalogue").
const std::vector<std::string> kFinalDrives = {
    "2,76",  "2,95", "3,105", "3,211", "3,27",  "3,35", "3,444", "3,674", "3,765", "3,928",
    "3,938", "4,08", "4,133", "4,23",  "4,267", "4,31", "4,33",  "4,57",  "4,67",  txNoop("Catalogue", "Autre")};

const std::vector<std::string> kGearboxes = {txNoop("Catalogue", "Boite 3 sync. Standard"),
                                             txNoop("Catalogue", "Boite 3 sync. Cooper"),
                                             txNoop("Catalogue", "Boite 3 sync. Etagement court"),
                                             txNoop("Catalogue", "Boite 4 sync. Standard-Inno90"),
                                             txNoop("Catalogue", "Boite 4 sync. S-1275GT-Inno120L"),
                                             txNoop("Catalogue", "Boite 4 sync. Moteur A+"),
                                             txNoop("Catalogue", "Boite 4 Autre"),
                                             txNoop("Catalogue", "Boite 5"),
                                             txNoop("Catalogue", "Boite 6")};

// 1st, 2nd, 3rd, 4th of the fixed gearboxes, as the editor writes them.
constexpr std::array<std::array<const char*, 4>, 6> kGearboxRatios = {{
    {"3,627", "2,172", "1,412", "1"},
    {"3,2", "1,916", "1,357", "1"},
    {"2,57", "1,78", "1,24", "1"},
    {"3,525", "2,218", "1,433", "1"},
    {"3,329", "2,094", "1,353", "1"},
    {"3,648", "2,185", "1,425", "1"},
}};

const std::vector<std::string> kCascadeCuts = {txNoop("Catalogue", "Standard"), txNoop("Catalogue", "Droit"),
                                               txNoop("Catalogue", "Autre")};
const std::vector<std::string> kGearboxCuts = {txNoop("Catalogue", "Standard"), txNoop("Catalogue", "Droit")};
const std::vector<std::string> kDiffCuts = {txNoop("Catalogue", "Standard"), txNoop("Catalogue", "Droit"),
                                            txNoop("Catalogue", "Semi-élicoïdale")};

const std::vector<std::string> kTyres = {
    "145/80/10", "165/70/10", "145/70/12", "165/60/12", "165/55/12", "175/50/13", txNoop("Catalogue", "Autre")};
constexpr std::array<TyreSize, 6> kTyreSizes = {{
    {"145", "80", "10"},
    {"165", "70", "10"},
    {"145", "70", "12"},
    {"165", "60", "12"},
    {"165", "55", "12"},
    {"175", "50", "13"},
}};

const std::vector<std::string> kBodies = {"Mini", "Jem", "Marcos", "GTM", txNoop("Catalogue", "Autre")};
constexpr std::array<double, 4> kBodyScx = {0.933, 0.465, 0.484, 0.466};

const std::vector<std::string> kEngines = {"Pre-Verto", "Verto", txNoop("Catalogue", "Autre")};
constexpr std::array<double, 2> kEngineInertia = {0.11, 0.13};

const std::vector<std::string> kRims = {"10", "12", "13", txNoop("Catalogue", "Autre")};

bool within(int index, std::size_t size) { return index >= 0 && static_cast<std::size_t>(index) < size; }

}  // namespace

const char* listName(ListId list)
{
    switch (list) {
    case ListId::TypeDiff: return "lsttypeDiff";
    case ListId::TypeBoite: return "lsttypeBoite";
    case ListId::EngCascade: return "lstengCascade";
    case ListId::EngBoite: return "lstEngBoite";
    case ListId::EngDiff: return "lstengdiff";
    case ListId::TypePneu: return "lstTypePneu";
    case ListId::SCx: return "lstSCx";
    case ListId::Imot: return "lstImot";
    case ListId::Iroue: return "lstIroue";
    }
    return "";
}

const std::vector<std::string>& listEntries(ListId list)
{
    switch (list) {
    case ListId::TypeDiff: return kFinalDrives;
    case ListId::TypeBoite: return kGearboxes;
    case ListId::EngCascade: return kCascadeCuts;
    case ListId::EngBoite: return kGearboxCuts;
    case ListId::EngDiff: return kDiffCuts;
    case ListId::TypePneu: return kTyres;
    case ListId::SCx: return kBodies;
    case ListId::Imot: return kEngines;
    case ListId::Iroue: return kRims;
    }
    return kRims;
}

std::optional<std::array<const char*, 4>> gearboxPresetRatios(int index)
{
    if (!within(index, kGearboxRatios.size()))
        return std::nullopt;
    return kGearboxRatios[static_cast<std::size_t>(index)];
}

int gearboxGearsShown(int index)
{
    if (!within(index, kGearboxes.size()))
        return 0;
    return index == kGearboxSix ? 6 : index == kGearboxFive ? 5 : 4;
}

std::optional<TyreSize> tyrePreset(int index)
{
    if (!within(index, kTyreSizes.size()))
        return std::nullopt;
    return kTyreSizes[static_cast<std::size_t>(index)];
}

std::optional<double> bodyScx(int index)
{
    if (!within(index, kBodyScx.size()))
        return std::nullopt;
    return kBodyScx[static_cast<std::size_t>(index)];
}

std::optional<double> engineInertia(int index)
{
    if (!within(index, kEngineInertia.size()))
        return std::nullopt;
    return kEngineInertia[static_cast<std::size_t>(index)];
}

double cascadeEfficiency(int index)
{
    switch (index) {
    case 0: return 0.9025;
    case 1: return 0.9604;
    default: return 0;  // "Autre" too: its loss is typed
    }
}

double gearboxCutEfficiency(int index)
{
    switch (index) {
    case 0: return 0.9025;
    case 1: return 0.9604;
    default: return 0;
    }
}

double diffEfficiency(int index)
{
    switch (index) {
    case 0: return 0.95;
    case 1: return 0.98;
    case 2: return 0.97;
    default: return 0;
    }
}

double transmissionLoss(int cascade, int gearboxCut, int diff)
{
    return (1 - cascadeEfficiency(cascade) * gearboxCutEfficiency(gearboxCut) * diffEfficiency(diff)) * 100;
}

}  // namespace vornax
