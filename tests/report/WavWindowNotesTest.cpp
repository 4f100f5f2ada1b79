// The notes the WAV window saves beside a curve, which the run report reads:
// the recording, the detection and the smoothing or fit that made the curve.
#include "ScriptedPlatform.h"
#include "TempFolder.h"
#include "gui/common/WindowManager.h"
#include "store/Varia.h"
#include "signal/CurveNotes.h"
#include "signal/SyntheticRecording.h"
#include "gui/signal/WavWindow.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QComboBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace vornax {
namespace {

using testing::ScriptedPlatform;
using testing::TempFolder;

TEST(WavWindowNotes, TellHowTheSavedCurveWasMade)
{
    TempFolder home;
    home.useAsAppFolder();
    resetStore();
    WindowManager::instance().reset();
    IgnitionSignal signal;
    signal.seconds = 6.0;
    signal.rpm = [](double t) { return 1500.0 + 500.0 * t; };
    const auto recording = home.write("Wav/pull.wav", makeIgnitionRecording(signal).wav);
    ScriptedPlatform platform;
    auto window = std::make_unique<WavWindow>();
    // The precise fit runs off the window's thread: the events go on until it ends.
    const auto waitForWork = [&] {
        const QDeadlineTimer deadline(60000);
        while (window->working() && !deadline.hasExpired())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        return !window->working();
    };
    const auto save = [&](const char* name) {
        const auto file = home / "RPM" / name;
        platform.answerSave(file.string());
        window->findChild<QAction*>("SaveRET")->trigger();
        return loadCurveNotes(file);
    };
    platform.answerOpen(recording.string());
    window->findChild<QAction*>("cHaWav")->trigger();

    const auto raw = save("raw.ReT");
    ASSERT_TRUE(raw);
    EXPECT_EQ(raw->method, CurveMethod::Unsmoothed);
    EXPECT_EQ(raw->recording, "pull.wav");
    EXPECT_EQ(raw->threshold, 165);
    EXPECT_EQ(raw->lowPolarity, false);
    EXPECT_EQ(raw->sparksPerRev, 0.5f);

    window->findChild<QPushButton*>("Command3")->click();
    const auto smoothed = save("smoothed.ReT");
    ASSERT_TRUE(smoothed);
    EXPECT_EQ(smoothed->method, CurveMethod::Standard);
    EXPECT_EQ(smoothed->smoothing.level, 1);
    EXPECT_EQ(smoothed->smoothing.skipped, 10);

    window->findChild<QComboBox*>("cboMethode")->setCurrentIndex(1);
    window->findChild<QPushButton*>("Command3")->click();
    ASSERT_TRUE(waitForWork());
    const auto precise = save("precise.ReT");
    ASSERT_TRUE(precise);
    EXPECT_EQ(precise->method, CurveMethod::Precise);
    ASSERT_TRUE(precise->rpmUncertaintyPct);
    EXPECT_GT(*precise->rpmUncertaintyPct, 0.0);

    // A curve loaded from a file has no known making: its copy gets none.
    platform.answerOpen((home / "RPM" / "raw.ReT").string());
    window->findChild<QAction*>("CharRET")->trigger();
    EXPECT_FALSE(save("copy.ReT"));
    EXPECT_TRUE(platform.messages().empty()) << platform.lastMessage();
    window.reset();
    WindowManager::instance().reset();
}

}  // namespace
}  // namespace vornax
