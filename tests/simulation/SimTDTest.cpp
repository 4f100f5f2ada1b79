#include "gui/simulation/SimTD.h"

#include "SimulationFixture.h"
#include "ScriptedPlatform.h"
#include "TempFolder.h"
#include "../speedlog/LogPhysics.h"

#include "common/NumberText.h"
#include "gui/common/PlotCanvas.h"
#include "common/TextFile.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QKeyEvent>

#include <gtest/gtest.h>

namespace vornax {
namespace {

class SimTDTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetStore();
        folder.useAsAppFolder();
        testing::fillVehicle(store());
        store().set("LbOriginie", "Origine");
        store().set("LbAutre", "Autre");
        window = std::make_unique<SimTD>();
    }
    void TearDown() override { resetStore(); }

    QLineEdit* field(const char* name) { return window->findChild<QLineEdit*>(name); }
    QString label(const char* name) { return window->findChild<QLabel*>(name)->text(); }
    // Types each character as a key press, as the keyboard would.
    void type(QWidget* w, const QString& text)
    {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &press);
        }
    }
    void loseFocus(QWidget* w)
    {
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(w, &out);
    }
    std::string curveFile()
    {
        std::string text;
        for (int rpm = 1000; rpm <= 7000; rpm += 50) {
            const double x = (rpm - 4000) / 3000.0;
            text += std::to_string(rpm) + ";" + std::to_string(int(95 - 35 * x * x)) + ";1\r\n";
        }
        return text + " 1 \r\n 1 \r\n";
    }

    testing::TempFolder folder;
    testing::ScriptedPlatform platform;
    std::unique_ptr<SimTD> window;
};

TEST_F(SimTDTest, OpensWithStoredVehicleLockedAndNoCurve)
{
    EXPECT_EQ(window->objectName(), "SimTD");
    EXPECT_EQ(window->windowTitle(), "Comparaison d'acceleration");
    EXPECT_EQ(field("textPoid")->text(), "650");
    EXPECT_EQ(field("TextRP")->text(), "3,44");
    EXPECT_EQ(field("TextPneuH")->text(), "60");
    for (const char* locked : {"textPoid", "TextRP", "InertieVol", "TextPneuL", "TextPneuH", "TextPneuD"})
        EXPECT_FALSE(field(locked)->isEnabled()) << locked;
    EXPECT_TRUE(field("RPMCh")->isEnabled());
    EXPECT_EQ(field("TMPch")->text(), "0,5");
    EXPECT_FALSE(window->findChild<QPushButton*>("regimeP")->isEnabled());
    EXPECT_EQ(label("lbT0100"), "0");
    EXPECT_EQ(label("Label1"), "km/h");
    EXPECT_EQ(label("Label3"), "m");
    EXPECT_TRUE(window->findChild<QRadioButton*>("Option1")->isChecked());
    EXPECT_EQ(window->findChild<QRadioButton*>("Option2")->text(), "Autre");
    // Opened through the window manager, the window takes its designed size.
    window->adjustSize();
    EXPECT_GE(window->width(), 1000);
    EXPECT_GE(window->height(), 370);
}

TEST_F(SimTDTest, ChoosingTheStoredTyreRestoresAndLocksItsFields)
{
    window->findChild<QRadioButton*>("Option2")->click();
    ASSERT_TRUE(field("TextPneuL")->isEnabled());
    field("TextPneuL")->setText("145");
    field("TextPneuD")->setText("10");
    window->findChild<QRadioButton*>("Option1")->click();
    EXPECT_EQ(field("TextPneuL")->text(), "165");
    EXPECT_EQ(field("TextPneuD")->text(), "12");
    EXPECT_FALSE(field("TextPneuD")->isEnabled());
    EXPECT_EQ(store().get("LbLp"), "165");  // the choice never writes the store
}

// The window lives on once opened: a vehicle confirmed since shows in the
// fields left on "Origine"; the ones typed on "Autre" stay.
TEST_F(SimTDTest, AVehicleConfirmedSinceShowsInTheStoredFields)
{
    window->findChild<QRadioButton*>("RPOption2")->click();
    field("TextRP")->setText("3,9");
    store().set("LbPoid", "720");
    store().set("LbRp", "2,95");
    store().set("LbLp", "145");
    window->vehicleCommitted();
    EXPECT_EQ(field("textPoid")->text(), "720");
    EXPECT_EQ(field("TextPneuL")->text(), "145");
    EXPECT_FALSE(field("textPoid")->isEnabled());
    EXPECT_EQ(field("TextRP")->text(), "3,9");
    EXPECT_TRUE(field("TextRP")->isEnabled());
}

TEST_F(SimTDTest, FieldsFilterKeysAndRepairTheSeparator)
{
    QLineEdit* rpm = field("RPMCh");
    rpm->clear();
    type(rpm, "45a0.0");
    EXPECT_EQ(rpm->text(), "4500");
    QLineEdit* time = field("TMPch");
    time->clear();
    type(time, "0.5s");
    loseFocus(time);
    EXPECT_EQ(time->text(), "0,5");
}

TEST_F(SimTDTest, LoadsACurveRunsDrawsAndSaves)
{
    auto* estimer = window->findChild<QPushButton*>("regimeP");
    platform.answerOpen((folder / "missing.txt").string());
    window->CharPui_Click();
    EXPECT_FALSE(platform.messages().empty());
    EXPECT_FALSE(estimer->isEnabled());

    platform.answerOpen(folder.write("curve.txt", curveFile()).string());
    window->CharPui_Click();
    ASSERT_TRUE(estimer->isEnabled());
    ASSERT_EQ(platform.requests().back().initialFolder, (folder / "Puissance").string());

    estimer->click();
    EXPECT_NE(label("lbT0100"), "0");
    EXPECT_FALSE(label("lb400mDA").isEmpty());
    EXPECT_TRUE(label("lbvte").startsWith("km/h en 4 à "));
    auto* canvas = window->findChild<PlotCanvas*>("Picvitessetemps");
    const auto drawn = canvas->segments();
    ASSERT_GT(drawn.size(), 1000u);
    EXPECT_NE(label("LBT9"), "");

    // Resizing only lays out and redraws the same picture.
    window->resize(1200, 800);
    window->Form_Resize();
    window->resize(900, 700);
    window->Form_Resize();
    ASSERT_EQ(canvas->segments().size(), drawn.size());
    for (std::size_t i = 0; i < drawn.size(); i += 97)
        EXPECT_EQ(canvas->segments()[i].y2, drawn[i].y2);

    const auto saved = folder / "Acc" / "run.txt";
    platform.answerSave(saved.string());
    window->saveas_Click();
    // A name typed without extension gets the filter's, as the open dialogs list.
    EXPECT_EQ(withFilterExtension("run", platform.requests().back().filter), "run.txt");
    const auto lines = splitLines(testing::TempFolder::read(saved));
    EXPECT_EQ(static_cast<std::int32_t>(lines.size()), window->model().series().index - 2 + 2);

    // A run that cannot start is refused with a message, the picture kept.
    platform.clearMessages();
    field("TextRP")->setEnabled(true);
    field("TextRP")->setText("");
    estimer->click();
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_NE(platform.lastMessage().find(store().get("LbRapportdePont")), std::string::npos) << platform.lastMessage();
    EXPECT_EQ(canvas->segments().size(), drawn.size());
}

// A log of a standing start over the simulated run: its dashed curves on
// the same picture and its figures beside the simulated ones; a log without
// a start is refused with a message, the picture kept.
// The curve is read when chosen; a new language's units take its lines again
// (the file's factors are 1 and 1: a torque factor of 2 doubles the torque).
TEST_F(SimTDTest, ANewLanguageTakesTheCurveAgainIntoItsUnits)
{
    store().set("LbConvertionWatt", "1");
    store().set("LbConvertionNm", "1");
    const auto file = folder.write("curve.txt", curveFile());
    platform.answerOpen(file.string());
    window->CharPui_Click();
    ASSERT_TRUE(platform.messages().empty()) << platform.lastMessage();
    EXPECT_EQ(window->curve().torque[0], 60.0f);
    std::filesystem::remove(file);
    store().set("LbConvertionNm", "2");
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(window.get(), &change);
    EXPECT_EQ(window->curve().torque[0], 120.0f);
    EXPECT_EQ(window->curve().lastRow, 120);
}

TEST_F(SimTDTest, AMeasuredStartFromASpeedLogOverTheSimulation)
{
    platform.answerOpen(folder.write("curve.txt", curveFile()).string());
    window->CharPui_Click();
    window->findChild<QPushButton*>("regimeP")->click();
    auto* canvas = window->findChild<PlotCanvas*>("Picvitessetemps");
    const std::size_t simulated = canvas->segments().size();

    auto accel = [](double, double v) { return std::min(4.0, 40000 / (720 * std::max(v, 0.1))) - 0.1; };
    const SpeedLog log = testlog::sampledLog(accel, 0, 40, 10, 0.15, 9, 0.05, 2.0);
    std::string csv = "time_s;speed_kmh\n";
    for (const SpeedFix& f : log.fixes)
        csv += std::to_string(f.time) + ";" + std::to_string(f.speed * 3.6) + "\n";
    platform.answerOpen(folder.write("start.csv", csv).string());
    window->CharJournal_Click();
    ASSERT_TRUE(platform.messages().empty()) << platform.lastMessage();
    EXPECT_TRUE(label("lbMesure").contains("start.csv")) << label("lbMesure").toStdString();
    EXPECT_TRUE(label("lbMesure").contains(QString::fromStdString(store().get("Lb0100km"))));
    EXPECT_GT(canvas->segments().size(), simulated + 100);

    // Resizing keeps both curves.
    const std::size_t both = canvas->segments().size();
    window->Form_Resize();
    EXPECT_EQ(canvas->segments().size(), both);

    const std::string before = label("lbMesure").toStdString();
    platform.answerOpen(folder.write("cruise.csv", "time_s;speed_kmh\n0;50\n1;50\n2;50\n3;50\n").string());
    window->CharJournal_Click();
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_NE(platform.lastMessage().find("no standing start"), std::string::npos) << platform.lastMessage();
    EXPECT_EQ(label("lbMesure").toStdString(), before);
}

TEST_F(SimTDTest, MilesPerHourPutTheDistanceInYards)
{
    store().set("LbkmhMph", "mi");
    store().set("Lbcoefkm", "0,6213712");
    window = std::make_unique<SimTD>();
    EXPECT_EQ(label("Label1"), "mi/h");
    EXPECT_EQ(label("Label3"), "yd");
    platform.answerOpen(folder.write("curve.txt", curveFile()).string());
    window->CharPui_Click();
    window->findChild<QPushButton*>("regimeP")->click();
    ASSERT_TRUE(platform.messages().empty()) << platform.lastMessage();
    const ResultSeries& s = window->model().series();
    const std::int32_t K = window->model().shownLength();
    // The distance column's top is the run's last distance in yards (metres
    // ÷ 0,9144): 4073 m, for one, is 4454,3 yd.
    EXPECT_EQ(label("LBD5"), QString::fromStdString(formatPattern(s.distance[K - 1] / 0.9144, Pattern::OneDecimal)));
}

}  // namespace
}  // namespace vornax
