// A report made with a recording whose pulses are no spark train says, by its
// peak figures and in its recording's section, that its curve is not
// trustworthy; a report of a sound recording says nothing of the kind.
#include "CommandRun.h"
#include "PowerTestData.h"
#include "SignalFiles.h"
#include "TempFolder.h"
#include "TrustSignals.h"

#include <gtest/gtest.h>

namespace vornax {
namespace {

using testing::CommandRun;
using testing::TempFolder;

TEST(RunReportTrust, ARecordingOfNoiseMakesTheCurveUntrustworthy)
{
    TempFolder home;
    const auto curve = home.write("RPM/run.ReT", testing::testCurveText(300));
    auto run = [&](const std::string& arguments, const char* language) {
        return testing::runCommand("VORNAX_HOME='" + home.path().string() + "' " + VORNAX_CLI + " " + arguments +
                                       " --lang " + VORNAX_LANG_DIR + "/" + language,
                                   home / "err.txt");
    };
    const auto power = home / "p.txt", pdf = home / "r.pdf";
    ASSERT_EQ(run("power " + testing::quoted(curve) + " -o " + testing::quoted(power), "francais.txt").status, 0);

    IgnitionSignal sparks;
    sparks.seconds = 6;
    const auto sound = home.write("Wav/run.wav", makeIgnitionRecording(sparks).wav);
    const auto noise = home.write("Wav/noise.wav", testing::wav8(testing::whiteNoise(6, 44100, 0.12)));
    struct Case {
        std::filesystem::path recording;
        const char* language;
        bool trusted;
        const char* warning;
    } cases[] = {
        {sound, "francais.txt", true, "non fiable"},
        {noise, "francais.txt", false, "la courbe n'est pas fiable, pas un signal d'allumage"},
        {noise, "english.txt", false, "the curve is not trustworthy, not an ignition signal"},
    };
    for (const Case& c : cases) {
        const CommandRun made = run("report " + testing::quoted(power) + " -o " + testing::quoted(pdf) +
                                        " --recording " + testing::quoted(c.recording),
                                    c.language);
        ASSERT_EQ(made.status, 0) << made.err;
        const std::string text = testing::runCommand("pdftotext -enc UTF-8 " + testing::quoted(pdf) + " - 2>&1").out;
        // pdftotext breaks long lines and writes the font's ligatures: the
        // words are looked for one space apart, the ligatures as letters.
        std::string flat = text;
        for (char& ch : flat)
            if (ch == '\n')
                ch = ' ';
        for (const auto& [ligature, letters] : {std::pair{"ﬁ", "fi"}, {"ﬀ", "ff"}, {"ﬂ", "fl"}})
            for (auto at = flat.find(ligature); at != std::string::npos; at = flat.find(ligature))
                flat.replace(at, std::string(ligature).size(), letters);
        EXPECT_EQ(flat.find(c.warning) == std::string::npos, c.trusted)
            << c.recording.filename() << " " << c.language << "\n"
            << text;
    }
}

}  // namespace
}  // namespace vornax
