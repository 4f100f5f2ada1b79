// The texts the program shows beyond those of the language files: the air
// correction's words and the run report's captions. One French set and one
// English set, chosen by the language in force; they are kept together here
// so that they can move to translation files as one piece.
#pragma once

#include "shell/Varia.h"

namespace vornax {

struct AddedTexts {
    // Power window and summary lines.
    const char* conditions;    // the frame's title
    const char* noCorrection;  // first entry of the standard list
    const char* airTemp;       // field captions, with their units
    const char* pressure;
    const char* humidity;
    const char* corrected;     // ", corrigée DIN 70020, k = 1,032"
    const char* reportButton;  // "Rapport…"

    // Run report.
    const char* reportTitle;
    const char* vehicle;
    const char* gearRatios;
    const char* gearOfRun;
    const char* mass;
    const char* engineInertia;
    const char* recording;
    const char* file;
    const char* duration;
    const char* sparks;  // "(seuil 165)" follows
    const char* sparksNote;
    const char* method;
    const char* uncertainty;
    const char* curve;
    const char* powerCurve;
    const char* points;
    const char* correction;  // the section: conditions and correction
    const char* none;        // the correction's value when there is none
    const char* factor;
    const char* peaks;
    const char* acceleration;
    const char* madeWith;  // the page's foot: "Fait avec The Vornax Meter"
    const char* notGiven;  // a figure the run never reached
};

// French when the language in force is the French file (its words for power
// and torque are "Puissance" and "Couple", as are the store's own initial
// texts), English for every other language.
const AddedTexts& addedTexts(const Varia& store);
const AddedTexts& frenchTexts();
const AddedTexts& englishTexts();

}  // namespace vornax
