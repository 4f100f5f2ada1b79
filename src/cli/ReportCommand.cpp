// `vornax report POWER.txt -o REPORT.pdf [--vehicle CAR.Dat] [--gear G]
// [--acceleration ACC.txt] [--recording REC] [--curve CURVE.ReT]
// [--lang FILE] [--correction STD --air-temp C --pressure HPA --humidity PCT]`:
// the one-page run report of a power curve file as a PDF. The correction
// options correct the file's rows as `vornax power` corrects a computation,
// so they take a file saved without a correction.
//
// The page is painted with Qt Gui: this command alone starts a
// QGuiApplication, on the offscreen platform, so it needs no display and
// every other command stays free of Qt.
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/CorrectionOptions.h"
#include "cli/OffscreenGui.h"
#include "common/TextFile.h"
#include "compare/CurveSlot.h"
#include "paint/ProgramLanguage.h"
#include "power/PowerCurveInput.h"
#include "power/PowerInputs.h"
#include "power/PowerTexts.h"
#include "paint/ReportPdf.h"
#include "report/RunReport.h"
#include "signal/SparkDetection.h"
#include "store/StoreReadings.h"
#include "store/Varia.h"

#include <iostream>
#include <memory>

namespace vornax::cli {
namespace {

struct ReportArguments {
    std::string power, output, vehicle, acceleration, recording, curve, lang;
    int gear = 0;  // 0: not given
    CorrectionOptions correction;
};

// The files the report is made from, read here at the command's edge, each
// by the reader the rest of the program reads it with.

// The power curve file's rows in the units of the language in force, as the
// comparison reads them.
std::vector<PowerRow> readPowerRows(const std::filesystem::path& file)
{
    const auto units = displayUnits(store());
    if (!units)
        throw BadInput(units.error());
    compare::CurveSlot slot;
    if (const Status read = compare::fichierPo(file, slot, *units); !read)
        throw BadInput(read.error());
    std::vector<PowerRow> rows;
    for (int i = 0; i < slot.pointCount; ++i) {
        const PowerPoint p = slot.point(i);
        rows.push_back({p.rpm, p.torque, p.power});
    }
    return rows;
}

AccelerationFacts readAccelerationFacts(const std::filesystem::path& file)
{
    const auto displayFactor = speedFactor(store());
    if (!displayFactor)
        throw BadInput(displayFactor.error());
    const auto lines = readTextLines(file, 64u << 20);
    if (!lines)
        throw BadInput("\"" + file.string() + "\": " + lines.error());
    const auto run = parseAccelerationLines(*lines, file.string());
    if (!run)
        throw BadInput(run.error());
    return accelerationFacts(*run, *displayFactor);
}

CurveFacts readCurveFacts(const std::filesystem::path& file)
{
    const auto points = readPowerCurveInput(file);
    if (!points)
        throw BadInput(points.error());
    return curveFacts(file, *points);
}

RecordingFacts readRecordingFacts(const std::filesystem::path& file)
{
    const auto detection = detectSparksInFile(file);
    if (!detection)
        throw BadInput(detection.error());
    return recordingFacts(file, *detection);
}

void runReport(const ReportArguments& args)
{
    refuseOverwritingInput(args.output, {args.power});
    for (const std::string* input : {&args.vehicle, &args.acceleration, &args.recording, &args.curve, &args.lang})
        if (!input->empty())
            refuseOverwritingInput(args.output, {*input});
    if (args.gear < 0 || args.gear > kGearCount)
        throw UsageError("--gear: " + std::to_string(args.gear) + " is not a gear (1 to 6)");
    const PowerCorrection correction = correctionFromOptions(args.correction);

    const std::string language = loadLanguage(args.lang);
    commitVehicle(args.vehicle);

    auto result = resultFromPowerRows(readPowerRows(args.power), correction.factor, args.power);
    if (!result)
        throw BadInput(result.error());

    ReportInputs in;
    in.date = reportDate();
    in.result = std::move(*result);
    in.correction = correction;
    in.powerFile = std::filesystem::path(args.power).filename().string();
    if (args.gear > 0) {
        if (args.gear > static_cast<int>(gearNames(store()).size()))
            throw BadInput("--gear " + std::to_string(args.gear) + ": this vehicle's gearbox has " +
                           std::to_string(gearNames(store()).size()) + " gears");
        in.gearIndex = args.gear - 1;
    }
    if (!args.curve.empty()) {
        in.curve = readCurveFacts(args.curve);
        in.curveNotes = loadCurveNotes(args.curve);
    }
    if (!args.recording.empty())
        in.recording = readRecordingFacts(args.recording);
    if (!args.acceleration.empty())
        in.acceleration = readAccelerationFacts(args.acceleration);

    // The command's own lines stay English, as every command's do; the page
    // speaks the language file's language, as the power window's report does.
    const SummaryLines lines = summaryLines(in.result.extremes, store(), in.correction);
    startOffscreenGui();
    useProgramLanguage(language);
    const RunReport report = buildRunReport(in, store());
    removeProgramLanguage();
    if (const Status saved = saveRunReport(args.output, report); !saved)
        throw BadInput(saved.error());
    std::cout << lines.power << '\n' << lines.torque << '\n' << args.output << ": run report written\n";
}

}  // namespace

void addReportCommand(CLI::App& app)
{
    auto args = std::make_shared<ReportArguments>();
    CLI::App* command = app.add_subcommand("report", kReportSummary);
    command->add_option("power", args->power, "power curve file (.txt)")->required();
    command->add_option("-o,--output", args->output, "report to write (.pdf)")->required();
    command->add_option("--vehicle", args->vehicle, "Mini file (.Dat); default: the editor's default vehicle");
    command->add_option("--gear", args->gear, "gear of the run, from 1, to name it in the report");
    command->add_option("--acceleration", args->acceleration, "acceleration curve file, for its figures");
    command->add_option("--recording", args->recording, "the run's recording (WAV), for its duration and sparks");
    command->add_option("--curve", args->curve, "the engine-speed curve (.ReT) the power was computed from");
    command->add_option("--lang", args->lang, "language file; default: the active language file");
    addCorrectionOptions(*command, args->correction);
    command->callback([args] { runReport(*args); });
}

}  // namespace vornax::cli
