#include "gui/speedlog/SpeedLogWindow.h"

#include "../simulation/SimulationFixture.h"
#include "LogPhysics.h"
#include "ScriptedPlatform.h"
#include "TempFolder.h"
#include "common/Physics.h"
#include "gui/common/PlotCanvas.h"
#include "gui/common/WindowManager.h"
#include "gui/power/PowerWindow.h"
#include "store/Varia.h"
#include "gui/simulation/SimTD.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include <cstdio>

namespace vornax {
namespace {

using testlog::kKmh;

// A run of the test car: rest, a standing start to about 130 km/h, then
// 60 s of coasting in neutral, then braking to rest.
std::string runCsv()
{
    auto accel = [](double t, double v) {
        if (t < 15)
            return std::min(4.0, 40000 / (720 * std::max(v, 0.1))) - 0.1;
        if (t < 75)
            return -(0.012 * 650 * physics::kGravity + 0.36 * v * v) / 652.0;
        return v > 0 ? -5.0 : 0.0;
    };
    const SpeedLog log = testlog::sampledLog(accel, 0, 85, 10, 0.15, 11, 0.05, 2.0);
    std::string csv = "time_s;speed_kmh\n";
    char line[64];
    for (const SpeedFix& f : log.fixes) {
        std::snprintf(line, sizeof line, "%.3f;%.3f\n", f.time, f.speed / kKmh);
        csv += line;
    }
    return csv;
}

class SpeedLogWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetStore();
        folder.useAsAppFolder();
        testing::fillVehicle(store());
        auto& windows = WindowManager::instance();
        windows.registerWindow("CPuiss", [] { return new PowerWindow; });
        windows.registerWindow("SimTD", [] { return new SimTD; });
        window = std::make_unique<SpeedLogWindow>();
    }
    void TearDown() override
    {
        WindowManager::instance().reset();
        resetStore();
    }
    QString label(const char* name) { return window->findChild<QLabel*>(name)->text(); }
    int rowOf(StretchKind kind)
    {
        for (std::size_t k = 0; k < window->stretches().size(); ++k)
            if (window->stretches()[k].kind == kind)
                return int(k);
        return -1;
    }

    testing::TempFolder folder;
    testing::ScriptedPlatform platform;
    std::unique_ptr<SpeedLogWindow> window;
};

TEST_F(SpeedLogWindowTest, OpensALogAndSendsEachStretchToItsWindow)
{
    EXPECT_EQ(window->windowTitle(), "Journal de vitesse");
    auto* list = window->findChild<QListWidget*>("lstTroncons");
    auto* send = window->findChild<QPushButton*>("cmdEnvoyer");

    platform.answerOpen(folder.write("run.csv", runCsv()).string());
    window->cmdOuvrir_Click();
    ASSERT_TRUE(platform.messages().empty()) << platform.lastMessage();
    EXPECT_TRUE(label("lblFichier").startsWith("run.csv")) << label("lblFichier").toStdString();
    EXPECT_EQ(list->count(), int(window->stretches().size()));
    EXPECT_GT(window->findChild<PlotCanvas*>("PicJournal")->segments().size(), 800u);
    const int start = rowOf(StretchKind::StandingStart), coast = rowOf(StretchKind::CoastDown),
              pull = rowOf(StretchKind::Pull);
    ASSERT_GE(start, 0);
    ASSERT_GE(coast, 0);
    ASSERT_GE(pull, 0);

    // The coast-down: its figures, then written into a Mini file.
    list->setCurrentRow(coast);
    send->click();
    ASSERT_TRUE(window->coastDown());
    EXPECT_NEAR(window->coastDown()->scx, 0.6, 0.06);
    EXPECT_TRUE(label("lblResultat").contains("S·Cx")) << label("lblResultat").toStdString();
    const auto mini =
        folder.write("Mini/car.Dat", "[VersionV1]\r\nEssai\r\n 2 \r\n 5 \r\n 2 \r\n650\r\n 0 \r\n 0 \r\n 0 \r\n");
    platform.answerOpen(mini.string());
    window->findChild<QPushButton*>("cmdEcrireVehicule")->click();
    EXPECT_NE(testing::TempFolder::read(mini).find("\r\n0,01"), std::string::npos) << testing::TempFolder::read(mini);

    // The standing start: the acceleration window's measured run.
    list->setCurrentRow(start);
    send->click();
    auto* sim = qobject_cast<SimTD*>(WindowManager::instance().find("SimTD"));
    ASSERT_NE(sim, nullptr);
    EXPECT_TRUE(sim->findChild<QLabel*>("lbMesure")->text().contains("run.csv"));

    // The pull: its curve saved, then computed in the power window.
    list->setCurrentRow(pull);
    const auto curve = folder / "RPM" / "run.ReT";
    platform.answerSave(curve.string());
    send->click();
    ASSERT_TRUE(std::filesystem::exists(curve)) << platform.lastMessage();
    auto* power = qobject_cast<PowerWindow*>(WindowManager::instance().find("CPuiss"));
    ASSERT_NE(power, nullptr);
    EXPECT_EQ(power->curvePath(), curve);
    EXPECT_GT(power->pointCount(), 100);
}

TEST_F(SpeedLogWindowTest, ALogThatCannotBeReadIsSaidAndNothingChanges)
{
    platform.answerOpen(folder.write("run.csv", runCsv()).string());
    window->cmdOuvrir_Click();
    const std::size_t found = window->stretches().size();
    platform.answerOpen(folder.write("bad.csv", "not a log\n").string());
    window->cmdOuvrir_Click();
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(window->stretches().size(), found);
    EXPECT_TRUE(label("lblFichier").startsWith("run.csv"));
}

}  // namespace
}  // namespace vornax
