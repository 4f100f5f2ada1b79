#include "demo/DemoRun.h"

#include "common/NumberText.h"
#include "common/TextFile.h"
#include "demo/DemoPlots.h"
#include "power/PowerComputation.h"
#include "power/PowerCurveFile.h"
#include "power/PowerCurveInput.h"
#include "power/PowerInputs.h"
#include "signal/CurveFile.h"
#include "signal/CurveNotes.h"
#include "signal/Smoothing.h"
#include "signal/SparkDetection.h"
#include "simulation/AccelerationFile.h"
#include "simulation/AccelerationModel.h"
#include "simulation/TorqueCurve.h"
#include "vehicle/HeadlessCommit.h"
#include "vehicle/MiniFile.h"
#include "vehicle/VehicleEditor.h"

#include <cmath>
#include <memory>
#include <sstream>
#include <system_error>

namespace vornax {
namespace {

namespace fs = std::filesystem;

// "file: message" for a failed step.
Failure failed(const fs::path& file, const std::string& message) { return Failure{file.string() + ": " + message}; }

}  // namespace

Peak truePeakPower(const EngineCurve& engine, double startRpm, double endRpm, float wattsPerUnit)
{
    Peak peak{-1e300, startRpm};
    for (double rpm = std::ceil(startRpm); rpm <= endRpm; rpm += 1.0)
        if (const double p = engine.power(rpm) / wattsPerUnit; p > peak.value)
            peak = {p, rpm};
    return peak;
}

Peak truePeakTorque(const EngineCurve& engine, double startRpm, double endRpm, float unitsPerNm)
{
    Peak peak{-1e300, startRpm};
    for (double rpm = std::ceil(startRpm); rpm <= endRpm; rpm += 1.0)
        if (const double c = engine.torque(rpm) * unitsPerNm; c > peak.value)
            peak = {c, rpm};
    return peak;
}

Result<DemoReport> runDemo(Varia& store, const DemoSettings& settings)
{
    const auto units = displayUnits(store);
    if (!units)
        return Failure{units.error()};
    const fs::path& dir = settings.folder;
    for (const char* sub : {"Wav", "RPM", "Mini", "Puissance", "Acc"}) {
        std::error_code error;
        fs::create_directories(dir / sub, error);
        if (error)
            return failed(dir / sub, error.message());
    }

    DemoReport report;
    report.recording = settings.recording;
    report.powerUnit = store.get("LbUnitePuissance");
    report.torqueUnit = store.get("LbUniteCouple");
    const std::string name = "demo-" + settings.recording.engine;
    const int gear = settings.recording.gear;

    // The vehicle: the editor's defaults, confirmed, and kept as a Mini file.
    if (const Status committed = commitVehicleHeadless(store, {}); !committed)
        return Failure{committed.error()};
    const fs::path miniFile = dir / "Mini" / (name + ".Dat");
    {
        VehicleEditor editor(store);
        if (const Status saved = saveMiniFile(editor, miniFile); !saved)
            return failed(miniFile, saved.error());
    }
    report.files.push_back(miniFile);
    if (gear > static_cast<int>(gearNames(store).size()))
        return Failure{"the default gearbox has no gear " + std::to_string(gear)};

    // The recording and the truth.
    auto recording = synthesize(store, settings.recording);
    if (!recording)
        return Failure{recording.error()};
    report.engineDescription = recording->engine->description();
    report.runSeconds = recording->run.endTime;
    report.sparks = recording->run.sparkTimes.size();
    const fs::path wavFile = dir / "Wav" / (name + ".wav");
    if (const Status saved = writeFileAtomically(wavFile, recording->wav); !saved)
        return failed(wavFile, saved.error());
    report.files.push_back(wavFile);
    const fs::path truthFile = dir / "Puissance" / (name + "-truth.txt");
    const double start = settings.recording.startRpm, end = settings.recording.endRpm;
    if (const Status saved = writeTruthFile(truthFile, *recording->engine, start, end, store); !saved)
        return failed(truthFile, saved.error());
    report.files.push_back(truthFile);

    // The WAV window: sparks, "Filtrer" with its default settings, the curve.
    DetectionSettings detection;
    detection.sparksPerRev = static_cast<float>(settings.recording.sparksPerRev);
    detection.lowPolarity = settings.recording.lowPolarity;
    detection.threshold = settings.recording.lowPolarity ? 50 : 165;
    auto detected = detectSparksInRecording(wavFile.filename().string(), recording->wav, detection);
    if (!detected)
        return Failure{detected.error()};
    const auto raw = std::make_unique<Curve>(detected->curve);
    Curve& curve = detected->curve;
    if (const Status smoothed = smoothCurve(curve, SmoothingSettings{}); !smoothed)
        return Failure{smoothed.error()};
    const fs::path curveFile = dir / "RPM" / (name + ".ReT");
    const std::string curveText = curveFileText(curve);
    if (const Status saved = writeFileAtomically(curveFile, curveText); !saved)
        return failed(curveFile, saved.error());
    report.files.push_back(curveFile);
    CurveNotes notes;
    notes.recording = wavFile.filename().string();
    notes.method = CurveMethod::Standard;
    notes.threshold = detection.threshold;
    notes.lowPolarity = detection.lowPolarity;
    notes.sparksPerRev = detection.sparksPerRev;
    if (const Status noted = saveCurveNotes(curveFile, notes); !noted)
        return failed(curveNotesPath(curveFile), noted.error());
    report.files.push_back(curveNotesPath(curveFile));
    report.curvePoints = savedLineCount(curve.pointCount);

    // The power window, in the recorded gear, on the curve as it was saved.
    const auto inputs = readRunInputs(store, gear - 1);
    if (!inputs)
        return Failure{inputs.error()};
    const auto points = parsePowerCurveText(curveText, curveFile.string());
    if (!points)
        return Failure{points.error()};
    const auto power = computePower(*inputs, *points, emptyPowerTable(), curveFile.string());
    if (!power)
        return Failure{power.error()};
    const fs::path powerFile = dir / "Puissance" / (name + ".txt");
    const std::string powerText =
        powerCurveFileBytes(power->table, power->pointCount, units->wattsPerPowerUnit, units->torquePerNm);
    if (const Status saved = writeFileAtomically(powerFile, powerText); !saved)
        return failed(powerFile, saved.error());
    report.files.push_back(powerFile);
    const PowerExtremes& e = power->extremes;
    report.foundPower = {e.maxPower, e.rpmAtMaxPower};
    report.foundTorque = {e.maxTorque, e.rpmAtMaxTorque};
    report.truePower = truePeakPower(*recording->engine, start, end, units->wattsPerPowerUnit);
    report.trueTorque = truePeakTorque(*recording->engine, start, end, units->torquePerNm);

    // The acceleration window with its default inputs, on the power curve
    // as it was saved.
    const auto torqueCurve = std::make_unique<TorqueCurve>();
    if (const Status loaded = loadPowerCurveLines(splitLines(powerText), *units, *torqueCurve); !loaded)
        return failed(powerFile, loaded.error());
    const SimulationFields fields = SimulationFields::fromStore(store);
    const auto model = std::make_unique<AccelerationModel>();
    if (const Status run = model->simulate({fields, store, *torqueCurve}); !run)
        return Failure{run.error()};
    const fs::path accFile = dir / "Acc" / (name + ".txt");
    if (const Status saved = saveAccelerationFile(accFile, *model, store); !saved)
        return failed(accFile, saved.error());
    report.files.push_back(accFile);
    const ResultLabels& labels = model->labels();
    report.t0100 = labels.lbT0100;
    report.t400 = labels.lb400mDA;
    report.t1000 = labels.lb1000mDA;
    report.topSpeed = labels.lbVmaxi;
    report.topSpeedLine = labels.lbvte;

    // The pictures.
    if (!settings.savePicture)
        return report;
    const auto speedPicture = engineSpeedPicture(*raw, *points, recording->run.samples, store);
    if (!speedPicture)
        return Failure{"the detection found too few sparks for a plot"};
    const std::pair<fs::path, Result<PlotList>> pictures[] = {
        {dir / "demo-rpm.png", *speedPicture},
        {dir / "demo-power.png", powerPicture(*power, *recording->engine, store)},
        {dir / "demo-acceleration.png", accelerationPicture(*model, store)},
    };
    for (const auto& [file, picture] : pictures)
        if (!picture)
            return failed(file, picture.error());
    for (const auto& [file, picture] : pictures) {
        if (const Status written = settings.savePicture(file, *picture); !written)
            return failed(file, written.error());
        report.files.push_back(file);
    }
    return report;
}

std::string reportText(const DemoReport& r, const Varia& store, const std::filesystem::path& folder)
{
    const auto number = [](double v, Pattern p) { return formatPattern(v, p); };
    const auto signedPercent = [&](double v) { return (v >= 0 ? "+" : "") + number(v, Pattern::OneDecimal) + " %"; };
    const auto signedRpm = [&](double v) { return (v >= 0 ? "+" : "") + number(v, Pattern::Whole) + " rpm"; };
    const auto shown = [](const std::string& figure) {
        return figure.empty() ? std::string("not reached") : figure + " s";
    };
    std::ostringstream out;
    out << "Synthetic run: engine " << r.engineDescription << ", gear " << r.recording.gear << ", "
        << number(r.recording.startRpm, Pattern::Whole) << " to " << number(r.recording.endRpm, Pattern::Whole)
        << " rpm in " << number(r.runSeconds, Pattern::OneDecimal) << " s, " << r.sparks << " sparks, " << r.curvePoints
        << " curve points\n";
    out << "Files under " << folder.string() << ":\n";
    for (const auto& f : r.files)
        out << "  " << f.lexically_relative(folder).generic_string() << '\n';
    const double torqueError = (r.foundTorque.value - r.trueTorque.value) / r.trueTorque.value * 100.0;
    out << "Peak power:  " << number(r.foundPower.value, Pattern::TwoDecimals) << ' ' << r.powerUnit << " at "
        << number(r.foundPower.rpm, Pattern::Whole) << " rpm; true " << number(r.truePower.value, Pattern::TwoDecimals)
        << ' ' << r.powerUnit << " at " << number(r.truePower.rpm, Pattern::Whole) << " rpm ("
        << signedPercent(r.powerError()) << ", " << signedRpm(r.foundPower.rpm - r.truePower.rpm) << ")\n";
    out << "Peak torque: " << number(r.foundTorque.value, Pattern::TwoDecimals) << ' ' << r.torqueUnit << " at "
        << number(r.foundTorque.rpm, Pattern::Whole) << " rpm; true "
        << number(r.trueTorque.value, Pattern::TwoDecimals) << ' ' << r.torqueUnit << " at "
        << number(r.trueTorque.rpm, Pattern::Whole) << " rpm (" << signedPercent(torqueError) << ", "
        << signedRpm(r.foundTorque.rpm - r.trueTorque.rpm) << ")\n";
    out << store.get("Lb0100km") << ": " << shown(r.t0100) << '\n'
        << store.get("Lb400mDa") << ": " << shown(r.t400) << '\n'
        << store.get("Lb1000mDA") << ": " << shown(r.t1000) << '\n'
        << store.get("LbVitessemaxi") << ": " << r.topSpeed << ' ' << store.get("LbkmhMph") << "/h (" << r.topSpeedLine
        << ")\n";
    return out.str();
}

}  // namespace vornax
