#include "vehicle/MiniFile.h"
#include "vehicle/MiniFileCommands.h"
#include "vehicle/VehicleEditor.h"

#include "ScriptedPlatform.h"
#include "TempFolder.h"
#include "common/TextFile.h"
#include "shell/Varia.h"

#include <gtest/gtest.h>

namespace vornax {
namespace {

using testing::ScriptedPlatform;
using testing::TempFolder;

std::string crlf(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + "\r\n";
    return text;
}

class MiniFile : public ::testing::Test {
protected:
    void SetUp() override { home.useAsAppFolder(); }
    TempFolder home;
    Varia store;
};

TEST_F(MiniFile, PresetVehicleTakesNineLines)
{
    VehicleEditor e(store);
    e.type(Field::Nom, "Mini 1000");
    const auto file = home / "a.Dat";
    ASSERT_TRUE(saveMiniFile(e, file));
    EXPECT_EQ(TempFolder::read(file), crlf({"[VersionV1]", "Mini 1000", " 2 ", " 5 ", " 2 ", "650", " 0 ", " 0 ", " 0 "}));
}

TEST_F(MiniFile, TypedDrivetrainAndTyreSizesTakeEighteenLinesAndComeBack)
{
    VehicleEditor e(store);
    e.select(ListId::TypeDiff, kFinalDriveAutre);
    e.type(Field::Rp, "3,7");
    e.select(ListId::TypeBoite, kGearboxFive);
    const char* ratios[] = {"3,3", "2,1", "1,4", "1,1", "0,9"};
    for (int gear = 1; gear <= 5; ++gear)
        e.type(gearField(gear), ratios[gear - 1]);
    e.select(ListId::TypePneu, 4);
    e.select(ListId::EngCascade, 1);
    e.select(ListId::EngDiff, 2);
    const auto file = home / "b.Dat";
    ASSERT_TRUE(saveMiniFile(e, file));
    EXPECT_EQ(TempFolder::read(file), crlf({"[VersionV1]", "?", " 19 ", "3,7", " 7 ", "3,3", "2,1", "1,4", "1,1", "0,9",
                                             " 4 ", "165", "55", "12", "650", " 1 ", " 0 ", " 2 "}));

    VehicleEditor loaded(store);  // opened on the default store
    ASSERT_TRUE(loadMiniFile(loaded, file).loaded());
    EXPECT_EQ(miniFileLines(loaded), miniFileLines(e));
    EXPECT_EQ(loaded.field(Field::Pboite).text, e.field(Field::Pboite).text);
    EXPECT_TRUE(loaded.field(Field::Rp).enabled);
}

TEST_F(MiniFile, SixSpeedRatiosComeBackFromTheStore)
{
    VehicleEditor e(store);
    e.select(ListId::TypeBoite, kGearboxSix);
    const auto file = home / "six.Dat";
    ASSERT_TRUE(saveMiniFile(e, file));
    EXPECT_EQ(miniFileLines(e).size(), 9u);

    const char* stored[] = {"LbPr", "LbDe", "LbTr", "lbqt", "lbcq", "lbsix"};
    for (int i = 0; i < 6; ++i)
        store.set(stored[i], std::to_string(i + 2) + ",5");
    VehicleEditor loaded(store);
    ASSERT_TRUE(loadMiniFile(loaded, file).loaded());
    for (int gear = 1; gear <= 6; ++gear)
        EXPECT_EQ(loaded.field(gearField(gear)).text, std::to_string(gear + 1) + ",5");
    EXPECT_TRUE(loaded.field(Field::R6).visible);
}

TEST_F(MiniFile, NamesRoundTripWhole)
{
    for (const char* name : {"  Mini; 1275 GT", "", "Clubman \xc3\xa9t\xc3\xa9 ;;", " "}) {
        VehicleEditor e(store);
        e.type(Field::Nom, name);
        const auto file = home / "name.Dat";
        ASSERT_TRUE(saveMiniFile(e, file));
        VehicleEditor loaded(store);
        ASSERT_TRUE(loadMiniFile(loaded, file).loaded());
        EXPECT_EQ(loaded.field(Field::Nom).text, name);
    }
}

TEST_F(MiniFile, ReadsWindowsFilesAndNoSelection)
{
    // LF ends, Windows-1252 text, an index written for a list without selection.
    const auto file = home.write("w.Dat", "[VersionV1]\nMini \xe9t\xe9\n 2 \n 5 \n-1 \n700\n 1 \n 1 \n 1 \n");
    VehicleEditor e(store);
    ASSERT_TRUE(loadMiniFile(e, file).loaded());
    EXPECT_EQ(e.field(Field::Nom).text, "Mini \xc3\xa9t\xc3\xa9");
    EXPECT_EQ(e.list(ListId::TypePneu).index, -1);
    EXPECT_EQ(e.field(Field::PV).text, "700");
    EXPECT_EQ(e.field(Field::Pboite).text, "9,6");
}

TEST_F(MiniFile, RejectsAnotherFirstLineAndReadsNothingMore)
{
    for (const char* first : {"[versionv1]", "[VersionV1] ", " [VersionV1]", "", "[VersionV2]"}) {
        VehicleEditor e(store);
        const auto file = home.write("v.Dat", std::string(first) + "\r\nOther\r\n 19 \r\n");
        const MiniLoad load = loadMiniFile(e, file);
        EXPECT_EQ(load.outcome, MiniLoad::Outcome::WrongVersion) << '"' << first << '"';
        EXPECT_EQ(load.messageText(), "Fichier Incorrect");
        EXPECT_EQ(e.field(Field::Nom).text, "?");
        EXPECT_EQ(e.list(ListId::TypeDiff).index, 2);
    }
}

TEST_F(MiniFile, BadContentStopsWithTheRuntimeErrorWhereItHappens)
{
    struct Case {
        const char* bytes;
        int error;
    };
    const Case cases[] = {
        {"", 62},
        {"[VersionV1]\r\nA\r\n 19 \r\n", 62},
        {"[VersionV1]\r\nA\r\n 19 \r\n3,9\r\n 6 \r\n1\r\n2\r\n", 62},
        {"[VersionV1]\r\nA\r\nxx\r\n", 13},
        {"[VersionV1]\r\nA\r\n\r\n", 13},
        {"[VersionV1]\r\nA\r\n 99 \r\n", 380},
        {"[VersionV1]\r\nA\r\n-2 \r\n", 380},
        {"[VersionV1]\r\nA\r\n 70000 \r\n", 6},
        {"[VersionV1]\r\nA\r\n 2 \r\n 5 \r\n 2 \r\n650\r\n 0 \r\n 2 \r\n", 380},
    };
    for (const Case& c : cases) {
        VehicleEditor e(store);
        const MiniLoad load = loadMiniFile(e, home.write("bad.Dat", c.bytes));
        EXPECT_EQ(load.outcome, MiniLoad::Outcome::RuntimeError) << c.bytes;
        EXPECT_EQ(load.errorNumber, c.error) << c.bytes;
    }

    // The fields read before the error keep their new values.
    VehicleEditor e(store);
    const MiniLoad cut = loadMiniFile(e, home.write("cut.Dat", "[VersionV1]\r\nA\r\n 19 \r\n"));
    EXPECT_EQ(cut.messageText(), "Erreur 62\r\nTentative de lecture après la fin du fichier");
    EXPECT_EQ(e.field(Field::Nom).text, "A");
    EXPECT_EQ(e.list(ListId::TypeDiff).index, kFinalDriveAutre);

    EXPECT_EQ(loadMiniFile(e, home / "missing.Dat").errorNumber, 53);
    EXPECT_EQ(loadMiniFile(e, home.path()).errorNumber, 75);
}

class MiniFileMenu : public MiniFile {
protected:
    ScriptedPlatform platform;
};

TEST_F(MiniFileMenu, OpenEnablesSaveWhichWritesTheSameFile)
{
    const auto file = home.write("Mini/car.Dat", crlf({"[VersionV1]", "Car", " 3 ", " 0 ", " 1 ", "700", " 1 ", " 1 ", " 1 "}));
    VehicleEditor e(store);
    MiniFileCommands menu;
    EXPECT_FALSE(menu.saveEnabled());
    platform.answerOpen(file.string());
    menu.open(e);
    EXPECT_TRUE(menu.saveEnabled());
    EXPECT_TRUE(platform.messages().empty());
    ASSERT_EQ(platform.requests().size(), 1u);
    EXPECT_EQ(platform.requests()[0].title, "Enregistrement");
    EXPECT_EQ(platform.requests()[0].initialFolder, (home / "Mini").string());
    EXPECT_EQ(e.field(Field::Rp).text, "3,211");

    e.type(Field::Nom, "Renamed");
    menu.save(e);
    EXPECT_EQ(TempFolder::read(file), crlf({"[VersionV1]", "Renamed", " 3 ", " 0 ", " 1 ", "700", " 1 ", " 1 ", " 1 "}));
}

TEST_F(MiniFileMenu, FailedOpensReportOnceAndOnlyAWrongVersionEnablesSave)
{
    VehicleEditor e(store);
    MiniFileCommands menu;
    platform.answerOpen((home / "none.Dat").string());
    menu.open(e);
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0].text, "Erreur 53\r\nFichier introuvable");
    EXPECT_EQ(platform.messages()[0].title, kRuntimeErrorTitle);
    EXPECT_EQ(platform.messages()[0].icon, MessageIcon::Critical);
    EXPECT_FALSE(menu.saveEnabled());

    platform.answerOpen(home.write("old.Dat", "VersionV1\r\n").string());
    menu.open(e);
    EXPECT_EQ(platform.lastMessage(), "Fichier Incorrect");
    EXPECT_TRUE(menu.saveEnabled());

    platform.clearMessages();
    menu.open(e);  // cancelled: nothing changes
    EXPECT_TRUE(platform.messages().empty());
    EXPECT_EQ(menu.currentFile(), home / "old.Dat");
}

TEST_F(MiniFileMenu, SaveAsWritesTheChosenFileWithoutEnablingSave)
{
    VehicleEditor e(store);
    MiniFileCommands menu;
    const auto file = home / "Mini/new.Dat";
    platform.answerSave(file.string());
    menu.saveAs(e);
    EXPECT_EQ(menu.currentFile(), file);
    EXPECT_FALSE(menu.saveEnabled());
    EXPECT_EQ(readTextLines(file)->size(), 9u);

    platform.answerSave((home / "no/such/folder/x.Dat").string());
    menu.saveAs(e);
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0].icon, MessageIcon::Critical);
    EXPECT_EQ(platform.messages()[0].text.rfind("Erreur 75\r\n", 0), 0u);
}

}  // namespace
}  // namespace vornax
