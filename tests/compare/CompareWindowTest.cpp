#include "gui/compare/CompareWindow.h"

#include "CurveFiles.h"
#include "ScriptedPlatform.h"
#include "TempFolder.h"
#include "gui/common/PlotCanvas.h"
#include "store/Language.h"
#include "store/Varia.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <tuple>

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
    // Each slot its own colours; slot 0 the blue torque and red power.
    const auto colour = [&](const char* swatch) {
        const QColor c = child<QLabel>(swatch)->palette().color(QPalette::Window);
        return Rgb{std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue())};
    };
    EXPECT_EQ(colour("Label33"), (Rgb{0, 0, 255}));
    EXPECT_EQ(colour("Label35"), (Rgb{255, 0, 0}));
    EXPECT_EQ(colour("Label74"), slotColours(10).torque);
    EXPECT_EQ(colour("Label72"), slotColours(10).power);
    EXPECT_EQ(w.curveSlots()[10].powerColour, slotColours(10).power);
    EXPECT_NE(colour("Label74"), colour("Label33"));
    // Both quantities are shown from the start.
    EXPECT_TRUE(child<QCheckBox>("Check13")->isChecked());
    EXPECT_TRUE(child<QCheckBox>("Check12")->isChecked());
    EXPECT_FALSE(w.plotRequested());
}

TEST_F(CompareWindowTest, LongFileNamesLoseTheirMiddleOnTheButton)
{
    auto* load = child<QPushButton>("Command1");
    tick(0, "/data/emo-precise-demo-1275-third-gear.txt");
    const QString shown = load->text();
    EXPECT_TRUE(shown.contains(QChar(0x2026))) << shown.toStdString();
    EXPECT_TRUE(shown.startsWith("emo")) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith("ear")) << shown.toStdString();
    EXPECT_LE(load->fontMetrics().horizontalAdvance(shown), load->width());
    EXPECT_EQ(load->toolTip(), "/data/emo-precise-demo-1275-third-gear.txt");

    // A short name whole; "&" is shown, not taken for a shortcut.
    tick(1, "/data/a&b.txt");
    EXPECT_EQ(child<QPushButton>("Command2")->text(), "a&&b");
    EXPECT_EQ(child<QPushButton>("Command2")->toolTip(), "/data/a&b.txt");
}

TEST_F(CompareWindowTest, TracerDrawsNamedCurvesInTheirOwnColours)
{
    w.show();
    w.resize(1056, 640);
    tickThreeCurves();
    child<QPushButton>("Command12")->click();
    ASSERT_TRUE(platform.messages().empty()) << platform.lastMessage();
    // Three curves of each quantity over the grid, each in its slot's colour.
    std::set<std::tuple<int, int, int>> colours;
    for (const PlotLine& line : canvas()->segments())
        colours.insert({line.colour.r, line.colour.g, line.colour.b});
    EXPECT_EQ(colours.size(), 1u + 6u);
    EXPECT_TRUE(colours.count({slotColours(2).power.r, slotColours(2).power.g, slotColours(2).power.b}));

    // The legend is in the canvas's own list, so the picture it exports
    // holds it too.
    std::vector<std::string> names = textsOf(canvas()->plot());
    EXPECT_EQ(names, (std::vector<std::string>{"run1.txt", "run2.txt", "run3.txt"}));
    const QImage picture = canvas()->toImage();
    const QColor sample(slotColours(1).power.r, slotColours(1).power.g, slotColours(1).power.b);
    int samplePixels = 0;
    for (int y = 0; y < picture.height() / 3; ++y)
        for (int x = 0; x < picture.width() / 3; ++x)
            samplePixels += picture.pixelColor(x, y) == sample ? 1 : 0;
    EXPECT_GT(samplePixels, 10);

    // run1 (in kW, up to 6975 rpm) reaches the highest power; run3, written
    // in the units in force (mkg), the highest torque.
    for (const auto& [line, curve] : {std::pair{"Label76", "run1.txt"}, std::pair{"Label77", "run3.txt"}}) {
        const QString whole = child<QLabel>(line)->toolTip().isEmpty() ? text(line) : child<QLabel>(line)->toolTip();
        EXPECT_TRUE(whole.endsWith(QString(" tr/min (%1)").arg(curve))) << whole.toStdString();
        EXPECT_TRUE(text(line).endsWith(")")) << text(line).toStdString();
        EXPECT_LE(child<QLabel>(line)->fontMetrics().horizontalAdvance(text(line)), child<QLabel>(line)->width());
    }
}

TEST_F(CompareWindowTest, TracerSaysWhatToTickRatherThanDrawAnEmptyGrid)
{
    w.show();
    child<QPushButton>("Command12")->click();
    EXPECT_EQ(textsOf(canvas()->plot()),
              (std::vector<std::string>{"Tick the box of a curve and choose its file, then \"Tracer\""}));

    tickThreeCurves();
    child<QCheckBox>("Check12")->setChecked(false);
    child<QCheckBox>("Check13")->setChecked(false);
    child<QPushButton>("Command12")->click();
    EXPECT_EQ(textsOf(canvas()->plot()),
              (std::vector<std::string>{"Tick \"Puissance\" or \"Couple\" to see the curves"}));
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
    EXPECT_TRUE(text("Label76").contains(" tr/min"));
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
