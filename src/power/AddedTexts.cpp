#include "power/AddedTexts.h"

#include "common/Translation.h"

namespace vornax {

AddedTexts addedTexts()
{
    AddedTexts t;
    t.conditions = tx("PowerConditions", "Conditions").str();
    t.noCorrection = tx("PowerConditions", "None").str();
    t.airTemp = tx("PowerConditions", "Air (°C)").str();
    t.pressure = tx("PowerConditions", "Pressure (hPa)").str();
    t.humidity = tx("PowerConditions", "Humidity (%)").str();
    t.corrected = tx("PowerConditions", "corrected").str();
    t.reportButton = tx("PowerConditions", "Report…").str();
    t.reportTitle = tx("RunReport", "Run report").str();
    t.vehicle = tx("RunReport", "Vehicle").str();
    t.gearRatios = tx("RunReport", "Gear ratios").str();
    t.gearOfRun = tx("RunReport", "Gear of the run").str();
    t.mass = tx("RunReport", "Weight").str();
    t.engineInertia = tx("RunReport", "Engine inertia").str();
    t.recording = tx("RunReport", "Recording").str();
    t.file = tx("RunReport", "File").str();
    t.duration = tx("RunReport", "Duration").str();
    t.sparks = tx("RunReport", "Sparks").str();
    t.sparksNote = tx("RunReport", "found at the default threshold").str();
    t.method = tx("RunReport", "Method").str();
    t.uncertainty = tx("RunReport", "Uncertainty").str();
    t.curve = tx("RunReport", "Engine-speed curve").str();
    t.powerCurve = tx("RunReport", "Power curve").str();
    t.points = tx("RunReport", "points").str();
    t.correction = tx("RunReport", "Conditions and correction").str();
    t.none = tx("RunReport", "none").str();
    t.factor = tx("RunReport", "factor").str();
    t.peaks = tx("RunReport", "Peak figures").str();
    t.acceleration = tx("RunReport", "Acceleration").str();
    t.madeWith = tx("RunReport", "Made with The Vornax Meter").str();
    t.notGiven = tx("RunReport", "not reached").str();
    return t;
}

}  // namespace vornax
