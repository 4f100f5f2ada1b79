#include "report/RunReport.h"

#include "common/NumberText.h"
#include "power/AddedTexts.h"
#include "power/PowerInputs.h"
#include "signal/PreciseCurve.h"
#include "signal/SignalVerdict.h"
#include "simulation/AccelerationFile.h"
#include "vehicle/Catalogue.h"
#include "common/Translation.h"

#include <cmath>
#include <ctime>

namespace vornax {

namespace {

std::string fileName(const std::filesystem::path& path) { return path.filename().string(); }

std::string oneDecimal(double v) { return formatPattern(v, Pattern::OneDecimal); }

// Between a figure and its unit, and inside a short group such as "4e 14 %":
// a line of the page never breaks there.
constexpr const char* kNbsp = "\u00a0";

// A caption of the language file without the unit it may carry in
// parentheses ("Poids (kg)" gives "Poids"), for lines that write the unit
// after the value.
std::string bareCaption(const std::string& caption)
{
    const auto open = caption.find(" (");
    return open == std::string::npos ? caption : caption.substr(0, open);
}

std::string gearboxName(const Varia& store)
{
    const auto box = store.int16("lblboite");
    const auto& names = listEntries(ListId::TypeBoite);
    if (box && *box >= 0 && *box < static_cast<int>(names.size()))
        return names[static_cast<std::size_t>(*box)];
    return store.get("lblboite");
}

ReportSection vehicleSection(const ReportInputs& in, const Varia& store, const AddedTexts& t)
{
    ReportSection s{t.vehicle, {}, true};
    s.lines.push_back({store.get("Lbnomdelamini"), store.get("Lbnom")});
    s.lines.push_back({store.get("LbBoitedevitesse"), gearboxName(store)});
    const std::vector<std::string> gears = gearNames(store);
    std::string ratios;
    for (std::size_t i = 0; i < gears.size(); ++i)
        ratios += (i ? " / " : "") + store.get(gearEntries(static_cast<int>(i)).ratio);
    s.lines.push_back({t.gearRatios, ratios});
    if (in.gearIndex && *in.gearIndex >= 0 && *in.gearIndex < static_cast<int>(gears.size()))
        s.lines.push_back({t.gearOfRun, gears[static_cast<std::size_t>(*in.gearIndex)]});
    s.lines.push_back({store.get("LbRapportdePont"), store.get("LbRp")});
    s.lines.push_back({bareCaption(store.get("LbPneumatique")),
                       store.get("LbLp") + "/" + store.get("LbHp") + "/" + store.get("LbDp")});
    s.lines.push_back({bareCaption(store.get("LbPoids")), store.get("LbPoid") + kNbsp + "kg"});
    s.lines.push_back({"S·Cx", store.get("LbSCx") + kNbsp + "m²"});
    s.lines.push_back({bareCaption(store.get("LbInertieMot")), store.get("LbImoteur") + kNbsp + "kg·m²"});
    // The losses as the computation uses them: whole percents.
    const VehicleReadings vehicle = readVehicle(store);
    auto loss = [&](const char* entry) {
        const auto& v = vehicle.loss(entry);
        return v ? std::to_string(*v) : store.get(entry);
    };
    const std::string topGears = gears.size() > 4 ? gears[3] + "-" + gears.back() : gears[3];
    // Each group "gears loss %" holds together; the line breaks only after a comma.
    const auto group = [](const std::string& gearsText, const std::string& lossText) {
        return gearsText + kNbsp + lossText + kNbsp + "%";
    };
    s.lines.push_back({bareCaption(store.get("LbPerteBoite")), group(gears[0], loss("lbperte1e")) + ", " +
                                                                   group(gears[1] + "-" + gears[2], loss("LbPerteB")) +
                                                                   ", " + group(topGears, loss("lbperte4e"))});
    return s;
}

std::optional<ReportSection> recordingSection(const ReportInputs& in, const AddedTexts& t)
{
    if (!in.recording && !in.curve && in.powerFile.empty())
        return std::nullopt;
    ReportSection s{t.recording, {}};
    if (in.recording) {
        const RecordingFacts& r = *in.recording;
        s.lines.push_back({t.file, r.file});
        if (r.durationS)
            s.lines.push_back({t.duration, oneDecimal(*r.durationS) + kNbsp + "s"});
        if (r.sparks)
            s.lines.push_back({t.sparks, std::to_string(*r.sparks) + " (" + t.sparksNote + ")"});
        if (r.verdict && !r.verdict->trustworthy())
            s.lines.push_back(
                {tx("RunReport", "Warning"),
                 tx("RunReport", "the curve is not trustworthy, %1").arg(signalVerdictLine(*r.verdict, false)).str()});
    }
    if (in.curve) {
        s.lines.push_back({t.curve, in.curve->file + ", " + std::to_string(in.curve->points) + " " + t.points + ", " +
                                        oneDecimal(in.curve->durationS) + kNbsp + "s"});
    }
    if (!in.powerFile.empty())
        s.lines.push_back({t.powerCurve, in.powerFile});
    return s;
}

// How the engine-speed curve was made: the smoothing and its settings, or
// the precise fit and how sure it is, and the detection before either.
ReportSection methodSection(const std::optional<CurveNotes>& notes, const AddedTexts& t)
{
    ReportSection s{tx("RunReport", "How the engine speed was found").str(), {}};
    if (!notes) {
        s.lines.push_back({t.method, tx("RunReport", "not recorded with the curve").str()});
        return s;
    }
    const CurveNotes& n = *notes;
    switch (n.method) {
    case CurveMethod::Unsmoothed:
        s.lines.push_back({t.method, tx("RunReport", "unsmoothed: one point per spark").str()});
        break;
    case CurveMethod::Standard: {
        const SmoothingSettings& k = n.smoothing;
        const std::string averaging = k.average
                                          ? tx("RunReport", "averaging level %1").arg(std::to_string(k.level)).str()
                                          : tx("RunReport", "no averaging").str();
        const std::string bezier =
            k.bezier ? tx("RunReport", "Bezier curve skipping %1 points").arg(std::to_string(k.skipped)).str()
                     : tx("RunReport", "no Bezier curve").str();
        s.lines.push_back({t.method, tx("RunReport", "standard smoothing: %1, %2").arg(averaging).arg(bezier).str()});
        break;
    }
    case CurveMethod::Precise:
        s.lines.push_back({t.method, tx("RunReport", "precise: the crank angle fitted through every spark").str()});
        if (n.rpmUncertaintyPct && n.powerUncertaintyPct)
            s.lines.push_back({t.uncertainty, tx("RunReport", "engine speed ± %1, power ± %2 (1 standard deviation)")
                                                  .arg(uncertaintyText(*n.rpmUncertaintyPct, false) + kNbsp + "%")
                                                  .arg(uncertaintyText(*n.powerUncertaintyPct, false) + kNbsp + "%")
                                                  .str()});
        break;
    }
    if (n.threshold) {
        std::string detection = tx("RunReport", "threshold %1").arg(std::to_string(*n.threshold)).str();
        if (n.lowPolarity)
            detection += " (" +
                         (*n.lowPolarity ? tx("RunReport", "low polarity") : tx("RunReport", "high polarity")).str() +
                         ")";
        if (n.sparksPerRev)
            detection += ", " + tx("RunReport", "%1 sparks per revolution").arg(singleText(*n.sparksPerRev)).str();
        s.lines.push_back({tx("RunReport", "Detection").str(), detection});
    }
    return s;
}

// The date and the recording under the title: the recording given, else the
// one the curve's notes name, else the curve itself.
std::string subtitle(const ReportInputs& in, const AddedTexts& t)
{
    std::string name;
    if (in.recording)
        name = in.recording->file;
    else if (in.curveNotes && !in.curveNotes->recording.empty())
        name = in.curveNotes->recording;
    std::string text = in.date;
    const auto add = [&text](const std::string& part) { text += (text.empty() ? "" : "   ·   ") + part; };
    if (!name.empty())
        add(t.recording + " " + name);
    else if (in.curve)
        add(t.curve + " " + in.curve->file);
    return text;
}

ReportSection correctionSection(const PowerCorrection& c, const AddedTexts& t)
{
    ReportSection s{t.correction, {}};
    if (!c.active()) {
        s.lines.push_back({"Correction", t.none});
        return s;
    }
    s.lines.push_back({"Correction", std::string(standardInfo(c.standard).name) +
                                         ", k = " + formatPattern(c.factor, Pattern::ThreeDecimals)});
    s.lines.push_back({t.airTemp, doubleText(c.air.airTempC)});
    s.lines.push_back({t.pressure, doubleText(c.air.pressureHpa)});
    s.lines.push_back({t.humidity, doubleText(c.air.humidityPct)});
    return s;
}

ReportSection accelerationSection(const AccelerationFacts& a, const Varia& store, const AddedTexts& t)
{
    ReportSection s{t.acceleration, {}, true};
    auto seconds = [&t](const std::string& v) { return v.empty() ? std::string(t.notGiven) : v + " s"; };
    s.lines.push_back({store.get("Lb0100km"), seconds(a.t0100)});
    s.lines.push_back({store.get("Lb400mDa"), seconds(a.t400)});
    s.lines.push_back({store.get("Lb1000mDA"), seconds(a.t1000)});
    s.lines.push_back({store.get("LbVitessemaxi"), a.topSpeed + " " + store.get("LbkmhMph") + "/h"});
    return s;
}

}  // namespace

RunReport buildRunReport(const ReportInputs& in, const Varia& store)
{
    const AddedTexts t = addedTexts();
    RunReport r;
    r.title = t.reportTitle;
    r.peaksTitle = t.peaks;
    // Peaks of a curve made from no spark train are no measurement: said
    // where the figures are read, and why in the recording's section.
    if (in.recording && in.recording->verdict && !in.recording->verdict->trustworthy())
        r.peaksTitle += " (" + tx("RunReport", "not trustworthy").str() + ")";
    r.vehicleName = store.get("Lbnom");
    r.summary = summaryLines(in.result.extremes, store, in.correction);
    r.chart = powerChart(in.result);
    r.axis = axisLabels(in.result.scale);
    r.powerAxisTitle = store.get("LbPuissanceEn") + " " + store.get("LbUnitePuissance");
    r.torqueAxisTitle = store.get("LbCoupleEn") + " " + store.get("LbUniteCouple");
    r.rpmAxisTitle = store.get("LbUniteRegime");
    r.subtitle = subtitle(in, t);
    r.sections.push_back(vehicleSection(in, store, t));
    if (auto recording = recordingSection(in, t))
        r.sections.push_back(*recording);
    r.sections.push_back(methodSection(in.curveNotes, t));
    r.sections.push_back(correctionSection(in.correction, t));
    if (in.acceleration)
        r.sections.push_back(accelerationSection(*in.acceleration, store, t));
    r.foot = t.madeWith;
    return r;
}

std::string reportDate()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const auto two = [](int v) { return (v < 10 ? "0" : "") + std::to_string(v); };
    return std::to_string(local.tm_year + 1900) + "-" + two(local.tm_mon + 1) + "-" + two(local.tm_mday);
}

Result<PowerResult> resultFromPowerRows(const std::vector<PowerRow>& rows, float factor, std::string_view source)
{
    constexpr int kFirstSavedRow = 10;
    if (rows.size() < 2)
        return Failure{tx("RunReport", "\"%1\" has %2 data lines; a chart needs at least 2")
                           .arg(source)
                           .arg(std::to_string(rows.size()))};
    if (rows.size() + kFirstSavedRow > static_cast<std::size_t>(kMaxPowerPoints))
        return Failure{tx("RunReport", "\"%1\" has more rows than a power result holds").arg(source)};
    PowerResult result;
    result.table = emptyPowerTable();
    result.correctionFactor = factor;
    for (std::size_t j = 0; j < rows.size(); ++j) {
        PowerRow row = rows[j];
        if (factor != 1.0f) {
            row.power = static_cast<float>(static_cast<double>(row.power) * factor);
            row.torque = static_cast<float>(static_cast<double>(row.torque) * factor);
        }
        result.table[kFirstSavedRow + j] = row;
    }
    // The chart draws segments from rows 10 ... n - 40, the last ending at
    // row n - 39: the file's last row.
    result.pointCount = static_cast<int>(rows.size()) + 48;

    PowerExtremes& e = result.extremes;
    const PowerRow& first = result.table[kFirstSavedRow];
    e.maxPower = e.minPower = first.power;
    e.rpmAtMaxPower = e.maxRpm = e.minRpm = e.rpmAtMaxTorque = first.rpm;
    e.maxTorque = e.minTorque = first.torque;
    for (std::size_t j = 1; j < rows.size(); ++j) {
        const PowerRow& r = result.table[kFirstSavedRow + j];
        if (r.power > e.maxPower) {
            e.maxPower = r.power;
            e.rpmAtMaxPower = r.rpm;
        }
        e.minPower = std::min(e.minPower, r.power);
        e.maxRpm = std::max(e.maxRpm, r.rpm);
        e.minRpm = std::min(e.minRpm, r.rpm);
        if (r.torque > e.maxTorque) {
            e.maxTorque = r.torque;
            e.rpmAtMaxTorque = r.rpm;
        }
        e.minTorque = std::min(e.minTorque, r.torque);
    }
    auto scale = chartScale(e);
    if (!scale)
        return Failure{"\"" + std::string(source) + "\": " + scale.error()};
    result.scale = *scale;
    return result;
}

AccelerationFacts accelerationFacts(const AccelerationRun& run, float displayFactor)
{
    const ResultSeries& samples = *run.series;
    const std::int32_t last = std::min(run.shownLength - 1, ResultSeries::kLastIndex);

    // The window keeps the time of the last sample at or below each mark;
    // a mark the run never passes is not reached.
    const auto timeAt = [&](const std::vector<float>& value, float mark) {
        std::optional<float> below;
        for (std::int32_t i = 1; i <= last; ++i) {
            if (value[static_cast<std::size_t>(i)] <= mark)
                below = samples.time[static_cast<std::size_t>(i)];
            else
                return below ? oneDecimal(*below) : std::string();
        }
        return std::string();
    };
    AccelerationFacts a;
    a.t0100 = timeAt(samples.speed, 100.0f);
    a.t400 = timeAt(samples.distance, 400.0f);
    a.t1000 = timeAt(samples.distance, 1000.0f);
    a.topSpeed = oneDecimal(static_cast<double>(displayFactor) * run.maxSpeed);
    return a;
}

CurveFacts curveFacts(const std::filesystem::path& file, const std::vector<RunPoint>& points)
{
    CurveFacts c;
    c.file = fileName(file);
    c.points = static_cast<int>(points.size());
    if (!points.empty())
        c.durationS = static_cast<double>(points.back().time) - points.front().time;
    return c;
}

RecordingFacts recordingFacts(const std::filesystem::path& file, const Detection& detection)
{
    RecordingFacts r;
    r.file = fileName(file);
    r.durationS = recordingSeconds(detection.frameCount);
    r.sparks = detection.crossings;
    r.verdict = judgeSparks(detection.sparkTimes, std::nullopt);
    return r;
}

}  // namespace vornax
