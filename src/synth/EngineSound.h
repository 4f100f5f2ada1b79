// A synthetic recording of the engine's sound, as a phone or a recorder
// hears it during a pull: the same car and run physics as the ignition
// recording (CarMotion), a stretch of part throttle before the pull and the
// lift after it, and for each firing a pressure pulse rung through the
// exhaust's resonances. Around it what real recordings hold: per-cylinder and
// per-cycle variation, an optional weak cylinder, valve-train clatter, gear
// whine at a non-integer order, road and wind noise rising with speed, an
// optional voice, the microphone's high-pass, a slow automatic gain and
// clipping. 16-bit PCM mono.
#pragma once

#include "common/Result.h"
#include "store/Varia.h"
#include "synth/CarMotion.h"
#include "synth/EngineCurves.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vornax {

enum class MicPosition { Cabin, EngineBay, Exhaust };

struct EngineSoundSettings {
    std::string engine = "1275";  // a shipped engine
    int gear = 3;
    double startRpm = 2000;
    double endRpm = 5800;
    int cylinders = 4;  // fires cylinders / 2 times a revolution (four-stroke)
    MicPosition position = MicPosition::Cabin;
    double leadSeconds = 1.5;   // part throttle before the pull
    double liftSeconds = 1.0;   // throttle closed after it
    double weakCylinder = 1.0;  // strength of the last cylinder's firing, 1 = as the others
    double voice = 0;           // level of a talking passenger, 0 = none, 1 = as loud as the engine
    double highPassHz = 80;     // the microphone's high-pass (second order), 0 = none
    bool automaticGain = false;
    double clip = 0;     // 0: no clipping; otherwise the peak is driven to this many times full scale
    double noise = 1.0;  // road and wind noise, relative to the usual amount
    int sampleRate = 48000;
    unsigned seed = 1;
};

struct EngineSoundRecording {
    std::string wav;  // the whole file: 44-byte header, 16-bit mono
    const EngineCurve* engine = nullptr;
    CarInGear car;
    CarRun run;                       // the full-throttle pull alone, times from its own start
    double pullStart = 0;             // s into the recording where the pull starts
    double pullEnd = 0;               // s, where the throttle closes
    std::vector<double> firingTimes;  // s into the recording, every firing of the whole recording
    std::vector<MotionSample> speed;  // every 10 ms of the whole recording, s into the recording
    double seconds = 0;
};

// Refuses what synthesize refuses for the car and run, a cylinder count
// other than 1 ... 12, a rate outside 8 000 ... 192 000 Hz, and settings out
// of their ranges (negative levels or lengths, a weak cylinder outside 0 ... 1).
Result<EngineSoundRecording> synthesizeEngineSound(const Varia& store, const EngineSoundSettings& settings);

// The true engine speed, one line "time;rpm" every 10 ms (decimal comma,
// time with three decimals, rpm with two).
std::string speedTruthBytes(const std::vector<MotionSample>& speed);

}  // namespace vornax
