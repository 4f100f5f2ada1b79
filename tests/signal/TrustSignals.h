// Recordings that are, and that are not, an ignition signal: a pickup's
// sparks, mains hum with an offset, white noise, and the sound of an engine
// as a phone hears it (each firing ringing through the exhaust's and the
// body's resonances, under road and wind noise). Samples from -1 to 1.
#pragma once

#include "signal/SyntheticRecording.h"

#include <cmath>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace vornax::testing {

using Channel = std::vector<double>;
constexpr double kPi = 3.14159265358979323846;

// Spark times of a run whose speed is `rpm` (of time), first spark at 50 ms.
inline std::vector<double> runSparkTimes(double seconds, double sparksPerRev, const std::function<double(double)>& rpm)
{
    std::vector<double> times;
    for (double t = 0.05; t < seconds; t += 60.0 / (sparksPerRev * rpm(t)))
        times.push_back(t);
    return times;
}

// A pickup's pulses: a sharp spike of `peak` decaying in 0.2 ms, then a
// ringing at 3 kHz dying within 4 ms, over a little noise.
inline Channel pickup(double seconds, int rate, const std::vector<double>& sparks, double peak, unsigned seed = 1)
{
    Channel x(static_cast<std::size_t>(seconds * rate));
    std::mt19937 random(seed);
    std::normal_distribution<double> noise(0.0, 0.002);
    for (double& v : x)
        v = noise(random);
    for (const double t : sparks) {
        const auto first = static_cast<std::size_t>(std::ceil(t * rate));
        for (std::size_t n = first; n < x.size() && n < first + std::size_t(rate / 200); ++n) {
            const double dt = double(n) / rate - t;
            x[n] += peak * (std::exp(-dt / 0.0002) + 0.25 * std::sin(2 * kPi * 3000 * dt) * std::exp(-dt / 0.001));
        }
    }
    return x;
}

// 50 Hz mains hum with its third harmonic, on an offset.
inline Channel hum(double seconds, int rate, double level, double offset)
{
    Channel x(static_cast<std::size_t>(seconds * rate));
    for (std::size_t n = 0; n < x.size(); ++n) {
        const double t = double(n) / rate;
        x[n] = offset + level * (std::sin(2 * kPi * 50 * t) + 0.3 * std::sin(2 * kPi * 150 * t + 0.5));
    }
    return x;
}

inline Channel whiteNoise(double seconds, int rate, double deviation, unsigned seed = 7)
{
    Channel x(static_cast<std::size_t>(seconds * rate));
    std::mt19937 random(seed);
    std::normal_distribution<double> noise(0.0, deviation);
    for (double& v : x)
        v = noise(random);
    return x;
}

// A four-cylinder engine's sound through a phone: two firings a revolution
// from 2 000 to 6 000 rpm, each a knock of random strength ringing at
// 120 Hz (the exhaust, 10 ms) and 700 Hz (the body, 3 ms), under noise a
// quarter as loud.
inline Channel engineSound(double seconds, int rate, unsigned seed = 3)
{
    const auto firings = runSparkTimes(seconds, 2.0, [&](double t) { return 2000.0 + 4000.0 * t / seconds; });
    Channel x = whiteNoise(seconds, rate, 0.04, seed + 1);
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> strength(0.5, 1.5);
    for (const double t : firings) {
        const double a = 0.12 * strength(random), b = 0.08 * strength(random);
        const auto first = static_cast<std::size_t>(std::ceil(t * rate));
        for (std::size_t n = first; n < x.size() && n < first + std::size_t(rate / 20); ++n) {
            const double dt = double(n) / rate - t;
            x[n] += a * std::sin(2 * kPi * 120 * dt) * std::exp(-dt / 0.010) +
                    b * std::sin(2 * kPi * 700 * dt) * std::exp(-dt / 0.003);
        }
    }
    return x;
}

inline Channel plus(Channel a, const Channel& b)
{
    for (std::size_t n = 0; n < a.size() && n < b.size(); ++n)
        a[n] += b[n];
    return a;
}

// 16-bit PCM, the channels interleaved.
inline std::string wav16(const std::vector<Channel>& channels, int rate)
{
    std::string data;
    const std::size_t frames = channels.front().size();
    data.reserve(frames * channels.size() * 2);
    for (std::size_t n = 0; n < frames; ++n)
        for (const Channel& c : channels) {
            const double v = std::round(std::clamp(c[n], -1.0, 1.0) * 32767.0);
            const auto s = static_cast<std::uint16_t>(static_cast<std::int16_t>(v));
            data += static_cast<char>(s & 0xFF);
            data += static_cast<char>(s >> 8);
        }
    return makeWav(data, static_cast<std::uint32_t>(rate), static_cast<std::uint16_t>(channels.size()), 16);
}

// The recorder's own kind: 8-bit mono 44 100 Hz, rest at 128.
inline std::string wav8(const Channel& x)
{
    std::string data(x.size(), '\0');
    for (std::size_t n = 0; n < x.size(); ++n)
        data[n] =
            static_cast<char>(static_cast<std::uint8_t>(std::clamp(std::round(128.0 + 127.0 * x[n]), 0.0, 255.0)));
    return makeWav(data);
}

}  // namespace vornax::testing
