// The run report's content (no page): how the curve was made, the top line,
// and the groups that must hold together; and the notes kept beside a curve.
#include "TempFolder.h"

#include "common/TextFile.h"
#include "report/RunReport.h"
#include "store/Language.h"
#include "store/Varia.h"
#include "signal/CurveNotes.h"
#include "vehicle/HeadlessCommit.h"

#include <gtest/gtest.h>

namespace vornax {
namespace {

using testing::TempFolder;

const std::string kNbsp = "\u00a0";

class RunReportContent : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetStore();
        loadLanguageFile(store(), VORNAX_LANG_DIR "/francais.txt");
        ASSERT_TRUE(commitVehicleHeadless(store(), {}));
        auto result = resultFromPowerRows({{3000, 9.5f, 40}, {4000, 10, 55}, {5000, 9, 60}}, 1.0f, "p.txt");
        ASSERT_TRUE(result) << result.error();
        in.result = *result;
        in.date = "2026-12-08";
    }
    const ReportSection* section(const RunReport& r, const std::string& title)
    {
        for (const ReportSection& s : r.sections)
            if (s.title == title)
                return &s;
        return nullptr;
    }
    std::string value(const ReportSection& s, const std::string& caption)
    {
        for (const ReportLine& line : s.lines)
            if (line.caption == caption)
                return line.value;
        return "(no line " + caption + ")";
    }
    ReportInputs in;
};

TEST_F(RunReportContent, SaysHowTheEngineSpeedCurveWasMade)
{
    const auto notes = [](CurveMethod method) {
        CurveNotes n;
        n.method = method;
        n.threshold = 165;
        n.lowPolarity = false;
        n.sparksPerRev = 0.5f;
        return n;
    };
    CurveNotes plainStandard = notes(CurveMethod::Standard);
    plainStandard.smoothing = {false, 1, false, 10};
    CurveNotes levelTwo = notes(CurveMethod::Standard);
    levelTwo.smoothing.level = 2;
    CurveNotes precise = notes(CurveMethod::Precise);
    precise.rpmUncertaintyPct = 0.0523;
    precise.powerUncertaintyPct = 0.31;
    precise.lowPolarity = true;
    precise.threshold = 50;
    struct Case {
        std::optional<CurveNotes> notes;
        std::string method, uncertainty, detection;
    } const cases[] = {
        {std::nullopt, "not recorded with the curve", "", ""},
        {notes(CurveMethod::Unsmoothed), "unsmoothed: one point per spark", "",
         "threshold 165 (high polarity), 0,5 sparks per revolution"},
        {levelTwo, "standard smoothing: averaging level 2, Bezier curve skipping 10 points", "",
         "threshold 165 (high polarity), 0,5 sparks per revolution"},
        {plainStandard, "standard smoothing: no averaging, no Bezier curve", "", ""},
        {precise, "precise: the crank angle fitted through every spark",
         "engine speed ± 0,052" + kNbsp + "%, power ± 0,31" + kNbsp + "% (1 standard deviation)",
         "threshold 50 (low polarity), 0,5 sparks per revolution"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.method);
        in.curveNotes = c.notes;
        const RunReport r = buildRunReport(in, store());
        const ReportSection* s = section(r, "How the engine speed was found");
        ASSERT_NE(s, nullptr);
        EXPECT_FALSE(s->leftColumn);
        EXPECT_EQ(value(*s, "Method"), c.method);
        if (!c.uncertainty.empty()) {
            EXPECT_EQ(value(*s, "Uncertainty"), c.uncertainty);
        }
        if (!c.detection.empty()) {
            EXPECT_EQ(value(*s, "Detection"), c.detection);
        }
    }
}

TEST_F(RunReportContent, TheTopNamesTheDateAndTheRecording)
{
    // The recording given wins over the one the notes name, which wins over
    // the curve's own name.
    CurveNotes notes;
    notes.recording = "noted.wav";
    const RecordingFacts given{"given.wav", 12.5, 400};
    const CurveFacts curve{"run.ReT", 300, 3.0};
    struct Case {
        bool recording, notes;
        std::string subtitle;
    } const cases[] = {
        {true, true, "2026-12-08   ·   Recording given.wav"},
        {false, true, "2026-12-08   ·   Recording noted.wav"},
        {false, false, "2026-12-08   ·   Engine-speed curve run.ReT"},
    };
    for (const Case& c : cases) {
        in.curve = curve;
        in.recording = c.recording ? std::optional(given) : std::nullopt;
        in.curveNotes = c.notes ? std::optional(notes) : std::nullopt;
        EXPECT_EQ(buildRunReport(in, store()).subtitle, c.subtitle);
    }
    EXPECT_EQ(reportDate().size(), 10u);
    EXPECT_EQ(reportDate()[4], '-');
}

TEST_F(RunReportContent, AxisUnitAndGroupsThatHoldTogether)
{
    const RunReport r = buildRunReport(in, store());
    EXPECT_EQ(r.rpmAxisTitle, "tr/min");
    const ReportSection* vehicle = section(r, "Vehicle");
    ASSERT_NE(vehicle, nullptr);
    EXPECT_TRUE(vehicle->leftColumn);
    // "1re 23 %, 2e-3e 20 %, 4e 14 %": breaks only after the commas.
    std::string losses;
    for (const ReportLine& line : vehicle->lines)
        if (line.value.find('%') != std::string::npos)
            losses = line.value;
    EXPECT_EQ(losses.find(" %"), std::string::npos) << losses;
    EXPECT_NE(losses.find(kNbsp + "14" + kNbsp + "%"), std::string::npos) << losses;
    for (const ReportLine& line : vehicle->lines)
        for (const char* unit : {" kg", " m²", " %"})
            EXPECT_EQ(line.value.find(unit), std::string::npos) << line.caption << ": " << line.value;
}

TEST(CurveNotes, ComeBackOnlyWithTheirCurve)
{
    CurveNotes n;
    n.recording = "run 1.wav";
    n.method = CurveMethod::Precise;
    n.threshold = 170;
    n.lowPolarity = false;
    n.sparksPerRev = 2.0f;
    n.rpmUncertaintyPct = 0.052;
    n.powerUncertaintyPct = 0.31;
    const std::string curve = "1;3000\r\n2;3100\r\n";
    const std::string text = curveNotesText(n, curve);
    EXPECT_NE(text.find("method=precise\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("rpm-uncertainty=0,052\r\n"), std::string::npos) << text;

    const auto back = parseCurveNotes(text, curve);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->recording, "run 1.wav");
    EXPECT_EQ(back->method, CurveMethod::Precise);
    EXPECT_EQ(back->threshold, 170);
    EXPECT_EQ(back->lowPolarity, false);
    EXPECT_EQ(back->sparksPerRev, 2.0f);
    EXPECT_EQ(back->powerUncertaintyPct, 0.31);
    // Later keys are ignored; a changed curve, an unknown method or a number
    // that does not read make the notes void.
    EXPECT_TRUE(parseCurveNotes(text + "fit-knots=50\r\n", curve));
    const std::pair<std::string, std::string> voids[] = {
        {text, "1;3000\r\n2;3101\r\n"},
        {text.substr(0, text.find("method=")) + "method=magic\r\n", curve},
        {text.substr(0, text.find("threshold=")) + "threshold=abc\r\n", curve},
        {"method=precise\r\n", curve},
    };
    for (const auto& [notesText, curveText] : voids)
        EXPECT_FALSE(parseCurveNotes(notesText, curveText)) << notesText;

    TempFolder folder;
    const auto file = folder.write("run.ReT", curve);
    ASSERT_TRUE(saveCurveNotes(file, n));
    EXPECT_TRUE(std::filesystem::exists(folder / "run.ReT.info"));
    ASSERT_TRUE(loadCurveNotes(file));
    EXPECT_EQ(loadCurveNotes(file)->method, CurveMethod::Precise);
    folder.write("run.ReT", curve + "3;3200\r\n");  // written again by something that keeps no notes
    EXPECT_FALSE(loadCurveNotes(file));
    EXPECT_FALSE(loadCurveNotes(folder / "none.ReT"));
}

}  // namespace
}  // namespace vornax
