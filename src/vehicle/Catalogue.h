// The catalogue of known Mini drivetrains, bodies and tyres behind the vehicle
// editor's nine pick lists: every entry text in list order, the values each
// entry presets, and the efficiencies of the gear cuts that give the
// transmission losses. Entry texts are fixed (never translated); ratios and
// tyre sizes are exact texts as the editor shows them.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vornax {

// The editor's pick lists, in the order the window fills them.
enum class ListId {
    TypeDiff,    // lsttypeDiff: final drive ratio
    TypeBoite,   // lsttypeBoite: gearbox
    EngCascade,  // lstengCascade: cut of the drop gears
    EngBoite,    // lstEngBoite: cut of the gearbox gears
    EngDiff,     // lstengdiff: cut of the differential gears
    TypePneu,    // lstTypePneu: tyre
    SCx,         // lstSCx: body
    Imot,        // lstImot: engine type, for its inertia
    Iroue,       // lstIroue: rim size, for the wheel inertia
};
inline constexpr std::array kAllLists = {ListId::TypeDiff, ListId::TypeBoite, ListId::EngCascade,
                                         ListId::EngBoite, ListId::EngDiff,   ListId::TypePneu,
                                         ListId::SCx,      ListId::Imot,      ListId::Iroue};

// The list control's name ("lsttypeDiff") and its entries, index 0 first.
const char* listName(ListId list);
const std::vector<std::string>& listEntries(ListId list);
inline int listSize(ListId list) { return static_cast<int>(listEntries(list).size()); }

// "Autre" entries: the index that unlocks the list's fields and pre-fills them
// from the store.
inline constexpr int kFinalDriveAutre = 19;
inline constexpr int kGearboxFourAutre = 6;  // "Boite 4 Autre": four typed ratios
inline constexpr int kGearboxFive = 7;       // "Boite 5": five typed ratios
inline constexpr int kGearboxSix = 8;        // "Boite 6": six typed ratios
inline constexpr int kCascadeAutre = 2;      // the loss is typed, not computed
inline constexpr int kTyreAutre = 6;
inline constexpr int kBodyAutre = 4;
inline constexpr int kEngineAutre = 2;
inline constexpr int kRimAutre = 3;

// Ratios of 1st ... 4th gear of a fixed gearbox (indexes 0-5); nullopt for
// the gearboxes whose ratios are typed (6, 7, 8) and for any other index.
std::optional<std::array<const char*, 4>> gearboxPresetRatios(int index);

// Number of gear fields a gearbox entry shows (4, 5 or 6); 0 outside the list.
int gearboxGearsShown(int index);

struct TyreSize {
    const char* width;   // mm
    const char* aspect;  // percent
    const char* rim;     // inch
};
// Preset sizes of tyre entries 0-5; nullopt for "Autre" and outside the list.
std::optional<TyreSize> tyrePreset(int index);

// Drag area S.Cx in m2 of body entries 0-3; nullopt for "Autre" and outside.
std::optional<double> bodyScx(int index);

// Engine inertia in kg.m2 of engine entries 0-1; nullopt for "Autre" and outside.
std::optional<double> engineInertia(int index);

// Every rim entry, "Autre" included, writes this wheel inertia (kg.m2).
inline constexpr double kWheelInertia = 1.2;

// Efficiency of one gear-cut stage by list index. "Standard" is two meshes at
// 0.95 (0.9025), "Droit" two at 0.98 (0.9604); the differential is one mesh.
// A list without selection, an "Autre" cascade and any index outside the list
// count as 0.
double cascadeEfficiency(int index);
double gearboxCutEfficiency(int index);
double diffEfficiency(int index);

// Total transmission loss in percent shown by the editor: (1 - c * b * d) * 100
// for the three cut indexes.
double transmissionLoss(int cascade, int gearboxCut, int diff);

}  // namespace vornax
