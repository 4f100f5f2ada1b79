// `vornax synth --speed-log`: the options of the test logs of a known car,
// and the run that writes them (SynthSpeedLogCommand.cpp).
#pragma once

#include <CLI/CLI.hpp>

#include <memory>
#include <string>

namespace vornax::cli {

struct SpeedLogSynthArguments {
    bool enabled = false;
    std::string run = "pull", format, direction = "out", outputBack;
    std::string rate = "10", speedNoise = "0.15", positionNoise = "0.5", clock = "10:00:00.00";
    int dropFixes = 0;
    std::string scx, rolling = "0.0115", slope = "0", wind = "0", from = "100", to = "30";
};

// Adds --speed-log and its options to `synth`.
void addSpeedLogSynthOptions(CLI::App& synth, SpeedLogSynthArguments& a);

struct SpeedLogSynthCommon {
    std::string output, truth, engine;
    int gear = 3;
    unsigned seed = 1;
    std::string startRpm, endRpm, shiftRpm, shiftTime, duration;
    bool rateGiven = false;
};

// Writes the log(s) and the truth; the vehicle is already committed.
void runSpeedLogSynth(const SpeedLogSynthArguments& a, const SpeedLogSynthCommon& common);

}  // namespace vornax::cli
