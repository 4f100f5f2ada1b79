// A synthetic ignition recording of a known engine in a known car: the car's
// motion at full throttle in one gear (CarMotion), sparks placed by crank
// angle, the signal as a WAV file (IgnitionWaveform), and the engine's true
// torque and power curve to check a measurement against.
#pragma once

#include "common/Result.h"
#include "store/Varia.h"
#include "synth/CarMotion.h"
#include "synth/EngineCurves.h"

#include <filesystem>
#include <string>

namespace vornax {

struct SynthSettings {
    std::string engine = "1275";  // a shipped engine: "850", "1275" or "1380"
    int gear = 3;                 // 1 ... 6
    double startRpm = 2000;
    double endRpm = 5800;
    double sparksPerRev = 0.5;  // 0.5 or 2
    bool lowPolarity = false;
    double noise = 2.0;  // standard deviation of the background noise, sample steps
    unsigned seed = 1;
    int droppedSparks = 0;  // sparks left out of the signal, at random places (never the first or last)
    int strayPulses = 0;    // pulses added at random times of the run (interference)
};

struct SynthRecording {
    std::string wav;  // the whole file: 44-byte header, 8-bit mono 44 100 Hz
    const EngineCurve* engine = nullptr;
    CarInGear car;
    CarRun run;
    double seconds = 0;  // length of the recording
};

// Refuses an unknown engine, a sparks-per-revolution other than 0.5 or 2, a
// negative noise or count of faults, more dropped sparks than the run has
// inside it, and whatever carInGear or runCar refuse. `run.sparkTimes` stays
// the true sparks; the signal carries the faults. The vehicle is the
// one committed in `store`.
Result<SynthRecording> synthesize(const Varia& store, const SynthSettings& settings);

// The true curve in the power curve file format: one line
// "rpm;torque;power" every 50 rpm from the first multiple of 50 at or above
// startRpm to endRpm (torque in N·m × unitsPerNm, power in W ÷ wattsPerUnit,
// shortest single texts), then the two factor lines.
std::string truthFileBytes(const EngineCurve& engine, double startRpm, double endRpm, float wattsPerUnit,
                           float unitsPerNm);

// The true curve with the unit factors of the language in force
// (LbConvertionWatt, LbConvertionNm), written atomically.
Status writeTruthFile(const std::filesystem::path& file, const EngineCurve& engine, double startRpm, double endRpm,
                      const Varia& store);

}  // namespace vornax
