// `vornax report` as a user runs it, its page read back with pdftotext.
#include "CommandRun.h"
#include "PowerTestData.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vornax {
namespace {

using testing::TempFolder;

using testing::CommandRun;

class ReportCommand : public ::testing::Test {
protected:
    void SetUp() override { curve = home.write("RPM/run.ReT", testing::testCurveText(300)); }

    CommandRun run(const std::string& command, const std::string& arguments,
                   const std::string& language = "francais.txt")
    {
        const std::string line = "VORNAX_HOME='" + home.path().string() + "' " + VORNAX_CLI + " " + command + " " +
                                 arguments + " --lang " + VORNAX_LANG_DIR + "/" + language;
        return testing::runCommand(line, home / "err.txt");
    }
    static std::string pdfText(const std::filesystem::path& pdf)
    {
        return testing::runCommand("pdftotext -enc UTF-8 " + testing::quoted(pdf) + " - 2>&1").out;
    }
    static std::string q(const std::filesystem::path& p) { return testing::quoted(p); }

    TempFolder home;
    std::filesystem::path curve;
};

TEST_F(ReportCommand, HoldsThePeakFiguresOfThePowerCommandInTheChosenLanguage)
{
    const auto power = home / "p.txt";
    const std::string air = " --correction iso1585 --air-temp 28 --pressure 995 --humidity 60";
    const CommandRun computed = run("power", q(curve) + " -o " + q(power) + " --gear 4");
    const CommandRun corrected = run("power", q(curve) + " -o " + q(home / "c.txt") + " --gear 4" + air);
    ASSERT_EQ(computed.status, 0) << computed.err;
    ASSERT_EQ(corrected.status, 0) << corrected.err;

    const auto pdf = home / "r.pdf";
    const CommandRun report = run("report", q(power) + " -o " + q(pdf) + " --gear 4" + air);
    ASSERT_EQ(report.status, 0) << report.err;
    EXPECT_EQ(report.err, "");
    // The figures of the file corrected as the computation corrects its rows,
    // then where the report went.
    EXPECT_EQ(report.out, corrected.out + pdf.string() + ": run report written\n");
    // The page speaks French throughout, the command's own lines English.
    const std::string text = pdfText(pdf);
    const auto inFrench = [](std::string line) { return line.replace(line.find("corrected"), 9, "corrigée"); };
    for (const std::string& shown :
         {inFrench(corrected.out.substr(0, corrected.out.find('\n'))),
          inFrench(
              corrected.out.substr(corrected.out.find('\n') + 1, corrected.out.size() - corrected.out.find('\n') - 2)),
          std::string("Rapport de mesure"), std::string("Rapport de la mesure"), std::string("p.txt"),
          std::string("ISO 1585, k = ")})
        EXPECT_NE(text.find(shown), std::string::npos) << shown << "\n" << text;

    // The acceleration figures as the simulation shows them, in the units
    // of the language in force.
    const auto acceleration = home / "acc.txt";
    const CommandRun simulated = run("simulate", q(power) + " -o " + q(acceleration), "english.txt");
    ASSERT_EQ(simulated.status, 0) << simulated.err;
    const CommandRun english =
        run("report", q(power) + " -o " + q(pdf) + " --acceleration " + q(acceleration), "english.txt");
    ASSERT_EQ(english.status, 0) << english.err;
    const std::string englishText = pdfText(pdf);
    for (const char* shown : {"Run report", "Gear ratios", "Conditions and correction", "Power max: "})
        EXPECT_NE(englishText.find(shown), std::string::npos) << shown << "\n" << englishText;
    std::size_t from = 0;
    for (int figure = 0; figure < 4; ++figure) {
        // "0-100 km/h: 17,9", ... "Top speed: 84,2 mi/h"
        const auto colon = simulated.out.find(": ", from);
        const auto end = simulated.out.find('\n', colon);
        ASSERT_NE(colon, std::string::npos) << simulated.out;
        std::string value = simulated.out.substr(colon + 2, end - colon - 2);
        if (figure < 3 && !value.empty())
            value += " s";
        EXPECT_NE(englishText.find(value), std::string::npos) << value << "\n" << englishText;
        from = end;
    }
}

// From a recording to the page: the curve's notes tell the report how the
// engine speed was found, and the top of the page names the recording.
TEST_F(ReportCommand, SaysHowTheCurveWasMadeAndNamesTheRecording)
{
    const auto wav = home / "Wav" / "pull.wav";
    std::filesystem::create_directories(wav.parent_path());
    ASSERT_EQ(run("synth", "-o " + q(wav) + " --truth " + q(home / "truth.txt")).status, 0);
    struct Case {
        const char* rpmOptions;
        std::vector<std::string> onPage;
    } const cases[] = {
        // (Fragments that a line of the page never breaks.)
        {"--method precise", {"précise : angle du vilebrequin", "Incertitude régime ± ", "écart-type)"}},
        {"--smooth --level 2", {"lissage standard : moyenne de niveau 2,", "seuil 165 (polarité haute)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rpmOptions);
        const auto curveFile = home / "RPM" / "pull.ReT";
        const CommandRun rpm = testing::runCommand(
            std::string(VORNAX_CLI) + " rpm " + q(wav) + " -o " + q(curveFile) + " " + c.rpmOptions, home / "err.txt");
        ASSERT_EQ(rpm.status, 0) << rpm.err;
        ASSERT_TRUE(std::filesystem::exists(home / "RPM" / "pull.ReT.info"));
        const auto power = home / "pull.txt";
        ASSERT_EQ(run("power", q(curveFile) + " -o " + q(power) + " --gear 3").status, 0);
        const auto pdf = home / "pull.pdf";
        const CommandRun report = run("report", q(power) + " -o " + q(pdf) + " --curve " + q(curveFile));
        ASSERT_EQ(report.status, 0) << report.err;
        const std::string text = pdfText(pdf);
        std::vector<std::string> shown = c.onPage;
        shown.insert(shown.end(), {"Calcul du régime", "pull.wav"});
        for (const std::string& s : shown)
            EXPECT_NE(text.find(s), std::string::npos) << s << "\n" << text;
    }

    // A curve written again without notes: the old notes are not believed.
    const auto bare = home / "RPM" / "pull.ReT";
    ASSERT_EQ(run("power", q(curve) + " -o " + q(home / "other.txt")).status, 0);
    std::filesystem::copy_file(curve, bare, std::filesystem::copy_options::overwrite_existing);
    ASSERT_EQ(run("report", q(home / "other.txt") + " -o " + q(home / "other.pdf") + " --curve " + q(bare)).status, 0);
    const std::string text = pdfText(home / "other.pdf");
    EXPECT_NE(text.find("non enregistrée avec la courbe"), std::string::npos) << text;
    EXPECT_EQ(text.find("lissage standard"), std::string::npos) << text;
}

TEST_F(ReportCommand, RefusesBadInputWithoutWritingAFile)
{
    const auto power = home / "p.txt";
    ASSERT_EQ(run("power", q(curve) + " -o " + q(power)).status, 0);
    const auto pdf = home / "r.pdf";
    struct Case {
        std::string arguments;
        int status;
        std::string inMessage;
    };
    const Case cases[] = {
        {q(home / "none.txt") + " -o " + q(pdf), 1, "none.txt"},
        {q(curve) + " -o " + q(pdf), 1, "line 1"},  // an engine-speed curve is not a power curve
        {q(power) + " -o " + q(power), 1, "input"},
        {q(power) + " -o " + q(pdf) + " --acceleration " + q(curve), 1, "time;speed;distance"},
        {q(power) + " -o " + q(pdf) + " --correction din70020 --air-temp 20", 2, "--pressure"},
        {q(power) + " -o " + q(pdf) + " --correction din70020 --air-temp 20 --pressure 1200", 2,
         "--pressure: the pressure 1200 hPa is outside 800 to 1100 hPa"},
    };
    for (const Case& c : cases) {
        const CommandRun r = run("report", c.arguments);
        EXPECT_EQ(r.status, c.status) << c.arguments << "\n" << r.err;
        EXPECT_NE(r.err.find(c.inMessage), std::string::npos) << c.arguments << "\n" << r.err;
        EXPECT_FALSE(std::filesystem::exists(pdf)) << c.arguments;
    }
}

}  // namespace
}  // namespace vornax
