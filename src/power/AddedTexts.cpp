#include "power/AddedTexts.h"

namespace vornax {

const AddedTexts& frenchTexts()
{
    static const AddedTexts texts{
        "Conditions",
        "Aucune",
        "Air (°C)",
        "Pression (hPa)",
        "Humidité (%)",
        "corrigée",
        "Rapport…",
        "Rapport de mesure",
        "Véhicule",
        "Rapports de boîte",
        "Rapport de la mesure",
        "Poids",
        "Inertie moteur",
        "Enregistrement",
        "Fichier",
        "Durée",
        "Étincelles",
        "détectées au seuil par défaut",
        "Méthode",
        "Incertitude",
        "Courbe de régime",
        "Courbe de puissance",
        "points",
        "Conditions et correction",
        "aucune",
        "facteur",
        "Valeurs maximales",
        "Accélération",
        "Fait avec The Vornax Meter",
        "non atteint",
    };
    return texts;
}

const AddedTexts& englishTexts()
{
    static const AddedTexts texts{
        "Conditions",
        "None",
        "Air (°C)",
        "Pressure (hPa)",
        "Humidity (%)",
        "corrected",
        "Report…",
        "Run report",
        "Vehicle",
        "Gear ratios",
        "Gear of the run",
        "Weight",
        "Engine inertia",
        "Recording",
        "File",
        "Duration",
        "Sparks",
        "found at the default threshold",
        "Method",
        "Uncertainty",
        "Engine-speed curve",
        "Power curve",
        "points",
        "Conditions and correction",
        "none",
        "factor",
        "Peak figures",
        "Acceleration",
        "Made with The Vornax Meter",
        "not reached",
    };
    return texts;
}

const AddedTexts& addedTexts(const Varia& store)
{
    const bool french = store.get("LbPuissance") == "Puissance" && store.get("LbCouple") == "Couple";
    return french ? frenchTexts() : englishTexts();
}

}  // namespace vornax
