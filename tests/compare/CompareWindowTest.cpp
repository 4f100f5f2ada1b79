#include "compare/CompareWindow.h"

#include "CurveFiles.h"
#include "ScriptedPlatform.h"
#include "TempFolder.h"
#include "common/PlotCanvas.h"
#include "shell/Language.h"
#include "shell/Varia.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <gtest/gtest.h>

#include <cstdlib>

namespace vornax {
namespace {

using namespace compare;

using testing::curveText;
using testing::Factors;
using testing::risingCurve;
using testing::ScriptedPlatform;
using testing::TempFolder;

const std::string kFrench = std::string(VORNAX_LANG_DIR) + "/francais.txt";

class CompareWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        home.useAsAppFolder();
        resetStore();
        loadLanguageFile(store(), kFrench);
    }
    void TearDown() override { resetStore(); }

    template <typename T>
    T* child(const char* name)
    {
        return w.findChild<T*>(name);
    }
    QString text(const char* label) { return child<QLabel>(label)->text(); }
    PlotCanvas* canvas() { return child<PlotCanvas>("Picture1"); }

    // Ticks slot k (Check1 is slot 0) and answers the file choice with `file`.
    void tick(int k, const std::filesystem::path& file)
    {
        platform.answerOpen(file.string());
        child<QCheckBox>(("Check" + std::to_string(k + 1)).c_str())->setChecked(true);
    }

    // Three curves, written in three different power units.
    void tickThreeCurves()
    {
        tick(0, home.write("Puissance/run1.txt", curveText(risingCurve(200), Factors{1000, 1})));
        tick(1, home.write("Puissance/run2.txt", curveText(risingCurve(180, 2100, 25, 90), Factors{736, 1})));
        tick(2, home.write("Puissance/run3.txt", curveText(risingCurve(220, 1900, 25, 70))));
    }

    void movePointer(QWidget* target, QPoint at)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(target->mapToGlobal(at)), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(target, &move);
    }

    TempFolder home;
    ScriptedPlatform platform;
    CompareWindow w;
};

TEST_F(CompareWindowTest, OpensWithTheStoreCaptionsAndEmptySlots)
{
    EXPECT_EQ(w.objectName(), "GRph");
    EXPECT_EQ(w.windowTitle(), "The Vornax Meter ***** Courbe Couple/Puissance *****");
    EXPECT_EQ(child<QPushButton>("Command12")->text(), "Tracer");
    EXPECT_EQ(child<QPushButton>("MoyC")->text(), "Moyenne");
    EXPECT_EQ(child<QCheckBox>("Check13")->text(), "Puissance");
    EXPECT_EQ(child<QCheckBox>("Check12")->text(), "Couple");
    for (int k = 0; k < kSlotCount; ++k) {
        const auto n = std::to_string(k + 1);
        EXPECT_EQ(child<QPushButton>(("Command" + n).c_str())->text(), QString("Courbe %1").arg(k));
        EXPECT_FALSE(child<QPushButton>(("Command" + n).c_str())->isEnabled());
        EXPECT_FALSE(child<QCheckBox>(("Check" + n).c_str())->isChecked());
    }
    EXPECT_EQ(text("Label32"), "C:");
    EXPECT_EQ(text("Label75"), "C:");
    EXPECT_EQ(text("Label34"), "P:");
    EXPECT_EQ(text("Label73"), "P:");
    EXPECT_EQ(child<QLabel>("Label74")->palette().color(QPalette::Window), QColor(0, 0, 255));
    EXPECT_EQ(child<QLabel>("Label72")->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_FALSE(w.plotRequested());
}

TEST_F(CompareWindowTest, ShowBoxAndLoadButtonChooseTheSlotsFile)
{
    auto* check = child<QCheckBox>("Check4");
    auto* load = child<QPushButton>("Command4");
    check->setChecked(true);  // nothing queued: the dialog is cancelled
    EXPECT_FALSE(check->isChecked());
    EXPECT_FALSE(load->isEnabled());
    ASSERT_EQ(platform.requests().size(), 1u);
    EXPECT_EQ(platform.requests()[0].title, "Chargement des courbes");
    EXPECT_EQ(platform.requests()[0].filter, "Fichier text *.txt|*.txt");
    EXPECT_EQ(platform.requests()[0].initialFolder, (home / "Puissance").string());

    tick(3, "/data/essai 3.txt");
    EXPECT_TRUE(check->isChecked());
    EXPECT_TRUE(load->isEnabled());
    EXPECT_EQ(load->text(), "essai 3");
    EXPECT_EQ(w.curveSlots()[3].path, "/data/essai 3.txt");

    // A path already chosen: ticking again asks nothing; cancelling the load
    // button clears the path and unticks.
    check->setChecked(false);
    check->setChecked(true);
    EXPECT_EQ(platform.requests().size(), 2u);
    load->click();
    EXPECT_FALSE(check->isChecked());
    EXPECT_TRUE(w.curveSlots()[3].path.empty());
}

TEST_F(CompareWindowTest, TracerPlotsTheTickedCurvesAndResizeRedrawsThem)
{
    w.show();
    tickThreeCurves();
    child<QCheckBox>("Check12")->setChecked(true);
    child<QCheckBox>("Check13")->setChecked(true);
    w.resize(1000, 600);
    EXPECT_TRUE(canvas()->segments().empty());  // no redraw before the first plot

    platform.answerColour(Rgb{0, 160, 0});
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(child<QLabel>("Label38"), &press);  // slot 1's torque swatch
    EXPECT_EQ(child<QLabel>("Label38")->palette().color(QPalette::Window), QColor(0, 160, 0));

    child<QPushButton>("Command12")->click();
    ASSERT_TRUE(platform.messages().empty()) << platform.lastMessage();
    EXPECT_TRUE(w.plotRequested());
    EXPECT_TRUE(text("Label76").startsWith("Puissance max: "));
    EXPECT_TRUE(text("Label76").endsWith(" tr/min"));
    EXPECT_EQ(text("Label30"), "ch");
    EXPECT_EQ(text("Label31"), "mkg");
    EXPECT_FALSE(text("Label1").isEmpty());
    // Grid, then (count − 2) segments per curve and quantity.
    const std::size_t expected = 19 + 2 * (198 + 178 + 218);
    EXPECT_EQ(canvas()->segments().size(), expected);
    std::size_t green = 0;
    for (const auto& line : canvas()->segments())
        green += line.colour == Rgb{0, 160, 0} ? 1 : 0;
    EXPECT_EQ(green, 178u);

    const QRect before = canvas()->geometry();
    w.resize(1200, 700);
    EXPECT_GT(canvas()->width(), before.width());
    EXPECT_EQ(canvas()->geometry().left(), before.left());
    EXPECT_EQ(canvas()->segments().size(), expected);

    // The redraw after a resize plots from memory with the boxes as they are.
    child<QCheckBox>("Check12")->setChecked(false);
    w.resize(1100, 650);
    EXPECT_EQ(canvas()->segments().size(), 19 + (198 + 178 + 218));
    EXPECT_EQ(text("Label11"), "");
}

TEST_F(CompareWindowTest, UnreadableFileStopsTheCommandWithOneMessage)
{
    tickThreeCurves();
    child<QCheckBox>("Check13")->setChecked(true);
    child<QPushButton>("Command12")->click();
    const std::size_t drawn = canvas()->segments().size();
    ASSERT_GT(drawn, 19u);

    home.write("Puissance/run2.txt", "3000;10;5\r\n3100;11;6\r\n3200;11\r\n");
    child<QPushButton>("Command12")->click();
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_NE(platform.lastMessage().find("run2.txt"), std::string::npos) << platform.lastMessage();
    EXPECT_NE(platform.lastMessage().find("line 3"), std::string::npos) << platform.lastMessage();
    EXPECT_EQ(canvas()->segments().size(), drawn);
}

TEST_F(CompareWindowTest, ReadoutFollowsThePointerOverThePlotOnly)
{
    w.show();
    w.resize(1056, 640);
    // Before any plot the scale is the plot's size in twips: one pixel in is
    // 15 twips.
    const QPoint plotOrigin = canvas()->geometry().bottomLeft();
    movePointer(canvas(), QPoint(1, canvas()->height() - 2));
    EXPECT_EQ(text("lblX"), "15");
    EXPECT_EQ(w.cursor().shape(), Qt::CrossCursor);

    tickThreeCurves();
    child<QCheckBox>("Check13")->setChecked(true);
    child<QPushButton>("Command12")->click();
    // Halfway across reads the middle speed label.
    movePointer(canvas(), QPoint(canvas()->width() / 2, canvas()->height() / 2));
    const double middle = text("Label25").toDouble();
    const double perPixel = canvas()->scaleWidth() / canvas()->width();
    EXPECT_NEAR(text("lblX").toDouble(), middle, perPixel);
    EXPECT_TRUE(text("lblY").endsWith("ch"));
    EXPECT_TRUE(text("lblt").endsWith("mkg"));

    // Over the speed labels below the plot: empty, default pointer.
    movePointer(&w, plotOrigin + QPoint(canvas()->width() / 2, 8));
    EXPECT_EQ(text("lblX"), "");
    EXPECT_EQ(text("lblY"), "");
    EXPECT_EQ(text("lblt"), "");
    EXPECT_EQ(w.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(CompareWindowTest, MoyenneWritesWhatTheCommandLineWrites)
{
    child<QPushButton>("MoyC")->click();
    EXPECT_EQ(platform.messages().size(), 1u);
    EXPECT_TRUE(platform.requests().empty());

    tickThreeCurves();
    child<QPushButton>("Command12")->click();
    const auto gui = home / "Puissance" / "avg-gui.txt";
    platform.answerSave(gui.string());
    child<QPushButton>("MoyC")->click();
    EXPECT_EQ(platform.requests().back().initialFolder, (home / "Puissance").string());
    // A name typed without extension gets the one the slots open.
    EXPECT_EQ(withFilterExtension("avg", platform.requests().back().filter), "avg.txt");
    ASSERT_TRUE(std::filesystem::exists(gui));

    const auto cli = home / "avg-cli.txt";
    std::string command = std::string(VORNAX_CLI) + " average";
    for (const char* name : {"run1.txt", "run2.txt", "run3.txt"})
        command += " '" + (home / "Puissance" / name).string() + "'";
    command += " -o '" + cli.string() + "' --lang '" + kFrench + "' >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(TempFolder::read(gui), TempFolder::read(cli));
    // The three runs start at 2000, 2100 and 1900 rpm: averaged on a grid, and told.
    ASSERT_EQ(platform.messages().size(), 2u);
    EXPECT_EQ(platform.messages().back().icon, MessageIcon::Information);
    EXPECT_NE(platform.lastMessage().find("from 2100 to 6575 rpm"), std::string::npos) << platform.lastMessage();
}

}  // namespace
}  // namespace vornax
