#include "synth/SyntheticRun.h"

#include "common/TextFile.h"
#include "formats/PowerCurveFile.h"
#include "store/StoreReadings.h"
#include "signal/SyntheticRecording.h"
#include "synth/IgnitionWaveform.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace vornax {

Result<SynthRecording> synthesize(const Varia& store, const SynthSettings& settings)
{
    SynthRecording out;
    out.engine = findEngine(settings.engine);
    if (!out.engine)
        return Failure{"no engine curve named \"" + settings.engine + "\" (850, 1275 or 1380)"};
    if (settings.sparksPerRev != 0.5 && settings.sparksPerRev != 2.0)
        return Failure{"the sparks per revolution must be 0,5 or 2"};
    if (!(settings.noise >= 0))
        return Failure{"the noise must not be negative"};
    auto car = carInGear(store, settings.gear);
    if (!car)
        return Failure{car.error()};
    out.car = *car;

    RunSettings run;
    run.startRpm = settings.startRpm;
    run.endRpm = settings.endRpm;
    run.sparksPerRev = settings.sparksPerRev;
    // Where the crank stands when the run starts is a matter of chance.
    std::mt19937 random(settings.seed);
    run.firstSparkAngle = std::uniform_real_distribution<double>(0.0, 1.0)(random);
    auto motion = runCar(out.car, *out.engine, run);
    if (!motion)
        return Failure{motion.error()};
    out.run = std::move(*motion);
    if (settings.droppedSparks < 0 || settings.strayPulses < 0)
        return Failure{"the numbers of dropped sparks and stray pulses must not be negative"};
    if (settings.droppedSparks > 0 && std::size_t(settings.droppedSparks) + 2 > out.run.sparkTimes.size())
        return Failure{"the run has only " + std::to_string(out.run.sparkTimes.size()) + " sparks"};

    // The faults of a real pickup, on request: sparks it misses, pulses it
    // picks up from elsewhere.
    std::vector<double> pulses = out.run.sparkTimes;
    std::mt19937 faults(settings.seed + 2);
    for (int k = 0; k < settings.droppedSparks; ++k) {
        std::uniform_int_distribution<std::size_t> pick(1, pulses.size() - 2);
        pulses.erase(pulses.begin() + std::ptrdiff_t(pick(faults)));
    }
    std::uniform_real_distribution<double> when(0.0, out.run.endTime);
    for (int k = 0; k < settings.strayPulses; ++k)
        pulses.push_back(when(faults));
    std::sort(pulses.begin(), pulses.end());

    // The recording stops a moment after the last spark.
    out.seconds = out.run.endTime + 0.02;
    WaveformSettings wave;
    wave.seconds = out.seconds;
    wave.lowPolarity = settings.lowPolarity;
    wave.noise = settings.noise;
    wave.seed = settings.seed + 1;
    out.wav = makeWav(ignitionSamples(pulses, wave));
    return out;
}

std::string truthFileBytes(const EngineCurve& engine, double startRpm, double endRpm, float wattsPerUnit,
                           float unitsPerNm)
{
    std::vector<PowerPoint> points;
    for (double rpm = std::ceil(startRpm / 50.0) * 50.0; rpm <= endRpm; rpm += 50.0)
        points.push_back({static_cast<float>(rpm), static_cast<float>(engine.torque(rpm) * unitsPerNm),
                          static_cast<float>(engine.power(rpm) / wattsPerUnit)});
    return powerFileText(points, wattsPerUnit, unitsPerNm);
}

Status writeTruthFile(const std::filesystem::path& file, const EngineCurve& engine, double startRpm, double endRpm,
                      const Varia& store)
{
    const auto units = displayUnits(store);
    if (!units)
        return Failure{units.error()};
    return writeFileAtomically(file,
                               truthFileBytes(engine, startRpm, endRpm, units->wattsPerPowerUnit, units->torquePerNm));
}

}  // namespace vornax
