// Speed logs of a known car, made in memory: the motion integrated finely,
// then sampled at the log's rate with the receiver's noise.
#pragma once

#include "speedlog/SpeedLog.h"

#include <functional>
#include <random>

namespace vornax::testlog {

inline constexpr double kKmh = 1 / 3.6;

// dv/dt as a function of (t, v); integrated with RK4 at 1 ms from v0 at t = 0
// for `seconds`, sampled every 1/rate s from `offset`, noise of `noiseKmh`
// (one standard deviation), the speed never below 0 (a receiver's own
// clamp). Fixes at times t + lead (a stretch of rest before the motion).
inline SpeedLog sampledLog(const std::function<double(double, double)>& accel, double v0, double seconds, double rate,
                           double noiseKmh, unsigned seed, double offset = 0, double lead = 0)
{
    SpeedLog log;
    std::mt19937 random(seed);
    std::normal_distribution<double> noise(0.0, noiseKmh * kKmh);
    const double dt = 0.001;
    double t = 0, v = v0;
    const double spacing = 1.0 / rate;
    for (int k = 0; k * spacing < lead - 1e-9; ++k) {
        SpeedFix f;
        f.time = k * spacing;
        f.speed = std::max(0.0, noise(random));
        log.fixes.push_back(f);
    }
    double next = offset;
    while (t <= seconds + 1e-9) {
        if (t >= next - 1e-9) {
            SpeedFix f;
            f.time = lead + t;
            f.speed = std::max(0.0, v + noise(random));
            log.fixes.push_back(f);
            next += spacing;
        }
        const double k1 = accel(t, v), k2 = accel(t + dt / 2, v + dt / 2 * k1);
        const double k3 = accel(t + dt / 2, v + dt / 2 * k2), k4 = accel(t + dt, v + dt * k3);
        v = std::max(0.0, v + dt / 6 * (k1 + 2 * k2 + 2 * k3 + k4));
        t += dt;
    }
    return log;
}

}  // namespace vornax::testlog
