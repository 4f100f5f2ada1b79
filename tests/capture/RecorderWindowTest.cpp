#include "capture/RecorderWindow.h"

#include "ScriptedPlatform.h"
#include "ScriptedSoundDevice.h"
#include "TempFolder.h"
#include "common/AppFolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace vornax {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedPlatform;
using testing::ScriptedSoundDevice;
using testing::TempFolder;

class RecorderWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        home.useAsAppFolder();
        auto fake = std::make_unique<ScriptedSoundDevice>();
        device = fake.get();
        window = new RecorderWindow(std::move(fake), temporary);
    }
    void TearDown() override { delete window.data(); }

    QPushButton* button(const char* name) { return window->findChild<QPushButton*>(name); }
    QLabel* label() { return window->findChild<QLabel*>("Label1"); }
    std::vector<bool> enabled()
    {
        return {button("Command2")->isEnabled(), button("Command3")->isEnabled(), button("Command4")->isEnabled(),
                button("Command1")->isEnabled()};
    }

    TempFolder home;
    TempFolder temp;
    fs::path temporary = temp / "recording.wav";
    ScriptedPlatform platform;
    ScriptedSoundDevice* device = nullptr;
    QPointer<RecorderWindow> window;
};

TEST_F(RecorderWindowTest, ShowsItsControlsAndFollowsTheButtons)
{
    EXPECT_EQ(window->objectName(), "Form1");
    EXPECT_EQ(window->windowTitle(), "WAV Recorder");
    EXPECT_EQ(button("Command2")->text(), "Record");
    EXPECT_EQ(button("Command3")->text(), "Stop");
    EXPECT_EQ(button("Command4")->text(), "Play");
    EXPECT_EQ(button("Command1")->text(), "Save As...");
    EXPECT_EQ(label()->text(), "");
    auto* timer = window->findChild<QTimer*>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 500);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(enabled(), (std::vector<bool>{true, false, false, false}));

    button("Command2")->click();
    EXPECT_EQ(enabled(), (std::vector<bool>{true, true, false, false}));
    window->Timer1_Timer();
    EXPECT_EQ(label()->text(), "recording ");
    button("Command3")->click();
    EXPECT_EQ(enabled(), (std::vector<bool>{true, true, true, true}));
    button("Command4")->click();
    EXPECT_EQ(device->log.back(), "play");

    platform.answerSave((defaultFolder("Wav") / "run.wav").string());
    button("Command1")->click();
    EXPECT_TRUE(fs::exists(defaultFolder("Wav") / "run.wav"));
    EXPECT_TRUE(window->recorder().saved());
}

TEST_F(RecorderWindowTest, TheStatusLineFollowsTheDeviceOnItsOwn)
{
    ASSERT_TRUE(window->findChild<QTimer*>("Timer1")->isActive());
    button("Command2")->click();
    QElapsedTimer waited;
    waited.start();
    while (label()->text().isEmpty() && waited.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(label()->text(), "recording ");
}

TEST_F(RecorderWindowTest, ClosingAfterASaveDeletesTheTemporaryRecordingAndTheWindow)
{
    button("Command2")->click();
    button("Command3")->click();
    platform.answerSave((defaultFolder("Wav") / "run.wav").string());
    button("Command1")->click();
    ASSERT_TRUE(fs::exists(temporary));
    window->close();
    EXPECT_FALSE(fs::exists(temporary));
    EXPECT_EQ(device->log.back(), "close");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

}  // namespace
}  // namespace vornax
