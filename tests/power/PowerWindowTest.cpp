#include "gui/power/PowerWindow.h"

#include "CommandRun.h"
#include "PowerTestData.h"
#include "ScriptedPlatform.h"
#include "TempFolder.h"
#include "gui/common/PlotCanvas.h"
#include "paint/ProgramLanguage.h"
#include "power/PowerChart.h"
#include "store/Varia.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <numbers>

namespace vornax {
namespace {

using testing::ScriptedPlatform;
using testing::TempFolder;

class PowerWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        home.useAsAppFolder();
        resetStore();
        testing::fillTestVehicle(store());
        curve = home.write("RPM/run.ReT", testing::testCurveText(300));
    }
    void TearDown() override { removeProgramLanguage(); }

    template <typename T>
    T* child(PowerWindow& w, const char* name)
    {
        T* found = w.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString labelText(PowerWindow& w, const char* name) { return child<QLabel>(w, name)->text(); }
    std::size_t curveLines(PowerWindow& w)
    {
        std::size_t count = 0;
        for (const auto& l : child<PlotCanvas>(w, "Picture1")->segments())
            count += l.colour == kGridColour ? 0 : 1;
        return count;
    }
    void load(PowerWindow& w, const std::filesystem::path& file)
    {
        platform.answerOpen(file.string());
        w.Command1_Click();
    }

    TempFolder home;
    ScriptedPlatform platform;
    std::filesystem::path curve;
};

TEST_F(PowerWindowTest, StartsWithCaptionsFromTheStoreAndTheGearsOfTheBox)
{
    store().set("lblboite", "8");
    store().set("LbPuissanceEn", "Puissance en");
    store().set("LbUnitePuissance", "ch");
    PowerWindow w;
    EXPECT_EQ(w.objectName(), "CPuiss");
    EXPECT_FALSE(child<QPushButton>(w, "Command2")->isVisibleTo(&w));
    EXPECT_FALSE(child<QPushButton>(w, "Command2")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(w, "Command3")->isEnabled());
    EXPECT_EQ(child<QPushButton>(w, "Command1")->text(), "ChargerCourbeDeRegime");
    EXPECT_EQ(child<QGroupBox>(w, "frame1")->title(), "Vitesse");
    EXPECT_EQ(labelText(w, "Label20"), "Puissance en ch");
    auto* gears = child<QComboBox>(w, "lstvitesse");
    EXPECT_EQ(gears->count(), 6);
    EXPECT_EQ(gears->currentIndex(), 0);
    // A hand-edited box of "7,4" reads as 7: five gears, as the simulation drives.
    store().set("lblboite", "7,4");
    w.vehicleCommitted();
    EXPECT_EQ(gears->count(), 5);
    store().set("lblboite", "8");
    w.vehicleCommitted();
    for (const char* name :
         {"Label1", "Label10", "Label11", "Label19", "LabelC1", "LabelC10", "Label21", "Label22", "Label23"})
        child<QLabel>(w, name);
    w.resize(900, 600);
    w.show();
    EXPECT_EQ(w.windowTitle(), "Calcul de Puissance     ****Essai****");
    EXPECT_TRUE(platform.messages().empty());
}

TEST_F(PowerWindowTest, LoadingComputesShowsAndSaves)
{
    PowerWindow w;
    load(w, curve);
    ASSERT_TRUE(platform.messages().empty()) << platform.lastMessage();
    ASSERT_EQ(platform.requests().size(), 1u);
    EXPECT_EQ(platform.requests()[0].filter, "Fichier courbe *.ReT|*.ReT");
    EXPECT_EQ(platform.requests()[0].initialFolder, (home / "RPM").string());
    EXPECT_EQ(w.pointCount(), 300);
    EXPECT_TRUE(labelText(w, "Label22").startsWith("Puissance max: "));
    EXPECT_TRUE(labelText(w, "Label23").startsWith("Couple max: "));
    EXPECT_FALSE(labelText(w, "Label1").isEmpty());
    EXPECT_EQ(curveLines(w), 2u * (300 - 49));
    EXPECT_TRUE(child<QPushButton>(w, "Command3")->isEnabled());

    platform.answerSave((home / "Puissance/p.txt").string());
    w.Command3_Click();
    EXPECT_EQ(platform.requests().back().filter, "Fichier text *.txt|*.txt");
    const std::string saved = TempFolder::read(home / "Puissance/p.txt");
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 300 - 49 + 2);

    platform.answerSave(std::nullopt);  // cancelled: nothing happens
    w.Command3_Click();
    EXPECT_TRUE(platform.messages().empty());
}

TEST_F(PowerWindowTest, ChangingTheGearRecomputesFromTheSameFile)
{
    PowerWindow w;
    auto* gears = child<QComboBox>(w, "lstvitesse");
    gears->setCurrentIndex(3);  // before any computation: nothing happens
    EXPECT_TRUE(platform.messages().empty());
    load(w, curve);
    const float fourthGearPower = w.table()[100].power;
    gears->setCurrentIndex(2);
    ASSERT_TRUE(platform.messages().empty()) << platform.lastMessage();
    // Third gear: a shorter ratio and a larger loss give another power at the
    // same engine speed.
    EXPECT_FLOAT_EQ(w.table()[100].rpm, static_cast<float>(testing::testRpm(100, 300)));
    EXPECT_NE(w.table()[100].power, fourthGearPower);
}

TEST_F(PowerWindowTest, AFailedComputationKeepsTheShownResult)
{
    PowerWindow w;
    load(w, curve);
    const QString summary = labelText(w, "Label22");
    const PowerTable before = w.table();
    const auto linesBefore = child<PlotCanvas>(w, "Picture1")->segments().size();

    // A file that goes wrong half-way: the first 200 lines would overwrite
    // rows before the bad line is met.
    std::string text = testing::testCurveText(400);
    text.replace(text.find("\r\n", text.size() / 2), 2, "\r\nbad line\r\n");
    load(w, home.write("RPM/bad.ReT", text));
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_NE(platform.lastMessage().find("bad.ReT"), std::string::npos);
    EXPECT_EQ(labelText(w, "Label22"), summary);
    EXPECT_EQ(child<PlotCanvas>(w, "Picture1")->segments().size(), linesBefore);
    EXPECT_EQ(w.pointCount(), 300);
    EXPECT_EQ(w.curvePath(), curve);
    for (int i : {0, 150, 297})
        EXPECT_EQ(w.table()[i].power, before[i].power) << i;

    // A gear whose ratio is missing: one message, same result.
    store().set("lbsix", "");
    store().set("lblboite", "8");
    PowerWindow six;
    load(six, curve);
    platform.clearMessages();
    child<QComboBox>(six, "lstvitesse")->setCurrentIndex(5);
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_NE(platform.lastMessage().find("6th gear ratio"), std::string::npos) << platform.lastMessage();
    EXPECT_TRUE(child<QPushButton>(six, "Command3")->isEnabled());
}

// A curve no engine makes (a speed gone negative, as a fit that followed no
// sparks once wrote): the window says why, shows nothing and offers nothing
// to save.
TEST_F(PowerWindowTest, ACurveNoEngineMakesIsRefusedInWords)
{
    PowerWindow w;
    std::string text = testing::testCurveText(300);
    text.replace(text.find("\r\n", text.size() / 2), 2, "\r\n4,005;-86027\r\n");
    load(w, home.write("RPM/absurd.ReT", text));
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_NE(platform.lastMessage().find("86027"), std::string::npos) << platform.lastMessage();
    EXPECT_NE(platform.lastMessage().find("absurd.ReT"), std::string::npos) << platform.lastMessage();
    EXPECT_EQ(w.pointCount(), 0);
    EXPECT_FALSE(child<QPushButton>(w, "Command3")->isEnabled());
    EXPECT_EQ(curveLines(w), 0u);
}

// The window stays alive once opened: a vehicle confirmed meanwhile with
// another gearbox changes the gears it offers, and a curve computed in a gear
// that is gone is computed again in first gear.
TEST_F(PowerWindowTest, OffersTheGearsOfTheVehicleConfirmedSince)
{
    store().set("lblboite", "8");
    store().set("lbcq", "0,9");
    store().set("lbsix", "0,8");
    // Slow enough for a car in 6th gear (at 20 ms a point the power would
    // pass what any car's engine gives).
    curve = home.write("RPM/slow.ReT", testing::testCurveText(300, 0.2));
    PowerWindow w;
    w.show();
    load(w, curve);
    auto* gears = child<QComboBox>(w, "lstvitesse");
    gears->setCurrentIndex(5);
    const QString inSixth = labelText(w, "Label22");

    store().set("lblboite", "5");
    store().set("Lbnom", "Clubman");
    w.vehicleCommitted();
    EXPECT_NE(w.windowTitle().indexOf("Clubman"), -1) << w.windowTitle().toStdString();
    EXPECT_EQ(gears->count(), 4);
    EXPECT_EQ(gears->currentIndex(), 0);
    EXPECT_NE(labelText(w, "Label22"), inSixth);
    PowerWindow fresh;
    load(fresh, curve);
    EXPECT_EQ(labelText(w, "Label22"), labelText(fresh, "Label22"));
    EXPECT_TRUE(platform.messages().empty()) << platform.lastMessage();

    // The same gearbox again: the choice stays.
    gears->setCurrentIndex(2);
    w.vehicleCommitted();
    EXPECT_EQ(gears->currentIndex(), 2);
}

TEST_F(PowerWindowTest, ResizingMovesTheLabelsAndRecomputesOnlyAfterASuccess)
{
    PowerWindow w;
    w.resize(900, 600);
    w.show();
    auto* picture = child<PlotCanvas>(w, "Picture1");
    const int firstHeight = picture->height();
    w.resize(1000, 700);
    QApplication::processEvents();
    EXPECT_EQ(picture->height(), firstHeight + 100);
    EXPECT_EQ(child<QLabel>(w, "LabelC1")->x(), picture->x() + picture->width() + 4);
    EXPECT_EQ(child<QLabel>(w, "Label11")->y(), picture->y() + picture->height() + 9);
    EXPECT_TRUE(platform.messages().empty());  // no computation before a curve

    load(w, curve);
    std::filesystem::remove(curve);  // read once when chosen: still computed from memory
    w.resize(1000, 710);
    QApplication::processEvents();
    EXPECT_TRUE(platform.messages().empty()) << platform.lastMessage();
    store().set("LbPoid", "lourd");  // the next recomputation fails
    for (int size : {720, 740, 760}) {
        w.resize(1000, size);
        QApplication::processEvents();
    }
    EXPECT_EQ(platform.messages().size(), 1u);  // one message, not one per step
    EXPECT_TRUE(child<QPushButton>(w, "Command3")->isEnabled());
    w.resize(100, 80);  // too small: the picture keeps its size
    QApplication::processEvents();
    EXPECT_GT(picture->height(), 100);
}

// The text of a PDF as a reader gets it.
std::string pdfText(const std::filesystem::path& pdf)
{
    return testing::runCommand("pdftotext -enc UTF-8 " + testing::quoted(pdf) + " - 2>&1").out;
}

TEST_F(PowerWindowTest, ConditionsCorrectTheResultAndAreKeptBetweenRuns)
{
    useProgramLanguage("fr");
    {
        PowerWindow w;
        auto* standard = child<QComboBox>(w, "lstnorme");
        ASSERT_EQ(standard->count(), 4);
        EXPECT_EQ(standard->itemText(0), "Aucune");
        EXPECT_EQ(standard->currentIndex(), 0);
        EXPECT_EQ(child<QGroupBox>(w, "frameConditions")->title(), "Conditions");
        load(w, curve);
        const float plainPower = w.table()[100].power;
        const QString plainLine = labelText(w, "Label22");

        // DIN 70020 at 30 °C and 960 hPa: k = 1013/960 × (303/293)^0,5 = 1,0730642.
        child<QLineEdit>(w, "txtTempAir")->setText("30");
        child<QLineEdit>(w, "txtPression")->setText("960");
        standard->setCurrentIndex(1);
        ASSERT_TRUE(platform.messages().empty()) << platform.lastMessage();
        EXPECT_TRUE(labelText(w, "Label22").endsWith(" tr/min, corrigée DIN 70020, k = 1,073"))
            << labelText(w, "Label22").toStdString();
        EXPECT_TRUE(labelText(w, "Label23").endsWith(" tr/min, corrigée DIN 70020, k = 1,073"));
        EXPECT_NEAR(w.table()[100].power / plainPower, 1.0730642, 1e-6);

        // Air outside its range: said, naming the field, and the result stays.
        const QString corrected = labelText(w, "Label22");
        child<QLineEdit>(w, "txtTempAir")->setText("60");
        w.conditionsChanged();
        EXPECT_NE(platform.lastMessage().find("la température de l'air 60 °C est hors de -30 à 55 °C"),
                  std::string::npos)
            << platform.lastMessage();
        EXPECT_EQ(labelText(w, "Label22"), corrected);
        // The field shows the air in force again, not the refused value, and
        // the refused value is not kept for the next run.
        EXPECT_EQ(child<QLineEdit>(w, "txtTempAir")->text(), "30");
        EXPECT_EQ(TempFolder::read(home / "settings.txt").find("power.air_temp_c=60"), std::string::npos);
        // Refused by a computation the gear list starts: the same.
        platform.clearMessages();
        child<QLineEdit>(w, "txtTempAir")->setText("70");
        child<QComboBox>(w, "lstvitesse")->setCurrentIndex(2);
        ASSERT_EQ(platform.messages().size(), 1u);
        EXPECT_NE(platform.lastMessage().find("70 °C"), std::string::npos) << platform.lastMessage();
        EXPECT_EQ(child<QLineEdit>(w, "txtTempAir")->text(), "30");
        // Back in first gear the figures are those of the air in force.
        child<QComboBox>(w, "lstvitesse")->setCurrentIndex(0);
        EXPECT_EQ(labelText(w, "Label22"), corrected);
        platform.clearMessages();
        child<QLineEdit>(w, "txtTempAir")->setText("30");
        w.conditionsChanged();

        standard->setCurrentIndex(0);  // back to none: the lines as without a correction
        EXPECT_EQ(labelText(w, "Label22"), plainLine);
        standard->setCurrentIndex(1);
    }
    // The next window opens on the same conditions, from the settings file of
    // the application folder.
    EXPECT_NE(TempFolder::read(home / "settings.txt").find("power.correction=din70020\r\n"), std::string::npos);
    PowerWindow again;
    EXPECT_EQ(child<QComboBox>(again, "lstnorme")->currentIndex(), 1);
    EXPECT_EQ(child<QLineEdit>(again, "txtTempAir")->text(), "30");
    EXPECT_EQ(child<QLineEdit>(again, "txtPression")->text(), "960");
}

TEST_F(PowerWindowTest, KeepsTheLastGearAndShowsTheRoadSpeedsItGivesTheCurve)
{
    store().set("Lbcoefkm", "1");
    store().set("LbkmhMph", "km");
    // km/h at an engine speed: 145/70/12 gives a radius of 10,15 + 15,24 cm =
    // 0,2539 m; rpm × 2π × 0,2539 m ÷ G per minute, × 60 ÷ 1000.
    const auto kmh = [](double rpm, double overall) { return rpm * 2 * std::numbers::pi * 0.2539 / overall * 0.06; };
    const auto range = [&](PowerWindow& w, const char* gear, double overall, double perKmh, const char* unit) {
        const PowerExtremes e = findExtremes(w.table(), w.pointCount());
        return QString("%1: %2-%3 %4/h")
            .arg(gear)
            .arg(qRound(kmh(e.minRpm, overall) * perKmh))
            .arg(qRound(kmh(e.maxRpm, overall) * perKmh))
            .arg(unit);
    };
    {
        PowerWindow w;
        EXPECT_EQ(labelText(w, "lblVitesseRoute"), "");  // no curve yet
        load(w, curve);
        // 1st gear: G = 3,627 × 3,105 = 11,261835; the run of 2000-6500 rpm
        // is about 17-55 km/h in it.
        EXPECT_EQ(labelText(w, "lblVitesseRoute"), range(w, "1e", 11.261835, 1, "km"));
        EXPECT_TRUE(labelText(w, "lblVitesseRoute").startsWith("1e: 1"))
            << labelText(w, "lblVitesseRoute").toStdString();
        child<QComboBox>(w, "lstvitesse")->setCurrentIndex(2);
        // 3rd gear: G = 1,412 × 3,105 = 4,38426, about 44-142 km/h.
        EXPECT_EQ(labelText(w, "lblVitesseRoute"), range(w, "3e", 4.38426, 1, "km"));
    }
    // The next window, and the next start, open on the gear last picked.
    EXPECT_NE(TempFolder::read(home / "settings.txt").find("power.gear=3\r\n"), std::string::npos);
    store().set("Lbcoefkm", "0,6213712");
    store().set("LbkmhMph", "mi");
    PowerWindow again;
    EXPECT_EQ(child<QComboBox>(again, "lstvitesse")->currentIndex(), 2);
    load(again, curve);
    EXPECT_EQ(labelText(again, "lblVitesseRoute"), range(again, "3e", 4.38426, 0.6213712, "mi"));
    ASSERT_TRUE(platform.messages().empty()) << platform.lastMessage();

    // A box without the gear kept: first gear, and the gear is offered again
    // once a box that has it is confirmed.
    child<QComboBox>(again, "lstvitesse")->setCurrentIndex(3);
    store().set("lblboite", "7");
    store().set("lbcq", "0,8");
    PowerWindow five;
    child<QComboBox>(five, "lstvitesse")->setCurrentIndex(4);
    store().set("lblboite", "5");
    PowerWindow four;
    EXPECT_EQ(child<QComboBox>(four, "lstvitesse")->currentIndex(), 0);
    store().set("lblboite", "7");
    four.vehicleCommitted();
    EXPECT_EQ(child<QComboBox>(four, "lstvitesse")->currentIndex(), 4);
}

TEST_F(PowerWindowTest, ReportHoldsThePeakFiguresAndTheNameAsTheWindowShowsThem)
{
    useProgramLanguage("fr");
    PowerWindow w;
    auto* report = child<QPushButton>(w, "cmdRapport");
    EXPECT_FALSE(report->isEnabled());  // nothing to report yet
    child<QLineEdit>(w, "txtHumidite")->setText("65");
    child<QComboBox>(w, "lstnorme")->setCurrentIndex(2);  // SAE J1349
    load(w, curve);
    ASSERT_TRUE(report->isEnabled());
    const auto pdf = home / "Puissance/run.pdf";
    platform.answerSave(pdf.string());
    report->click();
    // Saving says where the report went.
    ASSERT_EQ(platform.messages().size(), 1u) << platform.lastMessage();
    EXPECT_EQ(platform.messages()[0].text, "Rapport enregistré : " + pdf.string());
    EXPECT_EQ(platform.messages()[0].icon, MessageIcon::Information);
    EXPECT_EQ(platform.requests().back().initialName, "run.pdf");
    const std::string text = pdfText(pdf);
    for (const QString& shown : {labelText(w, "Label22"), labelText(w, "Label23"), QString("Essai"),
                                 QString("Rapport de mesure"), labelText(w, "Label1"), labelText(w, "LabelC10")})
        EXPECT_NE(text.find(shown.toStdString()), std::string::npos) << shown.toStdString() << "\n" << text;
    EXPECT_NE(text.find("SAE J1349, k = "), std::string::npos) << text;
    // A curve without notes: the page says its making is not known.
    EXPECT_NE(text.find("non enregistrée avec la courbe"), std::string::npos) << text;
}

}  // namespace
}  // namespace vornax
