// Records for real: a generated ignition recording is played into a private
// PulseAudio server's null sink while the recorder window records from the
// server's default input (a source remapped from the sink's monitor), through
// Qt Multimedia. The saved file must be the recorder's format and give the
// played engine speeds back through spark detection.
#include "gui/capture/QtSoundDevice.h"
#include "gui/capture/RecorderWindow.h"

#include "PrivatePulseServer.h"
#include "ScriptedPlatform.h"
#include "TempFolder.h"
#include "common/AppFolder.h"
#include "signal/SparkDetection.h"
#include "signal/SyntheticRecording.h"
#include "signal/WavReader.h"
#include "sound/EngineSoundTracker.h"
#include "sound/SoundInput.h"
#include "synth/EngineSound.h"
#include "SynthTestSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace vornax {
namespace {

namespace fs = std::filesystem;
using testing::PrivatePulseServer;
using testing::ScriptedPlatform;
using testing::TempFolder;

// Runs the event loop until `done` or the time is up; gives `done`.
bool waitFor(const std::function<bool()>& done, int milliseconds)
{
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

void pause(int milliseconds)
{
    waitFor([] { return false; }, milliseconds);
}

TEST(RealCapture, RecordsAPlayedIgnitionRecordingWithItsEngineSpeeds)
{
    TempFolder folder;
    PrivatePulseServer server(folder / "pulse");
    if (!server.start())
        GTEST_SKIP() << "PulseAudio cannot be started here: " << server.problem();
    ASSERT_TRUE(server.run(
        "pactl", {"load-module", "module-remap-source", "master=vsink.monitor", "source_name=vmic", "channels=1"}))
        << server.problem();
    ASSERT_TRUE(server.run("pactl", {"set-default-source", "vmic"})) << server.problem();
    server.useInThisProcess();

    // Five seconds of a run from 1 800 to 5 800 rpm, one spark every second
    // revolution.
    IgnitionSignal signal;
    signal.seconds = 5.0;
    signal.rpm = [](double t) { return 1800.0 + 800.0 * t; };
    const SyntheticRecording played = makeIgnitionRecording(signal);
    const fs::path playedFile = folder.write("played.wav", played.wav);

    TempFolder home;
    home.useAsAppFolder();
    ScriptedPlatform platform;
    const fs::path temporary = folder / "recording.wav";
    auto device = std::make_unique<QtSoundDevice>();
    QtSoundDevice* sound = device.get();
    QPointer<RecorderWindow> window = new RecorderWindow(std::move(device), temporary);
    auto button = [&](const char* name) { return window->findChild<QPushButton*>(name); };

    button("Command2")->click();
    ASSERT_TRUE(platform.messages().empty()) << platform.lastMessage();
    ASSERT_TRUE(waitFor([&] { return window->findChild<QLabel*>("Label1")->text() == "recording "; }, 3000));
    pause(300);

    QProcess player;
    server.launch(player, "paplay", {"--device=vsink", QString::fromStdString(playedFile.string())});
    ASSERT_TRUE(waitFor([&] { return player.state() == QProcess::NotRunning; }, 30000)) << "paplay did not end";
    ASSERT_EQ(player.exitCode(), 0) << player.readAll().toStdString();
    pause(700);
    button("Command3")->click();
    ASSERT_TRUE(sound->inputFormat().has_value());
    const PcmFormat input = *sound->inputFormat();
    SCOPED_TRACE("input opened at " + std::to_string(input.sampleRate) + " Hz, " + std::to_string(input.channels) +
                 " channel(s), encoding " + std::to_string(static_cast<int>(input.type)));

    const fs::path saved = defaultFolder("Wav") / "captured.wav";
    platform.answerSave(saved.string());
    button("Command1")->click();
    ASSERT_TRUE(platform.messages().empty()) << platform.lastMessage();
    window->close();
    EXPECT_FALSE(fs::exists(temporary)) << "the temporary recording goes once saved";

    // The recorder's own format, and at least the played length.
    const std::string bytes = TempFolder::read(saved);
    const Result<WavHeader> header = scanHeader(bytes);
    ASSERT_TRUE(header) << header.error();
    EXPECT_EQ(header->formatTag, 1);
    EXPECT_EQ(header->channels, 1);
    EXPECT_EQ(header->sampleRate, 44100u);
    EXPECT_EQ(header->bitsPerSample, 8);
    EXPECT_EQ(header->dataStart, 45);
    EXPECT_EQ(header->dataSize, bytes.size() - 44);
    EXPECT_GE(header->dataSize, played.wav.size() - 44);

    // Every played spark comes back, with the speed measured from it. The
    // first point of each curve is measured from the start of its file and the
    // last one is where the file ends, so both are left out.
    const Result<Detection> expected = detectSparksInFile(playedFile);
    const Result<Detection> found = detectSparksInFile(saved);
    ASSERT_TRUE(expected) << expected.error();
    ASSERT_TRUE(found) << found.error();
    ASSERT_EQ(expected->crossings, static_cast<int>(played.sparks.size()));
    EXPECT_EQ(found->crossings, expected->crossings);
    const int rows = std::min(expected->crossings, found->crossings);
    ASSERT_GT(rows, 100);
    int far = 0;
    for (int r = 2; r <= rows; ++r) {
        const float want = expected->curve.rows[static_cast<std::size_t>(r)].speed;
        const float got = found->curve.rows[static_cast<std::size_t>(r)].speed;
        if (std::abs(got - want) > 0.01f * want && ++far <= 5)
            ADD_FAILURE() << "spark " << r << ": " << got << " rpm recorded, " << want << " rpm played";
    }
    EXPECT_EQ(far, 0);
    // The speeds span the run that was played.
    EXPECT_NEAR(found->curve.rows[2].speed, signal.rpm(0.0), 100.0f);
    EXPECT_NEAR(found->curve.rows[static_cast<std::size_t>(rows)].speed, signal.rpm(signal.seconds), 100.0f);
}

// The microphone mode: a generated engine sound played into the null sink
// is recorded from an input that is not the default one, picked in the list;
// the file is 16-bit mono at 48 000 Hz and the engine's speed is tracked
// from it as from the played file. (Qt talks to the first sound server a
// process meets: each of these tests runs in a process of its own, as ctest
// runs them.)
TEST(RealCapture, RecordsTheEngineSoundFromTheChosenInput)
{
    TempFolder folder;
    PrivatePulseServer server(folder / "pulse");
    if (!server.start())
        GTEST_SKIP() << "PulseAudio cannot be started here: " << server.problem();
    for (const char* name : {"source_name=quiet", "source_name=phone"})
        ASSERT_TRUE(
            server.run("pactl", {"load-module", "module-remap-source", "master=vsink.monitor", name, "channels=1"}))
            << server.problem();
    ASSERT_TRUE(server.run("pactl", {"set-default-source", "quiet"})) << server.problem();
    ASSERT_TRUE(server.run("pactl", {"set-source-mute", "quiet", "1"})) << server.problem();
    server.useInThisProcess();

    EngineSoundSettings settings;
    settings.gear = 2;
    settings.startRpm = 2000;
    settings.endRpm = 5500;
    settings.leadSeconds = 1.0;
    settings.liftSeconds = 0.8;
    const auto played = synthesizeEngineSound(testing::defaultCarStore(), settings);
    ASSERT_TRUE(played) << played.error();
    const fs::path playedFile = folder.write("played.wav", played->wav);

    TempFolder home;
    home.useAsAppFolder();
    ScriptedPlatform platform;
    auto device = std::make_unique<QtSoundDevice>();
    QtSoundDevice* sound = device.get();
    QPointer<RecorderWindow> window = new RecorderWindow(std::move(device), folder / "recording.wav");
    auto button = [&](const char* name) { return window->findChild<QPushButton*>(name); };
    window->findChild<QRadioButton*>("MicrophoneMode")->click();
    auto* list = window->findChild<QListWidget*>("InputList");
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->data(Qt::UserRole).toString() == "phone")
            list->setCurrentRow(row);
    ASSERT_EQ(list->currentItem()->data(Qt::UserRole).toString(), "phone");

    button("Command2")->click();
    ASSERT_TRUE(platform.messages().empty()) << platform.lastMessage();
    pause(300);
    QProcess player;
    server.launch(player, "paplay", {"--device=vsink", QString::fromStdString(playedFile.string())});
    ASSERT_TRUE(waitFor([&] { return player.state() == QProcess::NotRunning; }, 30000)) << "paplay did not end";
    pause(500);
    button("Command3")->click();
    ASSERT_TRUE(sound->inputFormat().has_value());

    const fs::path saved = defaultFolder("Wav") / "pull.wav";
    platform.answerSave(saved.string());
    button("Command1")->click();
    ASSERT_TRUE(platform.messages().empty()) << platform.lastMessage();
    window->close();

    const std::string bytes = TempFolder::read(saved);
    const Result<WavHeader> header = scanHeader(bytes);
    ASSERT_TRUE(header) << header.error();
    EXPECT_EQ(header->channels, 1);
    EXPECT_EQ(header->sampleRate, 48000u);
    EXPECT_EQ(header->bitsPerSample, 16);

    const auto recorded = readSoundSamples(saved);
    const auto original = readSoundSamples(playedFile);
    ASSERT_TRUE(recorded && original);
    const auto heard = trackEngineSound(recorded->samples, recorded->rate, {});
    const auto wanted = trackEngineSound(original->samples, original->rate, {});
    ASSERT_TRUE(heard) << heard.error();
    ASSERT_TRUE(wanted) << wanted.error();
    EXPECT_TRUE(heard->sure);
    // The recording starts some time before the playing.
    EXPECT_NEAR(heard->pullEnd - heard->pullStart, wanted->pullEnd - wanted->pullStart, 0.1);
    EXPECT_NEAR(double(heard->virtualSparks.size()), double(wanted->virtualSparks.size()), 2.0);
}

}  // namespace
}  // namespace vornax
