#include "speedlog/SpeedLogSynth.h"

#include "common/NumberText.h"
#include "common/Physics.h"
#include "common/TextFile.h"
#include "store/StoreReadings.h"
#include "simulation/AccelerationModel.h"
#include "simulation/TorqueCurve.h"
#include "speedlog/Geodesic.h"
#include "speedlog/LogText.h"
#include "synth/CarMotion.h"
#include "synth/SyntheticRun.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <numeric>
#include <random>

namespace vornax {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// The true motion, densely: speed (m/s) and distance (m) at increasing times.
struct Trajectory {
    std::vector<double> t, v, x;

    void add(double time, double speed)
    {
        const double distance = t.empty() ? 0.0 : x.back() + (time - t.back()) * (speed + v.back()) / 2;
        t.push_back(time);
        v.push_back(speed);
        x.push_back(distance);
    }
    double end() const { return t.back(); }

    // Linear between the stored points.
    void at(double time, double& speed, double& distance) const
    {
        const auto upper = std::upper_bound(t.begin(), t.end(), time);
        if (upper == t.begin() || upper == t.end()) {
            const std::size_t i = upper == t.begin() ? 0 : t.size() - 1;
            speed = v[i];
            distance = x[i] + (time - t[i]) * v[i];
            return;
        }
        const std::size_t j = static_cast<std::size_t>(upper - t.begin());
        const std::size_t i = j - 1;
        const double f = (time - t[i]) / (t[j] - t[i]);
        speed = v[i] + f * (v[j] - v[i]);
        distance = x[i] + f * (x[j] - x[i]);
    }
};

// The car rolling in neutral.
struct CoastingCar {
    double massKg = 0;
    double effectiveMassKg = 0;  // with the wheels' inertia
    double rolling = 0;          // Cr
    double slope = 0;            // rise over run
    double halfRhoScx = 0;       // ½·ρ·S·Cx, kg/m
    double wind = 0;             // headwind, m/s

    double acceleration(double v) const
    {
        const double air = v + wind;
        const double theta = std::atan(slope);
        const double force = rolling * massKg * physics::kGravity * std::cos(theta) +
                             massKg * physics::kGravity * std::sin(theta) + halfRhoScx * air * std::fabs(air);
        return -force / effectiveMassKg;
    }
};

// Coasts from the trajectory's last point until the speed falls to vEnd or
// `seconds` have passed; false when it never slows to vEnd within `limit`.
bool coast(Trajectory& path, const CoastingCar& car, double vEnd, double seconds)
{
    constexpr double h = 0.002;
    double v = path.v.back();
    const double t0 = path.end();
    for (long step = 1;; ++step) {
        const double k1 = car.acceleration(v);
        const double k2 = car.acceleration(v + h / 2 * k1);
        const double k3 = car.acceleration(v + h / 2 * k2);
        const double k4 = car.acceleration(v + h * k3);
        const double next = v + h / 6 * (k1 + 2 * k2 + 2 * k3 + k4);
        const double t = t0 + step * h;
        if (next <= vEnd) {
            path.add(t - h + h * (v - vEnd) / (v - next), vEnd);
            return true;
        }
        path.add(t, next);
        v = next;
        if (step * h >= seconds)
            return vEnd <= 0;
    }
}

// Time at which `values` first reaches `level`, between the samples; NaN if never.
double crossing(const std::vector<double>& times, const std::vector<double>& values, double level)
{
    for (std::size_t i = 1; i < values.size(); ++i)
        if (values[i] >= level && values[i - 1] < level)
            return times[i - 1] + (times[i] - times[i - 1]) * (level - values[i - 1]) / (values[i] - values[i - 1]);
    return std::nan("");
}

struct Road {
    double latitude, longitude, altitude, bearing, slope;
};

// Samples the trajectory at the log's rate, with the receiver's faults.
SpeedLog sampleLog(const Trajectory& path, const Road& road, const SpeedLogSynthSettings& s, std::mt19937& random,
                   SpeedLogTruthTrack& truth)
{
    SpeedLog log;
    log.format = SpeedLogFormat::Nmea;
    log.clockStart = s.clockStart;
    const std::size_t count = static_cast<std::size_t>(std::floor(path.end() * s.rate + 1e-9)) + 1;
    std::normal_distribution<double> gauss(0.0, 1.0);
    // The position wanders slowly (multipath, satellites coming and going):
    // first-order correlation over 10 s, north and east.
    const double phi = std::exp(-1.0 / (s.rate * 10.0));
    const double innovation = std::sqrt(1 - phi * phi) * s.positionNoise;
    double north = gauss(random) * s.positionNoise, east = gauss(random) * s.positionNoise;
    for (std::size_t k = 0; k < count; ++k) {
        const double t = static_cast<double>(k) / s.rate;
        double v = 0, x = 0;
        path.at(t, v, x);
        truth.time.push_back(t);
        truth.speed.push_back(v);
        truth.distance.push_back(x);
        SpeedFix fix;
        fix.time = t;
        fix.speed = std::max(0.0, v + gauss(random) * s.speedNoise / 3.6);
        north = phi * north + innovation * gauss(random);
        east = phi * east + innovation * gauss(random);
        double lat = 0, lon = 0;
        geodesicDestination(road.latitude, road.longitude, road.bearing, x, lat, lon);
        geodesicDestination(lat, lon, north >= 0 ? 0.0 : 180.0, std::fabs(north), lat, lon);
        geodesicDestination(lat, lon, east >= 0 ? 90.0 : 270.0, std::fabs(east), fix.latitude, fix.longitude);
        fix.altitude = road.altitude + x * std::sin(std::atan(road.slope));
        log.fixes.push_back(fix);
    }
    if (s.droppedFixes > 0) {
        std::vector<std::size_t> inside(count - 2);
        std::iota(inside.begin(), inside.end(), std::size_t(1));
        std::shuffle(inside.begin(), inside.end(), random);
        for (int i = 0; i < s.droppedFixes; ++i) {
            SpeedFix& fix = log.fixes[inside[static_cast<std::size_t>(i)]];
            fix.valid = false;
            fix.speed = 0;
        }
    }
    return log;
}

Status checkSettings(const SpeedLogSynthSettings& s)
{
    if (!(s.rate >= 1 && s.rate <= 100))
        return Failure{"the rate must lie between 1 and 100 fixes per second"};
    if (!(s.speedNoise >= 0 && s.speedNoise <= 10))
        return Failure{"the speed noise must lie between 0 and 10 km/h"};
    if (!(s.positionNoise >= 0 && s.positionNoise <= 100))
        return Failure{"the position noise must lie between 0 and 100 m"};
    if (s.droppedFixes < 0)
        return Failure{"the number of lost fixes must not be negative"};
    if (!(std::fabs(s.latitude) <= 85 && std::fabs(s.longitude) <= 180 && std::isfinite(s.bearing)))
        return Failure{"the start of the road is not a position"};
    if (!speedlog::parseClockStart(s.clockStart))
        return Failure{"the clock start " + quotedValue(s.clockStart) + " is not a clock time"};
    if (s.run == SpeedLogRun::Coastdown) {
        if (!(s.toKmh > 0 && s.fromKmh > s.toKmh && s.fromKmh <= 250))
            return Failure{"the coast-down needs 0 < end speed < start speed <= 250 km/h"};
        if (!(s.rollingCoefficient >= 0 && s.rollingCoefficient <= 0.1))
            return Failure{"the rolling coefficient must lie between 0 and 0,1"};
        if (!(s.scx >= 0 && s.scx <= 5))
            return Failure{"the S.Cx must lie between 0 and 5 m²"};
        if (!(std::fabs(s.slopePercent) <= 10))
            return Failure{"the slope must lie between -10 and 10 %"};
        if (!(std::fabs(s.windMs) <= 20))
            return Failure{"the wind must lie between -20 and 20 m/s"};
    }
    return success();
}

Result<SpeedLogSynthesis> pull(const Varia& store, const SpeedLogSynthSettings& s, Trajectory& path)
{
    const EngineCurve* engine = findEngine(s.engine);
    if (!engine)
        return Failure{"\"" + s.engine + "\" is not a shipped engine (850, 1275 or 1380)"};
    const auto car = carInGear(store, s.gear);
    if (!car)
        return Failure{car.error()};
    RunSettings run;
    run.startRpm = s.startRpm;
    run.endRpm = s.endRpm;
    const auto motion = runCar(*car, *engine, run);
    if (!motion)
        return Failure{motion.error()};
    const double perRpm = kTwoPi / physics::kSecondsPerMinute / car->overallRatio * car->wheelRadius;
    constexpr double lead = 2.0;
    path.add(0, s.startRpm * perRpm);
    for (const MotionSample& sample : motion->samples)
        path.add(lead + sample.time, sample.rpm * perRpm);
    CoastingCar rolling;
    rolling.massKg = car->massKg;
    rolling.effectiveMassKg = car->massKg + car->wheelInertia / (car->wheelRadius * car->wheelRadius);
    rolling.rolling = physics::kRollingCoefficient * physics::kRollingAllowance;
    rolling.halfRhoScx = physics::kHalfAirDensity * car->scx;
    coast(path, rolling, 0, 2.0);

    SpeedLogSynthesis out;
    SpeedLogTruth& t = out.truth;
    t.massKg = car->massKg;
    t.rotatingMassKg = rolling.effectiveMassKg - car->massKg;
    t.wheelRadius = car->wheelRadius;
    t.overallRatio = car->overallRatio;
    t.scx = shortestSingleAsDouble(car->scx);
    t.rollingCoefficient = rolling.rolling;
    t.airDensity = 2 * physics::kHalfAirDensity;
    t.pullStart = lead;
    t.pullEnd = lead + motion->endTime;
    for (double rpm = s.startRpm; rpm <= s.endRpm; rpm += 1.0) {
        if (engine->power(rpm) > t.maxPowerW) {
            t.maxPowerW = engine->power(rpm);
            t.rpmAtMaxPower = rpm;
        }
        if (engine->torque(rpm) > t.maxTorqueNm) {
            t.maxTorqueNm = engine->torque(rpm);
            t.rpmAtMaxTorque = rpm;
        }
    }
    return out;
}

Result<SpeedLogSynthesis> start(const Varia& store, const SpeedLogSynthSettings& s, Trajectory& path)
{
    const EngineCurve* engine = findEngine(s.engine);
    if (!engine)
        return Failure{"\"" + s.engine + "\" is not a shipped engine (850, 1275 or 1380)"};
    const auto units = displayUnits(store);
    if (!units)
        return Failure{units.error()};
    const float watts = units->wattsPerPowerUnit, nm = units->torquePerNm;
    // The engine's true curve, through the simulation's own reader.
    const auto rows = readPowerCurve(
        splitLines(truthFileBytes(*engine, engine->lowestRpm(), engine->highestRpm(), watts, nm)), watts, nm);
    if (!rows)
        return Failure{rows.error()};
    auto curve = std::make_unique<TorqueCurve>();
    std::copy(rows->rpm.begin(), rows->rpm.end(), curve->rpm.begin());
    std::copy(rows->torque.begin(), rows->torque.end(), curve->torque.begin());
    std::copy(rows->power.begin(), rows->power.end(), curve->power.begin());
    curve->lastRow = static_cast<std::int16_t>(rows->rpm.size() - 1);
    curve->topRpm = curve->rpm[rows->rpm.size() - 1];

    SimulationFields fields = SimulationFields::fromStore(store);
    fields.RPMCh = s.shiftRpm;
    fields.TMPch = s.shiftTime;
    fields.txtfin = s.duration;
    auto model = std::make_unique<AccelerationModel>();
    if (const Status run = model->simulate({fields, store, *curve}); !run)
        return Failure{run.error()};
    const ResultSeries& series = model->series();
    const std::int32_t last = std::max<std::int32_t>(model->shownLength(), 1);
    constexpr double standing = 2.0;
    path.add(0, 0);
    for (std::int32_t i = 0; i <= last; ++i)
        path.add(standing + i * 0.01, series.speed[static_cast<std::size_t>(i)] / 3.6);

    SpeedLogSynthesis out;
    SpeedLogTruth& t = out.truth;
    const auto car = carInGear(store, 1);
    if (car) {
        t.massKg = car->massKg;
        t.wheelRadius = car->wheelRadius;
        t.scx = shortestSingleAsDouble(car->scx);
    }
    t.rollingCoefficient = physics::kRollingCoefficient * physics::kRollingAllowance;
    t.airDensity = 2 * physics::kHalfAirDensity;
    t.moveStart = standing;
    std::vector<double> kmh(path.v.size());
    std::transform(path.v.begin(), path.v.end(), kmh.begin(), [](double v) { return v * 3.6; });
    t.t0100 = crossing(path.t, kmh, 100.0) - standing;
    t.t400 = crossing(path.t, path.x, 400.0) - standing;
    t.t1000 = crossing(path.t, path.x, 1000.0) - standing;
    t.topSpeedKmh = *std::max_element(kmh.begin(), kmh.end());
    return out;
}

}  // namespace

Result<SpeedLogSynthesis> synthesizeSpeedLog(const Varia& store, const SpeedLogSynthSettings& s)
{
    if (const Status ok = checkSettings(s); !ok)
        return Failure{ok.error()};
    std::mt19937 random(s.seed);
    Road road{s.latitude, s.longitude, 100.0, s.bearing, 0.0};

    const auto finish = [&](Result<SpeedLogSynthesis> made, const Trajectory& path) -> Result<SpeedLogSynthesis> {
        if (!made)
            return made;
        const std::size_t fixes = static_cast<std::size_t>(std::floor(path.end() * s.rate + 1e-9)) + 1;
        if (static_cast<std::size_t>(s.droppedFixes) + 2 > fixes)
            return Failure{"the log has " + std::to_string(fixes) + " fixes: too few to lose " +
                           std::to_string(s.droppedFixes)};
        made->truth.run = s.run;
        made->truth.tracks.emplace_back();
        made->logs.push_back(sampleLog(path, road, s, random, made->truth.tracks.back()));
        return made;
    };

    if (s.run == SpeedLogRun::Pull) {
        Trajectory path;
        return finish(pull(store, s, path), path);
    }
    if (s.run == SpeedLogRun::Start) {
        Trajectory path;
        return finish(start(store, s, path), path);
    }

    // Coast-down: the car of gear 1 (mass, tyres, wheels' inertia, S·Cx).
    const auto car = carInGear(store, 1);
    if (!car)
        return Failure{car.error()};
    SpeedLogSynthesis out;
    SpeedLogTruth& t = out.truth;
    t.run = s.run;
    t.massKg = car->massKg;
    t.wheelRadius = car->wheelRadius;
    t.rotatingMassKg = car->wheelInertia / (car->wheelRadius * car->wheelRadius);
    t.scx = s.scx > 0 ? s.scx : shortestSingleAsDouble(car->scx);
    t.rollingCoefficient = s.rollingCoefficient;
    t.airDensity = 2 * physics::kHalfAirDensity;
    t.slopePercent = s.slopePercent;
    t.windMs = s.windMs;
    for (int direction = 0; direction < (s.bothDirections ? 2 : 1); ++direction) {
        const double sign = direction == 0 ? 1.0 : -1.0;
        CoastingCar rolling;
        rolling.massKg = t.massKg;
        rolling.effectiveMassKg = t.massKg + t.rotatingMassKg;
        rolling.rolling = t.rollingCoefficient;
        rolling.slope = sign * s.slopePercent / 100.0;
        rolling.halfRhoScx = t.airDensity / 2 * t.scx;
        rolling.wind = sign * s.windMs;
        Trajectory path;
        constexpr double lead = 1.0;
        path.add(0, s.fromKmh / 3.6);
        path.add(lead, s.fromKmh / 3.6);
        if (!coast(path, rolling, s.toKmh / 3.6, 600.0))
            return Failure{"the car never slows to " + formatPattern(s.toKmh, Pattern::Whole) +
                           " km/h on this slope: no coast-down"};
        t.coastStart.push_back(lead);
        t.coastEnd.push_back(path.end());
        const std::size_t fixes = static_cast<std::size_t>(std::floor(path.end() * s.rate + 1e-9)) + 1;
        if (static_cast<std::size_t>(s.droppedFixes) + 2 > fixes)
            return Failure{"the log has " + std::to_string(fixes) + " fixes: too few to lose " +
                           std::to_string(s.droppedFixes)};
        if (direction == 1) {
            // Back down the same road from where the first run ended.
            const double length = t.tracks.front().distance.back();
            geodesicDestination(s.latitude, s.longitude, s.bearing, length, road.latitude, road.longitude);
            road.altitude = 100.0 + length * std::sin(std::atan(s.slopePercent / 100.0));
            road.bearing = s.bearing + 180.0;
        }
        road.slope = rolling.slope;
        t.tracks.emplace_back();
        out.logs.push_back(sampleLog(path, road, s, random, t.tracks.back()));
    }
    return out;
}

std::string speedLogTruthBytes(const SpeedLogTruth& t)
{
    TextWriter text;
    const auto value = [&](const char* name, double v) {
        text.line(std::string(name) + "=" + (std::isfinite(v) ? doubleText(v) : std::string()));
    };
    text.line(std::string("run=") + (t.run == SpeedLogRun::Pull        ? "pull"
                                     : t.run == SpeedLogRun::Coastdown ? "coastdown"
                                                                       : "start"));
    text.line("logs=" + std::to_string(t.tracks.size()));
    value("mass_kg", t.massKg);
    value("rotating_mass_kg", t.rotatingMassKg);
    value("wheel_radius_m", t.wheelRadius);
    value("scx_m2", t.scx);
    value("rolling_coefficient", t.rollingCoefficient);
    value("air_density_kg_m3", t.airDensity);
    if (t.run == SpeedLogRun::Pull) {
        value("overall_ratio", t.overallRatio);
        value("pull_start_s", t.pullStart);
        value("pull_end_s", t.pullEnd);
        value("max_power_w", t.maxPowerW);
        value("rpm_at_max_power", t.rpmAtMaxPower);
        value("max_torque_nm", t.maxTorqueNm);
        value("rpm_at_max_torque", t.rpmAtMaxTorque);
    } else if (t.run == SpeedLogRun::Coastdown) {
        value("slope_percent", t.slopePercent);
        value("headwind_m_s", t.windMs);
        for (std::size_t i = 0; i < t.coastStart.size(); ++i) {
            value(("coast_start_s_" + std::to_string(i + 1)).c_str(), t.coastStart[i]);
            value(("coast_end_s_" + std::to_string(i + 1)).c_str(), t.coastEnd[i]);
        }
    } else {
        value("move_start_s", t.moveStart);
        value("t_0_100_s", t.t0100);
        value("t_400m_s", t.t400);
        value("t_1000m_s", t.t1000);
        value("top_speed_kmh", t.topSpeedKmh);
    }
    text.line("log;time_s;speed_kmh;distance_m");
    for (std::size_t i = 0; i < t.tracks.size(); ++i) {
        const SpeedLogTruthTrack& track = t.tracks[i];
        for (std::size_t k = 0; k < track.time.size(); ++k)
            text.line(std::to_string(i + 1) + ";" + decimalsText(track.time[k], 3) + ";" +
                      decimalsText(track.speed[k] * 3.6, 4) + ";" + decimalsText(track.distance[k], 3));
    }
    return text.bytes();
}

}  // namespace vornax
