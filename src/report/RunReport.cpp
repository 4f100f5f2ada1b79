#include "report/RunReport.h"

#include "common/NumberText.h"
#include "common/TextFile.h"
#include "compare/CurveSlot.h"
#include "power/AddedTexts.h"
#include "power/PowerCurveInput.h"
#include "power/PowerInputs.h"
#include "signal/SignalVerdict.h"
#include "signal/SparkDetection.h"
#include "simulation/AccelerationFile.h"
#include "vehicle/Catalogue.h"
#include "common/Translation.h"

#include <cmath>

namespace vornax {

namespace {

std::string fileName(const std::filesystem::path& path) { return path.filename().string(); }

std::string oneDecimal(double v) { return formatPattern(v, Pattern::OneDecimal); }

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
    ReportSection s{t.vehicle, {}};
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
    s.lines.push_back({bareCaption(store.get("LbPoids")), store.get("LbPoid") + " kg"});
    s.lines.push_back({"S·Cx", store.get("LbSCx") + " m²"});
    s.lines.push_back({bareCaption(store.get("LbInertieMot")), store.get("LbImoteur") + " kg·m²"});
    // The losses as the computation uses them: whole percents.
    auto loss = [&store](const char* entry) {
        const auto v = store.int16(entry);
        return v ? std::to_string(*v) : store.get(entry);
    };
    const std::string topGears = gears.size() > 4 ? gears[3] + "-" + gears.back() : gears[3];
    s.lines.push_back({bareCaption(store.get("LbPerteBoite")), gears[0] + " " + loss("lbperte1e") + " %, " + gears[1] +
                                                                   "-" + gears[2] + " " + loss("LbPerteB") + " %, " +
                                                                   topGears + " " + loss("lbperte4e") + " %"});
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
            s.lines.push_back({t.duration, oneDecimal(*r.durationS) + " s"});
        if (r.sparks)
            s.lines.push_back({t.sparks, std::to_string(*r.sparks) + " (" + t.sparksNote + ")"});
        if (r.method)
            s.lines.push_back({t.method, *r.method});
        if (r.uncertaintyPct)
            s.lines.push_back({t.uncertainty, "± " + formatPattern(*r.uncertaintyPct, Pattern::TwoDecimals) + " %"});
        if (r.verdict && !r.verdict->trustworthy())
            s.lines.push_back(
                {tx("RunReport", "Warning"),
                 tx("RunReport", "the curve is not trustworthy, %1").arg(signalVerdictLine(*r.verdict, false)).str()});
    }
    if (in.curve) {
        s.lines.push_back({t.curve, in.curve->file + ", " + std::to_string(in.curve->points) + " " + t.points + ", " +
                                        oneDecimal(in.curve->durationS) + " s"});
    }
    if (!in.powerFile.empty())
        s.lines.push_back({t.powerCurve, in.powerFile});
    return s;
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
    ReportSection s{t.acceleration, {}};
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
    r.sections.push_back(vehicleSection(in, store, t));
    if (auto recording = recordingSection(in, t))
        r.sections.push_back(*recording);
    r.sections.push_back(correctionSection(in.correction, t));
    if (in.acceleration)
        r.sections.push_back(accelerationSection(*in.acceleration, store, t));
    r.foot = t.madeWith;
    return r;
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

Result<std::vector<PowerRow>> readPowerRows(const std::filesystem::path& file, const Varia& store)
{
    const auto units = compare::currentUnits(store);
    if (!units)
        return Failure{units.error()};
    compare::CurveSlot slot;
    if (const Status read = compare::fichierPo(file, slot, *units); !read)
        return Failure{read.error()};
    std::vector<PowerRow> rows;
    for (int i = 0; i < slot.pointCount; ++i) {
        const compare::CurvePoint p = slot.point(i);
        rows.push_back({p.rpm, p.torque, p.power});
    }
    return rows;
}

Result<AccelerationFacts> readAccelerationFacts(const std::filesystem::path& file, const Varia& store)
{
    const auto displayFactor = store.single("Lbcoefkm");
    if (!displayFactor)
        return Failure{tx("RunReport", "the speed factor (line 56 of the language file) %1 is not a number")
                           .arg(quotedValue(store.get("Lbcoefkm")))};
    const auto lines = readTextLines(file, 64u << 20);
    if (!lines)
        return Failure{"\"" + file.string() + "\": " + lines.error()};
    const auto run = parseAccelerationLines(*lines, file.string());
    if (!run)
        return Failure{run.error()};
    const ResultSeries& samples = *run->series;
    const std::int32_t last = run->shownLength - 1;

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
    a.topSpeed = oneDecimal(static_cast<double>(*displayFactor) * run->maxSpeed);
    return a;
}

Result<CurveFacts> readCurveFacts(const std::filesystem::path& file)
{
    const auto points = readPowerCurveInput(file);
    if (!points)
        return Failure{points.error()};
    CurveFacts c;
    c.file = fileName(file);
    c.points = static_cast<int>(points->size());
    if (!points->empty())
        c.durationS = static_cast<double>(points->back().time) - points->front().time;
    return c;
}

Result<RecordingFacts> readRecordingFacts(const std::filesystem::path& file)
{
    const auto detection = detectSparksInFile(file);
    if (!detection)
        return Failure{detection.error()};
    RecordingFacts r;
    r.file = fileName(file);
    r.durationS = recordingSeconds(detection->frameCount);
    r.sparks = detection->crossings;
    r.verdict = judgeSparks(detection->sparkTimes, std::nullopt);
    return r;
}

}  // namespace vornax
