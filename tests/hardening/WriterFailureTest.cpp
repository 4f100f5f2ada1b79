// Every file the program saves, made to fail: the save must report it, leave
// the file that was there byte for byte, and leave no temporary file behind.
// The failures are ones that hold even for root (which ignores permissions):
// a file-size limit, a folder standing where the file goes, and a "folder"
// that is really a regular file.
#include "HardeningSupport.h"

#include "capture/WavWriter.h"
#ifdef VORNAX_HAS_PICTURES
#include "paint/PlotPainter.h"
#endif
#include "power/PowerCurveFile.h"
#include "store/Language.h"
#include "signal/ConditionWav.h"
#include "signal/CurveFile.h"
#include "simulation/AccelerationFile.h"
#include "synth/EngineCurves.h"
#include "synth/SyntheticRun.h"
#include "vehicle/MiniFile.h"
#include "vehicle/VehicleEditor.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace fs = std::filesystem;
using namespace vornax;
using vornax::testing::TempFolder;

namespace {

// Limits the size of any file this process writes to one byte while alive:
// the second byte of a write then fails with EFBIG, for root too.
class FileSizeLimit {
public:
    FileSizeLimit()
    {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit tight = previous_;
        tight.rlim_cur = 1;
        setrlimit(RLIMIT_FSIZE, &tight);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

Varia unitStore()
{
    Varia varia;
    varia.set("LbConvertionWatt", " 736 ");
    varia.set("LbConvertionNm", " 0,1019716 ");
    varia.set("Lbcoefkm", " 1 ");
    return varia;
}

struct Writer {
    const char* name;
    // Saves to `target`; `folder` holds any input file the writer needs.
    std::function<Status(const fs::path& target, const TempFolder& folder)> save;
};

std::vector<Writer> writers()
{
    return {
        {"curve file",
         [](const fs::path& target, const TempFolder&) {
             Curve curve;
             for (int r = 0; r <= 40; ++r)
                 curve.rows[r] = {0.1f * r, 3000.0f + 10.0f * r};
             curve.pointCount = 40;
             return SaveCurve(target, curve);
         }},
        {"conditioned WAV",
         [](const fs::path& target, const TempFolder& folder) {
             return ConditionWav(folder.write("input.wav", hardening::pulseWav(4000)), target);
         }},
        {"Mini file",
         [](const fs::path& target, const TempFolder&) {
             Varia varia;
             const VehicleEditor editor(varia);
             return saveMiniFile(editor, target);
         }},
        {"power curve file",
         [](const fs::path& target, const TempFolder&) {
             PowerTable table = emptyPowerTable();
             for (int i = 0; i < 80; ++i)
                 table[i].rpm = 2000.0f + 40.0f * i;
             return savePowerCurveFile(target, table, 80, unitStore());
         }},
        {"acceleration file",
         [](const fs::path& target, const TempFolder&) {
             const AccelerationModel model;
             return saveAccelerationFile(target, model, unitStore());
         }},
        {"language file",
         [](const fs::path& target, const TempFolder& folder) {
             return installLanguageFile(folder.write("english.txt", "Power\r\nTorque\r\n"), target);
         }},
        {"recording",
         [](const fs::path& target, const TempFolder&) {
             const std::vector<std::uint8_t> samples(1000, 128);
             return writeWavFile(target, samples);
         }},
#ifdef VORNAX_HAS_PICTURES
        {"PNG picture",
         [](const fs::path& target, const TempFolder&) {
             PlotList plot;
             plot.line(0, 0, 1, 1, {255, 0, 0});
             return savePlotPicture(target.string(), plot, QSize(20, 10));
         }},
#endif
        {"true power curve",
         [](const fs::path& target, const TempFolder&) {
             return writeTruthFile(target, *findEngine("1275"), 2000, 5000, unitStore());
         }},
    };
}

// Files left in a folder (temporary files included).
std::vector<std::string> namesIn(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(WriterFailure, EveryWriterSucceedsWhereNothingStopsIt)
{
    // The failures below mean something only if each writer can write at all.
    for (const Writer& writer : writers()) {
        TempFolder folder;
        const fs::path target = folder / "out";
        const Status saved = writer.save(target, folder);
        EXPECT_TRUE(saved) << writer.name << ": " << (saved ? "" : saved.error());
        EXPECT_FALSE(TempFolder::read(target).empty()) << writer.name;
    }
}

TEST(WriterFailure, AFailedWriteLeavesTheOldFileAndNoTemporaryFile)
{
    const std::string old = "the previous file, which must survive\r\n";
    for (const Writer& writer : writers()) {
        TempFolder folder;
        const fs::path target = folder.write("out", old);
        const auto before = namesIn(folder.path());
        Status saved = success();
        {
            const FileSizeLimit limit;
            saved = writer.save(target, folder);
        }
        ASSERT_FALSE(saved) << writer.name;
        EXPECT_FALSE(saved.error().empty()) << writer.name;
        EXPECT_EQ(TempFolder::read(target), old) << writer.name;
        // An input file the writer was handed is fine; a temporary one is not.
        auto after = namesIn(folder.path());
        std::erase_if(after, [](const std::string& n) { return n == "input.wav" || n == "english.txt"; });
        EXPECT_EQ(after, before) << writer.name;
    }
}

TEST(WriterFailure, AFolderWhereTheFileGoesIsNotReplaced)
{
    for (const Writer& writer : writers()) {
        TempFolder folder;
        const fs::path target = folder / "out";
        fs::create_directory(target);
        folder.write("out/kept.txt", "kept");
        const Status saved = writer.save(target, folder);
        ASSERT_FALSE(saved) << writer.name;
        EXPECT_EQ(TempFolder::read(target / "kept.txt"), "kept") << writer.name;
        for (const auto& name : namesIn(folder.path()))
            EXPECT_EQ(name.find(".tmp"), std::string::npos) << writer.name << " left " << name;
    }
}

TEST(WriterFailure, AFolderThatIsAFileFailsWithAMessage)
{
    for (const Writer& writer : writers()) {
        TempFolder folder;
        const fs::path notAFolder = folder.write("plain-file", "x");
        const Status saved = writer.save(notAFolder / "out", folder);
        ASSERT_FALSE(saved) << writer.name;
        EXPECT_FALSE(saved.error().empty()) << writer.name;
        EXPECT_EQ(TempFolder::read(notAFolder), "x") << writer.name;
    }
}

TEST(WriterFailure, TheConditioningNeverWritesOverItsInput)
{
    TempFolder folder;
    const std::string wav = hardening::pulseWav(4000);
    const fs::path input = folder.write("rec.wav", wav);
    EXPECT_FALSE(ConditionWav(input, input));
    EXPECT_FALSE(ConditionWav(input, folder.path() / "." / "rec.wav"));
    EXPECT_EQ(TempFolder::read(input), wav);
}
