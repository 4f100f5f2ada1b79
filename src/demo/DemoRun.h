// The whole road of one measurement on a synthetic recording, without a
// display: the recording of a known engine in the editor's default Mini,
// spark detection with the default smoothing, the curve file, the power in
// the recorded gear, the acceleration simulation; every file the program's
// windows would save, in the application folder layout under one folder,
// pictures of the three curves and a report comparing the measured peaks
// with the engine's true ones.
#pragma once

#include "common/PlotList.h"
#include "common/Result.h"
#include "store/Varia.h"
#include "synth/SyntheticRun.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace vornax {

struct DemoSettings {
    std::filesystem::path folder;  // gets Wav, RPM, Mini, Puissance, Acc and the pictures
    SynthSettings recording;       // the 1275 in 3rd gear, 2 000 to 5 800 rpm, by default
    // Writes one picture (a display list whose user scale is its size in
    // pixels); none given: the run writes no pictures.
    std::function<Status(const std::filesystem::path&, const PlotList&)> savePicture;
};

// A peak: value in the display unit of the language in force, at an engine
// speed in rpm.
struct Peak {
    double value = 0;
    double rpm = 0;
};

struct DemoReport {
    SynthSettings recording;
    std::string engineDescription;
    double runSeconds = 0;
    std::size_t sparks = 0;
    int curvePoints = 0;  // lines of the curve file

    Peak foundPower, truePower, foundTorque, trueTorque;
    std::string powerUnit, torqueUnit;  // from the language

    // The acceleration window's figures as it shows them (empty when the run
    // never reached them) and its top-speed line.
    std::string t0100, t400, t1000, topSpeed, topSpeedLine;

    std::vector<std::filesystem::path> files;  // every file written, in order

    // Relative error of the measured peak power, in percent of the truth.
    double powerError() const { return (foundPower.value - truePower.value) / truePower.value * 100.0; }
};

// The true peak power and torque of an engine between two engine speeds, on
// a 1 rpm grid, in the display units given by the factors.
Peak truePeakPower(const EngineCurve& engine, double startRpm, double endRpm, float wattsPerUnit);
Peak truePeakTorque(const EngineCurve& engine, double startRpm, double endRpm, float unitsPerNm);

// Runs everything. The language must already be in the store (its unit
// factors and captions are used); the editor's default vehicle is committed
// into it. Fails with the first step's message.
Result<DemoReport> runDemo(Varia& store, const DemoSettings& settings);

// The report as printed: the run, the files, the peaks against the truth and
// the acceleration figures, one line each (LF).
std::string reportText(const DemoReport& report, const Varia& store, const std::filesystem::path& folder);

}  // namespace vornax
