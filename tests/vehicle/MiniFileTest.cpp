#include "vehicle/MiniFile.h"
#include "vehicle/MiniFileCommands.h"
#include "vehicle/VehicleEditor.h"

#include "ScriptedPlatform.h"
#include "TempFolder.h"
#include "common/TextFile.h"
#include "store/Varia.h"

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
    // The nine described lines, then the tyre sizes, the body, the engine and
    // the wheels.
    EXPECT_EQ(TempFolder::read(file), crlf({"[VersionV1]", "Mini 1000", " 2 ", " 5 ", " 2 ", "650", " 0 ", " 0 ", " 0 ",
                                            "145", "70", "12", " 0 ", "0,933", "-1 ", "0,11", "-1 ", "1,2"}));
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
    EXPECT_EQ(TempFolder::read(file),
              crlf({"[VersionV1]", "?",   " 19 ", "3,7", " 7 ",   "3,3", "2,1",  "1,4", "1,1",
                    "0,9",         " 4 ", "165",  "55",  "12",    "650", " 1 ",  " 0 ", " 2 ",
                    "165",         "55",  "12",   " 0 ", "0,933", "-1 ", "0,11", "-1 ", "1,2"}));

    VehicleEditor loaded(store);  // opened on the default store
    ASSERT_TRUE(loadMiniFile(loaded, file).loaded());
    EXPECT_EQ(miniFileLines(loaded), miniFileLines(e));
    EXPECT_EQ(loaded.field(Field::Pboite).text, e.field(Field::Pboite).text);
    EXPECT_TRUE(loaded.field(Field::Rp).enabled);
}

TEST_F(MiniFile, TypedTyreBodyAndEngineComeBackAndOldFilesKeepTheStores)
{
    VehicleEditor e(store);
    e.select(ListId::TypePneu, kTyreAutre);
    e.type(Field::LrgP, "175");
    e.type(Field::HtP, "70");
    e.type(Field::Dp, "13");
    e.select(ListId::SCx, kBodyAutre);
    e.type(Field::SCx, "0,52");
    e.select(ListId::Imot, kEngineAutre);
    e.type(Field::Imot, "0,095");
    e.select(ListId::Iroue, kRimAutre);
    e.type(Field::Iroue, "0,4");
    const auto file = home / "typed.Dat";
    ASSERT_TRUE(saveMiniFile(e, file));
    // The described lines first, unchanged: tyre "Autre" carries no sizes there.
    const auto lines = *readTextLines(file);
    ASSERT_EQ(lines.size(), 9u + kMiniFileAppendedLines);
    EXPECT_EQ(lines[4], " 6 ");
    EXPECT_EQ(lines[5], "650");

    VehicleEditor loaded(store);
    ASSERT_TRUE(loadMiniFile(loaded, file).loaded());
    EXPECT_EQ(miniFileLines(loaded), miniFileLines(e));
    EXPECT_EQ(loaded.field(Field::LrgP).text, "175");
    EXPECT_EQ(loaded.field(Field::Dp).text, "13");
    EXPECT_EQ(loaded.list(ListId::SCx).index, kBodyAutre);
    EXPECT_EQ(loaded.field(Field::SCx).text, "0,52");
    EXPECT_EQ(loaded.list(ListId::Imot).index, kEngineAutre);
    EXPECT_EQ(loaded.field(Field::Imot).text, "0,095");
    EXPECT_EQ(loaded.list(ListId::Iroue).index, kRimAutre);
    EXPECT_EQ(loaded.field(Field::Iroue).text, "0,4");
    EXPECT_TRUE(loaded.field(Field::Iroue).enabled);

    // A preset body and rim come back as themselves, whatever text followed.
    VehicleEditor jem(store);
    jem.select(ListId::SCx, 1);
    jem.select(ListId::Iroue, 1);
    auto presetLines = miniFileLines(jem);
    presetLines.back() = "7";
    ASSERT_TRUE(saveMiniFile(jem, file));
    VehicleEditor loadedJem(store);
    ASSERT_TRUE(loadMiniLines(loadedJem, presetLines).loaded());
    EXPECT_EQ(loadedJem.field(Field::SCx).text, "0,465");
    EXPECT_EQ(loadedJem.list(ListId::Iroue).index, 1);
    EXPECT_EQ(loadedJem.field(Field::Iroue).text, "1,2");
    EXPECT_FALSE(loadedJem.field(Field::Iroue).enabled);

    // A file written before these lines: the store's values stay.
    store.set("lbltypeScx", "4");
    store.set("LbSCx", "0,61");
    store.set("LbImoteur", "0,09");
    VehicleEditor old(store);
    ASSERT_TRUE(loadMiniFile(old, home.write("old.Dat", crlf({"[VersionV1]", "Old", " 2 ", " 5 ", " 2 ", "650", " 0 ",
                                                              " 0 ", " 0 "})))
                    .loaded());
    EXPECT_EQ(old.field(Field::Nom).text, "Old");
    EXPECT_EQ(old.field(Field::SCx).text, "0,61");
    EXPECT_EQ(old.field(Field::Imot).text, "0,09");

    // A file written with the body and engine but before the wheels: the
    // wheel inertia the editor holds stays.
    VehicleEditor beforeWheels(store);
    beforeWheels.select(ListId::Iroue, kRimAutre);
    beforeWheels.type(Field::Iroue, "0,3");
    auto sevenAppended = miniFileLines(e);
    sevenAppended.resize(sevenAppended.size() - 2);
    ASSERT_TRUE(loadMiniLines(beforeWheels, sevenAppended).loaded());
    EXPECT_EQ(beforeWheels.field(Field::Imot).text, "0,095");
    EXPECT_EQ(beforeWheels.list(ListId::Iroue).index, kRimAutre);
    EXPECT_EQ(beforeWheels.field(Field::Iroue).text, "0,3");
}

// The rolling coefficient a coast-down measured is the last line; it comes
// back on loading, and a file without it is a car of the constant even when
// the editor held a measured one. The commit puts it into the store.
TEST_F(MiniFile, TheRollingCoefficientIsKeptWithTheVehicle)
{
    VehicleEditor e(store);
    e.setRollingCoefficient("0,0123");
    const auto file = home / "measured.Dat";
    ASSERT_TRUE(saveMiniFile(e, file));
    const auto lines = *readTextLines(file);
    ASSERT_EQ(lines.size(), 9u + kMiniFileAppendedLines + 1);
    EXPECT_EQ(lines.back(), "0,0123");

    VehicleEditor loaded(store);
    ASSERT_TRUE(loadMiniFile(loaded, file).loaded());
    EXPECT_EQ(loaded.rollingCoefficient(), "0,0123");
    ASSERT_TRUE(loaded.commit());
    EXPECT_EQ(store.get("lbCrr"), "0,0123");

    auto withoutIt = lines;
    withoutIt.pop_back();
    VehicleEditor older(store);
    EXPECT_EQ(older.rollingCoefficient(), "0,0123");  // restored from the store
    ASSERT_TRUE(loadMiniLines(older, withoutIt).loaded());
    EXPECT_EQ(older.rollingCoefficient(), "");
    withoutIt.resize(9);
    VehicleEditor described(store);
    ASSERT_TRUE(loadMiniLines(described, withoutIt).loaded());
    EXPECT_EQ(described.rollingCoefficient(), "");
}

TEST_F(MiniFile, SixSpeedRatiosComeBackFromTheStore)
{
    VehicleEditor e(store);
    e.select(ListId::TypeBoite, kGearboxSix);
    const auto file = home / "six.Dat";
    ASSERT_TRUE(saveMiniFile(e, file));
    EXPECT_EQ(miniFileLines(e).size(), 9u + kMiniFileAppendedLines);

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

    // A load that fails changes nothing, and says where and why.
    VehicleEditor e(store);
    const MiniLoad cut = loadMiniFile(e, home.write("cut.Dat", "[VersionV1]\r\nA\r\n 19 \r\n"));
    EXPECT_EQ(cut.messageText(), "Erreur 62\r\nTentative de lecture après la fin du fichier\r\n"
                                 "Ligne 4 : le fichier s'arrête avant le rapport de pont.");
    EXPECT_EQ(e.field(Field::Nom).text, "?");
    EXPECT_EQ(e.list(ListId::TypeDiff).index, 2);
    EXPECT_EQ(e.field(Field::Rp).text, "3,105");
    const MiniLoad letters = loadMiniFile(e, home.write("x.Dat", "[VersionV1]\r\nA\r\n 2 \r\n 5 \r\ndeux\r\n"));
    EXPECT_EQ(letters.messageText(), "Erreur 13\r\nType incompatible\r\n"
                                     "Ligne 5 : « deux » n'est pas un numéro d'entrée pour le choix du pneu.");
    EXPECT_EQ(e.field(Field::Nom).text, "?");

    EXPECT_EQ(loadMiniFile(e, home / "missing.Dat").errorNumber, 53);
    EXPECT_EQ(loadMiniFile(e, home.path()).errorNumber, 75);
}

class MiniFileMenu : public MiniFile {
protected:
    ScriptedPlatform platform;
};

TEST_F(MiniFileMenu, OpenEnablesSaveWhichWritesTheSameFile)
{
    const auto file =
        home.write("Mini/car.Dat", crlf({"[VersionV1]", "Car", " 3 ", " 0 ", " 1 ", "700", " 1 ", " 1 ", " 1 "}));
    VehicleEditor e(store);
    MiniFileCommands menu;
    EXPECT_FALSE(menu.saveEnabled());
    platform.answerOpen(file.string());
    menu.open(e);
    EXPECT_TRUE(menu.saveEnabled());
    EXPECT_TRUE(platform.messages().empty());
    ASSERT_EQ(platform.requests().size(), 1u);
    // Titled as the menu entry, not as a save.
    EXPECT_EQ(platform.requests()[0].title, "Charger");
    EXPECT_EQ(platform.requests()[0].initialFolder, (home / "Mini").string());
    EXPECT_EQ(e.field(Field::Rp).text, "3,211");

    e.type(Field::Nom, "Renamed");
    menu.save(e);
    EXPECT_EQ(TempFolder::read(file), crlf({"[VersionV1]", "Renamed", " 3 ", " 0 ", " 1 ", "700", " 1 ", " 1 ", " 1 ",
                                            "165", "70", "10", " 0 ", "0,933", "-1 ", "0,11", "-1 ", "1,2"}));
}

TEST_F(MiniFileMenu, FailedOpensReportOnceAndOnlyAWrongVersionEnablesSave)
{
    VehicleEditor e(store);
    MiniFileCommands menu;
    platform.answerOpen((home / "none.Dat").string());
    menu.open(e);
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0].text.rfind("Erreur 53\r\nFichier introuvable\r\n", 0), 0u);
    EXPECT_NE(platform.messages()[0].text.find("none.Dat"), std::string::npos);
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
    EXPECT_EQ(platform.requests().back().title, "Enregistrer Sous");
    EXPECT_EQ(readTextLines(file)->size(), 9u + kMiniFileAppendedLines);

    platform.answerSave((home / "no/such/folder/x.Dat").string());
    menu.saveAs(e);
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0].icon, MessageIcon::Critical);
    EXPECT_EQ(platform.messages()[0].text.rfind("Erreur 75\r\n", 0), 0u);
}

}  // namespace
}  // namespace vornax
