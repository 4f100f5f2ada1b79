// Every file reader fed damaged files: letters, empty fields, numbers beyond
// a single, negatives, a lone "," or ".", a line of 10 001 characters and a
// file of more than 100 MB. Each must end in a failure with a message (or, for
// the language file, keep the texts in force) and must not crash or hang.
#include "HardeningSupport.h"

#include "common/TextFile.h"
#include "compare/CurveSlot.h"
#include "power/PowerCurveInput.h"
#include "report/RunReport.h"
#include "store/Language.h"
#include "signal/ConditionWav.h"
#include "signal/CurveFile.h"
#include "signal/SparkDetection.h"
#include "simulation/AccelerationFile.h"
#include "simulation/TorqueCurve.h"
#include "vehicle/MiniFile.h"
#include "vehicle/VehicleEditor.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace vornax;
using vornax::testing::TempFolder;

namespace {

// What a reader made of a file: accepted, or refused with this message.
struct Outcome {
    bool accepted = false;
    std::string message;
};

struct Reader {
    const char* name;
    // A good file with "@" where a bad field goes, and a good field for it.
    std::string goodFile;
    std::string goodField;
    // An empty file is an empty curve for some readers: the comparison shows
    // nothing for it and the power computation then asks for more points.
    bool emptyFileIsAnEmptyCurve;
    std::function<Outcome(const fs::path&)> read;
};

Outcome fromStatus(const Status& s) { return s ? Outcome{true, {}} : Outcome{false, s.error()}; }

std::vector<Reader> textReaders()
{
    return {
        {"curve file (WAV window)", "1;3000\r\n2;@\r\n3;3200\r\n", "3100", false,
         [](const fs::path& f) {
             Curve curve;
             return fromStatus(LoadCurve(f, curve));
         }},
        {"curve file (power computation)", "1;3000\r\n@;3100\r\n3;3200\r\n", "2,5", true,
         [](const fs::path& f) {
             const auto points = readPowerCurveInput(f);
             return points ? Outcome{true, {}} : Outcome{false, points.error()};
         }},
        {"Mini file", "[VersionV1]\r\nMini\r\n@\r\n 5 \r\n 2 \r\n650\r\n 0 \r\n 0 \r\n 0 \r\n", " 2 ", false,
         [](const fs::path& f) {
             Varia varia;
             VehicleEditor editor(varia);
             const MiniLoad load = loadMiniFile(editor, f);
             return Outcome{load.loaded(), load.loaded() ? "" : load.messageText()};
         }},
        {"power curve file (comparison)", "3000;9,5;40\r\n3500;@;48\r\n 736 \r\n 1 \r\n", "10", true,
         [](const fs::path& f) {
             compare::CurveSlot slot;
             return fromStatus(compare::fichierPo(f, slot, DisplayUnits{736, 1}));
         }},
        {"power curve file (acceleration)", "3000;9,5;40\r\n3500;10;@\r\n 736 \r\n 1 \r\n", "48", false,
         [](const fs::path& f) {
             Varia varia;
             varia.set("LbConvertionWatt", " 736 ");
             varia.set("LbConvertionNm", " 1 ");
             TorqueCurve curve;
             return fromStatus(loadPowerCurve(f, varia, curve));
         }},
        {"acceleration file (plot and report)", "0,01;1,5;0\r\n0,02;@;0,01\r\n 1 \r\n 1 \r\n", "3", false,
         [](const fs::path& f) {
             const auto lines = readTextLines(f, 64u << 20);
             const auto run =
                 lines ? parseAccelerationLines(*lines, f.string()) : Result<AccelerationRun>(Failure{lines.error()});
             return run ? Outcome{true, {}} : Outcome{false, run.error()};
         }},
    };
}

std::string with(std::string file, const std::string& field)
{
    file.replace(file.find('@'), 1, field);
    return file;
}

// A sparse file of `size` bytes (zeros) with `head` at its start.
fs::path sparseFile(const TempFolder& folder, const std::string& name, std::uintmax_t size, const std::string& head)
{
    const fs::path file = folder.write(name, head);
    fs::resize_file(file, size);
    return file;
}

constexpr std::uintmax_t kOver100MB = 101u << 20;

}  // namespace

TEST(BadInput, TheGoodFilesAreAccepted)
{
    // The damaged files below differ from these in one field only.
    for (const Reader& reader : textReaders()) {
        TempFolder folder;
        const Outcome outcome = reader.read(folder.write("good", with(reader.goodFile, reader.goodField)));
        EXPECT_TRUE(outcome.accepted) << reader.name << ": " << outcome.message;
    }
}

TEST(BadInput, ABadFieldIsRefusedWithAMessage)
{
    const std::vector<std::pair<const char*, std::string>> fields = {
        {"letters", "abc"},
        {"empty", ""},
        {"beyond a single", "1E+999"},
        {"forty-one digits", "99999999999999999999999999999999999999999"},
        {"lone comma", ","},
        {"lone point", "."},
        {"10 001 digits", std::string(10001, '7')},
        {"10 001 letters", std::string(10001, 'x')},
    };
    for (const Reader& reader : textReaders()) {
        for (const auto& [what, field] : fields) {
            TempFolder folder;
            const Outcome outcome = reader.read(folder.write("bad", with(reader.goodFile, field)));
            EXPECT_FALSE(outcome.accepted) << reader.name << ", " << what;
            EXPECT_FALSE(outcome.message.empty()) << reader.name << ", " << what;
        }
    }
}

TEST(BadInput, WholeFilesThatAreNotTheFormatAreRefused)
{
    const std::vector<std::pair<const char*, std::string>> files = {
        {"empty file", ""},
        {"letters", "abcdef\r\nghijkl\r\n"},
        {"lone comma", ","},
        {"lone point", "."},
        {"one line of 10 001 characters", std::string(10001, ';')},
        {"binary", std::string("\0\x01\xff\xfe;;\r\n\0", 9)},
    };
    for (const Reader& reader : textReaders()) {
        for (const auto& [what, bytes] : files) {
            if (bytes.empty() && reader.emptyFileIsAnEmptyCurve)
                continue;
            TempFolder folder;
            const Outcome outcome = reader.read(folder.write("bad", bytes));
            EXPECT_FALSE(outcome.accepted) << reader.name << ", " << what;
            EXPECT_FALSE(outcome.message.empty()) << reader.name << ", " << what;
        }
    }
}

// The acceleration file's first factor line scales the plot: one that is no
// speed unit is refused, naming the file.
TEST(BadInput, AnAccelerationFileWithoutAUsableSpeedFactorIsRefused)
{
    const std::string samples = "0,01;1,5;0\r\n0,02;3;0,01\r\n";
    const std::pair<const char*, std::string> cases[] = {
        {"factor 0", samples + " 0 \r\n 0 \r\n"},
        {"negative factor", samples + "-1\r\n-1\r\n"},
        {"negative zero", samples + "-0\r\n 1 \r\n"},
    };
    for (const auto& [what, bytes] : cases) {
        const auto run = parseAccelerationLines(splitLines(bytes), "acc.txt");
        ASSERT_FALSE(run) << what;
        EXPECT_NE(run.error().find("\"acc.txt\": the speed factor"), std::string::npos) << what << ": " << run.error();
    }
}

TEST(BadInput, AFileOfMoreThan100MBIsRefused)
{
    TempFolder folder;
    const fs::path big = sparseFile(folder, "big", kOver100MB, "1;3000\r\n");
    for (const Reader& reader : textReaders()) {
        const Outcome outcome = reader.read(big);
        EXPECT_FALSE(outcome.accepted) << reader.name;
        EXPECT_FALSE(outcome.message.empty()) << reader.name;
    }
}

TEST(BadInput, ALanguageFileTooLargeOrMissingKeepsTheTextsInForce)
{
    TempFolder folder;
    Varia varia;
    const Varia before = varia;
    const fs::path big = sparseFile(folder, "big.txt", kOver100MB, "Puissance\r\n");
    EXPECT_EQ(loadLanguageFile(varia, big).linesRead, 0);
    EXPECT_EQ(loadLanguageFile(varia, folder / "missing.txt").linesRead, 0);
    EXPECT_EQ(loadLanguageFile(varia, folder.path()).linesRead, 0);
    EXPECT_EQ(varia.vehicleEntries(), before.vehicleEntries());
    EXPECT_EQ(varia.get("LbConvertionWatt"), before.get("LbConvertionWatt"));
}

TEST(BadInput, DamagedRecordingsAreRefusedByTheDetectionAndTheConditioning)
{
    const std::string good = hardening::pulseWav(4000);
    auto patched = [&](std::size_t at, std::string bytes) {
        std::string wav = good;
        wav.replace(at, bytes.size(), bytes);
        return wav;
    };
    const std::vector<std::pair<const char*, std::string>> files = {
        {"empty file", ""},
        {"letters", std::string(5000, 'x')},
        {"header cut short", good.substr(0, 30)},
        {"no data chunk", patched(36, "junk")},
        {"data size past the end", patched(40, "\xff\xff\xff\x7f")},
        {"data size 4 GB", patched(40, "\xff\xff\xff\xff")},
        {"sample rate 0", patched(24, std::string(4, '\0'))},
        {"no channel", patched(22, std::string(2, '\0'))},
        {"sixteen bits", patched(34, std::string("\x10\0", 2))},
    };
    for (const auto& [what, bytes] : files) {
        TempFolder folder;
        const fs::path wav = folder.write("bad.wav", bytes);
        const auto detection = detectSparksInFile(wav);
        EXPECT_FALSE(detection) << what;
        if (!detection) {
            EXPECT_FALSE(detection.error().empty()) << what;
        }
        // The conditioning takes any header it can scan, so only its safety
        // is asked: a result or a message, and the input untouched.
        const Status conditioned = ConditionWav(wav, folder / "out.wav");
        if (!conditioned) {
            EXPECT_FALSE(conditioned.error().empty()) << what;
        }
        EXPECT_EQ(TempFolder::read(wav), bytes) << what;
    }
}

TEST(BadInput, ARecordingOfMoreThan100MBWithoutASparkIsRefused)
{
    TempFolder folder;
    const std::string header = hardening::pulseWav(0);
    std::string wav = header.substr(0, 40) + std::string("\x00\x50\x65\x06", 4);  // data size 106 MB
    const fs::path big = sparseFile(folder, "big.wav", kOver100MB + 44, wav);
    const auto detection = detectSparksInFile(big);
    ASSERT_FALSE(detection);
    EXPECT_FALSE(detection.error().empty());
    // Not a WAV at all, and as large.
    const fs::path junk = sparseFile(folder, "junk.wav", kOver100MB, "junk");
    EXPECT_FALSE(detectSparksInFile(junk));
    EXPECT_FALSE(ConditionWav(junk, folder / "out.wav"));
    EXPECT_FALSE(fs::exists(folder / "out.wav"));
}
