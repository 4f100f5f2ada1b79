// A picture saved from a window's plot carries the texts the window shows
// around the plot in its labels: every value label's text is among the
// exported picture's texts, and the picture is larger than the plot by the
// room those texts take.
#include "../compare/CurveFiles.h"
#include "../power/PowerTestData.h"
#include "../simulation/SimulationFixture.h"
#include "ScriptedPlatform.h"
#include "TempFolder.h"
#include "gui/common/PlotCanvas.h"
#include "gui/common/WindowManager.h"
#include "gui/compare/CompareWindow.h"
#include "gui/power/PowerWindow.h"
#include "gui/signal/WavWindow.h"
#include "gui/simulation/SimTD.h"
#include "store/Language.h"
#include "store/Varia.h"

#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

namespace vornax {
namespace {

using testing::ScriptedPlatform;
using testing::TempFolder;

std::vector<std::string> names(const std::string& prefix, int first, int last)
{
    std::vector<std::string> out;
    for (int n = first; n <= last; ++n)
        out.push_back(prefix + std::to_string(n));
    return out;
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// An engine-speed curve rising from 2000 to 5000 tr/min in 10 s.
std::string speedCurveText()
{
    std::string text;
    for (int k = 0; k <= 200; ++k)
        text += singleText(0.05f * float(k)) + ";" + singleText(2000.0f + 15.0f * float(k)) + "\r\n";
    return text;
}

struct Case {
    const char* window;
    const char* canvas;
    std::vector<std::string> labels;  // the value labels around the plot
    std::function<std::unique_ptr<QWidget>(TempFolder&, ScriptedPlatform&)> show;
};

TEST(WindowExport, CarriesTheTextsOfTheWindowsLabels)
{
    const Case cases[] = {
        {"WAV window", "Picture2", names("Label", 1, 1) + names("Label", 5, 22),
         [](TempFolder& home, ScriptedPlatform& platform) -> std::unique_ptr<QWidget> {
             auto w = std::make_unique<WavWindow>();
             platform.answerOpen(home.write("RPM/run.ReT", speedCurveText()).string());
             w->findChild<QAction*>("CharRET")->trigger();
             return w;
         }},
        {"power window", "Picture1", names("Label", 1, 19) + names("LabelC", 1, 10) + names("Label", 22, 23),
         [](TempFolder& home, ScriptedPlatform& platform) -> std::unique_ptr<QWidget> {
             testing::fillTestVehicle(store());
             auto w = std::make_unique<PowerWindow>();
             platform.answerOpen(home.write("RPM/run.ReT", testing::testCurveText(300)).string());
             w->Command1_Click();
             return w;
         }},
        {"comparison window", "Picture1", names("Label", 1, 29),
         [](TempFolder& home, ScriptedPlatform& platform) -> std::unique_ptr<QWidget> {
             loadLanguageFile(store(), std::string(VORNAX_LANG_DIR) + "/francais.txt");
             auto w = std::make_unique<CompareWindow>();
             const auto tick = [&](int k, const std::string& file, const std::string& text) {
                 platform.answerOpen(home.write("Puissance/" + file, text).string());
                 w->findChild<QCheckBox*>(("Check" + std::to_string(k + 1)).c_str())->setChecked(true);
             };
             tick(0, "run1.txt", testing::curveText(testing::risingCurve(200)));
             tick(1, "run2.txt", testing::curveText(testing::risingCurve(180, 2100, 25, 90)));
             w->findChild<QPushButton*>("Command12")->click();
             return w;
         }},
        {"acceleration window", "Picvitessetemps",
         names("LBT", 0, 9) + names("LBV", 0, 5) +
             std::vector<std::string>{"LBD0", "LBD1", "LBD2", "LBD3", "LbD4", "LBD5"},
         [](TempFolder& home, ScriptedPlatform& platform) -> std::unique_ptr<QWidget> {
             testing::fillVehicle(store());
             auto w = std::make_unique<SimTD>();
             std::string curve;
             for (int rpm = 1000; rpm <= 7000; rpm += 50)
                 curve += std::to_string(rpm) + ";" + std::to_string(95 - 35 * (rpm - 4000) * (rpm - 4000) / 9000000) +
                          ";1\r\n";
             platform.answerOpen(home.write("Puissance/curve.txt", curve + " 1 \r\n 1 \r\n").string());
             w->CharPui_Click();
             w->findChild<QPushButton*>("regimeP")->click();
             return w;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window);
        TempFolder home;
        home.useAsAppFolder();
        resetStore();
        WindowManager::instance().reset();
        ScriptedPlatform platform;
        const std::unique_ptr<QWidget> window = c.show(home, platform);
        EXPECT_TRUE(platform.messages().empty()) << platform.lastMessage();
        const auto* canvas = window->findChild<PlotCanvas*>(c.canvas);
        ASSERT_NE(canvas, nullptr);
        ASSERT_TRUE(canvas->frame());

        const std::vector<std::string> exported = textsOf(canvas->exportedPlot());
        for (const std::string& name : c.labels) {
            const auto* label = window->findChild<QLabel*>(QString::fromStdString(name));
            ASSERT_NE(label, nullptr) << name;
            const std::string text = label->text().toStdString();
            EXPECT_FALSE(text.empty()) << name;
            EXPECT_NE(std::find(exported.begin(), exported.end(), text), exported.end()) << name << " " << text;
        }

        const QString file = QString::fromStdString((home / "plot.png").string());
        ASSERT_TRUE(canvas->exportTo(file));
        const QImage picture(file);
        EXPECT_EQ(picture.size(), canvas->exportSize());
        EXPECT_GT(picture.width(), canvas->width());
        EXPECT_GT(picture.height(), canvas->height());
        resetStore();
        WindowManager::instance().reset();
    }
}

}  // namespace
}  // namespace vornax
