#include "capture/Recorder.h"

#include "ScriptedPlatform.h"
#include "ScriptedSoundDevice.h"
#include "TempFolder.h"
#include "common/AppFolder.h"

#include <gtest/gtest.h>

namespace vornax {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedPlatform;
using testing::ScriptedSoundDevice;
using testing::TempFolder;

class RecorderTest : public ::testing::Test {
protected:
    void SetUp() override { home.useAsAppFolder(); }

    fs::path target(const char* name) { return defaultFolder("Wav") / name; }
    std::string recordedFile() { return wavFileBytes(device.nextRecording); }

    // Record then Stop, with the given samples.
    void recordAndStop(std::vector<std::uint8_t> samples)
    {
        device.nextRecording = std::move(samples);
        recorder.record();
        recorder.stop();
    }

    TempFolder home;
    TempFolder temp;
    ScriptedPlatform platform;
    ScriptedSoundDevice device;
    fs::path temporary = temp / "recording.wav";
    Recorder recorder{device, temporary};
};

TEST_F(RecorderTest, ButtonsFollowRecordStopSaveAsAndRecordAgain)
{
    using B = RecorderButtons;
    recorder.open();
    EXPECT_EQ(recorder.buttons(), (B{true, false, false, false}));
    recorder.record();
    EXPECT_EQ(recorder.buttons(), (B{true, true, false, false}));
    recorder.stop();
    EXPECT_EQ(recorder.buttons(), (B{true, true, true, true}));
    recorder.play();
    EXPECT_EQ(recorder.buttons(), (B{true, true, true, true}));
    platform.answerSave(target("run.wav").string());
    recorder.saveAs();
    EXPECT_EQ(recorder.buttons(), (B{true, true, true, true}));
    recorder.record();
    EXPECT_EQ(recorder.buttons(), (B{true, true, false, false}));

    // Each "Record" opens a new capture before recording, so it replaces the last.
    EXPECT_EQ(device.log, (std::vector<std::string>{"open", "open", "record", "stop", "play",
                                                    "save " + temporary.string(), "open", "record"}));
    EXPECT_TRUE(platform.messages().empty());
}

TEST_F(RecorderTest, StatusLineIsTheModeWordAndOneSpace)
{
    EXPECT_EQ(recorder.statusText(), "not ready ");
    recorder.open();
    EXPECT_EQ(recorder.statusText(), "stopped ");
    recorder.record();
    EXPECT_EQ(recorder.statusText(), "recording ");
    recorder.stop();
    recorder.play();
    EXPECT_EQ(recorder.statusText(), "playing ");
}

TEST_F(RecorderTest, SaveAsOffersTheWavFolderAndWritesTheRecordingUnderTheChosenName)
{
    recorder.open();
    recordAndStop({128, 250, 3});
    platform.answerSave(target("run.wav").string());
    recorder.saveAs();

    ASSERT_EQ(platform.requests().size(), 1u);
    EXPECT_EQ(platform.requests()[0].filter, "WAV file (*.wav*)|*.wav");
    EXPECT_EQ(fs::path(platform.requests()[0].initialFolder), defaultFolder("Wav"));
    EXPECT_EQ(TempFolder::read(target("run.wav")), recordedFile());
    EXPECT_TRUE(recorder.saved());
}

TEST_F(RecorderTest, SavingTwiceToOneNameReplacesTheFirstFile)
{
    recorder.open();
    recordAndStop({10, 20, 30, 40, 50});
    platform.answerSave(target("run.wav").string());
    recorder.saveAs();
    recordAndStop({99});
    platform.answerSave(target("run.wav").string());
    recorder.saveAs();
    EXPECT_EQ(TempFolder::read(target("run.wav")), wavFileBytes(std::vector<std::uint8_t>{99}));
    EXPECT_TRUE(platform.messages().empty());
}

TEST_F(RecorderTest, CancellingTheDialogDeletesWritesAndReplacesNothing)
{
    const fs::path existing = home.write("Wav/run.wav", "older recording");
    recorder.open();
    recordAndStop({1, 2, 3});
    platform.answerSave(std::nullopt);
    recorder.saveAs();
    EXPECT_EQ(TempFolder::read(existing), "older recording");
    EXPECT_FALSE(fs::exists(temporary));
    EXPECT_FALSE(recorder.saved());
    EXPECT_EQ(device.log.back(), "stop");  // nothing asked of the device
    EXPECT_TRUE(platform.messages().empty());
}

TEST_F(RecorderTest, AFailedSaveSaysSoKeepsTheOldFileAndCanBeTriedAgain)
{
    const fs::path existing = home.write("Wav/run.wav", "older recording");
    recorder.open();
    recordAndStop({1, 2, 3});

    // The device cannot write its temporary recording.
    device.saveFails = true;
    platform.answerSave(existing.string());
    recorder.saveAs();
    EXPECT_NE(platform.lastMessage().find("could not be saved"), std::string::npos);
    EXPECT_EQ(TempFolder::read(existing), "older recording");
    EXPECT_FALSE(recorder.saved());

    // The copy fails: the chosen name is a folder, or in a folder that is not there.
    device.saveFails = false;
    for (const fs::path& bad : {defaultFolder("Wav"), home / "gone" / "run.wav"}) {
        platform.clearMessages();
        platform.answerSave(bad.string());
        recorder.saveAs();
        EXPECT_NE(platform.lastMessage().find("could not be saved"), std::string::npos) << bad;
        EXPECT_FALSE(recorder.saved());
        EXPECT_EQ(TempFolder::read(temporary), recordedFile()) << "the temporary recording stays for another try";
    }

    platform.answerSave(existing.string());
    recorder.saveAs();
    EXPECT_EQ(TempFolder::read(existing), recordedFile());
    EXPECT_TRUE(recorder.saved());
}

TEST_F(RecorderTest, TheTemporaryRecordingItselfIsRefusedAsTheChosenName)
{
    recorder.open();
    recordAndStop({1, 2, 3});
    platform.answerSave(temporary.string());
    recorder.saveAs();
    EXPECT_FALSE(recorder.saved());
    EXPECT_FALSE(platform.messages().empty());
    recorder.close();
}

TEST_F(RecorderTest, ClosingKeepsTheTemporaryRecordingUnlessARecordingWasSaved)
{
    // An earlier run left a temporary recording; closing without a save keeps it.
    temp.write("recording.wav", "from an earlier run");
    recorder.open();
    recordAndStop({1, 2, 3});
    recorder.close();
    EXPECT_EQ(TempFolder::read(temporary), "from an earlier run");
    EXPECT_EQ(device.log.back(), "close");

    Recorder again(device, temporary);
    again.open();
    device.nextRecording = {4, 5};
    again.record();
    again.stop();
    platform.answerSave(target("kept.wav").string());
    again.saveAs();
    ASSERT_TRUE(fs::exists(temporary));
    again.close();
    EXPECT_FALSE(fs::exists(temporary));
    EXPECT_EQ(TempFolder::read(target("kept.wav")), wavFileBytes(std::vector<std::uint8_t>{4, 5}));
    EXPECT_EQ(again.statusText(), "not ready ");
}

TEST_F(RecorderTest, NoSoundInputIsShownAndReportedByRecordWithoutHarm)
{
    device.hasInput = false;
    recorder.open();
    EXPECT_EQ(recorder.statusText(), "no sound input ");
    recorder.record();
    EXPECT_NE(platform.lastMessage().find("No sound input"), std::string::npos);
    EXPECT_EQ(recorder.buttons(), RecorderButtons{});
    EXPECT_EQ(recorder.statusText(), "no sound input ");
}

TEST(DefaultTemporaryRecording, LivesInTheTemporaryFolderUnderTheProgramsOwnName)
{
    const fs::path path = defaultTemporaryRecording();
    EXPECT_EQ(path.parent_path(), fs::temp_directory_path());
    EXPECT_EQ(path.filename().string().rfind("vornax-meter-recording-", 0), 0u);
    EXPECT_EQ(path.extension(), ".wav");
}

}  // namespace
}  // namespace vornax
