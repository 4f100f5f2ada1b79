#include "gui/capture/RecorderWindow.h"

#include "ScriptedPlatform.h"
#include "ScriptedSoundDevice.h"
#include "TempFolder.h"
#include "common/AppFolder.h"
#include "common/TextFile.h"
#include "gui/common/WindowManager.h"
#include "gui/shell/MainWindow.h"

#include <QAction>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
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

// The microphone mode records the input picked in the list as 16-bit mono
// at 48 000 Hz; the ignition mode stays as it always was. The choice is
// locked while recording, and the recording in hand keeps its mode.
TEST_F(RecorderWindowTest, RecordsTheEngineSoundFromTheChosenMicrophone)
{
    auto* ignition = window->findChild<QRadioButton*>("IgnitionMode");
    auto* microphone = window->findChild<QRadioButton*>("MicrophoneMode");
    auto* list = window->findChild<QListWidget*>("InputList");
    auto* format = window->findChild<QLabel*>("FormatLine");
    ASSERT_TRUE(ignition && microphone && list && format);
    EXPECT_TRUE(ignition->isChecked());
    EXPECT_EQ(ignition->text(), "Ignition pickup (line input)");
    EXPECT_EQ(microphone->text(), "Engine sound (microphone)");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "Realtek ALC256 (default)");
    EXPECT_EQ(list->item(1)->text(), "USB Audio");
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_FALSE(list->isEnabled());
    EXPECT_NE(format->text().toStdString().find("8 bits"), std::string::npos);
    EXPECT_EQ(device->captureMode, CaptureMode::Ignition);

    microphone->click();
    EXPECT_TRUE(list->isEnabled());
    list->setCurrentRow(1);
    EXPECT_EQ(device->captureMode, CaptureMode::Microphone);
    EXPECT_EQ(device->inputId, "usb-2");
    EXPECT_NE(format->text().toStdString().find("16 bits, mono, 48 000 Hz"), std::string::npos);

    device->nextMicRecording = {0, 1000, -1000, 32767};
    button("Command2")->click();
    EXPECT_FALSE(ignition->isEnabled());
    EXPECT_FALSE(microphone->isEnabled());
    EXPECT_FALSE(list->isEnabled());
    button("Command3")->click();
    EXPECT_TRUE(ignition->isEnabled());
    EXPECT_TRUE(list->isEnabled());

    platform.answerSave((defaultFolder("Wav") / "pull.wav").string());
    button("Command1")->click();
    const auto bytes = readFileBytes(defaultFolder("Wav") / "pull.wav");
    ASSERT_TRUE(bytes);
    ASSERT_EQ(bytes->size(), 44u + 8u);
    EXPECT_EQ(bytes->substr(44), std::string("\x00\x00\xe8\x03\x18\xfc\xff\x7f", 8));
    EXPECT_EQ(static_cast<unsigned char>((*bytes)[34]), 16u);  // bits a sample

    // Back to the ignition and again to the microphone: the pick is kept.
    ignition->click();
    EXPECT_EQ(device->captureMode, CaptureMode::Ignition);
    EXPECT_FALSE(list->isEnabled());
    microphone->click();
    EXPECT_EQ(device->captureMode, CaptureMode::Microphone);
    EXPECT_EQ(device->inputId, "usb-2");
}

// An input plugged in shows in the list; the one chosen stays chosen.
TEST_F(RecorderWindowTest, ListsTheInputsAgainKeepingTheChoice)
{
    window->findChild<QRadioButton*>("MicrophoneMode")->click();
    auto* list = window->findChild<QListWidget*>("InputList");
    list->setCurrentRow(1);
    device->systemInputs.insert(device->systemInputs.begin(), {"bt-3", "Headset", false});
    window->refreshInputs();
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->currentItem()->text(), "USB Audio");
    EXPECT_EQ(device->inputId, "usb-2");
    // The chosen one unplugged: the default is taken.
    device->systemInputs.pop_back();
    window->refreshInputs();
    EXPECT_EQ(list->currentItem()->text(), "Realtek ALC256 (default)");
    EXPECT_EQ(device->inputId, "mic-1");
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

// Closing the main window ends the program: the recorder closes with it, and
// while it records it asks first.
class ClosingTheMainWindow : public RecorderWindowTest {
protected:
    void SetUp() override
    {
        RecorderWindowTest::SetUp();
        WindowManager::instance().reset();
        WindowManager::instance().registerWindow("Form1", [this] { return window.data(); });
        main = std::make_unique<MainWindow>();
        main->show();
        main->findChild<QAction*>("Enregistreur")->trigger();
    }
    void TearDown() override
    {
        main.reset();
        WindowManager::instance().reset();
        RecorderWindowTest::TearDown();
    }
    std::vector<fs::path> wavFiles()
    {
        std::vector<fs::path> files;
        for (const auto& entry : fs::directory_iterator(defaultFolder("Wav")))
            files.push_back(entry.path());
        return files;
    }

    std::unique_ptr<MainWindow> main;
};

TEST_F(ClosingTheMainWindow, ClosesAnIdleRecorderWithoutAsking)
{
    ASSERT_TRUE(window->isVisible());
    EXPECT_TRUE(main->close());
    EXPECT_TRUE(platform.questions().empty());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(device->log.back(), "close");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST_F(ClosingTheMainWindow, AsksWhileRecordingAndKeepsTheRecordingOnYes)
{
    device->nextRecording = {128, 10, 250, 128, 128, 127};
    button("Command2")->click();
    ASSERT_TRUE(window->recording());

    // No: every window stays, still recording.
    EXPECT_FALSE(main->close());
    ASSERT_EQ(platform.questions().size(), 1u);
    EXPECT_NE(platform.questions()[0].text.find("recording-"), std::string::npos) << platform.questions()[0].text;
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->recording());
    EXPECT_TRUE(wavFiles().empty());

    // Yes: the recording stops and is saved in the Wav folder under the name
    // the question gave, then both windows close.
    platform.answerQuestion(true);
    EXPECT_TRUE(main->close());
    EXPECT_FALSE(main->isVisible());
    const std::vector<fs::path> saved = wavFiles();
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_NE(platform.questions()[1].text.find(saved[0].filename().string()), std::string::npos);
    const auto bytes = readFileBytes(saved[0]);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->size(), 44u + 6u);
    EXPECT_EQ(bytes->substr(44), std::string("\x80\x0a\xfa\x80\x80\x7f", 6));
    EXPECT_EQ(device->log.back(), "close");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST_F(ClosingTheMainWindow, StaysOpenWhenTheRecordingCannotBeSaved)
{
    button("Command2")->click();
    device->saveFails = true;
    platform.answerQuestion(true);
    EXPECT_FALSE(main->close());
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_NE(platform.lastMessage().find("the disk is full"), std::string::npos);
    // Stopped, the recording can still be saved elsewhere.
    EXPECT_TRUE(button("Command1")->isEnabled());
}

}  // namespace
}  // namespace vornax
