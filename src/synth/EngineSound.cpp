#include "synth/EngineSound.h"

#include "common/HighPass.h"
#include "common/NumberText.h"
#include "common/TextFile.h"
#include "signal/SyntheticRecording.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <random>

namespace vornax {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

struct Resonance {
    double hz, amplitude, decaySeconds;
};

struct PositionSound {
    std::array<Resonance, 4> resonances;
    double road, wind, whine, valves;
};

// What each place hears: the tailpipe the low pipe modes, the engine bay the
// block's higher ringing and the valve train, the cabin a body that lets the
// low end through and adds the road.
PositionSound positionSound(MicPosition position)
{
    switch (position) {
    case MicPosition::Exhaust:
        return {{{{90, 1.0, 0.010}, {250, 0.7, 0.006}, {600, 0.35, 0.004}, {1400, 0.12, 0.002}}}, 0.5, 0.6, 0.5, 0.5};
    case MicPosition::EngineBay:
        return {{{{150, 0.5, 0.006}, {420, 0.8, 0.004}, {1100, 0.6, 0.002}, {2500, 0.3, 0.001}}}, 0.7, 0.8, 1.0, 3.0};
    case MicPosition::Cabin: break;
    }
    return {{{{60, 1.0, 0.012}, {160, 0.6, 0.008}, {380, 0.25, 0.005}, {900, 0.08, 0.003}}}, 2.0, 1.0, 1.5, 0.7};
}

// A two-pole resonator: impulse response amplitude x r^n sin((n + 1) w).
struct Resonator {
    double a1 = 0, a2 = 0, gain = 0, y1 = 0, y2 = 0;
    Resonator(const Resonance& r, double rate)
    {
        const double radius = std::exp(-1.0 / (r.decaySeconds * rate));
        const double w = kTwoPi * r.hz / rate;
        a1 = 2.0 * radius * std::cos(w);
        a2 = -radius * radius;
        gain = r.amplitude * std::sin(w);
    }
    double step(double x)
    {
        const double y = a1 * y1 + a2 * y2 + gain * x;
        y2 = y1;
        y1 = y;
        return y;
    }
};

double smoothStep(double x)
{
    x = std::clamp(x, 0.0, 1.0);
    return x * x * (3 - 2 * x);
}

}  // namespace

Result<EngineSoundRecording> synthesizeEngineSound(const Varia& store, const EngineSoundSettings& settings)
{
    EngineSoundRecording out;
    out.engine = findEngine(settings.engine);
    if (!out.engine)
        return Failure{"no engine curve named \"" + settings.engine + "\" (850, 1275 or 1380)"};
    if (settings.cylinders < 1 || settings.cylinders > 12)
        return Failure{"the cylinders must be 1 to 12"};
    if (settings.sampleRate < 8000 || settings.sampleRate > 192000)
        return Failure{"the sample rate must lie from 8 000 to 192 000 Hz"};
    if (!(settings.leadSeconds >= 0) || !(settings.liftSeconds >= 0) || settings.leadSeconds > 60 ||
        settings.liftSeconds > 60)
        return Failure{"the part throttle and the lift last 0 to 60 s"};
    if (!(settings.weakCylinder >= 0 && settings.weakCylinder <= 1))
        return Failure{"the weak cylinder's strength lies from 0 to 1"};
    if (!(settings.voice >= 0) || !(settings.noise >= 0) || !(settings.clip >= 0) || !(settings.highPassHz >= 0))
        return Failure{"the voice, noise, clipping and high-pass must not be negative"};
    auto car = carInGear(store, settings.gear);
    if (!car)
        return Failure{car.error()};
    out.car = *car;
    RunSettings runSettings;
    runSettings.startRpm = settings.startRpm;
    runSettings.endRpm = settings.endRpm;
    runSettings.sparksPerRev = 0.5;
    auto motion = runCar(out.car, *out.engine, runSettings);
    if (!motion)
        return Failure{motion.error()};
    out.run = std::move(*motion);

    const double rate = settings.sampleRate;
    const double lead = settings.leadSeconds, pull = out.run.endTime, lift = settings.liftSeconds;
    out.pullStart = lead;
    out.pullEnd = lead + pull;
    out.seconds = lead + pull + lift;
    const auto& samples = out.run.samples;
    // Engine speed anywhere in the recording: part throttle creeping up to
    // the start speed, the pull as the car's motion gives it (the run's
    // samples every 10 ms, linear between them), then the overrun slowing
    // the engine at up to 1 200 rpm/s once the throttle has closed.
    constexpr double kOverrun = 1200.0, kOverrunRise = 0.15;
    const auto rpmAt = [&](double t) {
        if (t < lead)
            return settings.startRpm * (0.97 + 0.03 * smoothStep(t / std::max(lead, 1e-9)));
        if (t < lead + pull) {
            const double u = t - lead;
            const auto j = std::min<std::size_t>(static_cast<std::size_t>(u * 100.0), samples.size() - 2);
            const double f = (u - samples[j].time) / (samples[j + 1].time - samples[j].time);
            return samples[j].rpm + std::clamp(f, 0.0, 1.0) * (samples[j + 1].rpm - samples[j].rpm);
        }
        const double u = t - lead - pull;
        const double slowed =
            u < kOverrunRise ? kOverrun * u * u / (2 * kOverrunRise) : kOverrun * (u - kOverrunRise / 2);
        return std::max(settings.endRpm - slowed, 0.4 * settings.startRpm);
    };
    const auto loadAt = [&](double t) {
        if (t < lead)
            return 0.45;
        if (t < lead + pull)
            return 0.45 + 0.55 * smoothStep((t - lead) / 0.05);
        return 1.0 - 0.88 * smoothStep((t - lead - pull) / 0.08);
    };

    const auto count = static_cast<std::size_t>(std::ceil(out.seconds * rate));
    std::vector<double> pulses(count + 2, 0.0), crank(count + 1, 0.0);
    const double firingsPerRev = settings.cylinders / 2.0;
    std::mt19937 random(settings.seed);
    std::normal_distribution<double> gauss(0.0, 1.0);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);

    // Each cylinder fires a little differently; each cycle again a little
    // differently from the last.
    std::vector<double> cylinderStrength(std::size_t(settings.cylinders));
    for (auto& s : cylinderStrength)
        s = 1.0 + 0.04 * gauss(random);
    cylinderStrength.back() *= settings.weakCylinder;

    // Crank angle sample by sample (midpoint rule), firings where it crosses
    // a whole firing interval, placed between two samples as a pair of
    // weights so the pulse keeps its exact time.
    const double firingAngle = kTwoPi / firingsPerRev;
    double nextFiring = uniform(random) * firingAngle;
    std::size_t firingIndex = 0;
    for (std::size_t n = 0; n < count; ++n) {
        const double t = n / rate;
        crank[n + 1] = crank[n] + kTwoPi * rpmAt(t + 0.5 / rate) / 60.0 / rate;
        while (nextFiring <= crank[n + 1]) {
            const double f = (nextFiring - crank[n]) / (crank[n + 1] - crank[n]);
            const double when = t + f / rate;
            out.firingTimes.push_back(when);
            // Combustion does not start at exactly the same angle every
            // cycle: 30 microseconds of jitter around the crank's firing time.
            const double heard = std::max(0.0, when + 30e-6 * gauss(random)) * rate;
            const auto k = static_cast<std::size_t>(heard);
            const double frac = heard - k;
            const double strength =
                cylinderStrength[firingIndex % cylinderStrength.size()] * (1.0 + 0.06 * gauss(random)) * loadAt(when);
            if (k + 1 < pulses.size()) {
                pulses[k] += strength * (1 - frac);
                pulses[k + 1] += strength * frac;
            }
            ++firingIndex;
            nextFiring += firingAngle;
        }
    }
    for (double t = 0; t < out.seconds; t += 0.01)
        out.speed.push_back({t, rpmAt(t)});

    // The firing pulses rung through the resonances of where the microphone is.
    const PositionSound place = positionSound(settings.position);
    std::vector<double> engine(count, 0.0);
    std::vector<Resonator> resonators;
    for (const Resonance& r : place.resonances)
        resonators.emplace_back(r, rate);
    for (std::size_t n = 0; n < count; ++n) {
        double y = 0;
        for (auto& r : resonators)
            y += r.step(pulses[n]);
        engine[n] = y;
    }
    double engineRms = 0;
    const auto pullFirst = static_cast<std::size_t>(lead * rate);
    const auto pullLast = std::min(count, static_cast<std::size_t>((lead + pull) * rate));
    for (std::size_t n = pullFirst; n < pullLast; ++n)
        engineRms += engine[n] * engine[n];
    engineRms = std::sqrt(engineRms / std::max<std::size_t>(1, pullLast - pullFirst));

    // What else is heard: valve-train clicks (two valve events per cylinder
    // and cycle), the gearbox whining at 17,3 times the crank speed, road
    // noise (low) and wind noise (higher, rising faster with speed), a voice.
    std::vector<double> mix(count, 0.0);
    const double valveAngle = kTwoPi / settings.cylinders;
    double nextValve = uniform(random) * valveAngle;
    double click = 0, road = 0, windLow = 0, windPrev = 0, voicePhase = 0;
    const double roadPole = std::exp(-kTwoPi * 250.0 / rate);
    const double windPole = std::exp(-kTwoPi * 2500.0 / rate);
    const double whinePhase = uniform(random) * kTwoPi;
    for (std::size_t n = 0; n < count; ++n) {
        const double t = n / rate;
        const double rpm = rpmAt(t);
        const double load = loadAt(t);
        const double speedShare = rpm / settings.endRpm;
        if (crank[n + 1] >= nextValve) {
            click = 0.08 * engineRms * place.valves * (1.0 + 0.3 * gauss(random));
            nextValve += valveAngle;
        }
        double v = click * gauss(random);
        click *= std::exp(-1.0 / (0.0008 * rate));
        v += 0.05 * engineRms * place.whine * load * std::sin(17.3 * crank[n] + whinePhase);
        road = roadPole * road + (1 - roadPole) * gauss(random);
        v += 1.2 * engineRms * settings.noise * place.road * (0.2 + 0.8 * speedShare * speedShare) * road;
        windLow = windPole * windLow + (1 - windPole) * gauss(random);
        const double wind = windLow - windPrev;
        windPrev = windLow;
        v += 0.6 * engineRms * settings.noise * place.wind * speedShare * speedShare * speedShare * wind * 4.0;
        if (settings.voice > 0) {
            // Speech-like: a wandering pitch near 130 Hz with its harmonics,
            // in syllables of a quarter second, 2,2 s of talk then a pause.
            const double f0 = 130.0 * (1 + 0.12 * std::sin(kTwoPi * 0.9 * t) + 0.05 * std::sin(kTwoPi * 2.3 * t));
            voicePhase += kTwoPi * f0 / rate;
            const double talking = std::fmod(t, 3.0) < 2.2 ? 1.0 : 0.0;
            const double syllable = std::pow(0.5 - 0.5 * std::cos(kTwoPi * 4.0 * t), 2.0);
            double sound = 0;
            for (int h = 1; h <= 20 && h * f0 < 4000; ++h)
                sound += std::sin(h * voicePhase) / h;
            v += settings.voice * engineRms * 1.4 * talking * syllable * sound;
        }
        mix[n] = engine[n] + v;
    }

    // The microphone and the recorder: high-pass, slow automatic gain.
    HighPass highPass(settings.highPassHz, rate);
    double envelope = engineRms * engineRms;
    const double agcPole = std::exp(-1.0 / (1.5 * rate));
    for (std::size_t n = 0; n < count; ++n) {
        double y = highPass.next(mix[n]);
        if (settings.automaticGain) {
            envelope = agcPole * envelope + (1 - agcPole) * y * y;
            y *= std::clamp(engineRms / std::sqrt(envelope + 1e-30), 0.1, 10.0);
        }
        mix[n] = y;
    }
    double rms = 0, peak = 0;
    for (const double y : mix) {
        rms += y * y;
        peak = std::max(peak, std::abs(y));
    }
    rms = std::sqrt(rms / std::max<std::size_t>(1, count));
    // Levelled to -20 dB of full scale (kept below full scale), or driven
    // into clipping on request.
    double scale = rms > 0 ? 0.1 / rms : 1.0;
    if (peak * scale > 0.95)
        scale = 0.95 / peak;
    if (settings.clip > 0 && peak > 0)
        scale = settings.clip / peak;
    std::string data(count * 2, '\0');
    for (std::size_t n = 0; n < count; ++n) {
        const long v = std::lround(std::clamp(mix[n] * scale, -1.0, 1.0) * 32767.0);
        const auto u = static_cast<std::uint16_t>(static_cast<std::int16_t>(v));
        data[2 * n] = static_cast<char>(u & 0xff);
        data[2 * n + 1] = static_cast<char>(u >> 8);
    }
    out.wav = makeWav(data, static_cast<std::uint32_t>(settings.sampleRate), 1, 16);
    return out;
}

std::string speedTruthBytes(const std::vector<MotionSample>& speed)
{
    TextWriter text;
    for (const MotionSample& s : speed)
        text.line(decimalsText(s.time, 3) + ";" + decimalsText(s.rpm, 2));
    return text.bytes();
}

}  // namespace vornax
