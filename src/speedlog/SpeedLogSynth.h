// Test logs of a known car: the speed against time of the same physics the
// synthetic recordings and the acceleration simulation use, sampled at a GPS
// receiver's rate with its faults (speed noise, a slowly wandering position,
// lost fixes), and the truth to measure them against.
//
//  - Pull: the full-throttle run in one gear of the synthetic recordings,
//    after 2 s at the start speed and before 2 s coasting in neutral.
//  - Coast-down: 1 s at the start speed, then in neutral until the end speed,
//    against rolling resistance Cr·m·g, the slope's m·g·sin θ and the air
//    drag ½·ρ·S·Cx·(v + wind)|v + wind|, with the wheels' inertia; on request
//    the same road the other way (slope and wind reversed) as a second log.
//  - Start: 2 s standing, then the acceleration simulation's standing start
//    through the gears.
#pragma once

#include "common/Result.h"
#include "store/Varia.h"
#include "speedlog/SpeedLog.h"

#include <string>
#include <vector>

namespace vornax {

enum class SpeedLogRun { Pull, Coastdown, Start };

struct SpeedLogSynthSettings {
    SpeedLogRun run = SpeedLogRun::Pull;
    double rate = 10;            // fixes per second, 1 ... 100
    double speedNoise = 0.15;    // standard deviation of the speed, km/h
    double positionNoise = 0.5;  // standard deviation of the position, m (correlated over 10 s)
    int droppedFixes = 0;        // lost fixes at random inside each log
    unsigned seed = 1;
    std::string clockStart = "10:00:00.00";
    double latitude = 47.0, longitude = 1.0, bearing = 30;  // where the road starts, degrees

    // Pull
    std::string engine = "1275";
    int gear = 3;
    double startRpm = 2000, endRpm = 5800;

    // Coast-down
    double fromKmh = 100, toKmh = 30;
    double scx = 0;                      // m²; 0: the vehicle's
    double rollingCoefficient = 0.0115;  // Cr
    double slopePercent = 0;             // rise of the road on the first run, %
    double windMs = 0;                   // headwind on the first run, m/s
    bool bothDirections = false;

    // Start
    std::string shiftRpm = "4500", shiftTime = "0,5", duration = "60";  // as the simulation's fields take them
};

// The true motion of one log at its fix times, before the receiver's faults.
struct SpeedLogTruthTrack {
    std::vector<double> time;      // s, as the log's fixes
    std::vector<double> speed;     // m/s
    std::vector<double> distance;  // m from the log's start
};

struct SpeedLogTruth {
    SpeedLogRun run = SpeedLogRun::Pull;
    std::vector<SpeedLogTruthTrack> tracks;  // one a log
    double massKg = 0;
    double rotatingMassKg = 0;  // the wheels' inertia as mass (coast-down, neutral)
    double wheelRadius = 0;     // m
    double overallRatio = 0;    // of the pull's gear
    double scx = 0;             // m²
    double rollingCoefficient = 0;
    double airDensity = 0;  // kg/m³
    double slopePercent = 0, windMs = 0;
    // Pull: the engine's true maxima over the run.
    double maxPowerW = 0, rpmAtMaxPower = 0, maxTorqueNm = 0, rpmAtMaxTorque = 0;
    double pullStart = 0, pullEnd = 0;  // s of the log
    // Coast-down: the coasting of each log, s.
    std::vector<double> coastStart, coastEnd;
    // Start: from the first movement (at moveStart s of the log); NaN when
    // not reached.
    double moveStart = 0, t0100 = 0, t400 = 0, t1000 = 0, topSpeedKmh = 0;
};

struct SpeedLogSynthesis {
    std::vector<SpeedLog> logs;  // two for a coast-down both ways
    SpeedLogTruth truth;
};

// The vehicle is the one committed in `store`. Refuses settings out of their
// ranges, a coast-down that never slows to its end speed, and whatever the
// synthetic run or the simulation refuse.
Result<SpeedLogSynthesis> synthesizeSpeedLog(const Varia& store, const SpeedLogSynthSettings& settings);

// The truth as a text file: "name=value" lines (decimal comma), then
// "log;time_s;speed_kmh;distance_m" and a row for every fix of every log.
std::string speedLogTruthBytes(const SpeedLogTruth& truth);

}  // namespace vornax
