// The one-page run report: the power and torque chart as the power window
// draws it, the vehicle, the recording, the air and its correction, the peak
// figures and, when known, the acceleration figures, in the language in
// force. This part builds the page's content as texts and a display list;
// ReportPdf paints it. Captions come from the language file where it has
// them, the others from the added texts (French or English).
#pragma once

#include "common/Result.h"
#include "power/AirCorrection.h"
#include "power/PowerChart.h"
#include "power/PowerComputation.h"
#include "power/PowerTexts.h"
#include "store/Varia.h"
#include "signal/CurveNotes.h"
#include "simulation/AccelerationFile.h"
#include "signal/SignalVerdict.h"
#include "signal/SparkDetection.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vornax {

// What is known of the recording; a figure left empty is left out.
struct RecordingFacts {
    std::string file;  // name without folder
    std::optional<double> durationS;
    std::optional<int> sparks;  // found at the default threshold
    // Whether the recording's pulses are a spark train (noise, hum or the
    // engine's sound are not): when not, the curve made from it is not
    // trustworthy, and the report says why in the language in force.
    std::optional<SignalVerdict> verdict;
};

// The engine-speed curve the power was computed from.
struct CurveFacts {
    std::string file;  // name without folder
    int points = 0;
    double durationS = 0;  // last time − first time
};

// The acceleration window's figures, as it shows them ("" = not reached).
struct AccelerationFacts {
    std::string t0100, t400, t1000;  // s, "#0.0"
    std::string topSpeed;            // display speed unit, "#0.0"
};

struct ReportInputs {
    std::string date;              // when the report is made, "2026-12-08", shown at the top of the page
    PowerResult result;            // rows, extremes and chart scale
    std::optional<int> gearIndex;  // the gear of the run, 0 = 1st, when known
    PowerCorrection correction;    // already applied to `result`
    std::string powerFile;         // the power curve file, when the report is made from one
    std::optional<CurveFacts> curve;
    std::optional<RecordingFacts> recording;
    std::optional<AccelerationFacts> acceleration;
    // How the engine-speed curve was made, from the notes kept beside it;
    // nullopt when the curve has none (then the page says so).
    std::optional<CurveNotes> curveNotes;
};

struct ReportLine {
    std::string caption, value;
};
struct ReportSection {
    std::string title;
    std::vector<ReportLine> lines;
    bool leftColumn = false;  // the page's left column (the car); else the right one (the run)
};

struct RunReport {
    std::string title;        // "Rapport de mesure"
    std::string vehicleName;  // Lbnom, as the window's title shows it
    std::string subtitle;     // the date and the recording's name, under the title
    std::string peaksTitle;
    SummaryLines summary;         // the peak figures: exactly the window's Label22 and Label23
    PlotList chart;               // the window's Picture1
    AxisLabels axis;              // Label1 ... Label19, LabelC1 ... LabelC10
    std::string powerAxisTitle;   // Label20
    std::string torqueAxisTitle;  // Label21
    std::string rpmAxisTitle;     // the engine-speed unit, under the engine speeds
    std::vector<ReportSection> sections;
    std::string foot;
};

RunReport buildRunReport(const ReportInputs& inputs, const Varia& store);

// Today's date as the page shows it: "2026-12-08" (the same in every
// language, and never read two ways).
std::string reportDate();

// The rows of a power curve file (rpm, torque, power in the units in force)
// as a result: row j of the file in table row 10 + j, as the window saved it,
// so the chart draws the same segments; the extremes are those of the file's
// rows (the first row reaching one wins). `factor` multiplies torque and
// power, as the computation's correction does. Fails for fewer than two rows
// or a flat curve.
Result<PowerResult> resultFromPowerRows(const std::vector<PowerRow>& rows, float factor, std::string_view source);

// The figures of an acceleration run already read, `displayFactor` the
// Lbcoefkm in force: the time of the last sample at or below 100 km/h, 400 m
// and 1000 m before the run passes them, and the top speed (the run's speeds
// are km/h) in the display unit (times the factor, as the acceleration window
// shows it).
AccelerationFacts accelerationFacts(const AccelerationRun& run, float displayFactor);

// The curve's points and duration; `file` is named without its folder.
CurveFacts curveFacts(const std::filesystem::path& file, const std::vector<RunPoint>& points);

// A recording's duration and the sparks a detection at the default settings
// found in it, and whether they are a spark train (for either sparks-per-
// revolution setting).
RecordingFacts recordingFacts(const std::filesystem::path& file, const Detection& detection);

}  // namespace vornax
