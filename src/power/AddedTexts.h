// The texts the program shows beyond those of the language files for the air
// correction and the run report, in the language in force (the program's
// translations; English, as written here, without one).
#pragma once

#include <string>

namespace vornax {

struct AddedTexts {
    // Power window and summary lines.
    std::string conditions;    // the frame's title
    std::string noCorrection;  // first entry of the standard list
    std::string airTemp;       // field captions, with their units
    std::string pressure;
    std::string humidity;
    std::string corrected;     // ", corrigée DIN 70020, k = 1,032"
    std::string reportButton;  // "Rapport…"

    // Run report.
    std::string reportTitle;
    std::string vehicle;
    std::string gearRatios;
    std::string gearOfRun;
    std::string mass;
    std::string engineInertia;
    std::string recording;
    std::string file;
    std::string duration;
    std::string sparks;  // "(seuil 165)" follows
    std::string sparksNote;
    std::string method;
    std::string uncertainty;
    std::string curve;
    std::string powerCurve;
    std::string points;
    std::string correction;  // the section: conditions and correction
    std::string none;        // the correction's value when there is none
    std::string factor;
    std::string peaks;
    std::string acceleration;
    std::string madeWith;  // the page's foot: "Fait avec The Vornax Meter"
    std::string notGiven;  // a figure the run never reached
};

AddedTexts addedTexts();

}  // namespace vornax
